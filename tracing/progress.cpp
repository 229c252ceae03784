// Progress marks and level completion.
#include "tracing/progress.h"

#include "forms/application.h"
#include "forms/label.h"
#include "forms/timer.h"
#include "shell/forms_list.h"
#include "shell/frm_main.h"
#include "shell/sounds.h"
#include "shell/user_set.h"
#include "tracing/animation.h"
#include "tracing/stroke_walk.h"
#include "tracing/trace_engine.h"

// Nothing saves these: every run starts with no character done.
AlphaDoneTable AlphaDone{};
forms::Array<forms::Array<forms::Flag, 0, 2>, 0, 3> LevelDone{};
forms::Array<forms::Flag, 0, 29> AlphaEnabled{};
forms::Flag LevelJustDone = forms::vbFalse;

namespace {

constexpr int16_t afWaitOver = 500; // AfterAlphaTraced: the auto-play wait has ended
constexpr int16_t encRandom = 0;    // a random encouragement
const char* const kLevelMessage = "Well Done.\r\nLevel Completed !";

// The auto-play wait's interval: a 16-bit sum, as the timer's interval was kept.
int16_t WaitInterval(int16_t delay) {
    const int sum = static_cast<int>(delay) + static_cast<int>(Settings.AutoPlayPause);
    if (sum < INT16_MIN || sum > INT16_MAX) forms::Raise(forms::errOverflow);
    return static_cast<int16_t>(sum);
}

// Shows the completion dialog with the level's message and yields to the message loop until it
// has been closed (or unloaded, as the end of the program does).
void ShowLevelCompletedAndWait() {
    StopAnimTimer();
    FrmMain->SetEnabled(false);
    FrmCompletionForm& dialog = *FrmCompletion;
    dialog.Show();
    dialog.lbl_WellDone.SetCaption(kLevelMessage);
    while (FrmCompletion.IsLoaded() && FrmCompletion->Visible())
        forms::DoEvents();
}

} // namespace

forms::Flag IsAlphaDone(forms::Flag useIndex, int16_t index) {
    return AlphaDone(Settings.AlphabetType)(Settings.UserLevel)(useIndex ? index : CurAlphaIdx);
}

forms::Flag IsCurrentAlphaDone() {
    return AlphaDone(Settings.AlphabetType)(Settings.UserLevel)(CurAlphaIdx);
}

forms::Flag AllAlphasDone(int16_t type, int16_t level) {
    // A step below 1 would never leave the range.
    const int step = AlphaStep < 1 ? 1 : AlphaStep;
    for (int i = FirstAlphaIdx; i <= LastAlphaIdx; i += step)
        if (!AlphaDone(type)(level)(i)) return forms::vbFalse;
    return forms::vbTrue;
}

void SetLevelDone(int16_t type, int16_t level) {
    for (int i = 0; i <= 29; ++i)
        AlphaDone(type)(level)(i) = forms::vbFalse;
    LevelDone(type)(level) = forms::vbFalse;
}

forms::Flag CheckLevelCompleted() {
    const int16_t type = Settings.AlphabetType;
    const int16_t level = Settings.UserLevel;
    if (level >= 1) PlayEncouragement(encRandom);
    AlphaDone(type)(level)(CurAlphaIdx) = forms::vbTrue;
    // The strip is the main window's; a board drawn without that window has none to recolour.
    if (FrmMain.IsLoaded()) UpdateAlphaLabel(CurAlphaIdx, forms::vbFalse);
    if (LevelDone(type)(level)) return forms::vbFalse;
    if (!AllAlphasDone(type, level)) {
        LevelJustDone = forms::vbFalse;
        return forms::vbFalse;
    }
    LevelDone(type)(level) = forms::vbTrue;
    LevelJustDone = forms::vbTrue;
    PlayEncouragement(scTraceWellDone);
    ShowLevelCompletedAndWait();
    return forms::vbTrue;
}

void OnAlphaDone() {
    CheckLevelCompleted();
    if (LevelJustDone) {
        LevelJustDone = forms::vbFalse;
        RefreshAlphaLabels();
        ShowAlpha(forms::vbFalse);
    }
}

void AfterAlphaTraced(forms::Flag checkLevel, int16_t code, int16_t delay, forms::Flag now) {
    if (code != afWaitOver) {
        if (checkLevel) CheckLevelCompleted();
        if (!Settings.AutoPlay) {
            // The child moves on with the buttons or the strip.
            if (!IsCurrentAlphaDone() && Settings.UserLevel > 0) RedrawAlpha();
            return;
        }
        if (!now) {
            if (TraceAnim.AnimTimer == nullptr) forms::Raise(errObjectNotSet);
            forms::Timer& timer = *TraceAnim.AnimTimer;
            timer.SetEnabled(false);
            timer.SetInterval(WaitInterval(delay));
            TraceAnim.AnimKind = akWaitDone;
            TraceAnim.AnimPhase = apWaitNext;
            timer.SetEnabled(true);
            return;
        }
    }
    if (IsAlphaDone(forms::vbFalse, 0))
        NextAlpha();
    else if (Settings.UserLevel == 0)
        ShowAlpha(forms::vbFalse); // the demonstration of the same character starts again
}
