#pragma once
// The skill-level menu: the level numbers "I", "II", "III" on a rising staircase, a clickable
// area above each, and a frame around the current level.
#include "forms/control_array.h"
#include "forms/default_instance.h"
#include "forms/shape.h"
#include "shell/popup_menu.h"

class FrmMenuLevelForm : public PopupMenuForm {
  public:
    FrmMenuLevelForm();

    forms::ControlArray<forms::Shape> Shp_LevelHL{&Pict_Holder, 0, 2};
    forms::ControlArray<forms::Label> Lbl_Level{&Pict_Holder, 0, 2};   // by UserLevel
    forms::ControlArray<forms::Label> Lbl_LevelHL{&Pict_Holder, 0, 2}; // the clickable areas

    // The level whose frame shows, and the level whose number was highlighted last (-9997 none:
    // the current level then stands in as the one left).
    int16_t SelectedIndex = 0;
    int16_t HoverIndex = -9997;

    // Public procedures.
    void HideFrmMenuLevel();
    void InitControls();
    void HighlightLevel(int16_t newIndex, int16_t oldIndex);

    void Form_Load() override;
    void Form_Activate() override;
    void Lbl_LevelHL_MouseMove(int16_t Index, int16_t Button, int16_t Shift, float X, float Y);
    void Lbl_LevelHL_Click(int16_t Index);
};

inline forms::DefaultInstance<FrmMenuLevelForm> FrmMenuLevel;
