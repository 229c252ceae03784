// The puzzle menu's buttons: back, forward and new game.
#include "puzzle/puzzle_menu.h"

#include "forms/image.h"
#include "puzzle/coin_board.h"
#include "puzzle/move_history.h"
#include "puzzle/shuffle.h"
#include "shell/frm_main.h"
#include "shell/sounds.h"
#include "tracing/colour_picker.h"

namespace {

constexpr int16_t kBack = 0, kForward = 1, kNewGame = 2;
constexpr int16_t kNoButton = -9997;

bool IsButton(int16_t index) {
    return index >= kBack && index <= kNewGame;
}

} // namespace

void SetPuzMenuPicture(int16_t index, int16_t look) {
    if (!IsButton(index)) return;
    const forms::ImageList& list = FrmMain->PuzImgLst_Menu;
    const int n = index + 1 + 3 * look;
    FrmMain->PuzImg_Menu(index).SetPicture(n <= list.Count() ? list.Picture(n) : nullptr);
}

void PuzMenuHover(int16_t index) {
    if (ColorPending || !IsButton(index)) return;
    if (index == PuzMenuHot && PuzMenuHotOn) return;
    SetPuzMenuPicture(PuzMenuHot, 0);
    SetPuzMenuPicture(index, 1);
    PuzMenuHot = index;
    PuzMenuHotOn = forms::vbTrue;
    PlayPuzzleMenuSound(index);
}

void PuzMenuMouseDown(int16_t index) {
    if (ColorPending) return;
    SetPuzMenuPicture(index, 2);
}

void PuzMenuMouseUp(int16_t index) {
    if (ColorPending || !IsButton(index)) return;
    SetPuzMenuPicture(index, 1);
    if (index == kBack) {
        HistoryBack();
    } else if (index == kForward) {
        HistoryForward();
    } else {
        int16_t moves = 1000;
        forms::Flag instant = forms::vbFalse;
        NewPuzzleGame(moves, instant);
    }
}

void PuzMenuUnhover() {
    if (ColorPending || !PuzMenuHotOn) return;
    SetPuzMenuPicture(PuzMenuHot, 0);
    PuzMenuHotOn = forms::vbFalse;
    PlayPuzzleMenuSound(kNoButton);
}
