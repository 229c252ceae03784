#pragma once
// The puzzle clock: counts from the child's first click of a game, shows minutes and seconds and
// runs a lit arrow along a row; and the completion of a game.
#include "forms/lang.h"

#include <cstdint>
#include <string>

extern int16_t PuzArrowPos;         // the lit arrow; 5 before the first step
extern forms::Flag PuzArrowsPlaced; // the arrow row has been placed

void SetClockCaption(const std::string& text);
void StartClock(int16_t interval, int16_t mode);
void ResetClock();
void PuzzleClockTick();
void AnimateClockArrows(forms::Flag reset);
// "mm:ss" of the time from start to now (an hour or more shows only minutes and seconds).
std::string ElapsedClockText(const forms::DateTime& start, const forms::DateTime& now);
void CheckPuzzleCompleted();
