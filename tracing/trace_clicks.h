#pragma once
// Tracing clicks on the drawing board at the three skill levels, and the drawing buttons' prompt
// and demonstration.
#include <cstdint>

#include "forms/lang.h"

struct AlphaData;

void TraceClick(int16_t button, int16_t shift, float x, float y);
// Makes the character of label index (0 to 29) the current one; noSpeech goes on to ShowAlpha.
void AlphaLabelClick(int16_t index, forms::Flag noSpeech);
// Both distances from (px, py) strictly below the tolerance.
forms::Flag IsNearPoint(float x, float y, int16_t px, int16_t py, int16_t tolerance);
// The prompt button: mode 1 on its press, 2 on its release, for the character rec.
void PromptAlpha(int16_t button, int16_t shift, float x, float y, int16_t mode, AlphaData& rec);
void StartAlphaDemo();
