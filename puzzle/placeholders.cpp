// The coin puzzle as the shell calls it. Placeholders until the coin puzzle is built.
#include "puzzle/puzzle.h"

forms::Flag PuzShuffling = forms::vbFalse;

void StartPuzzle() {}
void HidePuzzle() {}
void CoinMouseMove(int16_t, int16_t, int16_t, float, float) {}
void CoinMouseUp(int16_t, int16_t, int16_t, float, float, forms::Flag) {}
void PuzMenuMouseDown(int16_t) {}
void PuzMenuHover(int16_t) {}
void PuzMenuMouseUp(int16_t) {}
void PuzMenuUnhover() {}
void PuzzleClockTick() {}
