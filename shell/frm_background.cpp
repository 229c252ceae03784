#include "shell/frm_background.h"

#include "forms/application.h"
#include "forms/canvas.h"
#include "forms/screen.h"
#include "shell/background_form.h"
#include "shell/frm_main.h"
#include "shell/pictures.h"
#include "shell/settings_apply.h"
#include "shell/startup.h"
#include "shell/user_set.h"

#include <string>

forms::Flag BGFormShown = forms::vbFalse;
forms::Array<int16_t, 0, 7> BGMetrics;

namespace {

constexpr int kPerRow = 8, kPerColumn = 5, kMargin = 5;
constexpr int16_t bgLetters = 0, bgImages = 1, bgColourOnly = 2, bgNone = 3;

// "Aa" for letter 0.
std::string LetterPair(int i) {
    return std::string{static_cast<char>('A' + i), static_cast<char>('a' + i)};
}

} // namespace

forms::Array<int16_t, 0, 7> BGLetterMetrics(double screenWidth, double screenHeight,
                                            double twipsPerPixelX, double twipsPerPixelY,
                                            double mainHeight) {
    const int16_t tppy = forms::CInt(twipsPerPixelY);
    // Half the height the main window leaves free, in pixels, less the margin and two more.
    const int16_t band = forms::CInt((screenHeight - mainHeight) / (2.0 * tppy) - kMargin - 2);
    int16_t gap = 10;
    double x = 0, y = 0;
    // Eight pictures of 260 x 175 proportions across the screen, seven gaps and two margins: the
    // gap widens until the pictures fit the band (or become too small).
    for (double guard = 0; guard <= screenWidth; guard += 1) {
        x = (screenWidth / twipsPerPixelX - 7.0 * gap - 2.0 * kMargin) / kPerRow;
        if (x <= 30) break;
        y = x * 175 / 260;
        if (y <= band) break;
        ++gap;
    }
    // Seven pictures stacked in a side column from the top row to the bottom row, six spaces.
    const double vgap = (screenHeight / tppy - 2.0 * kMargin - 7.0 * y - 2.0 * kMargin) / 6;
    forms::Array<int16_t, 0, 7> m;
    m(0) = kPerRow;
    m(1) = kPerColumn;
    m(2) = kMargin;
    m(3) = kMargin;
    m(4) = gap;
    m(5) = forms::CInt(vgap);
    m(6) = forms::CInt(x);
    m(7) = forms::CInt(y);
    return m;
}

void CalcBGLetterSizes() {
    BGMetrics = BGLetterMetrics(forms::Screen::Width(), forms::Screen::Height(),
                                forms::Screen::TwipsPerPixelX(), forms::Screen::TwipsPerPixelY(),
                                FrmMain->Height());
    BGFormShown = forms::vbFalse;
}

void ApplyBGFormOption(const UserSet& src) {
    const int16_t opt = src.BGFormOpt;
    if (!BGFormShown) {
        if (opt == bgNone) return;
        FrmBackGround->SetVisible(true);
        FrmBackGround->ZOrder(1);
        FrmMain->ZOrder(1);
    }
    FrmBackGroundForm& bg = *FrmBackGround;
    const int16_t on = forms::vbTrue, off = forms::vbFalse;
    switch (opt) {
    case bgLetters:
        bg.ShowImages(on);
        bg.ShowAlphabets(on);
        break;
    case bgImages:
        bg.ShowImages(on);
        bg.ShowAlphabets(off);
        break;
    case bgColourOnly:
        bg.ShowImages(off);
        bg.ShowAlphabets(off);
        break;
    case bgNone:
        // Unloaded at the next resume.
        bg.SetVisible(false);
        return;
    default:
        return;
    }
    bg.SetVisible(true);
    bg.ZOrder(1);
}

void ApplyBGFormColors(int32_t color, int32_t alphaColor, int32_t shadowColor) {
    if (!BGFormShown) return;
    FrmBackGround->InitBGColor(color);
    FrmBackGround->InitBGColorAlpha(alphaColor);
    FrmBackGround->InitBGColorAlphaShdw(shadowColor);
}

FrmBackGroundForm::FrmBackGroundForm() {
    SetName("FrmBackGround");
    SetCaption("FrmBackGround");
    SetLayer(forms::FormLayer::Background);
    SetBorderStyle(forms::vbBSNone);
    SetBackColor(0xE0E0E0);
    for (int i = 0; i <= 25; ++i) {
        BGimg_Background(i).SetStretch(true);
        BGimg_Background(i).SetVisible(false);
        for (forms::Label* l : {&BGlbl_AlphabetShdw(i), &BGlbl_Alphabet(i)}) {
            l->SetBackStyle(forms::vbTransparent);
            l->SetAlignment(forms::vbLeftJustify);
            l->SetFontBold(false);
            l->SetVisible(false);
            l->SetUseMnemonic(false);
        }
    }
}

void FrmBackGroundForm::Form_Load() {
    Move(0, 0, forms::Screen::Width(), forms::Screen::Height());
    FrmGeneral->SetVisible(true);
    // Painted before the pictures take their time: passes of the loop that never wait (a
    // DoEvents with nothing to do sleeps until the next event).
    for (int i = 0; i < 6; ++i)
        forms::Application::Pump();
    InitBGColor(Settings.BGFormColor);
    LayoutBGImages();
    InitBGColorAlpha(Settings.BGFormColorAlpha);
    InitBGColorAlphaShdw(Settings.BGFormColorAlphaShdw);
    InitBGFont();
    FrmGeneral.Unload();
    BGFormShown = forms::vbTrue;
}

void FrmBackGroundForm::Form_Unload(int16_t&) {
    BGFormShown = forms::vbFalse;
}

void FrmBackGroundForm::LayoutBGImages() {
    const int16_t gap = BGMetrics(4), vgap = BGMetrics(5), x = BGMetrics(6), y = BGMetrics(7);
    auto place = [&](int i, double left, double top) {
        forms::Image& pic = BGimg_Background(i);
        pic.Move(left, top, x, y);
        // A missing letter picture leaves its place to the back colour; the letters still show.
        pic.SetPicture(LoadPictureIfAny(PathImages + "\\" + static_cast<char>('A' + i) + ".jpg"));
        // The shadow 2 pixels right and down, the letter over the picture's top-left corner.
        const double size = BGimg_Background(0).Height() / 3.5;
        forms::Label& shadow = BGlbl_AlphabetShdw(i);
        shadow.Move(pic.Left() + 2, pic.Top() + 2, pic.Width(), pic.Height());
        shadow.SetCaption(LetterPair(i));
        shadow.SetFontSize(size);
        forms::Label& letter = BGlbl_Alphabet(i);
        letter.Move(pic.Left(), pic.Top(), pic.Width(), pic.Height());
        letter.SetCaption(LetterPair(i));
        letter.SetFontSize(size);
    };
    // Clockwise: the top row left to right, the right column down, the bottom row right to left,
    // the left column up. The column step has one pixel more than the row step.
    for (int i = 0; i <= 7; ++i)
        place(i, kMargin + i * (gap + x), kMargin);
    const double right = BGimg_Background(7).Left();
    for (int i = 8; i <= 12; ++i)
        place(i, right, y + kMargin + vgap + (i - 8) * (y + vgap + 1));
    const double bottomRight = BGimg_Background(12).Left();
    const int16_t bottom =
        forms::CInt(forms::Screen::Height() / forms::Screen::TwipsPerPixelY() - kMargin - y);
    for (int i = 13; i <= 20; ++i)
        place(i, bottomRight - (i - 13) * (gap + x), bottom);
    const double left = BGimg_Background(20).Left();
    const int16_t above = forms::CInt(BGimg_Background(20).Top() - y - vgap);
    for (int i = 21; i <= 25; ++i)
        place(i, left, above - (i - 21) * (y + vgap + 1));
}

void FrmBackGroundForm::InitBGFont() {
    for (int i = BGlbl_Alphabet.LBound(); i <= BGlbl_Alphabet.UBound(); ++i) {
        BGlbl_AlphabetShdw(i).SetFontName(::FontName(1));
        BGlbl_Alphabet(i).SetFontName(::FontName(1));
    }
}

void FrmBackGroundForm::InitBGColorAlpha(const int32_t& color) {
    if (BGlbl_Alphabet(0).ForeColor() == color) return;
    for (int i = BGlbl_Alphabet.LBound(); i <= BGlbl_Alphabet.UBound(); ++i)
        BGlbl_Alphabet(i).SetForeColor(color);
}

void FrmBackGroundForm::InitBGColorAlphaShdw(const int32_t& color) {
    if (BGlbl_AlphabetShdw(0).ForeColor() == color) return;
    for (int i = BGlbl_Alphabet.LBound(); i <= BGlbl_Alphabet.UBound(); ++i)
        BGlbl_AlphabetShdw(i).SetForeColor(color);
}

void FrmBackGroundForm::InitBGColor(const int32_t& color) {
    if (BackColor() != color) SetBackColor(color);
}

void FrmBackGroundForm::ShowImages(const int16_t& flag) {
    const bool show = flag != 0;
    if (BGimg_Background(0).Visible() == show) return;
    for (int i = 0; i <= 25; ++i) {
        BGimg_Background(i).SetVisible(show);
        BGimg_Background(i).ZOrder(0);
    }
}

void FrmBackGroundForm::ShowAlphabets(const int16_t& flag) {
    const bool show = flag != 0;
    if (BGlbl_Alphabet(0).Visible() == show) return;
    for (int i = 0; i <= 25; ++i) {
        BGlbl_AlphabetShdw(i).SetVisible(show);
        BGlbl_AlphabetShdw(i).ZOrder(0);
        BGlbl_Alphabet(i).SetVisible(show);
        BGlbl_Alphabet(i).ZOrder(0);
    }
}

void FrmBackGroundForm::ChangeFontSize(const int16_t& size) {
    if (size < 1 || BGlbl_Alphabet(0).FontSize() == size) return;
    for (int i = 0; i <= 25; ++i) {
        BGlbl_AlphabetShdw(i).SetFontSize(size);
        BGlbl_Alphabet(i).SetFontSize(size);
    }
}

FrmGeneralForm::FrmGeneralForm() {
    SetName("FrmGeneral");
    SetCaption("Wise Owlet");
    SetLayer(forms::FormLayer::Dialog);
    SetBorderStyle(forms::vbFixedSingle);
    const double tpx = forms::Screen::TwipsPerPixelX(), tpy = forms::Screen::TwipsPerPixelY();
    const double w = 320 + 2 * forms::kFormBorder,
                 h = 50 + 2 * forms::kFormBorder + forms::kFormCaption;
    Move((forms::Screen::Width() - w * tpx) / 2, (forms::Screen::Height() - h * tpy) / 2, w * tpx,
         h * tpy);
    Label_General.SetFontName("Arial");
    Label_General.SetFontSize(9);
    Label_General.SetBackStyle(forms::vbTransparent);
    Label_General.SetUseMnemonic(false);
    Label_General.Move(15, 17, 300, 20);
    Label_General.SetCaption("Please wait loading backgound and pictures . . . ");
}
