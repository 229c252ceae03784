#pragma once
// The password dialog: a small skinned dialog asking an adult for the password, either as the
// start-up lock (PasswordAtStart 1: cancelling or a third wrong entry ends the program) or as the
// guard of the options dialog (0: a right password opens it, cancelling returns to the main
// window). The caller disables the main window and shows the dialog; the dialog carries on from
// there and is unloaded whenever it closes.
#include "forms/command_button.h"
#include "forms/default_instance.h"
#include "forms/form.h"
#include "forms/label.h"
#include "forms/picture_box.h"
#include "forms/text_box.h"

#include <cstdint>

class FrmPassWordForm : public forms::Form {
  public:
    FrmPassWordForm();

    // The skin fills the dialog and holds everything; the incorrect-password panel lies on top.
    forms::PictureBox Pict_Holder{this};
    forms::Label Lbl_Heading{&Pict_Holder};
    forms::Label Lbl_Close{&Pict_Holder};
    forms::Label Label_PW{&Pict_Holder};
    forms::Label Lbl_Lock{&Pict_Holder};
    forms::CommandButton Command_OK{&Pict_Holder};
    forms::CommandButton Command_Cancel{&Pict_Holder};
    forms::TextBox Text_PW{&Pict_Holder};
    forms::PictureBox Pict_IncorrectPW{&Pict_Holder};
    forms::Label Label1{&Pict_IncorrectPW};
    forms::CommandButton Cmd_IncorrectOK{&Pict_IncorrectPW};

    // Wrong entries since the dialog was last activated.
    int16_t WrongEntries() const { return wrongCount_; }

    // --- Events.
    void Form_Load() override;
    void Form_Activate() override;
    void Form_KeyPress(int16_t& keyAscii) override;
    void Command_OK_Click();
    void Command_Cancel_Click();
    void Cmd_IncorrectOK_Click();

  private:
    void ConnectEvents();
    void ArrangePassword();
    void ShowIncorrectPW(bool show);
    void ClosePassword(bool accepted);
    void HideFrmPassWord();

    int16_t wrongCount_ = 0;
};

inline forms::DefaultInstance<FrmPassWordForm> FrmPassWord;
