#include "shell/frm_menu_lessons.h"

#include "shell/app_state.h"
#include "shell/sounds.h"
#include "shell/user_set.h"

#include <string>

namespace {

bool IsLesson(int16_t i) {
    return i >= 0 && i <= 1;
}
} // namespace

FrmMenuLessonsForm::FrmMenuLessonsForm()
    : PopupMenuForm("FrmMenuLessons", "Lesson", "\\DialogLsnSkin.Jpg", sgLessons, sgLessons) {
    Img_Button.MouseMove = [this](int i, int b, int s, float x, float y) {
        Img_Button_MouseMove(static_cast<int16_t>(i), static_cast<int16_t>(b),
                             static_cast<int16_t>(s), x, y);
    };
    Img_Button.Click = [this](int i) { Img_Button_Click(static_cast<int16_t>(i)); };
}

void FrmMenuLessonsForm::HideFrmMenuLessons() {
    HideMenu();
}

void FrmMenuLessonsForm::Form_Load() {
    InitControls();
}

// Shown again after the lesson was changed elsewhere, the frame still marks the current one.
void FrmMenuLessonsForm::Form_Activate() {
    LessonImgSelect(Settings.LessonID);
}

void FrmMenuLessonsForm::InitControls() {
    InitFrame();
    const double tops[2] = {82, 228};
    for (int i = 0; i <= 1; ++i) {
        forms::Image& button = Img_Button(i);
        button.SetPicture(
            LoadMenuPicture("\\FrmMenuLessons_Img_Button_" + std::to_string(i) + ".png"));
        button.Move(82, tops[i], 165, 90);
    }
    Shp_HL.SetBorderWidth(kMenuFrameWidth);
    Shp_HL.SetBorderColor(kMenuFrameColor);
    Shp_HL.Move(0, 0, Img_Button(0).Width() + 50, Img_Button(0).Height() + 40);
    LessonImgSelect(Settings.LessonID);
}

void FrmMenuLessonsForm::LessonImgSelect(int16_t Index) {
    if (!IsLesson(Index)) return;
    Shp_HL.Move(Img_Button(Index).Left() - 20, Img_Button(Index).Top() - 20);
}

void FrmMenuLessonsForm::Img_Button_MouseMove(int16_t Index, int16_t, int16_t, float, float) {
    PlayHoverSound(sgLessons, Index);
}

// The other activity replaces the current one at once; the menu stays open.
void FrmMenuLessonsForm::Img_Button_Click(int16_t Index) {
    if (Index == Settings.LessonID) return;
    LessonImgSelect(Index);
    SelectLesson(Index);
}
