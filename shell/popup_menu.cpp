#include "shell/popup_menu.h"

#include "forms/canvas.h"
#include "forms/errors.h"
#include "forms/files.h"
#include "forms/screen.h"
#include "shell/app_state.h"
#include "shell/sounds.h"
#include "shell/startup.h"

namespace {
constexpr int16_t kEscape = 27;
constexpr int32_t kHeadingBack = 0x336633; // RGB(51, 102, 51)
} // namespace

forms::PicturePtr LoadMenuPicture(const std::string& name) {
    const std::string path = PathImagesApp + name;
    if (!forms::FileExists(path)) return nullptr;
    try {
        return forms::LoadPicture(path);
    } catch (const forms::RuntimeError&) {
        return nullptr;
    }
}

PopupMenuForm::PopupMenuForm(const char* name, const char* heading, const char* skin,
                             int16_t soundGroup, int16_t closeGroup)
    : heading_(heading), skin_(skin), soundGroup_(soundGroup), closeGroup_(closeGroup) {
    SetName(name);
    SetCaption(name);
    SetLayer(forms::FormLayer::Dialog);
    SetBorderStyle(forms::vbBSNone);
    Lbl_Close.Click = [this] { Lbl_Close_Click(); };
    Lbl_Close.MouseMove = [this](int b, int s, float x, float y) {
        Lbl_Close_MouseMove(static_cast<int16_t>(b), static_cast<int16_t>(s), x, y);
    };
    Lbl_Heading.MouseMove = [this](int b, int s, float x, float y) {
        Lbl_Heading_MouseMove(static_cast<int16_t>(b), static_cast<int16_t>(s), x, y);
    };
    Pict_Holder.MouseMove = [this](int b, int s, float x, float y) {
        Pict_Holder_MouseMove(static_cast<int16_t>(b), static_cast<int16_t>(s), x, y);
    };
}

void PopupMenuForm::InitFrame() {
    const double tppX = forms::Screen.TwipsPerPixelX();
    const double tppY = forms::Screen.TwipsPerPixelY();
    // Centred on the screen, over the main window.
    Move((forms::Screen.Width() - kWidth * tppX) / 2, (forms::Screen.Height() - kHeight * tppY) / 2,
         kWidth * tppX, kHeight * tppY);
    Pict_Holder.Move(0, 0, kWidth, kHeight);
    Pict_Holder.SetPicture(LoadMenuPicture(skin_));

    // Font sizes follow the twips per pixel, so that the text keeps its pixel size.
    const double headingSize = 1.35 * tppY;
    Lbl_Heading.SetCaption(heading_);
    Lbl_Heading.SetFontName("VAGRounded Lt");
    Lbl_Heading.SetFontSize(headingSize);
    // The skin's heading band, in the heading's colour, shows through the label.
    Lbl_Heading.SetBackColor(kHeadingBack);
    Lbl_Heading.SetBackStyle(forms::vbTransparent);
    Lbl_Heading.SetForeColor(kMenuYellow);
    Lbl_Heading.Move(10, 4, 200, 2 * headingSize);

    const double closeSide = 1.5 * Lbl_Heading.Height();
    Lbl_Close.SetCaption("\xD1"); // the close mark of the symbol face
    Lbl_Close.SetFontName("Wingdings 2");
    Lbl_Close.SetFontSize(1.5 * headingSize);
    Lbl_Close.SetForeColor(kMenuYellow);
    Lbl_Close.SetBackStyle(forms::vbTransparent);
    Lbl_Close.SetAlignment(forms::vbCenter);
    Lbl_Close.Move(kWidth - 55, 0, closeSide, closeSide);
}

void PopupMenuForm::HideMenu() {
    if (!Visible()) return;
    PlayUISound(usClose);
    PendingAction = paResume;
    EnableMainForm();
    SetVisible(false);
}

void PopupMenuForm::Form_KeyUp(int16_t& keyCode, int16_t) {
    if (keyCode == kEscape) HideMenu();
}

void PopupMenuForm::Lbl_Close_Click() {
    HideMenu();
}

void PopupMenuForm::Lbl_Close_MouseMove(int16_t, int16_t, float, float) {
    PlayHoverSound(closeGroup_, siClose);
}

void PopupMenuForm::Lbl_Heading_MouseMove(int16_t, int16_t, float, float) {
    PlayHoverSound(soundGroup_, siHeading);
}

// The background forgets the last item spoken, so that an item left and entered again speaks.
void PopupMenuForm::Pict_Holder_MouseMove(int16_t, int16_t, float, float) {
    PlayHoverSound(NoneCode, NoneCode);
}
