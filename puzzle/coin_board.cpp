// The coin board: its records, captions and home places, the set-up of each level, the hole and
// the blank coin, the solved test and the caption colours; and the activity's entry.
#include "puzzle/coin_board.h"

#include "forms/image.h"
#include "forms/label.h"
#include "forms/timer.h"
#include "puzzle/coin_moves.h"
#include "puzzle/move_history.h"
#include "puzzle/puzzle_screen.h"
#include "puzzle/shuffle.h"
#include "shell/frm_main.h"
#include "shell/user_set.h"

CoinCell PuzBlankCell{};
int16_t PuzBlankIndex = 0;
int16_t PuzPickedCoin = 0;
int32_t PuzColorNormal = 0;
int32_t PuzColorCorrect = 0xFFFF;
forms::Flag PuzShuffling = forms::vbFalse;
forms::Flag PuzShuffleAbort = forms::vbFalse;
forms::Flag PuzCompleted = forms::vbFalse;
forms::Flag PuzLastCoinSent = forms::vbFalse;
forms::Timer* PuzTimer = nullptr;
int16_t PuzClockMode = pcIdle;
forms::DateTime PuzStartTime{};
forms::Flag PuzScreenBuilt = forms::vbFalse;
int16_t PuzMenuHot = 0;
forms::Flag PuzMenuHotOn = forms::vbFalse;
int32_t PuzGameSerial = 0;
forms::Flag PuzColorsSet = forms::vbFalse;

namespace {

constexpr int16_t kLevelI = 0, kLevelII = 1, kLevelIII = 2;

forms::Label& CoinLabel(int16_t i) {
    return FrmMain->PuzLbl_Coin(i);
}
forms::Image& CoinImage(int16_t i) {
    return FrmMain->PuzImg_Coin(i);
}

// Only the letters and numbers have homes.
bool HasHomes(int16_t type) {
    return type >= 0 && type <= 3;
}

} // namespace

void StartPuzzle() {
    InitPuzzleScreen();
    InitPuzzleState();
    int16_t moves = 50;
    forms::Flag instant = forms::vbTrue;
    NewPuzzleGame(moves, instant);
}

void InitPuzzleState() {
    // A paced shuffle still waiting for its tick belongs to the game this one replaces.
    ++PuzGameSerial;
    PuzHistPos = 1;
    PuzHistCount = 1;
    PuzBlankIndex = 0;
    PuzPickedCoin = 0;
    PuzShuffling = forms::vbFalse;
    PuzLastCoinSent = forms::vbFalse;
    if (!PuzColorsSet) {
        PuzColorNormal = 0;
        PuzColorCorrect = 0xFFFF;
        PuzColorsSet = forms::vbTrue;
    }
    if (Settings.UserLevel == kLevelII || Settings.UserLevel == kLevelIII) PlaceBlankCoin();
    SaveBoardToHistory();
    PushHistory();
    FrmMainForm& f = *FrmMain;
    f.AT_TimerTMR.SetEnabled(false);
    PuzTimer = &f.PuzTmr;
    PuzTimer->SetEnabled(false);
    PuzClockMode = pcIdle;
}

int16_t CellToIndex(const CoinCell& cell) {
    return static_cast<int16_t>(cell.Row * kCoinCols + cell.Col);
}

CoinCell IndexToCell(int16_t index) {
    return {static_cast<int16_t>(index / kCoinCols), static_cast<int16_t>(index % kCoinCols)};
}

const std::string& CoinCaption(int16_t index) {
    return CoinLabel(index).Caption();
}

void SetCoinCaption(int16_t index, const std::string& caption) {
    CoinLabel(index).SetCaption(caption);
}

void SetCoinPicture(int16_t index, int16_t picture) {
    const forms::ImageList& list = FrmMain->PuzImgLst_Menus;
    CoinImage(index).SetPicture(picture >= 1 && picture <= list.Count() ? list.Picture(picture)
                                                                        : nullptr);
}

void FillCoinCaptions() {
    const int16_t type = Settings.AlphabetType;
    for (int16_t i = 0; i <= kLastHomeCoin; ++i) {
        const char capital = static_cast<char>('A' + i);
        const char small = static_cast<char>('a' + i);
        switch (type) {
        case 0:
            SetCoinCaption(i, std::string(1, capital));
            break;
        case 1:
            SetCoinCaption(i, std::string(1, small));
            break;
        case 2:
            SetCoinCaption(i, std::string{capital, small});
            break;
        case 3:
            SetCoinCaption(i, forms::CStr(i + 1));
            break;
        default:
            break;
        }
    }
    if (type == 3) {
        SetCoinCaption(26, "27");
        SetCoinCaption(27, "28");
    }
}

void SetupBoardForLevel() {
    CoinLabel(26).SetVisible(false);
    CoinLabel(27).SetVisible(false);
    switch (Settings.UserLevel) {
    case kLevelI:
        for (int16_t i : {26, 27}) {
            SetCoinPicture(i, cpFixed);
            CoinImage(i).SetVisible(true);
        }
        break;
    case kLevelII:
        SetCoinCaption(26, " ");
        SetCoinPicture(26, cpBlank);
        CoinLabel(26).SetVisible(true);
        CoinImage(26).SetVisible(true);
        SetCoinCaption(27, "");
        PuzBlankCell = {3, 6};
        break;
    case kLevelIII:
        SetCoinCaption(26, " ");
        SetCoinCaption(27, " ");
        SetCoinPicture(27, cpFixed);
        CoinLabel(27).SetVisible(true);
        CoinImage(27).SetVisible(true);
        PuzBlankCell = {3, 5};
        break;
    default:
        break;
    }
    PuzBlankIndex = 26;
}

int32_t CoinSymbolCode(const std::string& caption) {
    if (Settings.AlphabetType == 3) {
        if (!forms::IsNumeric(caption)) return -1;
        const double value = forms::CDbl(caption);
        // A number beyond the board is no symbol of it (and cannot overflow the rounding).
        if (value < -1000 || value > 1000) return -1;
        return forms::CInt(value);
    }
    if (caption.empty()) return -1;
    return static_cast<unsigned char>(caption[0]);
}

int32_t ExpectedCoinCode(int16_t cell) {
    if (cell < 0 || cell > kLastHomeCoin) return -1;
    switch (Settings.AlphabetType) {
    case 0:
    case 2:
        return 65 + cell;
    case 1:
        return 97 + cell;
    case 3:
        return cell + 1;
    default:
        return -1;
    }
}

forms::Flag IsCoinHome(int16_t index) {
    const int32_t expected = ExpectedCoinCode(index);
    return forms::ToFlag(expected >= 0 && CoinSymbolCode(CoinCaption(index)) == expected);
}

int16_t CoinHomeIndex(const std::string& caption) {
    const int16_t type = Settings.AlphabetType;
    if (!HasHomes(type)) return 0;
    const int32_t code = CoinSymbolCode(caption);
    if (code < 0) return -1; // no symbol: no home (callers leave such a coin alone)
    switch (type) {
    case 0:
    case 2:
        return static_cast<int16_t>(code - 65);
    case 1:
        return static_cast<int16_t>(code - 97);
    default:
        return static_cast<int16_t>(code - 1);
    }
}

int16_t FindBlankCoin() {
    for (int16_t i = 0; i <= kLastCoin; ++i)
        if (CoinCaption(i) == " ") return i;
    return 0;
}

int16_t FindEmptyCoin() {
    for (int16_t i = 0; i <= kLastCoin; ++i)
        if (CoinCaption(i).empty()) return i;
    return 0;
}

forms::Flag IsCoinSentHome(int16_t index) {
    if (!IsCoinHome(index)) return forms::vbFalse;
    if (Settings.UserLevel == kLevelI && index == kLastHomeCoin) return PuzLastCoinSent;
    return forms::vbTrue;
}

forms::Flag IsPuzzleSolved() {
    for (int16_t i = 0; i <= kLastHomeCoin; ++i)
        if (!IsCoinSentHome(i)) return forms::vbFalse;
    return forms::vbTrue;
}

void ColourCoinsLevelII() {
    for (int16_t i = 0; i <= kLastHomeCoin; ++i)
        CoinLabel(i).SetForeColor(IsCoinSentHome(i) ? PuzColorCorrect : PuzColorNormal);
}

void PlaceBlankCoin() {
    for (int16_t i = 0; i <= kLastCoin; ++i) {
        if (!CoinImage(i).Visible()) {
            CoinImage(i).SetVisible(true);
            CoinLabel(i).SetVisible(true);
            break;
        }
    }
    const int16_t hole = CellToIndex(PuzBlankCell);
    CoinImage(hole).SetVisible(false);
    CoinLabel(hole).SetVisible(false);
    MarkBlankCoinLevelII(forms::vbFalse);
}

void MarkBlankCoinLevelII(forms::Flag full) {
    if (Settings.UserLevel != kLevelII) return;
    const int16_t blank = FindBlankCoin();
    if (full || blank != PuzBlankIndex) {
        SetCoinPicture(PuzBlankIndex, cpNormal);
        SetCoinPicture(blank, cpBlank);
    }
}
