#pragma once
// The board event router: takes a mouse event of the tracing screen while a picked colour waits
// for its target. Returns True when it consumed the event.
#include "forms/lang.h"

#include <cstdint>

// Event codes.
constexpr int16_t teBoardHover = 100;
constexpr int16_t teBoardClick = 101;
constexpr int16_t teLabelHover = 102;
constexpr int16_t teLabelClick = 103;
constexpr int16_t teWordHover = 104;
constexpr int16_t teWordClick = 105;
constexpr int16_t teSwatchHover = 106;
constexpr int16_t teSwatchClick = 107;
constexpr int16_t teShowBoardClick = 109;
constexpr int16_t teCoinHover = 200;
constexpr int16_t teCoinClick = 202;

// Placeholder until the board event router is built: tests set it to have the router take events.
extern forms::Flag RouterTakes;

forms::Flag ProcessTraceEvent(int16_t code, int16_t index, int16_t button, int16_t shift, float x,
                              float y);
