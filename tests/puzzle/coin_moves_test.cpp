// Clicks on the coins: the Level I swaps home in order, the Level II and III slides toward the
// hole, the clicks that move nothing, and the set-up of each level.
#include "puzzle_fixture.h"

#include <algorithm>

namespace {

using CoinMovesTest = PuzzleTest;

// The speech channel's file, which the click just played.
std::string Speech() {
    return FrmMain->AT_MM_Alphabet(1).FileName();
}

TEST_F(CoinMovesTest, LevelIClicksSendEachSymbolHomeInOrderUntilSolved) {
    struct Case {
        int16_t type;
        std::string first, last; // what the first and the last click speak
    };
    for (const Case& c :
         {Case{0, "A", "Z"}, Case{1, "a", "z"}, Case{2, "A", "Z"}, Case{3, "1", "26"}}) {
        SCOPED_TRACE(c.type);
        Begin(0, c.type);
        std::vector<std::string> said;
        for (int k = 0; k < 26; ++k) {
            ASSERT_FALSE(FrmCompletion.IsLoaded() && FrmCompletion->Visible()) << k;
            const int16_t picked = PuzPickedCoin;
            EXPECT_EQ(M().PuzImg_Coin(picked).Picture(), M().PuzImgLst_Menus.Picture(cpNext));
            ClickCoin(picked);
            said.push_back(Speech());
            // Symbol k went home and shows in the home colour; the ones before stay home.
            for (int16_t i = 0; i <= k; ++i)
                ASSERT_TRUE(IsCoinHome(i)) << "after click " << k << ", coin " << i;
            EXPECT_EQ(M().PuzLbl_Coin(k).ForeColor(), PuzColorCorrect);
        }
        EXPECT_EQ(said.front(), BasicSpeechFile(c.first));
        EXPECT_EQ(said.back(), BasicSpeechFile(c.last));
        EXPECT_EQ(IsPuzzleSolved(), forms::vbTrue);
        ASSERT_TRUE(FrmCompletion.IsLoaded());
        EXPECT_TRUE(FrmCompletion->Visible());
        FrmCompletion->Hide();
    }
}

TEST_F(CoinMovesTest, LevelIClickOnAnyOtherCoinDoesNothing) {
    Begin(0);
    const Board before = Captions();
    const int16_t other = PuzPickedCoin == 3 ? 4 : 3;
    M().AT_MM_Alphabet(1).SetFileName("");
    ClickCoin(other);
    EXPECT_EQ(Captions(), before);
    EXPECT_EQ(PuzHistCount, 1);
    EXPECT_EQ(Speech(), "") << "nothing is said";
    EXPECT_TRUE(M().PuzTmr.Enabled()) << "a counted click starts the clock all the same";
}

TEST_F(CoinMovesTest, LevelISpeaksTheCapitalOfAMixedPairAndAWholeNumber) {
    struct Case {
        int16_t type;
        std::string caption, spoken;
    };
    for (const Case& c : {Case{2, "Qq", "Q"}, Case{3, "17", "17"}}) {
        Begin(0, c.type);
        // Put the caption on the marked coin, away from its home.
        const int16_t home = CoinHomeIndex(c.caption);
        const int16_t picked = PuzPickedCoin == home ? 0 : PuzPickedCoin;
        for (int16_t i = 0; i <= 25; ++i)
            if (M().PuzLbl_Coin(i).Caption() == c.caption) SwapCoinCaptions(i, picked);
        PuzPickedCoin = picked;
        ClickCoin(picked);
        EXPECT_EQ(Speech(), BasicSpeechFile(c.spoken));
        EXPECT_EQ(M().PuzLbl_Coin(home).Caption(), c.caption);
    }
}

TEST_F(CoinMovesTest, LevelIWithNumbersKeepsTheLastTwoUnderHiddenLabels) {
    Begin(0, 3);
    for (int16_t i : {26, 27}) {
        EXPECT_EQ(M().PuzLbl_Coin(i).Caption(), std::to_string(i + 1));
        EXPECT_FALSE(M().PuzLbl_Coin(i).Visible());
        EXPECT_TRUE(M().PuzImg_Coin(i).Visible());
        EXPECT_EQ(M().PuzImg_Coin(i).Picture(), M().PuzImgLst_Menus.Picture(cpFixed));
    }
}

// A slide reads the board as it was before it: every coin between moves one place.
TEST_F(CoinMovesTest, SlidesMoveTheCoinsBetweenOnePlaceTowardTheHole) {
    struct Case {
        const char* what;
        CoinCell hole;
        CoinCell click;
        std::vector<std::pair<int, int>> moved; // (cell, the cell whose caption it takes)
    };
    const std::vector<Case> cases = {
        {"row, clicked left",
         {3, 6},
         {3, 0},
         {{27, 26}, {26, 25}, {25, 24}, {24, 23}, {23, 22}, {22, 21}}},
        {"row, clicked right", {1, 2}, {1, 5}, {{9, 10}, {10, 11}, {11, 12}}},
        {"column, clicked above", {3, 6}, {0, 6}, {{27, 20}, {20, 13}, {13, 6}}},
        {"column, clicked below", {0, 3}, {2, 3}, {{3, 10}, {10, 17}}},
    };
    Begin(1);
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        Board board = Solved(" ", "x");
        const int16_t hole = CellToIndex(c.hole);
        board[hole] = "";
        Lay(board, c.hole);
        const int16_t clicked = CellToIndex(c.click);
        ClickCoin(clicked);
        Board expected = board;
        for (const auto& [cell, from] : c.moved)
            expected[cell] = board[from];
        expected[clicked] = "";
        EXPECT_EQ(Captions(), expected);
        EXPECT_EQ(PuzBlankCell, c.click);
        EXPECT_FALSE(M().PuzImg_Coin(clicked).Visible()) << "the new hole is hidden";
        EXPECT_TRUE(M().PuzImg_Coin(hole).Visible()) << "the old one shows again";
        EXPECT_TRUE(M().PuzLbl_Coin(hole).Visible());
        EXPECT_EQ(PuzHistCount, 2) << "the move is recorded";
    }
}

TEST_F(CoinMovesTest, TheBlankCoinCarriesItsPictureAlongAtLevelII) {
    Begin(1);
    Board board = Solved(" ", "");
    Lay(board, {3, 6});
    EXPECT_EQ(M().PuzImg_Coin(26).Picture(), M().PuzImgLst_Menus.Picture(cpBlank));
    ClickCoin(21); // (3, 0): coins 21..26 move right, the blank coin to 27
    EXPECT_EQ(M().PuzLbl_Coin(27).Caption(), " ");
    EXPECT_EQ(M().PuzImg_Coin(27).Picture(), M().PuzImgLst_Menus.Picture(cpBlank));
    EXPECT_EQ(M().PuzImg_Coin(26).Picture(), M().PuzImgLst_Menus.Picture(cpNormal));
    EXPECT_EQ(FindEmptyCoin(), 21);
}

TEST_F(CoinMovesTest, ClicksOutOfLineOnTheHoleOrOnTheFixedCoinMoveNothing) {
    struct Case {
        const char* what;
        int16_t level;
        int16_t click;
        bool clockStarts;
    };
    for (const Case& c : {Case{"out of line", 1, 0, true}, Case{"the hole", 1, 27, true},
                          Case{"the fixed coin", 2, 27, true}}) {
        SCOPED_TRACE(c.what);
        Begin(c.level);
        // Not solved, so that the counted click leaves the clock running.
        Board board = Solved(c.level == 2 ? "" : " ", c.level == 2 ? " " : "");
        std::swap(board[1], board[2]);
        Lay(board, c.level == 2 ? CoinCell{3, 5} : CoinCell{3, 6});
        // The hole takes no mouse (its label is hidden): its handler is called directly. The
        // clock starts before the click is looked at.
        if (c.click == CellToIndex(PuzBlankCell))
            CoinMouseUp(c.click, 1, 0, 5, 5, forms::vbTrue);
        else
            ClickCoin(c.click);
        EXPECT_EQ(Captions(), board);
        EXPECT_EQ(PuzHistCount, 1);
        EXPECT_EQ(M().PuzTmr.Enabled(), c.clockStarts);
        M().PuzTmr.SetEnabled(false);
    }
}

TEST_F(CoinMovesTest, AClickOnTheLabelsEdgeMovesButNeitherStartsTheClockNorCompletes) {
    Begin(1);
    Board board = Solved("Z", " ");
    board[25] = "";
    Lay(board, {3, 4}); // one slide from solved: Z moves left into the hole
    CoinMouseUp(26, 1, 0, 0, 12, forms::vbTrue);
    EXPECT_EQ(M().PuzLbl_Coin(25).Caption(), "Z");
    EXPECT_EQ(IsPuzzleSolved(), forms::vbTrue);
    EXPECT_FALSE(M().PuzTmr.Enabled());
    EXPECT_FALSE(FrmCompletion.IsLoaded() && FrmCompletion->Visible());
}

TEST_F(CoinMovesTest, EachLevelSetsUpItsLastTwoCoins) {
    FrmMainForm& m = M();
    const forms::ImageList& pictures = m.PuzImgLst_Menus;
    Begin(0);
    for (int16_t i : {26, 27}) {
        EXPECT_EQ(m.PuzImg_Coin(i).Picture(), pictures.Picture(cpFixed));
        EXPECT_FALSE(m.PuzLbl_Coin(i).Visible());
    }
    Begin(1);
    const int16_t blank = FindBlankCoin();
    EXPECT_EQ(m.PuzLbl_Coin(blank).Caption(), " ");
    EXPECT_EQ(m.PuzImg_Coin(blank).Picture(), pictures.Picture(cpBlank));
    Begin(2);
    EXPECT_EQ(m.PuzLbl_Coin(27).Caption(), " ");
    EXPECT_EQ(m.PuzImg_Coin(27).Picture(), pictures.Picture(cpFixed));
    EXPECT_TRUE(m.PuzLbl_Coin(27).Visible());
    // At Levels II and III exactly one coin is hidden: the hole, with the empty caption.
    for (int16_t level : {1, 2}) {
        Begin(level);
        int hidden = 0;
        for (int16_t i = 0; i <= 27; ++i)
            hidden += !m.PuzImg_Coin(i).Visible();
        EXPECT_EQ(hidden, 1) << level;
        EXPECT_FALSE(m.PuzImg_Coin(CellToIndex(PuzBlankCell)).Visible()) << level;
        EXPECT_EQ(m.PuzLbl_Coin(CellToIndex(PuzBlankCell)).Caption(), "") << level;
    }
}

TEST_F(CoinMovesTest, HomeIndexAndSymbolsWithoutAHome) {
    struct Case {
        int16_t type;
        std::string caption;
        int16_t home;
    };
    for (const Case& c :
         {Case{0, "C", 2}, Case{1, "c", 2}, Case{2, "Cc", 2}, Case{3, "3", 2}, Case{3, "28", 27},
          Case{0, " ", -33}, Case{3, " ", -1}, Case{3, "", -1}, Case{7, "C", 0}}) {
        Settings.AlphabetType = c.type;
        EXPECT_EQ(CoinHomeIndex(c.caption), c.home) << c.type << " '" << c.caption << "'";
    }
}

} // namespace
