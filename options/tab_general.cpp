// The options dialog's General tab: the password and where it is asked, the background option,
// and the two title-bar buttons that end or minimise the whole program.
#include "forms/files.h"
#include "forms/lang.h"
#include "forms/msgbox.h"
#include "forms/screen.h"
#include "options/frm_options.h"
#include "shell/app_state.h"
#include "shell/settings_file.h"
#include "shell/startup.h"
#include "shell/user_set.h"

namespace {

const char* const kBackgroundChoices[] = {"Alphabets, Images and Background",
                                          "Images and Background", "Background only",
                                          "No Background"};
const char* const kGeneralLabels[] = {"Password",
                                      "Confirm PW",
                                      "Display PW",
                                      "Ask PW on startup",
                                      "Ask PW on options button",
                                      "Don't reset",
                                      "Reset current level",
                                      "Reset all levels"};
const char* const kGeneralFrames[] = {"Password", "Background Screen", "Application",
                                      "Reset work done"};
// Far more than any password needs, and far less than the settings text can hold.
constexpr int kPasswordMaxLength = 255;

forms::Flag Checked(const forms::CheckBox& box) {
    return box.Value() == forms::vbChecked ? forms::vbTrue : forms::vbFalse;
}
int CheckOf(forms::Flag f) {
    return f != 0 ? forms::vbChecked : forms::vbUnchecked;
}

} // namespace

void FrmOptionsForm::BuildGeneralTab() {
    for (int i = 0; i <= 3; ++i) {
        WOfrm_Holder(i).SetCaption(kGeneralFrames[i]);
        WOfrm_Holder(i).SetFontName("Arial");
    }
    // Pixel places inside the page: the password frame on top, the others below it.
    WOfrm_Holder(0).Move(6, 4, 296, 122);
    WOfrm_Holder(1).Move(6, 130, 296, 46);
    WOfrm_Holder(2).Move(6, 180, 120, 46);
    WOfrm_Holder(3).Move(132, 180, 170, 74);
    for (int i = 0; i <= 7; ++i) {
        WOlbl_General(i).SetCaption(kGeneralLabels[i]);
        WOlbl_General(i).SetFontName("Arial");
        WOlbl_General(i).SetFontSize(8);
        WOlbl_General(i).SetBackStyle(forms::vbTransparent);
    }
    for (int i = 0; i <= 1; ++i) {
        WOTxt_PW(i).SetPasswordChar("*");
        WOTxt_PW(i).SetMaxLength(kPasswordMaxLength);
        WOTxt_PW(i).SetFontName("Arial");
        WOlbl_General(i).Move(10, 20 + i * 26, 80, 18);
        WOTxt_PW(i).Move(96, 18 + i * 26, 190, 22);
    }
    for (int i = 0; i <= 2; ++i) {
        WOChk_PW(i).Move(10, 72 + i * 16, 16, 16);
        WOlbl_General(2 + i).Move(30, 72 + i * 16, 260, 16);
    }
    for (const char* item : kBackgroundChoices)
        WOcmbo_BackGround.AddItem(item);
    WOcmbo_BackGround.SetStyle(forms::vbComboDropdownList);
    WOcmbo_BackGround.SetFontName("Arial");
    WOcmbo_BackGround.Move(10, 18, 276, 22);
    WO_PictTitleBar.SetBorderStyle(0);
    WO_PictTitleBar.SetBackColor(forms::RGB(0, 0, 128));
    WO_PictTitleBar.Move(10, 18, 100, 20);
    WOImg_CBox(0).SetToolTipText("End");
    WOImg_CBox(1).SetToolTipText("Minimize");
    for (int i = 0; i <= 2; ++i) {
        WOOpt_ClearLevels(i).Move(10, 18 + i * 18, 16, 16);
        WOlbl_General(5 + i).Move(30, 18 + i * 18, 136, 16);
    }
    WOOpt_ClearLevels(0).SetValue(true);
}

void FrmOptionsForm::WOLoadTab() {
    WOReadSettings();
    WODisplayTab();
}

void FrmOptionsForm::WOReadSettings() {
    SectionPassWord(umCopy, OptSettings, Settings);
    SectionBGFormOptions(umCopy, OptSettings, Settings);
}

void FrmOptionsForm::WODisplayTab() {
    WOTxt_PW(0).SetText(OptSettings.PWord);
    WOTxt_PW(1).SetText(OptSettings.PWord);
    // Setting the boxes runs their click handling, which writes the same flags back.
    WOChk_PW(0).SetValue(CheckOf(OptSettings.PWMask));
    WOChk_PW(1).SetValue(CheckOf(OptSettings.PWStart));
    WOChk_PW(2).SetValue(CheckOf(OptSettings.PWOptions));

    // The title-bar buttons side by side at the strip's right end, "End" rightmost.
    const double tpp = forms::Screen::TwipsPerPixelX();
    const double side = 240 / tpp; // a title-bar button, 16 pixels on a normal display
    for (int i = 0; i <= 1; ++i) {
        const std::string file =
            PathImagesApp + "\\FrmOptions_WOImg_CBox_" + std::to_string(i) + ".png";
        if (forms::FileExists(file)) WOImg_CBox(i).SetPicture(forms::LoadPicture(file));
        WOImg_CBox(i).Move(WO_PictTitleBar.Width() - (i + 1) * (side + 2), 2, side, side);
    }
    const int16_t opt = OptSettings.BGFormOpt;
    WOcmbo_BackGround.SetListIndex(opt >= 0 && opt < WOcmbo_BackGround.ListCount() ? opt : 0);
}

void FrmOptionsForm::WOChk_PW_Click(int16_t index) {
    switch (index) {
    case 0:
        OptSettings.PWMask = Checked(WOChk_PW(0));
        break;
    case 1:
        OptSettings.PWStart = Checked(WOChk_PW(1));
        break;
    case 2:
        if (WOChk_PW(2).Value() == forms::vbChecked) {
            OptSettings.PWOptions = forms::vbTrue;
            return;
        }
        if (forms::MsgBox("Warning! Turning off password protection for Options Menu is not\r\n"
                          "recommended. Your child will be able to change program settings. \r\n"
                          "Do you want to continue?",
                          forms::vbOKCancel | forms::vbCritical, "Wise Owlet") == forms::vbCancel) {
            OptSettings.PWOptions = forms::vbTrue;
            WOChk_PW(2).SetValue(forms::vbChecked);
        } else {
            OptSettings.PWOptions = forms::vbFalse;
        }
        break;
    default:
        break;
    }
}

void FrmOptionsForm::WOcmbo_BackGround_Click() {
    OptSettings.BGFormOpt = static_cast<int16_t>(WOcmbo_BackGround.ListIndex());
}

void FrmOptionsForm::WOImg_CBox_Click(int16_t index) {
    if (index == 0) {
        if (forms::MsgBox("Terminate Wise Owlet program ?   ",
                          forms::vbOKCancel | forms::vbQuestion,
                          "Terminating Wise Owlet") != forms::vbOK)
            return;
        PendingAction = paTerminate;
        Unload();
    } else if (index == 1) {
        PendingAction = paMinimise;
        Unload();
    }
}

void FrmOptionsForm::WOValidateSave(int16_t& failed) {
    // Blanks around a password are never meant (the prompt trims what is typed), and a
    // password of blanks only is none.
    const std::string pw = forms::Trim(WOTxt_PW(0).Text());
    if (pw != forms::Trim(WOTxt_PW(1).Text())) {
        forms::MsgBox("Passwords do not match. Please enter same passwords!    ",
                      forms::vbExclamation | forms::vbOKOnly, "Password Check");
        WOTxt_PW(0).SetFocus();
        failed = forms::vbTrue;
        return;
    }
    if (pw.empty()) {
        forms::MsgBox("Please enter a valid password.    ", forms::vbExclamation | forms::vbOKOnly,
                      "Password Check");
        WOTxt_PW(0).SetFocus();
        failed = forms::vbTrue;
        return;
    }
    OptSettings.PWord = pw;
    SectionPassWord(umCopy, Settings, OptSettings);
    SectionBGFormOptions(umCopy, Settings, OptSettings);
    SectionBGFormOptions(umApply, Settings, Settings);
    SaveSettingsFile(forms::vbTrue);
    ChangeAppState(paShowActivity);
    PendingAction = paResume;
    failed = forms::vbFalse;
}

void FrmOptionsForm::WOApply() {
    int16_t failed = 0;
    WOValidateSave(failed);
}

void FrmOptionsForm::WOCommand(int16_t index) {
    if (index == 2) {
        int16_t failed = 0;
        WOValidateSave(failed);
        if (failed != 0) return;
    }
    CloseOptions();
}

void FrmOptionsForm::WODefaults() {
    if (!ConfirmDefaults("General")) return;
    SectionPassWord(umDefaults, OptSettings, OptSettings);
    SectionBGFormOptions(umDefaults, OptSettings, OptSettings);
    WODisplayTab();
}
