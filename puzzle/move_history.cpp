// The history of boards: saving and restoring captions, recording the child's moves, and the
// steps back and forward of the puzzle menu.
#include "puzzle/move_history.h"

#include "puzzle/coin_board.h"
#include "puzzle/coin_moves.h"
#include "shell/user_set.h"

forms::Array<BoardCaptions, 0, 10> PuzHistory{};
forms::Array<forms::Flag, 0, 10> PuzHistLastSent{};
int16_t PuzHistPos = 1;
int16_t PuzHistCount = 1;

namespace {

constexpr int16_t kMaxBoards = 10;

// Where the level's set-up puts the hole, for a board on which no slide has been made yet.
CoinCell StartHole() {
    return Settings.UserLevel == 2 ? CoinCell{3, 5} : CoinCell{3, 6};
}

} // namespace

void SaveBoardToHistory() {
    for (int16_t i = 0; i <= kLastCoin; ++i) {
        const CoinCell c = IndexToCell(i);
        PuzHistory(0)(c.Row)(c.Col) = CoinCaption(i);
    }
    PuzHistLastSent(0) = PuzLastCoinSent;
}

void RestoreBoardFromHistory(int16_t entry) {
    for (int16_t i = 0; i <= kLastCoin; ++i) {
        const CoinCell c = IndexToCell(i);
        SetCoinCaption(i, PuzHistory(entry)(c.Row)(c.Col));
    }
    PuzLastCoinSent = PuzHistLastSent(entry);
}

void PushHistory() {
    SaveBoardToHistory();
    for (int e = kMaxBoards; e >= 1; --e) {
        PuzHistory(e) = PuzHistory(e - 1);
        PuzHistLastSent(e) = PuzHistLastSent(e - 1);
    }
}

void DropHistoryAhead(int16_t pos) {
    for (int e = pos; e <= kMaxBoards; ++e) {
        PuzHistory(e - pos + 1) = PuzHistory(e);
        PuzHistLastSent(e - pos + 1) = PuzHistLastSent(e);
    }
}

void RecordMove() {
    if (PuzHistPos < 2) {
        PushHistory();
        if (PuzHistCount != kMaxBoards) ++PuzHistCount;
    } else {
        // The boards stepped over are given up: the shown one becomes entry 1.
        DropHistoryAhead(PuzHistPos);
        PuzHistCount = static_cast<int16_t>(PuzHistCount - PuzHistPos + 2);
        PuzHistPos = 1;
        PushHistory();
    }
}

void ClearHistory() {
    for (int e = kMaxBoards; e >= 1; --e) {
        PuzHistory(e) = BoardCaptions{};
        PuzHistLastSent(e) = forms::vbFalse;
    }
}

void HistoryBack() {
    if (PuzHistCount <= 1 || PuzHistPos >= PuzHistCount) return;
    ++PuzHistPos;
    ShowHistoryStep();
}

void HistoryForward() {
    if (PuzHistCount <= 1 || PuzHistPos <= 1) return;
    --PuzHistPos;
    ShowHistoryStep();
}

void ShowHistoryStep() {
    PuzBlankIndex = FindBlankCoin();
    RestoreBoardFromHistory(PuzHistPos);
    SaveBoardToHistory();
    const int16_t empty = FindEmptyCoin();
    PuzBlankCell = CoinCaption(empty).empty() ? IndexToCell(empty) : StartHole();
    if (Settings.UserLevel == 0) {
        MarkNextCoin();
        ColourCoinsLevelII();
    } else {
        PlaceBlankCoin();
    }
}
