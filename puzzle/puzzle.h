#pragma once
// The coin puzzle as the shell and the main window call it.
#include "forms/lang.h"

#include <cstdint>

extern forms::Flag PuzShuffling; // True while the board is being shuffled

void StartPuzzle();
void HidePuzzle();
void CoinMouseMove(int16_t index, int16_t button, int16_t shift, float x, float y);
void CoinMouseUp(int16_t index, int16_t button, int16_t shift, float x, float y,
                 forms::Flag counted);
void PuzMenuMouseDown(int16_t index);
void PuzMenuHover(int16_t index);
void PuzMenuMouseUp(int16_t index);
void PuzMenuUnhover();
void PuzzleClockTick();
