// The main window's reading timer: it reads the word out one letter a second, and puts a hovered
// character label back one second after its character was spoken. Every tick first stops it;
// a tick that has more to do arms it again.
#include "forms/label.h"
#include "forms/timer.h"
#include "shell/frm_main.h"
#include "shell/sounds.h"
#include "tracing/alpha_data.h"
#include "tracing/label_strip.h"
#include "tracing/progress.h"
#include "tracing/trace_engine.h"

forms::Timer* MMTimer = nullptr;
float MMTimerMode = 0;
float SpellPos = 0;

namespace {

constexpr int16_t kLetterPause = 1000;

void StopMMTimer() {
    if (MMTimer != nullptr) MMTimer->SetEnabled(false);
}

// One letter more of the word; a hyphen comes with the letter after it and is not spoken.
void SpellNextLetter() {
    const std::string& word = AlphaCur.Word;
    const auto length = static_cast<float>(word.size());
    SpellPos += 1;
    if (forms::Mid(word, static_cast<int32_t>(SpellPos) + 1, 1) == "-") SpellPos += 1;
    if (SpellPos < length) {
        const auto shown = static_cast<int32_t>(SpellPos) + 1;
        FrmMain->TrcLbl_Word(0).SetCaption(forms::Left(word, shown));
        SpeakBasic(forms::Mid(word, shown, 1));
        StartMMTimer(mmSpell, kLetterPause);
        return;
    }
    // The whole word again, spoken a second after its last letter. A word ending in a hyphen
    // steps past its end: it finishes all the same.
    ShowWord();
    SpeakWord();
    AfterAlphaTraced(forms::vbFalse, 0, 0, forms::vbFalse);
}

} // namespace

void StartMMTimer(float mode, int16_t interval) {
    if (MMTimer == nullptr) return;
    MMTimer->SetEnabled(false);
    MMTimerMode = mode;
    MMTimer->SetInterval(interval);
    MMTimer->SetEnabled(true);
}

bool MMTimerRunning() {
    return MMTimer != nullptr && MMTimer->Enabled();
}

void MMTimerTick() {
    StopMMTimer();
    if (MMTimerMode == mmSpell)
        SpellNextLetter();
    else if (MMTimerMode == mmResume)
        ClearAlphaHover();
}

void ClearAlphaHover() {
    if (!LabelRecolour) return;
    StopMMTimer();
    LabelRecolour = forms::vbFalse;
    // The tracing screen's start forgets the hot label; there is then nothing to put back.
    if (LabelIndexHot >= 0 && LabelIndexHot <= 29) UpdateAlphaLabel(LabelIndexHot, forms::vbFalse);
}
