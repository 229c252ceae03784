// Tracing features that the main window, start-up, the tracing engine, the animation, the
// tracing screen and the colour picker call before they are built.
#include "shell/placeholder_log.h"
#include "shell/user_set.h"
#include "tracing/label_strip.h"
#include "tracing/progress.h"
#include "tracing/trace_clicks.h"
#include "tracing/trace_engine.h"

// --- Tracing clicks. Placeholder until the tracing clicks are built.
void TraceClick(int16_t button, int16_t shift, float x, float y) {
    PlaceholderCalls().push_back("TraceClick");
    PlaceholderArgs().push_back(MouseArgsText(button, shift, x, y));
}
void PromptAlpha(int16_t button, int16_t shift, float x, float y, int16_t mode, AlphaData& rec) {
    PlaceholderCalls().push_back("PromptAlpha " + std::to_string(mode) + " " +
                                 (&rec == &AlphaCur2 ? "AlphaCur2" : "AlphaCur"));
    PlaceholderArgs().push_back(MouseArgsText(button, shift, x, y));
}
void StartAlphaDemo() {
    PlaceholderCalls().push_back("StartAlphaDemo");
}

// Placeholder until the tracing clicks are built: the plain comparison, which the colour
// picker's hit test on the letter relies on.
forms::Flag IsNearPoint(float x, float y, int16_t px, int16_t py, int16_t tolerance) {
    return forms::ToFlag(px - tolerance < x && x < px + tolerance && py - tolerance < y &&
                         y < py + tolerance);
}

// --- Character label strip. Placeholders until the label strip is built.
void AlphaLabelMouseMove(int16_t index, int16_t, int16_t, float, float) {
    PlaceholderCalls().push_back("AlphaLabelMouseMove " + std::to_string(index));
}
void AlphaLabelMouseUp(int16_t index, int16_t, int16_t, float, float) {
    PlaceholderCalls().push_back("AlphaLabelMouseUp " + std::to_string(index));
}

// --- Progress marks. Placeholder until progress marks and level completion are built: the
// tables, and the two readers and the level reset in their plain form.
AlphaDoneTable AlphaDone{};
forms::Array<forms::Array<forms::Flag, 0, 2>, 0, 3> LevelDone{};
forms::Array<forms::Flag, 0, 29> AlphaEnabled{};

forms::Flag IsAlphaDone(forms::Flag useIndex, int16_t index) {
    return AlphaDone(Settings.AlphabetType)(Settings.UserLevel)(useIndex ? index : CurAlphaIdx);
}

forms::Flag IsCurrentAlphaDone() {
    return AlphaDone(Settings.AlphabetType)(Settings.UserLevel)(CurAlphaIdx);
}

void SetLevelDone(int16_t type, int16_t level) {
    for (int i = 0; i <= 29; ++i)
        AlphaDone(type)(level)(i) = forms::vbFalse;
    LevelDone(type)(level) = forms::vbFalse;
}

// Placeholder until progress marks and level completion are built: no mark, no completion
// dialog, no auto-play wait. The call is logged, so that what each caller hands over shows.
void AfterAlphaTraced(forms::Flag checkLevel, int16_t code, int16_t delay, forms::Flag now) {
    PlaceholderCalls().push_back("AfterAlphaTraced " + std::to_string(checkLevel) + " " +
                                 std::to_string(code) + " " + std::to_string(delay) + " " +
                                 std::to_string(now));
}

// --- Character label strip. Placeholders until the label strip and word label are built.
int16_t LabelIndexHot = -9997;
void ShowWord() {}
void PlaceWordLabel() {}
void FillAlphaLabels() {}
void ColorAlphaLabels() {}
void ArrangeAlphaLabels() {}
void ShowAlphaLabels(forms::Flag) {}
