#pragma once
// The full-screen background form behind every screen: its module state, as the rest of the
// program sees it. The form itself is in shell/frm_background.h.
#include "forms/errors.h"
#include "forms/lang.h"

#include <cstdint>

// True while FrmBackGround is loaded; every procedure that touches the form tests it first.
extern forms::Flag BGFormShown;

// Picture and letter metrics in screen pixels: 0 pictures per row (8), 1 pictures per side column
// (5), 2 left margin, 3 top margin, 4 gap between the pictures of a row, 5 vertical gap term of
// the columns, 6 picture width, 7 picture height. Computed once at start-up.
extern forms::Array<int16_t, 0, 7> BGMetrics;

// The metrics for a screen (sizes in twips) and a main window of the given height (twips).
forms::Array<int16_t, 0, 7> BGLetterMetrics(double screenWidth, double screenHeight,
                                            double twipsPerPixelX, double twipsPerPixelY,
                                            double mainHeight);
// BGMetrics from the screen and the main window's height now; clears BGFormShown.
void CalcBGLetterSizes();
