// A click on a coin at each level: the Level I swap home, the Level II and III slides toward the
// hole, and the marking of the next coin to click at Level I.
#include "puzzle/coin_moves.h"

#include "forms/label.h"
#include "forms/timer.h"
#include "puzzle/coin_board.h"
#include "puzzle/move_history.h"
#include "puzzle/puzzle_clock.h"
#include "shell/frm_main.h"
#include "shell/sounds.h"
#include "shell/user_set.h"
#include "tracing/trace_router.h"

namespace {

constexpr int16_t kLevelI = 0, kLevelIII = 2;
constexpr int16_t kFixedCoin = 27; // Level III: the coin that never moves

// The caption the cell held before the slide began (the board on screen is history entry 0).
const std::string& Before(int row, int col) {
    return PuzHistory(0)(row)(col);
}

void SetCell(int row, int col, const std::string& caption) {
    SetCoinCaption(CellToIndex({static_cast<int16_t>(row), static_cast<int16_t>(col)}), caption);
}

// Slides the coins between the hole and the clicked cell one place toward the hole; false when
// the cell is in neither the hole's row nor its column.
bool SlideTowardHole(const CoinCell& cell) {
    const CoinCell hole = PuzBlankCell;
    if (cell.Col == hole.Col) {
        if (cell.Row < hole.Row) {
            for (int k = 0; k <= hole.Row - cell.Row - 1; ++k)
                SetCell(hole.Row - k, cell.Col, Before(hole.Row - k - 1, cell.Col));
        } else {
            for (int k = 0; k <= cell.Row - hole.Row - 1; ++k)
                SetCell(hole.Row + k, cell.Col, Before(hole.Row + k + 1, cell.Col));
        }
        return true;
    }
    if (cell.Row == hole.Row) {
        if (cell.Col < hole.Col) {
            for (int k = 0; k <= hole.Col - cell.Col - 1; ++k)
                SetCell(cell.Row, hole.Col - k, Before(cell.Row, hole.Col - k - 1));
        } else {
            for (int k = 0; k <= cell.Col - hole.Col - 1; ++k)
                SetCell(cell.Row, hole.Col + k, Before(cell.Row, hole.Col + k + 1));
        }
        return true;
    }
    return false;
}

} // namespace

void CoinMouseMove(int16_t index, int16_t button, int16_t shift, float x, float y) {
    ProcessTraceEvent(teCoinHover, index, button, shift, x, y);
}

void CoinMouseUp(int16_t index, int16_t button, int16_t shift, float x, float y,
                 forms::Flag userClick) {
    // Only the child's own clicks can apply a picked colour; the shuffle's moves are no clicks.
    if (userClick && ProcessTraceEvent(teCoinColor, index, button, shift, x, y)) return;
    if (index < 0 || index > kLastCoin) return;
    // The first real click of a game starts the clock, whatever it then does.
    const bool counted = x > 0 && y > 0;
    if (counted && PuzTimer != nullptr && !PuzTimer->Enabled() && !PuzCompleted) {
        PuzStartTime = forms::Now();
        StartClock(200, pcCounting);
    }
    if (Settings.UserLevel == kLevelI) {
        PlaceCoinHome(index, button, shift, x, y, userClick);
        return;
    }
    if (Settings.UserLevel == kLevelIII && index == kFixedCoin) return;
    const CoinCell cell = IndexToCell(index);
    if (cell == PuzBlankCell) return;
    PuzBlankIndex = FindBlankCoin();
    // Entry 0 is the board on screen; taken afresh so that the slide reads exactly what shows.
    SaveBoardToHistory();
    if (SlideTowardHole(cell)) {
        SetCoinCaption(index, "");
        PuzBlankCell = cell;
        if (userClick) {
            PlaceBlankCoin();
            RecordMove();
        }
    }
    if (counted) CheckPuzzleCompleted();
}

void PlaceCoinHome(int16_t index, int16_t, int16_t, float x, float y, forms::Flag) {
    if (index != PuzPickedCoin) return;
    const std::string caption = CoinCaption(index);
    SpeakBasic(Settings.AlphabetType == 3 ? forms::Trim(caption) : forms::Left(caption, 1));
    const int16_t target = CoinHomeIndex(caption);
    if (target < 0 || target > kLastHomeCoin) return; // a coin with no home on the board
    SwapCoinCaptions(index, target);
    // No symbol is left home by chance: it waits in the last place instead.
    if (IsCoinHome(index)) SwapCoinCaptions(index, kLastHomeCoin);
    FrmMain->PuzLbl_Coin(target).SetForeColor(PuzColorCorrect);
    // The last symbol goes home only when it is the one left: the board is then complete.
    if (target == kLastHomeCoin) PuzLastCoinSent = forms::vbTrue;
    SaveBoardToHistory();
    RecordMove();
    MarkNextCoin();
    if (x > 0 && y > 0) CheckPuzzleCompleted();
}

void SwapCoinCaptions(int16_t a, int16_t b) {
    const std::string keep = CoinCaption(a);
    SetCoinCaption(a, CoinCaption(b));
    SetCoinCaption(b, keep);
}

void MarkNextCoin() {
    // k counts the symbols home from the start of the board; the next coin is the first after
    // them that carries symbol k, or the last coin.
    int16_t k = 0;
    int16_t i = 0;
    for (; i <= 24; ++i) {
        const int32_t wanted = ExpectedCoinCode(k);
        if (wanted < 0 || CoinSymbolCode(CoinCaption(i)) != wanted) continue;
        if (i != k) break;
        ++k;
    }
    if (PuzPickedCoin >= 0 && PuzPickedCoin <= kLastCoin) SetCoinPicture(PuzPickedCoin, cpNormal);
    SetCoinPicture(i, cpNext);
    PuzPickedCoin = i;
}
