#pragma once
// Tracing clicks on the drawing board at the three skill levels.
#include <cstdint>

void TraceClick(int16_t button, int16_t shift, float x, float y);
