#pragma once
// What applying the settings touches on the running screens. The settings sections call these
// small procedures so that they need not know the forms and records behind them.
#include "forms/lang.h"

#include <cstdint>

struct UserSet;

// The animation record's timer interval (the stroke animation).
void ApplyAnimInterval(int16_t interval);
// The word label's text colour and its shadow's, then both captions := the current word.
void ApplyWordColors(int32_t color, int32_t shadowColor);
// The character labels' colours, from the live Settings (the tracing screen's ResetTraceColors).
void ApplyLabelColors();
// The back colour of the drawing board and of the show board.
void ApplyBoardColors(int32_t color);
// The music menu's play state, from the live Settings' instrument, volume and play flag.
void ApplyMusicPlayState(int16_t instrument, int16_t volume, forms::Flag musicPlay);
// The main-menu buttons and the drawing buttons, from the live Settings.
void ApplyMenuButtons();
void ApplySubMenuButtons();
// Loads, unloads or redraws the background form as the record's background option asks.
void ApplyBGFormOption(const UserSet& src);
// The background form's back, letter and letter-shadow colours, in that order.
void ApplyBGFormColors(int32_t color, int32_t alphaColor, int32_t shadowColor);

// True while the background form is loaded.
extern forms::Flag BGFormShown;
