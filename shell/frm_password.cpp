#include "shell/frm_password.h"

#include "forms/canvas.h"
#include "forms/lang.h"
#include "forms/screen.h"
#include "options/options_dialog.h"
#include "shell/app_state.h"
#include "shell/password_dialog.h"
#include "shell/pictures.h"
#include "shell/sounds.h"
#include "shell/startup.h"
#include "shell/user_set.h"

#include <string>

int16_t PasswordAtStart = 0;

namespace {

constexpr int kWidth = 340, kHeight = 149;
constexpr int32_t kHeadingColour = forms::RGB(255, 255, 0);
constexpr int32_t kButtonFace = forms::RGB(240, 240, 240);
const char kCloseMark = static_cast<char>(0xD1); // the close glyph of the symbol face

// A trimmed text: spaces before and after removed.
std::string TrimSpaces(const std::string& s) {
    return forms::Trim(s);
}

void StyleButton(forms::CommandButton& b, const std::string& caption) {
    b.SetCaption(caption);
    b.SetBackColor(kButtonFace);
    b.SetFontName("Arial");
    b.SetFontSize(9);
}

} // namespace

FrmPassWordForm::FrmPassWordForm() {
    SetName("FrmPassWord");
    SetCaption("Password");
    SetLayer(forms::FormLayer::Dialog);
    SetBorderStyle(forms::vbBSNone);
    // Enter and Esc answer the dialog before the entry sees them.
    SetKeyPreview(true);

    Pict_Holder.SetBorderStyle(0);
    for (forms::Label* l : {&Lbl_Heading, &Lbl_Close, &Label_PW, &Lbl_Lock, &Label1}) {
        l->SetBackStyle(forms::vbTransparent);
        l->SetUseMnemonic(false);
    }
    Lbl_Heading.SetCaption("Password");
    Lbl_Heading.SetForeColor(kHeadingColour);
    Lbl_Close.SetForeColor(kHeadingColour);
    Lbl_Close.SetAlignment(forms::vbCenter);
    Lbl_Close.SetCaption(std::string(1, kCloseMark));
    Label_PW.SetFontName("Arial");
    Label_PW.SetFontSize(9);
    Label_PW.SetFontBold(true);
    Text_PW.SetPasswordChar("*");
    Text_PW.SetFontName("Arial");
    Text_PW.SetFontSize(10);
    StyleButton(Command_OK, "OK");
    StyleButton(Command_Cancel, "Cancel");
    StyleButton(Cmd_IncorrectOK, "OK");
    Pict_IncorrectPW.SetBorderStyle(1);
    Pict_IncorrectPW.SetBackColor(forms::RGB(255, 255, 225));
    Label1.SetCaption("Incorrect Password");
    Label1.SetForeColor(forms::RGB(255, 0, 0));
    Label1.SetAlignment(forms::vbCenter);
    Label1.SetFontName("Arial");
    Label1.SetFontSize(10);
    Label1.SetFontBold(true);
    ConnectEvents();
}

void FrmPassWordForm::ConnectEvents() {
    auto hover = [](int16_t group, int16_t item) {
        return [group, item](int, int, float, float) { PlayHoverSound(group, item); };
    };
    auto cancel = [this] { ClosePassword(false); };
    Command_OK.Click = [this] { Command_OK_Click(); };
    Command_OK.MouseMove = hover(sgPassWord, spOK);
    Command_Cancel.Click = [this] { Command_Cancel_Click(); };
    Command_Cancel.MouseMove = hover(sgPassWord, spCancel);
    Lbl_Close.Click = cancel;
    Lbl_Close.MouseMove = hover(sgAlphabet, siClose);
    Lbl_Lock.Click = cancel;
    Lbl_Lock.MouseMove = hover(sgPassWord, spLock);
    Label_PW.Click = cancel;
    Label_PW.MouseMove = hover(sgPassWord, spPlease);
    Pict_Holder.Click = cancel;
    Pict_Holder.MouseMove = hover(NoneCode, NoneCode);
    Lbl_Heading.MouseMove = hover(sgPassWord, spPrompt);
    Cmd_IncorrectOK.Click = [this] { Cmd_IncorrectOK_Click(); };
    Cmd_IncorrectOK.MouseMove = hover(sgPassWord, spOK);
    Pict_IncorrectPW.Click = [this] { ShowIncorrectPW(false); };
    Pict_IncorrectPW.MouseMove = hover(NoneCode, NoneCode);
    Label1.MouseMove = hover(sgPassWord, spIncorrect);
}

void FrmPassWordForm::Form_Load() {
    // Without its skin the dialog still asks, on its back colour.
    Pict_Holder.SetPicture(LoadPictureIfAny(PathImagesApp + "\\PWSkin.Jpg"));
    ArrangePassword();
}

void FrmPassWordForm::ArrangePassword() {
    const double tpx = forms::Screen::TwipsPerPixelX(), tpy = forms::Screen::TwipsPerPixelY();
    // Centred on the screen, above the main window.
    Move((forms::Screen::Width() - kWidth * tpx) / 2, (forms::Screen::Height() - kHeight * tpy) / 2,
         kWidth * tpx, kHeight * tpy);
    Pict_Holder.Move(0, 0, kWidth, kHeight);

    Lbl_Heading.SetFontName(::FontName(1));
    Lbl_Heading.SetFontBold(FontSubstituted(0) != 0);
    Lbl_Heading.SetFontSize(1.35 * tpx);
    Lbl_Heading.Move(10, 4, kWidth - 75, 2 * Lbl_Heading.FontSize());
    Lbl_Close.SetFontName(::FontName(2));
    Lbl_Close.SetFontSize(1.5 * Lbl_Heading.FontSize());
    const double closeSize = 1.5 * Lbl_Heading.Height();
    Lbl_Close.Move(kWidth - 55, 0, closeSize, closeSize);

    Label_PW.Move(24, 70, 137, 21);
    Text_PW.Move(164, 66, 69, 25);
    Command_OK.Move(88, 104, 69, 25);
    Command_Cancel.Move(164, 104, 69, 25);
    Lbl_Lock.Move(248, 56, 69, 71);
    Pict_IncorrectPW.Move(48, 204, 227, 79);
    Label1.Move(32, 12, 161, 21);
    Cmd_IncorrectOK.Move(74, 40, 81, 25);
}

void FrmPassWordForm::Form_Activate() {
    wrongCount_ = 0;
    Pict_IncorrectPW.Move(25, 50, 215);
    Pict_IncorrectPW.SetVisible(false);
    Text_PW.SetFocus();
    Label_PW.SetCaption(Settings.PWMask != 0 ? "Password is '" + Settings.PWord + "'"
                                             : "Please enter your PW ");
}

void FrmPassWordForm::Form_KeyPress(int16_t& keyAscii) {
    if (keyAscii == 13) {
        keyAscii = 0;
        Command_OK_Click();
    } else if (keyAscii == 27) {
        keyAscii = 0;
        Command_Cancel_Click();
    }
}

void FrmPassWordForm::Command_OK_Click() {
    if (TrimSpaces(Text_PW.Text()) == Settings.PWord) {
        ClosePassword(true);
    } else if (wrongCount_ >= 2) {
        ClosePassword(false);
    } else {
        ++wrongCount_;
        ShowIncorrectPW(true);
    }
}

void FrmPassWordForm::Command_Cancel_Click() {
    ClosePassword(false);
}

void FrmPassWordForm::Cmd_IncorrectOK_Click() {
    ShowIncorrectPW(false);
}

void FrmPassWordForm::ShowIncorrectPW(bool show) {
    Pict_IncorrectPW.SetVisible(show);
    Text_PW.SetFocus();
}

void FrmPassWordForm::ClosePassword(bool accepted) {
    if (PasswordAtStart != 0) {
        if (!accepted) EndProgram();
        HideFrmPassWord();
        EnableMainForm();
        return;
    }
    if (accepted) {
        // The options dialog keeps the main window disabled until it closes.
        ShowOptionsDialog();
        Hide();
        Unload();
    } else {
        HideFrmPassWord();
    }
}

void FrmPassWordForm::HideFrmPassWord() {
    if (!Visible()) return;
    PlayUISound(usClose);
    PendingAction = paResume;
    EnableMainForm();
    Hide();
    Unload();
}
