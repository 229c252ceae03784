// The tracing screen's start, layout and close.
#include "tracing/trace_screen.h"

#include "forms/canvas.h"
#include "forms/image.h"
#include "forms/label.h"
#include "forms/picture_box.h"
#include "forms/screen.h"
#include "forms/timer.h"
#include "shell/app_state.h"
#include "shell/frm_main.h"
#include "shell/menu_buttons.h"
#include "shell/pictures.h"
#include "shell/sounds.h"
#include "shell/startup.h"
#include "shell/user_set.h"
#include "tracing/alpha_data.h"
#include "tracing/animation.h"
#include "tracing/label_strip.h"
#include "tracing/progress.h"
#include "tracing/trace_engine.h"

namespace {

constexpr int kTileMargin = 3;
constexpr int kTilesPerRow = 10;

double TwipsPerPixelY() {
    return forms::Screen.TwipsPerPixelY();
}

int RangeStep(int step) {
    return step < 1 ? 1 : step;
}

} // namespace

void StartTrace(int16_t) {
    InitTraceState();
    SetupTraceScreen();
}

void InitTraceState() {
    ClearAlphaEnabled();
    // Starting tracing always begins the current level afresh.
    SetLevelDone(Settings.AlphabetType, Settings.UserLevel);
    ResetTraceColors();
    ResetPickedColors();
    AlphaCur.Board = &FrmMain->Picture_DrawBoard;
    AlphaCur2.Board = &FrmMain->Picture_DrawBoard;
    FrmMain->Picture_DrawBoard.Cls();
    LabelIndexHot = -9997;
    InitAlphaRange();
    InitDrawStyle(AlphaCur, Settings);
    InitDrawStyle(AlphaCur2, Settings);
    ResetAlpha();
    ShowBoardPicture(forms::vbTrue);
    // The next activation of the main window draws the board and starts the first character.
    PendingAction = 1;
}

void ClearAlphaEnabled() {
    for (int i = 0; i <= 29; ++i)
        AlphaEnabled(i) = forms::vbFalse;
}

void SetupTraceScreen() {
    ArrangeBoards(forms::vbTrue);
    ArrangeAlphaBG();
    LoadTraceSkin();
    InitPictHolderLesson();
    ShowAlphaLabels(forms::vbFalse);
    ColorAlphaLabels();
    ShowAlphaBGMarks();
    FillAlphaLabels();
    ArrangeAlphaLabels();
    ShowAlphaLabels(forms::vbTrue);
    PlaceWordLabel();
    ArrangeSubMenuButtons(forms::vbTrue);
    InitTrcLblWord();
    if (!NumbersLabelReady) {
        InitTrcLblNumbers();
        NumbersLabelReady = forms::vbTrue;
    }
    auto& f = *FrmMain.operator->();
    f.TrcPict_Menus.SetVisible(true);
    f.TrcLbl_Word(0).SetVisible(true);
    f.TrcLbl_Word(1).SetVisible(true);
    // The boards and the tile strip cover the holder entirely.
    forms::PictureBox& holder = f.Pict_HolderLesson(0);
    holder.SetHeight(f.TrcPICT_HolderLabels.Height() + f.Picture_DrawBoard.Height());
    holder.SetBackColor(0);
    holder.SetVisible(true);
}

void ArrangeBoards(forms::Flag visible) {
    auto& f = *FrmMain.operator->();
    if (!BoardsArranged) {
        BoardsArranged = forms::vbTrue;
        forms::PictureBox& show = f.Picture_ShowBoard;
        show.Move(0, 0, 259, 175);
        f.Picture_DrawBoard.Move(show.Left() + show.Width(), show.Top(), show.Width(),
                                 show.Height());
        f.ATImg_ShowBoard(0).Move(0, 0, show.Width(), show.Height());
    }
    f.ATImg_ShowBoard(0).SetVisible(visible);
    f.Picture_DrawBoard.SetVisible(visible);
    f.Picture_ShowBoard.SetVisible(visible);
}

void ArrangeAlphaBG() {
    auto& f = *FrmMain.operator->();
    const double tileW = f.AT_Image_AlphaBG(30).Width();
    const double tileH = f.AT_Image_AlphaBG(30).Height();
    forms::PictureBox& strip = f.TrcPICT_HolderLabels;
    strip.Move(0, f.Picture_DrawBoard.Top() + f.Picture_DrawBoard.Height(), 518,
               3 * tileH + 2 * kTileMargin - 1);
    strip.SetBackColor(forms::RGB(51, 175, 175));
    for (int i = 0; i <= 29; ++i) {
        const int row = i / kTilesPerRow;
        const int col = i % kTilesPerRow;
        forms::Image& tile = f.AT_Image_AlphaBG(i);
        tile.SetLeft(col * tileW + kTileMargin);
        tile.SetTop(row * tileH + kTileMargin);
    }
}

void LoadTraceSkin() {
    FrmMain->SetPicture(LoadPictureIfAny(PathImagesApp + "\\TrcSkin.jpg"));
}

void InitPictHolderLesson() {
    forms::PictureBox& holder = FrmMain->Pict_HolderLesson(0);
    holder.Move(49, 76, 517, 330);
    holder.SetBackColor(forms::RGB(255, 202, 202));
}

void ShowAlphaBGMarks() {
    auto& f = *FrmMain.operator->();
    const forms::PicturePtr inRange = f.AT_Image_AlphaBG(30).Picture();
    const forms::PicturePtr first = f.AT_Image_AlphaBG(31).Picture();
    const forms::PicturePtr outside = f.AT_Image_AlphaBG(33).Picture();
    for (int i = 0; i <= 29; ++i) {
        f.AT_Image_AlphaBG(i).SetVisible(false);
        f.AT_Image_AlphaBG(i).SetPicture(outside);
    }
    const int16_t type = Settings.AlphabetType;
    if (type >= 0 && type <= 2) {
        for (int i = FirstAlphaIdx; i <= LastAlphaIdx; ++i)
            f.AT_Image_AlphaBG(i).SetPicture(inRange);
        for (int i = 0; i <= 29; ++i)
            f.AT_Image_AlphaBG(i).SetVisible(i <= 25);
        f.AT_Image_AlphaBG(FirstAlphaIdx).SetPicture(first);
    } else if (type == 3) {
        for (int i = FirstAlphaIdx; i <= LastAlphaIdx; i += RangeStep(Settings.NumbersStep))
            f.AT_Image_AlphaBG(i).SetPicture(inRange);
        for (int i = 0; i <= 29; ++i)
            f.AT_Image_AlphaBG(i).SetVisible(true);
        f.AT_Image_AlphaBG(Settings.NumbersStart - 1).SetPicture(first);
    }
}

void InitTrcLblWord() {
    auto& f = *FrmMain.operator->();
    const double size = StandardWordFontSize();
    const bool bold = FontSubstituted(0) != forms::vbFalse;
    forms::Label& word = f.TrcLbl_Word(0);
    forms::Label& shadow = f.TrcLbl_Word(1);
    word.SetFontName(FontName(0));
    word.SetFontBold(bold);
    word.SetFontSize(size);
    word.SetTop(10);
    word.SetHeight(2.5 * size);
    shadow.SetFontName(FontName(0));
    shadow.SetFontBold(bold);
    shadow.SetFontSize(size);
    shadow.SetTop(word.Top() + 2);
    shadow.SetHeight(word.Height());
    // The word in its face now: a long one may need its label wider or its size smaller.
    FitWordLabel();
}

void InitTrcLblNumbers() {
    auto& f = *FrmMain.operator->();
    const double size = 4 * TwipsPerPixelY();
    forms::Label& number = f.TrcLbl_Numbers(0);
    forms::Label& shadow = f.TrcLbl_Numbers(1);
    number.SetWidth(f.Picture_DrawBoard.Width());
    number.SetLeft(0);
    // Centred by the label's height before it grows with the font.
    number.SetTop((f.Picture_DrawBoard.Height() - number.Height()) / 2);
    number.SetForeColor(Settings.ColorLineHL);
    number.ZOrder(0);
    number.SetFontSize(size);
    number.SetHeight(2 * size);
    shadow.SetWidth(number.Width());
    shadow.SetHeight(number.Height());
    shadow.SetLeft(number.Left() + 2);
    shadow.SetTop(number.Top() + 2);
    shadow.SetForeColor(Settings.ColorLine);
    shadow.SetFontSize(size);
}

// Every start shows the settings' colours: what the picker gave lasts for one showing only.
void ResetPickedColors() {
    auto& f = *FrmMain.operator->();
    f.Picture_DrawBoard.SetBackColor(Settings.BGColor);
    f.Picture_ShowBoard.SetBackColor(Settings.BGColor);
    f.TrcLbl_Word(0).SetForeColor(Settings.ColorWord);
    f.TrcLbl_Word(1).SetForeColor(Settings.ColorWordShadow);
    f.TrcLbl_Numbers(0).SetForeColor(Settings.ColorLineHL);
    f.TrcLbl_Numbers(1).SetForeColor(Settings.ColorLine);
}

void ResetTraceColors() {
    LabelColors(0) = Settings.ColorText;
    LabelColors(1) = Settings.ColorTextHL;
    LabelColors(2) = Settings.ColorTextDisabled;
}

void HideTraceScreen() {
    auto& f = *FrmMain.operator->();
    f.Pict_HolderLesson(0).SetVisible(false);
    f.TrcLbl_Word(0).SetVisible(false);
    f.TrcLbl_Word(1).SetVisible(false);
    f.TrcPict_Menus.SetVisible(false);
    StopAnimTimer();
    if (MMTimer != nullptr) MMTimer->SetEnabled(false);
}
