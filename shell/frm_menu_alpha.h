#pragma once
// The alphabet-type menu: four tiles, capital letters "A", small letters "a", mixed pairs "Aa"
// and numbers "12"; a frame marks the current type. The yellow follows the pointer over the
// items, and the label it leaves turns red.
#include "forms/control_array.h"
#include "forms/default_instance.h"
#include "forms/image.h"
#include "forms/shape.h"
#include "shell/popup_menu.h"

class FrmMenuAlphaForm : public PopupMenuForm {
  public:
    FrmMenuAlphaForm();

    forms::Shape Shp_Border{&Pict_Holder};
    forms::ControlArray<forms::Image> Img_BG{&Pict_Holder, 0, 3};
    forms::Shape Shp_HL{&Pict_Holder};
    forms::ControlArray<forms::Label> Lbl_AlphaType{&Pict_Holder, 0, 3}; // by AlphabetType

    // The item whose label is yellow, -9997 for none.
    int16_t HoverIndex = 0;

    // Public procedures.
    void HideFrmMenuAlpha();
    void FrmAlphaImgSelect(int16_t Index); // the frame onto tile Index
    void InitControls();
    void HighlightAlphaType(int16_t newIndex, int16_t oldIndex);

    void Form_Load() override;
    void Form_Activate() override;
    void Lbl_AlphaType_MouseMove(int16_t Index, int16_t Button, int16_t Shift, float X, float Y);
    void Lbl_AlphaType_Click(int16_t Index);
    void Img_BG_Click(int16_t Index);
};

inline forms::DefaultInstance<FrmMenuAlphaForm> FrmMenuAlpha;
