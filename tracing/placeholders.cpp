// Tracing features that the main window, start-up, the tracing engine, the animation and the
// tracing screen call before they are built.
#include "shell/frm_main.h"
#include "shell/placeholder_log.h"
#include "shell/user_set.h"
#include "tracing/board_router.h"
#include "tracing/color_picker.h"
#include "tracing/label_strip.h"
#include "tracing/trace_engine.h"

// --- Board event router. Placeholder until the board event router is built: takes nothing.
// Tests set RouterTakes to have it consume events.
forms::Flag RouterTakes = forms::vbFalse;
forms::Flag ProcessTraceEvent(int16_t code, int16_t index, int16_t button, int16_t shift, float x,
                              float y) {
    PlaceholderCalls().push_back("ProcessTraceEvent " + std::to_string(code) + " " +
                                 std::to_string(index));
    PlaceholderArgs().push_back(MouseArgsText(button, shift, x, y));
    return RouterTakes;
}

// --- Character label strip. Placeholders until the label strip is built.
void AlphaLabelMouseMove(int16_t index, int16_t, int16_t, float, float) {
    PlaceholderCalls().push_back("AlphaLabelMouseMove " + std::to_string(index));
}
void AlphaLabelMouseUp(int16_t index, int16_t, int16_t, float, float) {
    PlaceholderCalls().push_back("AlphaLabelMouseUp " + std::to_string(index));
}

// --- Colour picker. Placeholders until the colour picker is built.
forms::Flag ColorPending = forms::vbFalse;

// Placeholder until the colour picker is built: lays out the three strips and their swatches
// (which is what sizes the main window) with their pictures, without the palette.
void InitColorPicker() {
    FrmMainForm& m = *FrmMain;
    auto& swatch = m.AT_Image_ColorPicker;
    m.AT_Picture_Holder_ColorPicker1.Move(5, 10, 35, 443);
    for (int i = 0; i <= 11; ++i)
        swatch(i).Move(0, 37 * i, 35, 35);
    m.AT_Picture_Holder_ColorPicker2.Move(
        m.AT_Picture_Holder_ColorPicker1.Left() + m.AT_Picture_Holder_ColorPicker1.Width() + 4,
        m.AT_Picture_Holder_ColorPicker1.Top() + swatch(11).Top(), 560, 36);
    for (int i = 12; i <= 27; ++i)
        swatch(i).Move(i == 12 ? 0 : 35 * (i - 12), 0, 35, 35);
    m.AT_Picture_Holder_ColorPicker3.Move(
        swatch(27).Left() + m.AT_Picture_Holder_ColorPicker2.Left() + 4,
        m.AT_Picture_Holder_ColorPicker1.Top(), m.AT_Picture_Holder_ColorPicker1.Width(),
        m.AT_Picture_Holder_ColorPicker1.Height());
    for (int i = 28; i <= 39; ++i)
        swatch(i).Move(0, i == 28 ? 0 : 37 * (i - 28), 35, 35);
    // The plain swatch pictures, as the list holds them.
    if (m.AT_ImageList_ColorPickers.Count() >= 40)
        for (int i = 0; i <= 39; ++i)
            swatch(i).SetPicture(m.AT_ImageList_ColorPickers.Picture(i + 1));
}

// --- Character label strip. Placeholders until the label strip and word label are built.
int16_t LabelIndexHot = -9997;
void ShowWord() {}
void PlaceWordLabel() {}
void FillAlphaLabels() {}
void ColorAlphaLabels() {}
void ArrangeAlphaLabels() {}
void ShowAlphaLabels(forms::Flag) {}
