// The options dialog's Speaking tab: the program's voices and sounds switched on and off by kind,
// with one box that silences everything.
#include "forms/lang.h"
#include "options/frm_options.h"
#include "shell/app_state.h"
#include "shell/settings_file.h"
#include "shell/user_set.h"

namespace {

// The label beside each box, by box index.
constexpr int kLabelOfBox[] = {8, 6, 7, 4, 10, 1, 0};
const char* const kBoxTexts[] = {"Speak Main Menu Items",  "Speak Main Menu  dialog box items",
                                 "Speak drawing commands", "A for apple, B for boat ...",
                                 "Bells and whistles",     "Speak encouragement",
                                 "Do not speak anything"};
constexpr int kSilenceAll = 6;

} // namespace

void FrmOptionsForm::BuildSpeakingTab() {
    Frame2.SetCaption("Speaking Options");
    Frame2.SetFontName("Arial");
    Frame2.Move(6, 4, 296, 250);
    for (int i = 0; i <= 10; ++i) {
        SPKLbl_General(i).SetFontName("Arial");
        SPKLbl_General(i).SetFontSize(8);
        SPKLbl_General(i).SetBackStyle(forms::vbTransparent);
    }
    for (int i = 0; i <= 6; ++i) {
        // The silencing box stands apart below the others.
        const double top = 20 + i * 20 + (i == kSilenceAll ? 8 : 0);
        SPKChk_Choices(i).Move(10, top, 16, 16);
        forms::Label& l = SPKLbl_General(kLabelOfBox[i]);
        l.SetCaption(kBoxTexts[i]);
        l.Move(30, top, 260, 16);
    }
    SPKLbl_General(9).SetCaption("Speaking can be fine tuned by replacing sound files (*.wav) with "
                                 "your recordings. A particular sound can be supreressed by "
                                 "replacing it with silence.wav.");
    SPKLbl_General(9).SetWordWrap(true);
    SPKLbl_General(9).Move(10, 180, 280, 60);
    SPKLbl_General(2).SetVisible(false);
    SPKLbl_General(3).SetVisible(false);
    SPKLbl_General(5).SetVisible(false);
}

void FrmOptionsForm::SPKLoadTab() {
    SPKReadSettings();
    SPKDisplayTab();
}

void FrmOptionsForm::SPKReadSettings() {
    SectionSpeakingOptions(umCopy, OptSettings, Settings);
}

void FrmOptionsForm::SPKDisplayTab() {
    // Each box's click handling runs as it is set, so a stored "speak nothing" disables the rest.
    // The working copy is read first: the handling of box 6 rewrites flags 0 to 5.
    const auto flags = OptSettings.Speaking;
    for (int i = 0; i <= 6; ++i) {
        const int v = flags(i) != 0 ? forms::vbChecked : forms::vbUnchecked;
        if (SPKChk_Choices(i).Value() == v)
            SPKChk_Choices_Click(static_cast<int16_t>(i)); // no change, so no click of its own
        else
            SPKChk_Choices(i).SetValue(v);
    }
}

void FrmOptionsForm::SPKChk_Choices_Click(int16_t index) {
    const auto checked = [this](int i) {
        return forms::ToFlag(SPKChk_Choices(i).Value() == forms::vbChecked);
    };
    if (index == kSilenceAll) {
        const bool silence = SPKChk_Choices(kSilenceAll).Value() == forms::vbChecked;
        for (int j = 0; j <= 5; ++j) {
            SPKChk_Choices(j).SetEnabled(!silence);
            OptSettings.Speaking(j) = silence ? forms::vbFalse : checked(j);
        }
        OptSettings.Speaking(kSilenceAll) = forms::ToFlag(silence);
    } else if (index >= 0 && index <= 5) {
        OptSettings.Speaking(index) = checked(index);
    }
}

void FrmOptionsForm::SPKSaveSettings() {
    // No apply step: the sound procedures read the live flags each time they play.
    SectionSpeakingOptions(umCopy, Settings, OptSettings);
    SaveSettingsFile(forms::vbTrue);
    PendingAction = paResume;
}

void FrmOptionsForm::SPKApply() {
    SPKSaveSettings();
}

void FrmOptionsForm::SPKCommand(int16_t index) {
    if (index == 2) SPKSaveSettings();
    CloseOptions();
}

void FrmOptionsForm::SPKDefaults() {
    if (!ConfirmDefaults("Speaking")) return;
    SectionSpeakingOptions(umDefaults, OptSettings, OptSettings);
    SPKDisplayTab();
}
