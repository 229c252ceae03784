#include "shell/frm_menu_level.h"

#include "forms/screen.h"
#include "shell/app_state.h"
#include "shell/sounds.h"
#include "shell/user_set.h"

namespace {
constexpr int32_t kNumberColor = 0x800000; // RGB(0, 0, 128), before the first highlight
constexpr int32_t kLeftColor = 0xAA0000;   // RGB(0, 0, 170), a level the pointer left

struct LevelPlace {
    double left, top;    // the number, pixels
    double numberW;      // the number's width, twips (all 348 twips high)
    double areaW, areaH; // the clickable area above it, twips
    double frameH;       // the frame's height, pixels (92 wide)
};
constexpr LevelPlace kPlaces[3] = {
    {70, 305, 300, 660, 1140, 135},
    {152, 256, 492, 444, 1716, 155},
    {238, 208, 564, 564, 1644, 155},
};
constexpr double kNumberH = 348;
constexpr double kFrameW = 92;

bool IsLevel(int16_t i) {
    return i >= 0 && i <= 2;
}
} // namespace

// The close label speaks as the alphabet menu's does.
FrmMenuLevelForm::FrmMenuLevelForm()
    : PopupMenuForm("FrmMenuLevel", "Level", "\\DialogLvlSkin.Jpg", sgLevel, sgAlphabet) {
    const char* const captions[3] = {"I", "II", "III"};
    for (int i = 0; i <= 2; ++i) {
        forms::Label& number = Lbl_Level(i);
        number.SetCaption(captions[i]);
        number.SetFontName("VAGRounded BT");
        number.SetFontSize(13.8);
        number.SetFontBold(false);
        number.SetForeColor(kNumberColor);
        number.SetBackStyle(forms::vbTransparent);
        number.SetAlignment(forms::vbCenter);
        Lbl_LevelHL(i).SetBackStyle(forms::vbTransparent);
        Shp_LevelHL(i).SetBorderWidth(kMenuFrameWidth);
        Shp_LevelHL(i).SetBorderColor(kMenuFrameColor);
        Shp_LevelHL(i).SetVisible(i == 0);
    }
    auto move = [this](int i, int b, int s, float x, float y) {
        Lbl_LevelHL_MouseMove(static_cast<int16_t>(i), static_cast<int16_t>(b),
                              static_cast<int16_t>(s), x, y);
    };
    auto click = [this](int i) { Lbl_LevelHL_Click(static_cast<int16_t>(i)); };
    // Only the areas above the numbers take the mouse; the skin draws each level's step there.
    Lbl_LevelHL.MouseMove = move;
    Lbl_LevelHL.Click = click;
}

void FrmMenuLevelForm::HideFrmMenuLevel() {
    HideMenu();
}

void FrmMenuLevelForm::Form_Load() {
    InitControls();
}

// Shown again after the level was changed elsewhere, the frame still marks the current level.
void FrmMenuLevelForm::Form_Activate() {
    Lbl_LevelHL_Click(Settings.UserLevel);
}

void FrmMenuLevelForm::InitControls() {
    InitFrame();
    const double tppX = forms::Screen.TwipsPerPixelX();
    const double tppY = forms::Screen.TwipsPerPixelY();
    for (int i = 0; i <= 2; ++i) {
        const LevelPlace& p = kPlaces[i];
        forms::Label& number = Lbl_Level(i);
        number.Move(p.left, p.top, p.numberW / tppX, kNumberH / tppY);
        const double centre = number.Left() + number.Width() / 2;
        const double areaW = p.areaW / tppX, areaH = p.areaH / tppY;
        Lbl_LevelHL(i).Move(centre - areaW / 2, number.Top() - areaH, areaW, areaH);
        Shp_LevelHL(i).Move(centre - kFrameW / 2, number.Top() + number.Height() - p.frameH,
                            kFrameW, p.frameH);
    }
    Lbl_LevelHL_Click(Settings.UserLevel);
}

void FrmMenuLevelForm::HighlightLevel(int16_t newIndex, int16_t oldIndex) {
    if (IsLevel(oldIndex)) Lbl_Level(oldIndex).SetForeColor(kLeftColor);
    if (IsLevel(newIndex)) Lbl_Level(newIndex).SetForeColor(kMenuYellow);
}

void FrmMenuLevelForm::Lbl_LevelHL_MouseMove(int16_t Index, int16_t, int16_t, float, float) {
    if (Index != HoverIndex) {
        if (HoverIndex == NoneCode) HoverIndex = Settings.UserLevel;
        HighlightLevel(Index, HoverIndex);
    }
    // Spoken on every move: the voices' own memory keeps it from repeating, and forgets it over
    // the background, so that an item left and entered again speaks again.
    PlayHoverSound(sgLevel, Index);
    HoverIndex = Index;
}

// A new level restarts the current activity at it; the menu stays open.
void FrmMenuLevelForm::Lbl_LevelHL_Click(int16_t Index) {
    if (!IsLevel(Index)) return;
    if (Index != SelectedIndex) {
        Shp_LevelHL(SelectedIndex).SetVisible(false);
        Shp_LevelHL(Index).SetVisible(true);
        SelectedIndex = Index;
    }
    if (Index != Settings.UserLevel) {
        Settings.UserLevel = Index;
        const int16_t action = paShowActivity;
        ChangeAppState(action);
        PendingAction = paResume;
    }
}
