#pragma once
// Shuffling a new game by the level's own kind of move: random swaps at Level I, random slides
// around the hole at Levels II and III; instantly, or paced one move an animation tick.
#include "forms/lang.h"

#include <cstdint>

// A second call while a paced shuffle waits stops that shuffle and starts nothing.
void NewPuzzleGame(int16_t& moves, forms::Flag& instant);
void ShuffleLevelI(int16_t& moves, forms::Flag& instant);
void ShuffleLevelII_III(int16_t& moves, forms::Flag& instant);
// A random index: the nearest integer (halves to even) to a uniform fraction times factor.
int16_t RandomIndex(int factor);
