// Tracing features that the main window, start-up, the tracing engine, the animation, the
// tracing screen, the colour picker and the label strip call before they are built.
#include "shell/frm_main.h"
#include "shell/placeholder_log.h"
#include "shell/user_set.h"
#include "tracing/animation.h"
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

// Placeholder until progress marks and level completion are built: the level was completed by
// the last character traced.
forms::Flag LevelJustDone = forms::vbFalse;

// --- Character label click. Placeholder until the tracing clicks are built: makes the label's
// character the current one, which the label strip relies on.
void AlphaLabelClick(int16_t index, forms::Flag noSpeech) {
    if (!AlphaEnabled(index) || index == CurAlphaIdx) return;
    StopAnimTimer();
    CurAlphaIdx = index;
    UpdateAlphaLabel(PrevAlphaIdx, forms::vbFalse);
    UpdateAlphaLabel(CurAlphaIdx, forms::vbFalse);
    PrevAlphaIdx = index;
    const std::string caption = forms::Trim(FrmMain->Label_Alpha(index).Caption());
    if (caption.size() == 1) {
        NumAlphas = 1;
        AlphaCur.Alpha = caption;
        AlphaCur2.Alpha = "";
    } else {
        NumAlphas = 2;
        AlphaCur.Alpha = forms::Left(caption, 1);
        AlphaCur2.Alpha = forms::Right(caption, 1);
    }
    ShowAlpha(noSpeech);
}
