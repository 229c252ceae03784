#pragma once
// Tracing clicks on the drawing board at the three skill levels.
#include <cstdint>

#include "forms/lang.h"

void TraceClick(int16_t button, int16_t shift, float x, float y);
// Makes the character of label index (0 to 29) the current one; noSpeech goes on to ShowAlpha.
void AlphaLabelClick(int16_t index, forms::Flag noSpeech);
// Both distances from (px, py) strictly below the tolerance.
forms::Flag IsNearPoint(float x, float y, int16_t px, int16_t py, int16_t tolerance);
