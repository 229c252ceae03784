// Moving through the lesson, the colours and tiles of the character labels, and the word of a
// character.
#include "forms/lang.h"
#include "shell/frm_main.h"
#include "shell/user_set.h"
#include "tracing/animation.h"
#include "tracing/progress.h"
#include "tracing/trace_engine.h"
#include "tracing/trace_screen.h"

namespace {

int AscOf(const std::string& s) {
    if (s.empty()) forms::Raise(forms::errInvalidCall);
    return static_cast<unsigned char>(s[0]);
}

// A step below 1 would never leave the range.
int RangeStep(int step) {
    return step < 1 ? 1 : step;
}

// The characters of a number from its label's caption: one digit, or the tens and units digits.
void TakeNumberFromLabel() {
    const std::string caption = forms::Trim(FrmMain->Label_Alpha(CurAlphaIdx).Caption());
    if (caption.size() <= 1) {
        AlphaCur.Alpha = caption;
        AlphaCur2.Alpha = "";
        NumAlphas = 1;
    } else {
        AlphaCur.Alpha = forms::Left(caption, 1);
        AlphaCur2.Alpha = forms::Right(caption, 1);
        NumAlphas = 2;
    }
    CurAlphaNo = 1;
}

void AfterMove() {
    UpdateAlphaLabel(PrevAlphaIdx, forms::vbFalse);
    UpdateAlphaLabel(CurAlphaIdx, forms::vbFalse);
    PrevAlphaIdx = CurAlphaIdx;
    ShowAlpha(forms::vbFalse);
}

} // namespace

void NextAlpha() {
    const bool atEnd = CurAlphaIdx + AlphaStep > LastAlphaIdx || CurAlphaIdx == LastAlphaIdx;
    if (atEnd && !Settings.AutoPlayLoop) return;
    StopAnimTimer();
    const int16_t type = Settings.AlphabetType;
    if (type >= 0 && type <= 2) {
        CurAlphaIdx = CurAlphaIdx != LastAlphaIdx ? forms::CInt(CurAlphaIdx + 1) : FirstAlphaIdx;
        AlphaCur.Alpha = forms::Left(FrmMain->Label_Alpha(CurAlphaIdx).Caption(), 1);
        AlphaCur2.Alpha = forms::LCase(AlphaCur.Alpha);
    } else if (type == 3) {
        const int next = CurAlphaIdx + AlphaStep;
        CurAlphaIdx = next <= LastAlphaIdx ? forms::CInt(next) : FirstAlphaIdx;
        TakeNumberFromLabel();
    }
    AfterMove();
}

void PrevAlpha() {
    if (CurAlphaIdx == FirstAlphaIdx) return; // no wrap backwards
    StopAnimTimer();
    const int16_t type = Settings.AlphabetType;
    if (type >= 0 && type <= 2) {
        CurAlphaIdx = forms::CInt(CurAlphaIdx - 1);
        AlphaCur.Alpha = std::string(1, static_cast<char>(AscOf(forms::Trim(AlphaCur.Alpha)) - 1));
        if (type == 2) AlphaCur2.Alpha = forms::LCase(AlphaCur.Alpha);
    } else if (type == 3) {
        CurAlphaIdx = forms::CInt(CurAlphaIdx - AlphaStep);
        TakeNumberFromLabel();
    }
    AfterMove();
}

void SetAlphaLabelColour(int16_t index, forms::Flag skip) {
    if (skip) return;
    forms::Label& label = FrmMain->Label_Alpha(index);
    if (!AlphaEnabled(index))
        label.SetForeColor(LabelColors(2));
    else if (AlphaDone(Settings.AlphabetType)(Settings.UserLevel)(index))
        label.SetForeColor(LabelColors(1));
    else
        label.SetForeColor(LabelColors(0));
}

void SetAlphaLabelFrame(int16_t index, forms::Flag reset) {
    int template_ = 30;
    if (reset)
        template_ = 32;
    else if (!AlphaEnabled(index))
        template_ = 33;
    else if (index == CurAlphaIdx)
        template_ = 31;
    FrmMain->AT_Image_AlphaBG(index).SetPicture(FrmMain->AT_Image_AlphaBG(template_).Picture());
}

void UpdateAlphaLabel(int16_t index, forms::Flag skip) {
    SetAlphaLabelColour(index, skip);
    SetAlphaLabelFrame(index, skip);
}

void ResetAlphaLabelFrames() {
    for (int i = FirstAlphaIdx; i <= LastAlphaIdx; ++i)
        SetAlphaLabelFrame(static_cast<int16_t>(i), forms::vbFalse);
}

void ColourAlphaLabels() {
    for (int i = FirstAlphaIdx; i <= LastAlphaIdx; i += RangeStep(AlphaStep))
        SetAlphaLabelColour(static_cast<int16_t>(i), forms::vbFalse);
}

void RefreshAlphaLabels() {
    ResetAlphaLabelFrames();
    ColourAlphaLabels();
}

void RefreshAlphaLabels2() {
    RefreshAlphaLabels();
}

std::string GetAlphaWord(const std::string& character, std::string& word) {
    if (Settings.AlphabetType != 3) {
        const int i = AscOf(forms::UCase(character)) - 'A';
        word = Settings.WordsAlpha(i);
    } else {
        const double n = forms::CDbl(AlphaCur.Alpha + AlphaCur2.Alpha);
        word = Settings.WordsNumbers(forms::CInt(n - 1));
    }
    return word;
}
