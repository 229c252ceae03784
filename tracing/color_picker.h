#pragma once
// The colour picker: the palette of 40 swatches in three strips.
#include "forms/lang.h"

extern forms::Flag ColorPending; // a picked colour waits for its target

// Fills the palette and lays out the three swatch strips.
void InitColorPicker();
