#pragma once
// The character label strip: hovering speaks a character, a click makes it current.
#include <cstdint>

void AlphaLabelMouseMove(int16_t index, int16_t button, int16_t shift, float x, float y);
void AlphaLabelMouseUp(int16_t index, int16_t button, int16_t shift, float x, float y);
