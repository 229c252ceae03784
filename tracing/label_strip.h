#pragma once
// The character label strip (a label for each character of the alphabet type over its tile:
// hovering speaks a character, a click makes it current) and the word label above the drawing
// board with its shadow.
#include <cstdint>

#include "forms/lang.h"

void AlphaLabelMouseMove(int16_t index, int16_t button, int16_t shift, float x, float y);
void AlphaLabelMouseUp(int16_t index, int16_t button, int16_t shift, float x, float y);

// The label whose character was spoken last by hovering; -9997 none.
extern int16_t LabelIndexHot;
// A hovered label shows its hover tile until ClearAlphaHover puts it back.
extern forms::Flag LabelRecolour;

// The word of the current character in both word labels, and their place for its length.
void ShowWord();
void PlaceWordLabel();
// A word too wide for its label at the standard size: the label reaches up to the menu row and the
// word is drawn smaller until it fits.
void FitWordLabel();
double StandardWordFontSize();
// Captions, colours and range, layout and visibility of the strip.
void FillAlphaLabels();
void ColorAlphaLabels();
void ArrangeAlphaLabels();
void ShowAlphaLabels(forms::Flag show);
