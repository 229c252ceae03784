#pragma once
// The coin puzzle as the shell and the main window call it.
#include "forms/lang.h"

#include <cstdint>

extern forms::Flag PuzShuffling; // True while the board is being shuffled
// Caption colours of a coin that is not home and of one that is; the colour picker changes them.
extern int32_t PuzColorNormal;
extern int32_t PuzColorCorrect;

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
// Lays the captions over the coins again, in the normal colour.
void FitCoinLabels();
// Colours each caption by whether its coin is home.
void ColourCoinsLevelII();
