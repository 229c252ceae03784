#pragma once
// Key codes as the program's key handlers receive them, and the posting of input events, which
// the headless test fixture uses to drive the real event path (the events go through the SDL
// queue, in virtual-screen pixels).
#include <cstdint>

namespace forms {

constexpr int16_t vbKeyBack = 8, vbKeyTab = 9, vbKeyReturn = 13, vbKeyShift = 16, vbKeyControl = 17,
                  vbKeyMenu = 18, vbKeyEscape = 27, vbKeySpace = 32, vbKeyPageUp = 33,
                  vbKeyPageDown = 34, vbKeyEnd = 35, vbKeyHome = 36, vbKeyLeft = 37, vbKeyUp = 38,
                  vbKeyRight = 39, vbKeyDown = 40, vbKeyInsert = 45, vbKeyDelete = 46, vbKey0 = 48,
                  vbKeyA = 65, vbKeyF1 = 112;

// Mouse: positions in virtual-screen pixels (fractions allowed); button 1 left, 2 right, 4 middle.
// clicks is 2 for the second press of a double click.
void PostMouseMove(double x, double y);
void PostMouseDown(double x, double y, int button = 1, int clicks = 1);
void PostMouseUp(double x, double y, int button = 1, int clicks = 1);
// Keys by platform key code; shift is the 1/2/4 mask held with it. Text typed goes as PostText.
void PostKeyDown(int16_t keyCode, int shift = 0);
void PostKeyUp(int16_t keyCode, int shift = 0);
void PostText(const char* utf8);
// The window was restored from the task bar (or minimised by the user).
void PostWindowRestored();
void PostWindowMinimized();
// Asks the program to close (the window's close button).
void PostQuit();

} // namespace forms
