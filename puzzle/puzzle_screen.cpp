// Laying the puzzle screen out on the main window, and taking it down.
#include "puzzle/puzzle_screen.h"

#include "forms/image.h"
#include "forms/label.h"
#include "forms/picture_box.h"
#include "forms/screen.h"
#include "forms/timer.h"
#include "puzzle/coin_board.h"
#include "puzzle/puzzle_clock.h"
#include "puzzle/puzzle_menu.h"
#include "shell/frm_main.h"
#include "shell/pictures.h"
#include "shell/startup.h"
#include "shell/user_set.h"

namespace {

constexpr double kCoinGap = 32;
// The pictures' sizes, for a list that could not be loaded.
constexpr int kCoinSize = 58;

int CoinWidth() {
    const int w = FrmMain->PuzImgLst_Menus.ImageWidth();
    return w > 0 ? w : kCoinSize;
}
int CoinHeight() {
    const int h = FrmMain->PuzImgLst_Menus.ImageHeight();
    return h > 0 ? h : kCoinSize;
}

} // namespace

void InitPuzzleScreen() {
    FrmMainForm& f = *FrmMain;
    f.AT_TimerTMR.SetEnabled(false);
    f.ATTmr_MM.SetEnabled(false);
    forms::PictureBox& holder = f.Pict_HolderLesson(1);
    holder.SetVisible(false);
    if (!PuzScreenBuilt) {
        LoadPuzzleSkin();
        SetBoardHolderGeometry();
        InitPuzzleMenuButtons();
        InitClockPanel();
        PuzScreenBuilt = forms::vbTrue;
        SetCoinFonts();
    }
    LayoutCoinImages();
    FitCoinLabels();
    FillCoinCaptions();
    SetupBoardForLevel();
    holder.SetVisible(true);
}

void HidePuzzle() {
    // The next start lays the whole screen out again, skin included.
    PuzScreenBuilt = forms::vbFalse;
    // A paced shuffle still waiting gives up: its screen has gone.
    ++PuzGameSerial;
    FrmMain->Pict_HolderLesson(1).SetVisible(false);
    FrmMain->PuzPict_Clock.SetVisible(false);
}

void LoadPuzzleSkin() {
    FrmMain->SetPicture(LoadPictureIfAny(PathImagesApp + "\\PuzSkin.jpg"));
}

void SetBoardHolderGeometry() {
    forms::PictureBox& holder = FrmMain->Pict_HolderLesson(1);
    holder.Move(49, 48, 518, 358);
    holder.SetBackColor(forms::RGB(255, 202, 202));
}

void InitPuzzleMenuButtons() {
    FrmMainForm& f = *FrmMain;
    for (int16_t i = 0; i <= 2; ++i) {
        SetPuzMenuPicture(i, 0);
        f.PuzImg_Menu(i).SetVisible(true);
    }
    const double w = f.PuzImg_Menu(0).Width();
    const double h = f.PuzImg_Menu(0).Height();
    for (int i = 0; i <= 2; ++i)
        f.PuzImg_Menu(i).Move(i * w + 15, 5);
    f.PuzPict_HolderMenu.Move(312, 0, 3 * w + 30, h + 10);
    f.PuzPict_HolderMenu.SetBackColor(f.Pict_HolderLesson(1).BackColor());
}

void InitClockPanel() {
    FrmMainForm& f = *FrmMain;
    f.PuzPict_Clock.Move(50, 7, 200, 33);
    f.PuzLbl_Clock.Move(0, 0, 100, f.PuzPict_Clock.Height());
    f.PuzLbl_Clock.SetFontSize(forms::Screen.TwipsPerPixelY() * 1.5);
    AnimateClockArrows(forms::vbTrue);
    f.PuzPict_Clock.SetVisible(true);
}

void SetCoinFonts() {
    const bool bold = FontSubstituted(0) != forms::vbFalse;
    for (int i = 0; i <= kLastCoin; ++i) {
        forms::Label& label = FrmMain->PuzLbl_Coin(i);
        label.SetFontName(FontName(0));
        label.SetFontBold(bold);
    }
}

void LayoutCoinImages() {
    const int w = CoinWidth(), h = CoinHeight();
    for (int16_t i = 0; i <= kLastCoin; ++i) {
        const CoinCell c = IndexToCell(i);
        forms::Image& coin = FrmMain->PuzImg_Coin(i);
        coin.Move(c.Col * w + kCoinGap, c.Row * h + kCoinGap);
        SetCoinPicture(i, cpNormal);
        coin.SetVisible(true);
    }
    LayoutCoinBoard(kCoinGap, kCoinGap);
}

void LayoutCoinBoard(double gapX, double gapY) {
    FrmMainForm& f = *FrmMain;
    const int w = CoinWidth(), h = CoinHeight();
    const forms::PictureBox& panel = f.Pict_HolderLesson(1);
    forms::PictureBox& board = f.PuzPict_HolderCoins;
    const double width = kCoinCols * w + 2 * gapX;
    const double height = kCoinRows * h + 2 * gapY;
    // Centred, then half a coin lower: the menu buttons sit above the board.
    board.Move((panel.Width() - width) / 2, panel.Height() / 2 - height / 2 + h / 2.0, width,
               height);
    board.SetPicture(LoadPictureIfAny(PathImagesApp + "\\PuzBG.Jpg"));
}

void FitCoinLabels() {
    const double s = forms::Screen.TwipsPerPixelY() * 1.85;
    double size = s, dx = 0, dy = 0;
    switch (Settings.AlphabetType) {
    case 0:
        dy = 3;
        break;
    case 1:
        dx = -1;
        dy = 1;
        break;
    case 2:
        size = s - 3;
        dy = 6;
        break;
    case 3:
        dy = 4;
        break;
    default:
        break;
    }
    const int16_t points = forms::CInt(size);
    FrmMainForm& f = *FrmMain;
    for (int i = 0; i <= kLastCoin; ++i) {
        const forms::Image& coin = f.PuzImg_Coin(i);
        forms::Label& label = f.PuzLbl_Coin(i);
        label.Move(coin.Left() + dx, coin.Top() + dy, coin.Width(), coin.Height());
        label.SetFontSize(points);
        label.SetForeColor(PuzColorNormal);
        label.SetVisible(true);
    }
}
