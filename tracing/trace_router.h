#pragma once
// The board event router: every mouse event of the boards, the word, the character labels, the
// swatches and the coins comes here first, with its code. While a picked colour waits for its
// target the event is part of colouring and the router performs it (a hint sound, the colour
// applied, a swatch picked, cancelled or the colours reset); it then returns True and the
// control's own handler does nothing more.
#include "forms/lang.h"

#include <cstdint>

// Event codes.
enum TraceEventCode : int16_t {
    teBoardHover = 100,     // Picture_DrawBoard and Picture_ShowBoard MouseMove
    teBoardClick = 101,     // Picture_DrawBoard MouseUp
    teLabelHover = 102,     // Label_Alpha MouseMove
    teLabelClick = 103,     // Label_Alpha MouseUp
    teWordHover = 104,      // TrcLbl_Word MouseMove
    teWordClick = 105,      // TrcLbl_Word MouseUp
    tePickerHover = 106,    // AT_Image_ColorPicker MouseMove
    tePickerClick = 107,    // AT_Image_ColorPicker Click
    teShowBoardClick = 109, // Picture_ShowBoard MouseUp
    teCoinHover = 200,      // PuzLbl_Coin MouseMove
    teCoinColor = 202,      // PuzLbl_Coin MouseUp
};

// The coin over which the last coin hint sounded (0 at start).
extern int16_t LastCoinHover;

// True when the event was taken. Index is the element of a control array (0 for a single
// control); X and Y are in the control's pixels. Button and Shift are not used.
forms::Flag ProcessTraceEvent(int16_t code, int16_t index, int16_t button, int16_t shift, float x,
                              float y);
