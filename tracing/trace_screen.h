#pragma once
// Bringing the tracing activity up and down on the main window: the show board, the drawing board,
// the strip of character tiles and labels, the word label and the drawing buttons.
#include <cstdint>

#include "forms/errors.h"
#include "forms/lang.h"

// Colours of the character labels: (0) inside the lesson range, (1) finished, (2) outside it.
inline forms::Array<int32_t, 0, 2> LabelColors{};

// Set once a run: the board geometry, and the number labels.
inline forms::Flag BoardsArranged = forms::vbFalse;
inline forms::Flag NumbersLabelReady = forms::vbFalse;

// Starts tracing afresh at the current alphabet type and level (the argument is ignored).
void StartTrace(int16_t unused = 0);
void InitTraceState();
void ClearAlphaEnabled();
void SetupTraceScreen();
void ArrangeBoards(forms::Flag visible);
void ArrangeAlphaBG();
void LoadTraceSkin();
void InitPictHolderLesson();
void ShowAlphaBGMarks();
void InitTrcLblWord();
void InitTrcLblNumbers();
void ResetTraceColors();
// The boards', the word's and the number labels' colours from the settings.
void ResetPickedColors();
void HideTraceScreen();
