#pragma once
// The platform seam: the one place that talks to SDL's video and events (window_sdl.cpp). The rest
// of the runtime sees input as InputEvents in virtual-screen pixels and presents a Canvas.
#include "forms/canvas.h"
#include "forms/screen.h"

#include <cstdint>
#include <string>
#include <vector>

namespace forms::backend {

struct InputEvent {
    enum Kind {
        None,
        MouseMove,
        MouseDown,
        MouseUp,
        KeyDown,
        KeyUp,
        Text,
        WindowRestored,
        WindowMinimized,
        Exposed, // the window lost its contents: present everything again
        Quit,
    } kind = None;
    double x = 0, y = 0; // mouse, virtual-screen pixels
    int button = 0;      // 1 left, 2 right, 4 middle
    int clicks = 1;      // 2 on the second press of a double click
    int16_t keyCode = 0; // platform key code
    int shift = 0;       // 1 Shift, 2 Ctrl, 4 Alt, held with the event
    std::string text;    // typed text, UTF-8
};

bool Open(const ScreenOptions& options); // false (with a message on stderr) when SDL fails
void Close();
bool IsOpen();
// Copies the rectangles of the screen to the window (scaled when the window is not 1:1).
void Present(const Canvas& screen, const std::vector<IRect>& rects);
// Moves waiting SDL events into out (in order); returns how many.
int Poll(std::vector<InputEvent>& out);
bool HasPendingInput();
// Waits up to ms for an event (without taking it). 0 returns at once.
bool Wait(int ms);
// Wakes a Wait from any thread (the mixer's): an event that Poll takes and drops.
void PostWake();
void SetCursor(int pointer, const PicturePtr& icon, int hotX, int hotY);
void Iconify(bool iconify);
// The window's current drawable size and the scale and offset of the virtual screen in it.
struct Mapping {
    int windowW = 0, windowH = 0;
    double scale = 1;
    int offX = 0, offY = 0;
};
Mapping CurrentMapping();

} // namespace forms::backend
