#pragma once
// The lesson menu: two picture buttons, tracing and the coin puzzle, and a frame around the
// current activity. It has no hover colouring; the buttons only speak.
#include "forms/control_array.h"
#include "forms/default_instance.h"
#include "forms/image.h"
#include "forms/shape.h"
#include "shell/popup_menu.h"

class FrmMenuLessonsForm : public PopupMenuForm {
  public:
    FrmMenuLessonsForm();

    forms::ControlArray<forms::Image> Img_Button{&Pict_Holder, 0, 1}; // by LessonID
    forms::Shape Shp_HL{&Pict_Holder};

    // Public procedures.
    void HideFrmMenuLessons();
    void LessonImgSelect(int16_t Index); // the frame onto button Index
    void InitControls();

    void Form_Load() override;
    void Form_Activate() override;
    void Img_Button_MouseMove(int16_t Index, int16_t Button, int16_t Shift, float X, float Y);
    void Img_Button_Click(int16_t Index);
};

inline forms::DefaultInstance<FrmMenuLessonsForm> FrmMenuLessons;
