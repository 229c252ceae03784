#pragma once
// The virtual screen: every form is composited into one software surface of a fixed pixel size
// (1024 x 768 by default), repainted only where something changed, and presented in one SDL
// window (full-screen, scaled with its aspect kept, unless windowed).
//
// `forms::Screen` is both the class (static members: `forms::Screen::TwipsPerPixelX()`) and an
// object of it, so `forms::Screen.TwipsPerPixelX()` reads as the platform's Screen object does.
#include "forms/canvas.h"

#include <string>
#include <vector>

namespace forms {

struct ScreenOptions {
    int width = 1024, height = 768; // virtual screen pixels
    bool windowed = false;          // false: full-screen desktop, scaled, aspect kept
    int windowScale = 1;            // windowed: the window is the virtual size times this
    std::string title = "";
};
// Reads --windowed and --screen WxH (also --screen=WxH); other arguments are left alone.
// A malformed size keeps the default and is reported on stderr.
ScreenOptions ParseScreenArgs(int argc, char** argv, ScreenOptions defaults = {});

class Screen {
  public:
    // Twips per pixel: 15 in both directions unless set (12 for large fonts).
    // (The same values as forms/twips.h, which the text layer reads.)
    static double TwipsPerPixelX();
    static double TwipsPerPixelY();
    static void SetTwipsPerPixel(double x, double y);
    // Size of the virtual screen in twips (as the platform reports it) and in pixels.
    static double Width();
    static double Height();
    static int PixelWidth();
    static int PixelHeight();

    // The composited picture of the screen (what the window shows, before scaling).
    static const Canvas& Pixels();
    static int32_t GetPixel(int x, int y); // 0x00BBGGRR, -1 outside
    // Marks a rectangle of the screen (screen pixels) as needing a repaint.
    static void Invalidate(const IRect& r);
    static void InvalidateAll();
    // Repaints what is dirty and presents it; false when nothing was dirty.
    static bool Update();
    // Counters for tests and benchmarks: frames composited and presented since start-up.
    static int64_t FrameCount();
    // The desktop colour shown where no form is.
    static void SetDesktopColor(int32_t color);
    // The cursor currently chosen (0 default, 99 custom) and its icon, for tests under the
    // dummy video driver.
    static int CurrentMousePointer();
    static PicturePtr CurrentMouseIcon();
};
inline class Screen Screen;

} // namespace forms
