#pragma once
// The completion dialog: the small skinned dialog that congratulates the child when a tracing
// level or a puzzle is finished. The activity that finished sets the message (lbl_WellDone) and
// shows the dialog; the heading follows the current activity; the parts speak when the pointer
// comes onto them; the OK picture or the close label hides it and gives the main window back.
#include "forms/default_instance.h"
#include "forms/form.h"
#include "forms/image.h"
#include "forms/label.h"
#include "forms/picture_box.h"

#include <cstdint>

class FrmCompletionForm : public forms::Form {
  public:
    FrmCompletionForm();

    // The dialog's close: only while it shows.
    void HideFrmCompletion();

    // The skin fills the dialog; the message lies under the OK picture, so that OK takes the mouse
    // where they meet.
    forms::PictureBox ComplPict_Holder{this};
    forms::Label lbl_WellDone{&ComplPict_Holder};
    forms::Image ImgOK{&ComplPict_Holder};
    forms::Label Lbl_Heading{&ComplPict_Holder};
    forms::Label Lbl_Close{&ComplPict_Holder};

    // --- Events.
    void Form_Load() override;
    void Form_Activate() override;
    void Form_MouseMove(int button, int shift, float x, float y) override;
    void ComplPict_Holder_MouseMove(int16_t Button, int16_t Shift, float X, float Y);
    void ImgOK_Click();
    void ImgOK_MouseMove(int16_t Button, int16_t Shift, float X, float Y);
    void Lbl_Close_Click();
    void Lbl_Close_MouseMove(int16_t Button, int16_t Shift, float X, float Y);
    void Lbl_Heading_MouseMove(int16_t Button, int16_t Shift, float X, float Y);
    void lbl_WellDone_MouseMove(int16_t Button, int16_t Shift, float X, float Y);

  private:
    void ConnectEvents();
};

inline forms::DefaultInstance<FrmCompletionForm> FrmCompletion;
