#pragma once
// Tracing clicks on the drawing board at the three skill levels, and the drawing buttons' prompt
// and demonstration.
#include <cstdint>

struct AlphaData;

void TraceClick(int16_t button, int16_t shift, float x, float y);
// The prompt button: mode 1 on its press, 2 on its release, for the character rec.
void PromptAlpha(int16_t button, int16_t shift, float x, float y, int16_t mode, AlphaData& rec);
void StartAlphaDemo();
