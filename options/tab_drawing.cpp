// The options dialog's Drawing Buttons tab: which of the tracing screen's four drawing buttons
// the child sees.
#include "forms/files.h"
#include "options/frm_options.h"
#include "shell/settings_file.h"
#include "shell/startup.h"
#include "shell/user_set.h"

namespace {

const char* const kDrawingLabels[] = {"Show next button", "Show previous button",
                                      "Show stepwise drawing button", "Show full drawing button"};
constexpr double kButtonPitch = 27; // the picture shows the four buttons one under the other

} // namespace

void FrmOptionsForm::BuildDrawingTab() {
    SMnuPict_Holder.SetBorderStyle(0);
    SMnuPict_Holder.SetBackColor(forms::RGB(240, 240, 240));
    for (int i = 0; i <= 5; ++i) {
        SMnuLbl_General(i).SetFontName("Arial");
        SMnuLbl_General(i).SetFontSize(8);
        SMnuLbl_General(i).SetBackStyle(forms::vbTransparent);
        if (i <= 3) SMnuLbl_General(i).SetCaption(kDrawingLabels[i]);
    }
    SMnuLbl_General(4).SetVisible(false);
    SMnuLbl_General(5).SetCaption(
        "A young child can be overwhelmed by too many choices on the screen. Switch each "
        "drawing button on or off with the boxes above.");
    SMnuLbl_General(5).SetWordWrap(true);
}

void FrmOptionsForm::SMnuLoadTab() {
    SMnuReadSettings();
    SMnuDisplayTab();
}

void FrmOptionsForm::SMnuReadSettings() {
    SectionSubMenuButtons(umCopy, OptSettings, Settings);
}

void FrmOptionsForm::SMnuDisplayTab() {
    for (int i = 0; i <= 3; ++i)
        SMnuChk_Display(i).SetValue(OptSettings.SMButton(i) != 0 ? forms::vbChecked
                                                                 : forms::vbUnchecked);
    // The picture on the left, each box and its label beside the picture of its button.
    SMnuPict_Holder.Move(16, 16, 65, 108);
    const std::string file = PathImagesApp + "\\FrmOptions_SMnu_Img.png";
    if (forms::FileExists(file)) SMnu_Img.SetPicture(forms::LoadPicture(file));
    SMnu_Img.Move(0, 0, 65, 108);
    for (int i = 0; i <= 3; ++i) {
        const double top = SMnuPict_Holder.Top() + 6 + i * kButtonPitch;
        SMnuChk_Display(i).Move(96, top, 16, 16);
        SMnuLbl_General(i).Move(116, top, 180, 16);
    }
    SMnuLbl_General(5).Move(16, 150, 280, 60);
}

void FrmOptionsForm::SMnuChk_Display_Click(int16_t index) {
    if (index < 0 || index > 3) return;
    OptSettings.SMButton(index) =
        SMnuChk_Display(index).Value() == forms::vbChecked ? forms::vbTrue : forms::vbFalse;
}

void FrmOptionsForm::SMnuSaveSettings() {
    SectionSubMenuButtons(umCopy, Settings, OptSettings);
    SectionSubMenuButtons(umApply, Settings, Settings);
    SaveSettingsFile(forms::vbTrue);
}

void FrmOptionsForm::SMnuApply() {
    SMnuSaveSettings();
}

void FrmOptionsForm::SMnuCommand(int16_t index) {
    if (index == 2) SMnuSaveSettings();
    CloseOptions();
}

void FrmOptionsForm::SMnuDefaults() {
    if (!ConfirmDefaults("Drawing Buttons")) return;
    SectionSubMenuButtons(umDefaults, OptSettings, OptSettings);
    SMnuDisplayTab();
}
