#include "shell/frm_completion.h"

#include "forms/canvas.h"
#include "forms/files.h"
#include "forms/screen.h"
#include "shell/app_state.h"
#include "shell/sound_device.h"
#include "shell/sounds.h"
#include "shell/startup.h"
#include "shell/user_set.h"

#include <string>

namespace {

constexpr int32_t kYellow = forms::RGB(255, 255, 0);
constexpr int32_t kMessageColour = forms::RGB(153, 0, 51);
const char kCloseMark = static_cast<char>(209); // the close glyph of the symbol face

} // namespace

FrmCompletionForm::FrmCompletionForm() {
    SetName("FrmCompletion");
    SetCaption("Well Done");
    SetLayer(forms::FormLayer::Dialog);
    SetBorderStyle(forms::vbBSNone);
    SetVisible(false);

    ComplPict_Holder.SetBorderStyle(0);
    for (forms::Label* label : {&Lbl_Heading, &Lbl_Close, &lbl_WellDone})
        label->SetBackStyle(forms::vbTransparent);
    Lbl_Heading.SetForeColor(kYellow);
    Lbl_Close.SetForeColor(kYellow);
    Lbl_Close.SetAlignment(forms::vbCenter);
    Lbl_Close.SetUseMnemonic(false);
    lbl_WellDone.SetForeColor(kMessageColour);
    lbl_WellDone.SetAlignment(forms::vbCenter);
    lbl_WellDone.SetWordWrap(true);
    lbl_WellDone.SetUseMnemonic(false);
    ConnectEvents();
}

void FrmCompletionForm::ConnectEvents() {
    using I = int16_t;
    auto i16 = [](int v) { return static_cast<I>(v); };
    ComplPict_Holder.MouseMove = [this, i16](int b, int s, float x, float y) {
        ComplPict_Holder_MouseMove(i16(b), i16(s), x, y);
    };
    ImgOK.Click = [this] { ImgOK_Click(); };
    ImgOK.MouseMove = [this, i16](int b, int s, float x, float y) {
        ImgOK_MouseMove(i16(b), i16(s), x, y);
    };
    Lbl_Close.Click = [this] { Lbl_Close_Click(); };
    Lbl_Close.MouseMove = [this, i16](int b, int s, float x, float y) {
        Lbl_Close_MouseMove(i16(b), i16(s), x, y);
    };
    Lbl_Heading.MouseMove = [this, i16](int b, int s, float x, float y) {
        Lbl_Heading_MouseMove(i16(b), i16(s), x, y);
    };
    lbl_WellDone.MouseMove = [this, i16](int b, int s, float x, float y) {
        lbl_WellDone_MouseMove(i16(b), i16(s), x, y);
    };
}

void FrmCompletionForm::Form_Load() {
    const double tpx = forms::Screen::TwipsPerPixelX();
    const double tpy = forms::Screen::TwipsPerPixelY();
    SetVisible(false);
    const double width = 343 * tpx, height = 369 * tpy;
    // Centred on the screen, above the main window.
    Move((forms::Screen::Width() - width) / 2, (forms::Screen::Height() - height) / 2, width,
         height);

    ComplPict_Holder.Move(0, 0, width / tpx, height / tpy);
    // Without its skin the dialog still congratulates, on the skin's body colour.
    ComplPict_Holder.SetBackColor(forms::RGB(255, 246, 222));
    const std::string skin = PathImagesApp + "\\ComplSkin.Jpg";
    if (forms::FileExists(skin)) ComplPict_Holder.SetPicture(forms::LoadPicture(skin));

    // The heading in the rounded light face, the message in the rounded bold one; both bold when
    // the face had to be replaced.
    Lbl_Heading.SetFontName(::FontName(1));
    Lbl_Heading.SetFontBold(FontSubstituted(1) != 0);
    Lbl_Heading.SetFontSize(tpx * 1.35);
    Lbl_Heading.Move(10, 4, width / tpx - 75, 2 * Lbl_Heading.FontSize());
    Lbl_Heading.SetCaption("Level Completed");

    Lbl_Close.SetFontName(::FontName(2));
    Lbl_Close.SetFontSize(1.5 * Lbl_Heading.FontSize());
    const double closeSize = 1.5 * Lbl_Heading.Height();
    Lbl_Close.Move(width / tpx - 55, 0, closeSize, closeSize);
    Lbl_Close.SetCaption(std::string(1, kCloseMark));

    ImgOK.Move(272, 125);
    const std::string ok = PathImagesApp + "\\FrmCompletion_ImgOK.png";
    if (forms::FileExists(ok))
        ImgOK.SetPicture(forms::LoadPicture(ok));
    else
        ImgOK.Move(272, 125, 60, 24); // the place still takes the click

    const double holderWidth = ComplPict_Holder.Width();
    const double messageWidth = 0.8 * holderWidth;
    lbl_WellDone.SetFontName(::FontName(0));
    lbl_WellDone.SetFontBold(FontSubstituted(0) != 0);
    lbl_WellDone.SetFontSize(tpx * 1.3);
    lbl_WellDone.Move((holderWidth - messageWidth) / 2, 150, messageWidth, 75);
}

void FrmCompletionForm::Form_Activate() {
    if (Settings.LessonID == 0)
        Lbl_Heading.SetCaption("Level Completed");
    else if (Settings.LessonID == 1)
        Lbl_Heading.SetCaption("Puzzle Completed");
}

void FrmCompletionForm::HideFrmCompletion() {
    if (!Visible()) return;
    StopMMDevice(0);
    PlayUISound(usClose);
    EnableMainForm();
    Hide();
}

void FrmCompletionForm::ImgOK_Click() {
    HideFrmCompletion();
}

void FrmCompletionForm::Lbl_Close_Click() {
    ImgOK_Click();
}

void FrmCompletionForm::Form_MouseMove(int, int, float, float) {
    PlayHoverSound(NoneCode, NoneCode);
}

void FrmCompletionForm::ComplPict_Holder_MouseMove(int16_t, int16_t, float, float) {
    PlayHoverSound(NoneCode, NoneCode);
}

void FrmCompletionForm::ImgOK_MouseMove(int16_t, int16_t, float, float) {
    PlayHoverSound(sgCompletion, scOK);
}

void FrmCompletionForm::Lbl_Close_MouseMove(int16_t, int16_t, float, float) {
    // The close label speaks as the alphabet menu's does.
    PlayHoverSound(sgAlphabet, siClose);
}

void FrmCompletionForm::Lbl_Heading_MouseMove(int16_t, int16_t, float, float) {
    if (Settings.LessonID == 0)
        PlayHoverSound(sgCompletion, scTraceDone);
    else if (Settings.LessonID == 1)
        PlayHoverSound(sgCompletion, scPuzzleDone);
}

void FrmCompletionForm::lbl_WellDone_MouseMove(int16_t, int16_t, float, float) {
    if (Settings.LessonID == 0)
        PlayHoverSound(sgCompletion, scTraceWellDone);
    else if (Settings.LessonID == 1)
        PlayHoverSound(sgCompletion, scPuzzleWellDone);
}
