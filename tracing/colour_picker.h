#pragma once
// The colour picker: forty swatches in three strips around the drawing board. The child picks a
// swatch, then clicks the letter, the board, the word, a character label or a coin to give it
// that colour; swatch 39 puts the colours back to the settings'. The board event router drives
// the exchange; this file owns the palette, the swatch pictures and marks, what each target does
// with a colour, the reset, the hit test on the letter, the pointers of the colouring mode and
// the wait before the character starts again.
#include "forms/errors.h"
#include "forms/lang.h"

#include <cstdint>

struct AlphaData;

// One colour per swatch (red in the low byte); slot 40 has no swatch.
extern forms::Array<int32_t, 0, 40> Palette;
// Swatch indices, whole numbers: the colour picked, and the same kept so that the next pick can
// take the mark off this swatch.
extern float PickedColor;
extern float PickedColorCopy;
// The swatch under the pointer and the one marked before it; -9997 none yet.
extern float HoverColor;
extern float PrevHoverColor;
// A picked colour waits for its target; the menu buttons, the drawing buttons and the puzzle
// menu then ignore the mouse.
extern forms::Flag ColorPending;
// The last hint sound given: 0 after a swatch hover, 2 board, 3 word, 5 or 6 a character label;
// -9997 none.
extern int16_t HintState;

constexpr int16_t kResetSwatch = 39;

// What a picked colour is applied to.
enum ColorTargetCode : int16_t {
    ctLetter = 0,      // the letter's line and the number label
    ctBoard = 2,       // the background of both boards
    ctWord = 3,        // the word label
    ctLabelsToDo = 5,  // the labels of characters not yet done
    ctLabelsDone = 6,  // the labels of finished characters
    ctCoins = 7,       // the puzzle's normal caption colour (already stored)
    ctCoinsLevelI = 8, // the puzzle's normal and correct caption colours (already stored)
};

// Fills the palette, gives the swatches their pictures and lays out the three strips.
void InitColorPicker();
// Palette(PickedColor) to the target; then the pointer, the swatch's hover mark and the sound.
void ApplyPickedColor(int16_t target);
// Puts one target (0, 2, 3, 5, 6) back to the settings' colour; any other does nothing.
void ResetColorTarget(int16_t target);
// True when (x, y) lies within the tolerance of a point of any stroke of the record.
forms::Flag HitLetterStroke(float x, float y, int16_t tolerance, const AlphaData& rec);

// The swatch marks: the hover mark moves to HoverColor; the picked mark to PickedColor.
void ShowHoverSwatch();
void RestoreHoverSwatch();
void ShowSelectedSwatch();
// The swatch gets its plain picture back.
void ShowPlainSwatch(float index);

// The mouse pointers of the colouring mode; SetDefaultCursors also ends the pending state.
void SetDefaultCursors();
void SetPaintCursors();
void SetPaintCursorsPuzzle();
void SetDefaultCursorsPuzzle();

// The character starts again 2000 ms from now, in its new colours.
void StartHintTimer();
