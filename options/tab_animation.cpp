// The options dialog's Animation tab: how fast strokes are animated, and whether the program goes
// on to the next character by itself, after how long, and whether it starts over at the end.
#include "forms/lang.h"
#include "forms/timer.h"
#include "options/animation_tab.h"
#include "options/frm_options.h"
#include "options/options_dialog.h"
#include "shell/app_state.h"
#include "shell/settings_file.h"
#include "shell/user_set.h"
#include "tracing/animation.h"
#include "tracing/trace_engine.h"

#include <cmath>
#include <string>

namespace {

forms::Flag IsChecked(const forms::CheckBox& b) {
    return forms::ToFlag(b.Value() == forms::vbChecked);
}

// The preview picture: the capital A is 80 by 100 and the track pen 18 wide, laid out with its
// base line at 1 / 1.2 of the height.
constexpr double kPreviewWidth = 110;
constexpr double kPreviewHeight = 150;

} // namespace

void FrmOptionsForm::BuildAnimationTab() {
    forms::Frame& f = MBFrm_Holder(6);
    f.SetCaption("Animation && Autoplay");
    f.SetFontName("Arial");
    f.Move(6, 4, 296, 250);
    for (forms::Label* l : {&ANI_lblGeneral(0), &ANI_lblGeneral(1), &ANI_lblGeneral(2),
                            &MBLbl_AutoPlay(0), &MBLbl_AutoPlay(1), &MBLbl_AutoPlay(2),
                            &MBLbl_AutoPlay(3), &MBLbl_AutoPlay(4), &MBLbl_AutoPlay(5)}) {
        l->SetFontName("Arial");
        l->SetFontSize(8);
        l->SetBackStyle(forms::vbTransparent);
    }
    CASldr_TimerSpeed.SetMin(0);
    CASldr_TimerSpeed.SetMax(100);
    CASldr_TimerSpeed.SetLargeChange(5);
    CASldr_TimerSpeed.SetSmallChange(1);
    CASldr_TimerSpeed.SetTickFrequency(10);
    ANI_lblGeneral(0).SetCaption("Slow");
    ANI_lblGeneral(1).SetCaption("Fast");
    ANI_lblGeneral(2).SetCaption("Speed is 60");
    // The speed and auto-play controls on the left; on the right the preview picture, large
    // enough for the capital A drawn with the tracing screen's pens, and its Test button.
    ANI_lblGeneral(0).Move(10, 24, 28, 16);
    CASldr_TimerSpeed.Move(38, 18, 100, 28);
    ANI_lblGeneral(1).Move(142, 24, 28, 16);
    ANI_lblGeneral(2).Move(38, 48, 130, 16);
    AniPict_Alpha(1).Move(176, 18, kPreviewWidth, kPreviewHeight);
    AniPict_Alpha(1).SetBorderStyle(1);
    CACmd_Test.SetCaption("Test");
    CACmd_Test.SetFontName("Arial");
    CACmd_Test.SetFontSize(8);
    CACmd_Test.Move(176, 18 + kPreviewHeight + 6, kPreviewWidth, 22);

    MBChk_AutoPlay(1).Move(10, 84, 16, 16);
    MBLbl_AutoPlay(4).SetCaption("Auto play");
    MBLbl_AutoPlay(4).Move(30, 84, 130, 16);
    MBChk_AutoPlay(2).Move(10, 104, 16, 16);
    MBLbl_AutoPlay(5).SetCaption("AutoLoop");
    MBLbl_AutoPlay(5).Move(30, 104, 130, 16);
    MBSldr_AutoPlayInterval.SetMin(1);
    MBSldr_AutoPlayInterval.SetMax(10);
    MBSldr_AutoPlayInterval.SetLargeChange(1);
    MBSldr_AutoPlayInterval.SetSmallChange(1);
    MBSldr_AutoPlayInterval.SetTickFrequency(1);
    MBLbl_AutoPlay(0).SetCaption("-");
    MBLbl_AutoPlay(2).SetCaption("+");
    MBLbl_AutoPlay(0).Move(10, 140, 16, 16);
    MBSldr_AutoPlayInterval.Move(26, 134, 124, 28);
    MBLbl_AutoPlay(2).Move(154, 140, 16, 16);
    MBLbl_AutoPlay(1).Move(10, 166, 160, 16);
    MBLbl_AutoPlay(3).SetVisible(false);
}

void FrmOptionsForm::ANILoadTab() {
    ANIReadSettings();
    ANIDisplayTab();
}

void FrmOptionsForm::ANIReadSettings() {
    SectionAnimationSpeed(umCopy, OptSettings, Settings);
    SectionAutoPlay(umCopy, OptSettings, Settings);
}

void FrmOptionsForm::ANIDisplayTab() {
    // The slider keeps a stored speed outside its range within it.
    CASldr_TimerSpeed.SetValue(CASldr_TimerSpeed.Max() - OptSettings.AnimSpeed);
    ANIShowSpeed();
    ANIShowPreviewLetter();
    // Whole seconds, halves to the even neighbour; the slider keeps the value within 1 to 10.
    MBSldr_AutoPlayInterval.SetValue(
        static_cast<int32_t>(std::nearbyint(OptSettings.AutoPlayPause / 1000.0)));
    MBChk_AutoPlay(2).SetValue(OptSettings.AutoPlayLoop != 0 ? forms::vbChecked
                                                             : forms::vbUnchecked);
    if (OptSettings.AutoPlay != 0) {
        MBChk_AutoPlay(1).SetValue(forms::vbChecked);
        MBAutoPlayDisplayDelay();
    } else {
        MBChk_AutoPlay(1).SetValue(forms::vbUnchecked);
        MBChk_AutoPlay_Click(1);
        MBAutoPlayDisplayDelay();
    }
}

// The preview letter in the colours of the working copy, on the board colour of the live
// settings.
void FrmOptionsForm::ANIShowPreviewLetter() {
    AlphaOpt.Board = &AniPict_Alpha(1);
    CARedrawAlphaDisplay(AlphaOpt, OptSettings);
    AniPict_Alpha(1).SetBackColor(Settings.BGColor);
    AniPict_Alpha_Paint(1);
}

void FrmOptionsForm::ANIShowSpeed() {
    const int32_t v = CASldr_TimerSpeed.Value();
    CASldr_TimerSpeed.SetToolTipText("Speed= " + std::to_string(v));
    int16_t speed = static_cast<int16_t>(CASldr_TimerSpeed.Max() - v);
    if (speed == 0) speed = 1;
    OptSettings.AnimSpeed = speed;
    ANI_lblGeneral(2).SetCaption("Speed is " + std::to_string(v));
}

void FrmOptionsForm::CASldr_TimerSpeed_Change() {
    ANIShowSpeed();
}

void FrmOptionsForm::ANI_lblGeneral_MouseUp(int16_t index) {
    forms::Slider& s = CASldr_TimerSpeed;
    // The slider clamps a step that would pass either end.
    if (index == 0 && s.Value() > s.Min()) s.SetValue(s.Value() - s.LargeChange());
    if (index == 1 && s.Value() < s.Max()) s.SetValue(s.Value() + s.LargeChange());
}

void FrmOptionsForm::AniPict_Alpha_MouseUp(int16_t) {
    CACmd_Test_Click();
}

void FrmOptionsForm::AniPict_Alpha_Paint(int16_t index) {
    if (index != 1) return;
    AlphaOpt.Board = &AniPict_Alpha(1);
    DrawAlpha(AlphaOpt, 0, forms::vbFalse, 0);
}

void FrmOptionsForm::CACmd_Test_Click() {
    // The puzzle's paced shuffle waits on the timer tick by tick: the preview keeps off it.
    if (TraceAnim.AnimKind == akPuzzleStep && AnimTimerRunning()) return;
    if (TraceAnim.AnimTimer == nullptr) return;
    StopAnimTimer();
    forms::PictureBox& board = AniPict_Alpha(1);
    AlphaOpt.Board = &board;
    DrawAlpha(AlphaOpt, 1, forms::vbFalse, 0); // the empty letter
    board.SetForeColor(AlphaOpt.ColorLineHL);
    board.SetDrawWidth(AlphaOpt.LineWidth);
    // The ticks draw from these copies: taken now, the animated letter stays the one on this
    // picture whatever is laid out meanwhile.
    CopyMarkedPoints(AlphaOpt.PointX, AlphaOpt.PointY, TraceAnim.PointX, TraceAnim.PointY);
    CopyMarkedPoints2(AlphaOpt.KeyPoint, TraceAnim.KeyPoint);
    TraceAnim.AnimPhase = apPreview;
    TraceAnim.AnimKind = akPreviewStep;
    TraceAnim.AnimAllStrokes = forms::vbTrue;
    TraceAnim.AnimFlagB = forms::vbFalse;
    ClearAnimStepMemory();
    // The working copy's speed: it can be tried before Apply.
    TraceAnim.AnimTimer->SetInterval(OptSettings.AnimSpeed);
    TraceAnim.AnimPoint = 1;
    TraceAnim.AnimStroke = 0;
    TraceAnim.AnimTimer->SetEnabled(true);
}

void ShowPreviewArrows() {
    if (!OptionsForm || !OptionsForm->IsLoaded()) return;
    FrmOptionsForm& f = *OptionsForm;
    if (f.CAChk_AllowJr(1).Value() != forms::vbChecked) return;
    f.CAlbl_Arrow(0).SetVisible(true);
    f.CAlbl_Arrow(1).SetVisible(true);
}

void FrmOptionsForm::MBChk_AutoPlay_Click(int16_t index) {
    if (index == 1) {
        const bool on = MBChk_AutoPlay(1).Value() == forms::vbChecked;
        MBChk_AutoPlay(2).SetEnabled(on);
        MBSldr_AutoPlayInterval.SetEnabled(on);
        for (int i = 0; i <= 2; ++i)
            MBLbl_AutoPlay(i).SetEnabled(on);
        OptSettings.AutoPlay = forms::ToFlag(on);
        if (on) {
            if (MBChk_AutoPlay(2).Value() == forms::vbChecked)
                OptSettings.AutoPlayLoop = forms::vbTrue;
        } else {
            OptSettings.AutoPlayLoop = forms::vbFalse;
        }
    } else if (index == 2) {
        OptSettings.AutoPlayLoop = IsChecked(MBChk_AutoPlay(2));
    }
    MBAutoPlayDisplayDelay();
}

void FrmOptionsForm::MBAutoPlayDisplayDelay() {
    if (MBChk_AutoPlay(1).Value() == forms::vbChecked)
        MBLbl_AutoPlay(1).SetCaption(
            "Delay time is " + std::to_string(MBSldr_AutoPlayInterval.Value()) + " second(s).");
    else
        MBLbl_AutoPlay(1).SetCaption("Autoplay is off.");
}

void FrmOptionsForm::MBSldr_AutoPlayInterval_Click() {
    OptSettings.AutoPlayPause = static_cast<int16_t>(MBSldr_AutoPlayInterval.Value() * 1000);
    MBAutoPlayDisplayDelay();
}

void FrmOptionsForm::ANISaveSettings() {
    SectionAnimationSpeed(umCopy, Settings, OptSettings);
    SectionAnimationSpeed(umApply, Settings, Settings);
    SectionAutoPlay(umCopy, Settings, OptSettings);
    SectionAutoPlay(umApply, Settings, Settings);
    ChangeAppState(paShowActivity);
    PendingAction = paResume;
    SaveSettingsFile(forms::vbTrue);
}

void FrmOptionsForm::ANIApply() {
    ANISaveSettings();
}

void FrmOptionsForm::ANICommand(int16_t index) {
    if (index == 2) ANISaveSettings();
    CloseOptions();
}

void FrmOptionsForm::ANIDefaults() {
    if (!ConfirmDefaults("Animation")) return;
    SectionAnimationSpeed(umDefaults, OptSettings, OptSettings);
    SectionAutoPlay(umDefaults, OptSettings, OptSettings);
    ANIDisplayTab();
}
