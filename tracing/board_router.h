#pragma once
// The board event router under its first header name, and its first names of three codes.
#include "tracing/trace_router.h"

constexpr int16_t teSwatchHover = tePickerHover;
constexpr int16_t teSwatchClick = tePickerClick;
constexpr int16_t teCoinClick = teCoinColor;
