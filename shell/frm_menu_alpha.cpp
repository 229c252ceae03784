#include "shell/frm_menu_alpha.h"

#include "forms/screen.h"
#include "shell/app_state.h"
#include "shell/sounds.h"
#include "shell/user_set.h"

namespace {
constexpr int32_t kItemColor = 0x0000C0; // RGB(192, 0, 0), before the first highlight
constexpr int32_t kLeftColor = 0x0000CC; // RGB(204, 0, 0), an item the pointer left
constexpr int kGap = 15;

bool IsItem(int16_t i) {
    return i >= 0 && i <= 3;
}
} // namespace

FrmMenuAlphaForm::FrmMenuAlphaForm()
    : PopupMenuForm("FrmMenuAlpha", " Alphabet", "\\DialogAlphaSkin.Jpg", sgAlphabet, sgAlphabet) {
    const char* const captions[4] = {"A", "a", "Aa", "12"};
    for (int i = 0; i <= 3; ++i) {
        Lbl_AlphaType(i).SetCaption(captions[i]);
        Lbl_AlphaType(i).SetForeColor(kItemColor);
        Lbl_AlphaType(i).SetBackStyle(forms::vbTransparent);
        Lbl_AlphaType(i).SetAlignment(forms::vbCenter);
    }
    Lbl_AlphaType.MouseMove = [this](int i, int b, int s, float x, float y) {
        Lbl_AlphaType_MouseMove(static_cast<int16_t>(i), static_cast<int16_t>(b),
                                static_cast<int16_t>(s), x, y);
    };
    Lbl_AlphaType.Click = [this](int i) { Lbl_AlphaType_Click(static_cast<int16_t>(i)); };
    Img_BG.Click = [this](int i) { Img_BG_Click(static_cast<int16_t>(i)); };
}

void FrmMenuAlphaForm::HideFrmMenuAlpha() {
    HideMenu();
}

void FrmMenuAlphaForm::Form_Load() {
    // The hover index is still 0 here: item 0 turns red and the current type yellow.
    HighlightAlphaType(Settings.AlphabetType, HoverIndex);
    HoverIndex = NoneCode;
    InitControls();
}

// Shown again after the type was changed elsewhere, the frame still marks the current type.
void FrmMenuAlphaForm::Form_Activate() {
    FrmAlphaImgSelect(Settings.AlphabetType);
}

void FrmMenuAlphaForm::InitControls() {
    InitFrame();
    forms::PicturePtr tile = LoadMenuPicture("\\DialogAlphaButton.Bmp");
    for (int i = 0; i <= 3; ++i) {
        Img_BG(i).SetPicture(tile);
        if (!tile) Img_BG(i).Move(0, 0, 100, 100);
    }
    const double w = Img_BG(0).Width();
    const double h = Img_BG(0).Height();
    Img_BG(0).Move(75, 110);
    Img_BG(1).Move(75 + w + kGap, 110);
    Img_BG(2).Move(75, 110 + h + kGap);
    Img_BG(3).Move(Img_BG(1).Left(), Img_BG(2).Top());

    const double fontSize = 3 * forms::Screen.TwipsPerPixelY();
    for (int i = 0; i <= 3; ++i) {
        forms::Label& item = Lbl_AlphaType(i);
        item.SetFontName("VAGRounded BT");
        item.SetFontSize(fontSize);
        item.Move(Img_BG(i).Left(), Img_BG(i).Top() + 4, w, h);
    }

    Shp_HL.SetBorderWidth(kMenuFrameWidth);
    Shp_HL.SetBorderColor(kMenuFrameColor);
    Shp_HL.Move(0, 0, w + 4, h + 4);

    const double side = 0.8 * kWidth;
    Shp_Border.SetShape(forms::vbShapeSquare);
    Shp_Border.SetBorderWidth(2);
    Shp_Border.SetBorderColor(0x4FB9F0); // RGB(240, 185, 79), the panel's rim
    Shp_Border.Move(34, 65, side, side);

    FrmAlphaImgSelect(Settings.AlphabetType);
}

void FrmMenuAlphaForm::FrmAlphaImgSelect(int16_t Index) {
    if (!IsItem(Index)) return;
    Shp_HL.Move(Img_BG(Index).Left() - 2, Img_BG(Index).Top() - 2);
}

void FrmMenuAlphaForm::HighlightAlphaType(int16_t newIndex, int16_t oldIndex) {
    if (IsItem(oldIndex)) Lbl_AlphaType(oldIndex).SetForeColor(kLeftColor);
    if (IsItem(newIndex)) Lbl_AlphaType(newIndex).SetForeColor(kMenuYellow);
}

void FrmMenuAlphaForm::Lbl_AlphaType_MouseMove(int16_t Index, int16_t, int16_t, float, float) {
    if (Index != HoverIndex) {
        if (HoverIndex == NoneCode) HoverIndex = Settings.AlphabetType;
        HighlightAlphaType(Index, HoverIndex);
    }
    // Spoken on every move: the voices' own memory keeps it from repeating, and forgets it over
    // the background, so that an item left and entered again speaks again.
    PlayHoverSound(sgAlphabet, Index);
    HoverIndex = Index;
}

// A new type restarts the current activity with it; the menu stays open.
void FrmMenuAlphaForm::Lbl_AlphaType_Click(int16_t Index) {
    if (Index == Settings.AlphabetType) return;
    FrmAlphaImgSelect(Index);
    Settings.AlphabetType = Index;
    const int16_t action = paShowActivity;
    ChangeAppState(action);
}

void FrmMenuAlphaForm::Img_BG_Click(int16_t) {}
