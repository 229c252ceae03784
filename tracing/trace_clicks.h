#pragma once
// Tracing clicks at the three skill levels: a click on the drawing board (Level I watches the
// demonstration, Level II clicks the key points of each stroke in order, Level III the check points
// of the whole character in order), the hint and demonstration buttons, and the choice of a
// character in the label strip. A click that misses gives no feedback.
#include <cstdint>
#include <string>

#include "forms/lang.h"
#include "tracing/alpha_data.h"

// The character of the record of the previous Level III click; empty at start.
extern std::string LastCheckAlpha;

// A release on the drawing board that the board event router declined, by skill level.
void TraceClick(int16_t button, int16_t shift, float x, float y);
// The demonstration of the character(s): the Level I click and the demonstration button.
void StartAlphaDemo();
// Level II and Level III clicks on rec (button and shift are not used).
void KeyPointsClick(int16_t button, int16_t shift, float x, float y, AlphaData& rec);
void CheckPointsClick(int16_t button, int16_t shift, float x, float y, AlphaData& rec);
// Both distances strictly below the tolerance.
forms::Flag IsNearPoint(float x, float y, int16_t px, int16_t py, int16_t tolerance);

// The hint button: mode 1 its press, 2 its release; a1 to a4 are the button event's arguments.
void PromptAlpha(int16_t a1, int16_t a2, float a3, float a4, int16_t mode, AlphaData& rec);
// The Level III hint, on the record being traced.
void PromptCheckPoint(int16_t a1, int16_t a2, float a3, float a4, int16_t mode);
// The Level II hint: a disc of the colour on the next key point.
void DrawNextKeyPoint(AlphaData& rec, int32_t color);
// A dot at the next check point; colour 0 stands for ColorCircleHL, or ColorCircle in the second.
void DrawNextCheckPoint(AlphaData& rec, int32_t color);
void DrawNextCheckPoint2(AlphaData& rec, int32_t color);
// The stroke hints: stroke PromptStroke in the help colour, or in the line colour and then on to
// the next stroke (after the last, the first of the other character when two are shown).
void ShowCurrentStroke(AlphaData& rec);
void ShowNextStroke(AlphaData& rec);

// Makes character label index (0 to 29) the current character, when it lies inside the lesson
// range and is not the current one.
void AlphaLabelClick(int16_t index, forms::Flag noSpeech);
// The same for a label inside the range, also the current one: its character starts afresh.
void ChooseAlphaLabel(int16_t index, forms::Flag noSpeech);
