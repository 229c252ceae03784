// Shuffling a new game: random swaps at Level I, random slides around the hole at Levels II and
// III, instantly or paced by the animation timer so that each move shows and the puzzle menu
// stays live.
#include "puzzle/shuffle.h"

#include "forms/application.h"
#include "forms/image.h"
#include "forms/label.h"
#include "forms/timer.h"
#include "puzzle/coin_board.h"
#include "puzzle/coin_moves.h"
#include "puzzle/move_history.h"
#include "puzzle/puzzle_clock.h"
#include "shell/frm_main.h"
#include "shell/user_set.h"
#include "tracing/animation.h"

#include <algorithm>

namespace {

constexpr int16_t kLevelI = 0, kLevelII = 1, kLevelIII = 2;
constexpr int kPacedInterval = 10;
// A source that keeps giving the same number must not hold the shuffle forever: after this many
// attempts the next value in turn is taken.
constexpr int kMaxDraws = 1000;

// The move count on the clock, with the leading blank of a positive number.
void ShowMoveCount(int k) {
    SetClockCaption(" " + forms::CStr(k));
    AnimateClockArrows(forms::vbFalse);
}

// Waits one animation tick. False when the game was replaced or the window went away meanwhile:
// the shuffle then has nothing left to do.
bool PacedStep() {
    forms::Timer* timer = TraceAnim.AnimTimer;
    if (timer == nullptr) return true; // no timer taken yet: nothing to pace by
    const int32_t serial = PuzGameSerial;
    timer->SetEnabled(false);
    TraceAnim.AnimKind = akPuzzleStep;
    timer->SetInterval(kPacedInterval);
    timer->SetEnabled(true);
    PuzShuffleAbort = forms::vbFalse;
    while (FrmMain.IsLoaded() && serial == PuzGameSerial && timer->Enabled())
        forms::DoEvents();
    if (FrmMain.IsLoaded() && serial == PuzGameSerial) return true;
    if (FrmMain.IsLoaded() && TraceAnim.AnimKind == akPuzzleStep) timer->SetEnabled(false);
    return false;
}

// A new index in 0..factor other than `other`, re-seeding before each attempt.
int16_t DrawOtherThan(int factor, int16_t other) {
    for (int attempt = 0; attempt < kMaxDraws; ++attempt) {
        forms::Randomize();
        const int16_t v = RandomIndex(factor);
        if (v != other) return v;
    }
    return static_cast<int16_t>((other + 1) % (factor + 1));
}

void AbandonShuffle() {
    // The game that replaced this one has shuffled itself; only the flag is ours to put back.
    PuzShuffling = forms::vbFalse;
}

} // namespace

int16_t RandomIndex(int factor) {
    const double r = std::clamp(forms::Rnd(), 0.0, 1.0);
    return forms::CInt(r * factor);
}

void NewPuzzleGame(int16_t& moves, forms::Flag& instant) {
    if (AnimTimerRunning()) {
        // A paced shuffle waits for its tick: it stops, and this press starts nothing.
        StopAnimTimer();
        PuzShuffleAbort = forms::vbTrue;
        return;
    }
    if (Settings.UserLevel == kLevelI)
        ShuffleLevelI(moves, instant);
    else if (Settings.UserLevel == kLevelII || Settings.UserLevel == kLevelIII)
        ShuffleLevelII_III(moves, instant);
}

void ShuffleLevelI(int16_t& moves, forms::Flag& instant) {
    FrmMainForm& f = *FrmMain;
    PuzShuffling = forms::vbTrue;
    if (moves == 0) moves = 1000;
    if (PuzPickedCoin >= 0 && PuzPickedCoin <= kLastCoin) SetCoinPicture(PuzPickedCoin, cpNormal);
    ResetClock();
    for (int i = 0; i <= kLastCoin; ++i)
        f.PuzLbl_Coin(i).SetForeColor(PuzColorNormal);

    for (int k = 0; k <= moves; ++k) {
        int16_t a = 0, b = 0;
        for (int attempt = 0;; ++attempt) {
            forms::Randomize();
            a = RandomIndex(kLastHomeCoin);
            b = RandomIndex(kLastHomeCoin);
            if (a != b) break;
            if (attempt + 1 >= kMaxDraws) {
                b = static_cast<int16_t>((a + 1) % (kLastHomeCoin + 1));
                break;
            }
        }
        SwapCoinCaptions(a, b);
        if (!instant) {
            if (!PacedStep()) return AbandonShuffle();
            if (PuzShuffleAbort) break;
            if (k % 10 == 0) ShowMoveCount(k);
        }
    }

    // No symbol of coins 0..24 may start at home.
    for (int16_t i = 0; i <= 24; ++i)
        if (CoinHomeIndex(CoinCaption(i)) == i) SwapCoinCaptions(i, kLastHomeCoin);
    // A step back or forward meanwhile marked a coin and coloured the homes of the game being
    // replaced: the new game starts with only its own next coin marked and nothing sent home.
    PuzLastCoinSent = forms::vbFalse;
    ClearHistory();
    SaveBoardToHistory();
    RecordMove();
    PuzHistPos = 1;
    PuzHistCount = 1;
    for (int16_t i = 0; i <= kLastHomeCoin; ++i)
        SetCoinPicture(i, cpNormal);
    PuzPickedCoin = 0;
    PuzBlankIndex = 0;
    MarkNextCoin();
    ColourCoinsLevelII();
    SetClockCaption("00:00");
    AnimateClockArrows(forms::vbTrue);
    PuzShuffling = forms::vbFalse;
    PuzCompleted = forms::vbFalse;
}

void ShuffleLevelII_III(int16_t& moves, forms::Flag& instant) {
    FrmMainForm& f = *FrmMain;
    PuzShuffling = forms::vbTrue;
    ResetClock();
    // During the shuffle the hole shows as an empty coin.
    const int16_t hole = CellToIndex(PuzBlankCell);
    f.PuzImg_Coin(hole).SetVisible(true);
    f.PuzLbl_Coin(hole).SetVisible(true);
    if (Settings.UserLevel == kLevelII) SetCoinPicture(FindBlankCoin(), cpNormal);
    SetClockCaption(" 0");

    for (int k = 0; k <= moves; ++k) {
        CoinCell target = PuzBlankCell;
        if (k % 2 == 0)
            target.Col = DrawOtherThan(kCoinCols - 1, PuzBlankCell.Col); // along the row
        else
            target.Row = DrawOtherThan(kCoinRows - 1, PuzBlankCell.Row); // along the column
        if (!instant) {
            if (!PacedStep()) return AbandonShuffle();
            CoinMouseUp(CellToIndex(target), 1, 1, 0, 0, forms::vbFalse);
            SaveBoardToHistory();
            if (k % 10 == 0) ShowMoveCount(k);
            if (PuzShuffleAbort) break;
        } else {
            CoinMouseUp(CellToIndex(target), 1, 1, 0, 0, forms::vbFalse);
            SaveBoardToHistory();
        }
    }

    SetClockCaption("00:00");
    ClearHistory();
    SaveBoardToHistory();
    PushHistory();
    PuzHistPos = 1;
    PuzHistCount = 1;
    PuzBlankIndex = FindBlankCoin();
    PlaceBlankCoin();
    // A step back or forward during a paced shuffle moved the blank's picture to where the blank
    // coin was then; the slides since have carried the coin on. Only the blank coin keeps it.
    if (Settings.UserLevel == kLevelII)
        for (int16_t i = 0; i <= kLastCoin; ++i)
            SetCoinPicture(i, cpNormal);
    MarkBlankCoinLevelII(forms::vbTrue);
    AnimateClockArrows(forms::vbTrue);
    PuzShuffling = forms::vbFalse;
    PuzCompleted = forms::vbFalse;
}
