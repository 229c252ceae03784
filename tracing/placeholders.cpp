// Tracing features that the main window and start-up call before they are built.
#include "shell/frm_main.h"
#include "shell/placeholder_log.h"
#include "tracing/animation.h"
#include "tracing/board_router.h"
#include "tracing/color_picker.h"
#include "tracing/label_strip.h"
#include "tracing/trace_clicks.h"
#include "tracing/trace_engine.h"
#include "tracing/trace_screen.h"

// --- Board event router. Placeholder until the board event router is built: takes nothing.
// Tests set RouterTakes to have it consume events.
forms::Flag RouterTakes = forms::vbFalse;
forms::Flag ProcessTraceEvent(int16_t code, int16_t index, int16_t, int16_t, float, float) {
    PlaceholderCalls().push_back("ProcessTraceEvent " + std::to_string(code) + " " +
                                 std::to_string(index));
    return RouterTakes;
}

// --- Tracing clicks. Placeholder until the tracing clicks are built.
void TraceClick(int16_t, int16_t, float, float) {
    PlaceholderCalls().push_back("TraceClick");
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
// (which is what sizes the main window), without the palette.
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
}

// --- Tracing engine and tracing screen. Placeholders until the tracing engine is built.
void StartTrace(int16_t) {
    PlaceholderCalls().push_back("StartTrace");
}
void HideTraceScreen() {
    PlaceholderCalls().push_back("HideTraceScreen");
}
void ResetTraceColors() {}
void ResetAlpha() {
    PlaceholderCalls().push_back("ResetAlpha");
}
void RedrawAlpha() {
    PlaceholderCalls().push_back("RedrawAlpha");
}
void ShowAlpha(forms::Flag) {
    PlaceholderCalls().push_back("ShowAlpha");
}
void AnimationTimerTick() {
    PlaceholderCalls().push_back("AnimationTimerTick");
}
