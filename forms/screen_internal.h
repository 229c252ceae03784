#pragma once
// The compositor's internals shared by the runtime's files (not for the program).
#include "forms/canvas.h"
#include "forms/screen.h"

#include <functional>

namespace forms::detail {

bool ScreenStarted();
void StartScreen(int width, int height);
void StopScreen();
// Painters drawn above every form (message boxes), bottom first.
using OverlayPainter = std::function<void(Canvas& target, const IRect& clip)>;
int AddOverlay(OverlayPainter painter);
void RemoveOverlay(int id);
void SetCursorShown(int pointer, PicturePtr icon);
// Presents the whole screen again (the window lost its contents).
void PresentAll();

} // namespace forms::detail
