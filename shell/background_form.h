#pragma once
// The full-screen background form behind every screen.
#include "forms/lang.h"

// True while FrmBackGround is loaded; every procedure that touches the form tests it first.
extern forms::Flag BGFormShown;

// The background picture and letter metrics, from the screen and main-window sizes.
void CalcBGLetterSizes();
