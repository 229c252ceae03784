#pragma once
// What a click on a coin does at each level: at Level I the marked coin is sent home by a swap;
// at Levels II and III a click slides part of the hole's row or column toward the hole.
#include "forms/lang.h"

#include <cstdint>

void CoinMouseMove(int16_t index, int16_t button, int16_t shift, float x, float y);
// userClick False: a move of the shuffle, which starts no clock, records nothing, leaves the hole
// as it is drawn and checks no completion.
void CoinMouseUp(int16_t index, int16_t button, int16_t shift, float x, float y,
                 forms::Flag userClick);
void PlaceCoinHome(int16_t index, int16_t button, int16_t shift, float x, float y,
                   forms::Flag userClick);
void SwapCoinCaptions(int16_t a, int16_t b);
void MarkNextCoin();
