#pragma once
// The coin board: 28 coins in 4 rows of 7 columns on the puzzle screen, each a picture with a
// caption over it. Controls never move; a move changes captions, so "a coin" is the caption that a
// cell holds. This header also holds the records of the whole puzzle (its module state).
#include "forms/errors.h"
#include "forms/lang.h"

#include <cstdint>
#include <string>

namespace forms {
class Timer;
}

// A cell of the board: row 0..3 from the top, column 0..6 from the left.
struct CoinCell {
    int16_t Row = 0;
    int16_t Col = 0;
    bool operator==(const CoinCell&) const = default;
};

constexpr int kCoinRows = 4;
constexpr int kCoinCols = 7;
constexpr int kLastCoin = 27;     // coins 0..27
constexpr int kLastHomeCoin = 25; // only coins 0..25 have a home symbol

// Pictures of PuzImgLst_Menus.
enum CoinPictureCode : int16_t {
    cpNormal = 1, // an ordinary coin
    cpNext = 2,   // Level I: the coin to click next
    cpFixed = 3,  // a coin that cannot be clicked
    cpBlank = 4   // Level II: the blank coin
};

// Clock modes.
constexpr int16_t pcCounting = 101;
constexpr int16_t pcIdle = -9997;

// --- Records of the puzzle.
extern CoinCell PuzBlankCell;        // the hole at Levels II and III
extern int16_t PuzBlankIndex;        // the blank coin (caption " ") before the last move
extern int16_t PuzPickedCoin;        // Level I: the coin to click next
extern int32_t PuzColorNormal;       // caption colour of a coin away from home
extern int32_t PuzColorCorrect;      // caption colour of a coin at home
extern forms::Flag PuzShuffling;     // a shuffle runs; coins take no mouse meanwhile
extern forms::Flag PuzShuffleAbort;  // a running paced shuffle is to stop
extern forms::Flag PuzCompleted;     // the current game was completed
extern forms::Timer* PuzTimer;       // the main window's PuzTmr, the puzzle clock
extern int16_t PuzClockMode;         // pcCounting or pcIdle
extern forms::DateTime PuzStartTime; // the first counted click of the game
extern forms::Flag PuzScreenBuilt;   // the one-time parts of the screen are laid out
extern int16_t PuzMenuHot;           // highlighted puzzle menu button
extern forms::Flag PuzMenuHotOn;     // whether one is highlighted
// Counts the games begun (and the screen's closes), so that a paced shuffle whose game was
// replaced while it waited gives up instead of shuffling the new board.
extern int32_t PuzGameSerial;
// The two caption colours take their defaults once a run, the first time the puzzle starts.
extern forms::Flag PuzColorsSet;
// Level I: the last symbol was clicked home. It may lie home by chance before: only the click
// sends it, so the board's captions alone cannot tell.
extern forms::Flag PuzLastCoinSent;

// --- Entry of the activity.
void StartPuzzle();
void InitPuzzleState();

// --- The board model.
int16_t CellToIndex(const CoinCell& cell);
CoinCell IndexToCell(int16_t index);
void FillCoinCaptions();
void SetupBoardForLevel();
// The symbol code of a caption: its first character's code, for numbers its value; -1 when it
// has none (an empty caption, or for numbers a caption that is no number).
int32_t CoinSymbolCode(const std::string& caption);
// The code cell i (0..25) expects, or -1 for any other cell or alphabet type.
int32_t ExpectedCoinCode(int16_t cell);
forms::Flag IsCoinHome(int16_t index);
// Home and, at Level I, sent there by the child: the last coin counts only once it was clicked.
forms::Flag IsCoinSentHome(int16_t index);
// The cell where a caption belongs; 0 for an alphabet type without homes. A caption that is no
// symbol of the board gives a cell off the board (-1 when it has no code): callers check.
int16_t CoinHomeIndex(const std::string& caption);
int16_t FindBlankCoin();
int16_t FindEmptyCoin();
forms::Flag IsPuzzleSolved();
void ColourCoinsLevelII();
void PlaceBlankCoin();
void MarkBlankCoinLevelII(forms::Flag full);
// Gives coin i picture n of PuzImgLst_Menus (none when the list lacks it).
void SetCoinPicture(int16_t index, int16_t picture);
// The caption of coin i, and setting it.
const std::string& CoinCaption(int16_t index);
void SetCoinCaption(int16_t index, const std::string& caption);
