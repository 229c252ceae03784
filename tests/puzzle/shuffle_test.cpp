// Shuffling a new game, instantly and paced, stopping a paced shuffle, and the history of the last
// ten boards.
#include "puzzle_fixture.h"
#include "tracing/colour_picker.h"

#include <algorithm>

namespace {

using ShuffleTest = PuzzleTest;

// Counts the draws and answers from a fixed cycle of fractions.
struct ScriptedRandom {
    std::vector<double> cycle;
    int draws = 0;
    void Install() {
        forms::SetRandomSource([this] { return cycle[draws++ % cycle.size()]; });
    }
};

Board Sorted(Board b) {
    std::sort(b.begin(), b.end());
    return b;
}

TEST_F(ShuffleTest, LevelIShuffleLeavesNoSymbolHomeButTheLast) {
    for (int16_t type : {0, 1, 2, 3}) {
        SCOPED_TRACE(type);
        Begin(0, type);
        Board homes;
        for (int i = 0; i < 26; ++i) {
            const std::string capital(1, char('A' + i)), small(1, char('a' + i));
            homes.push_back(type == 0   ? capital
                            : type == 1 ? small
                            : type == 2 ? capital + small
                                        : std::to_string(i + 1));
        }
        const Board b = Captions();
        // The symbols are all there, each once, and none of coins 0..24 is home.
        EXPECT_EQ(Sorted(Board(b.begin(), b.begin() + 26)), Sorted(homes));
        for (int16_t i = 0; i <= 24; ++i)
            EXPECT_NE(b[i], homes[i]) << i;
        for (int16_t i = 0; i <= 25; ++i)
            EXPECT_EQ(M().PuzLbl_Coin(i).ForeColor(), PuzColorNormal);
        EXPECT_EQ(M().PuzImg_Coin(PuzPickedCoin).Picture(), M().PuzImgLst_Menus.Picture(cpNext));
    }
}

TEST_F(ShuffleTest, SlidingShufflesLeaveABoardThatSlidesBackToSolved) {
    for (int16_t level : {1, 2}) {
        for (int round = 0; round < 3; ++round) {
            SCOPED_TRACE(level);
            Begin(level);
            const Board b = Captions();
            EXPECT_EQ(std::count(b.begin(), b.end(), ""), 1);
            EXPECT_EQ(std::count(b.begin(), b.end(), " "), 1);
            EXPECT_EQ(Inversions(b) % 2, 0);
            EXPECT_EQ(Sorted(b), Sorted(Solved(" ", "")));
            EXPECT_EQ(b[CellToIndex(PuzBlankCell)], "");
            if (level == 2) {
                EXPECT_EQ(b[27], " ") << "the fixed coin stays";
            }
        }
    }
}

TEST_F(ShuffleTest, AnInstantShuffleMakesMovesPlusOneSwaps) {
    Begin(0);
    ScriptedRandom rnd{{0.0, 0.5}}; // swaps coins 0 and 12, never the same coin twice
    rnd.Install();
    for (auto [moves, swaps] : {std::pair{50, 51}, std::pair{0, 1001}, std::pair{3, 4}}) {
        rnd.draws = 0;
        int16_t m = static_cast<int16_t>(moves);
        forms::Flag instant = forms::vbTrue;
        NewPuzzleGame(m, instant);
        EXPECT_EQ(rnd.draws, 2 * swaps) << moves;
        if (moves == 0) {
            EXPECT_EQ(m, 1000) << "the count is written back";
        }
    }
}

TEST_F(ShuffleTest, AnInstantSlidingShuffleAlternatesRowAndColumn) {
    // A source stuck at 0 draws column 0, then row 0, then column 0 again, which is where the hole
    // already is: the draw gives up after a while and takes the next column.
    struct Case {
        int16_t moves;
        CoinCell hole;
    };
    for (const Case& c : {Case{0, {3, 0}}, Case{1, {0, 0}}, Case{2, {0, 1}}}) {
        Begin(1);
        Board board = Solved(" ", "");
        Lay(board, {3, 6});
        forms::SetRandomSource([] { return 0.0; });
        int16_t moves = c.moves;
        forms::Flag instant = forms::vbTrue;
        NewPuzzleGame(moves, instant);
        forms::SetRandomSource(nullptr);
        EXPECT_EQ(PuzBlankCell, c.hole) << c.moves;
        EXPECT_EQ(FindEmptyCoin(), CellToIndex(c.hole));
        EXPECT_FALSE(M().PuzImg_Coin(CellToIndex(c.hole)).Visible());
    }
}

TEST_F(ShuffleTest, APacedShuffleWaitsATickAMoveAndCountsOnTheClock) {
    Begin(1);
    std::vector<std::string> seen;
    OnAnimationTick([&](int) {
        const std::string caption = M().PuzLbl_Clock.Caption();
        if (seen.empty() || seen.back() != caption) seen.push_back(caption);
        EXPECT_EQ(PuzShuffling, forms::vbTrue);
    });
    ClickButton(2);
    EXPECT_EQ(ticks_, 1001);
    ASSERT_EQ(seen.size(), 100u);
    EXPECT_EQ(seen[0], " 0");
    EXPECT_EQ(seen[1], " 10");
    EXPECT_EQ(seen[99], " 990");
    EXPECT_EQ(M().PuzLbl_Clock.Caption(), "00:00");
    EXPECT_EQ(PuzShuffling, forms::vbFalse);
    EXPECT_EQ(PuzHistCount, 1);
    EXPECT_FALSE(M().AT_TimerTMR.Enabled());
    EXPECT_EQ(Inversions(Captions()) % 2, 0);
}

TEST_F(ShuffleTest, ASecondNewGamePressStopsAPacedShuffle) {
    for (int16_t level : {0, 1}) {
        SCOPED_TRACE(level);
        Begin(level);
        OnAnimationTick([&](int tick) {
            if (tick == 25) PostClickOn(M().PuzImg_Menu(2));
        });
        ClickButton(2);
        EXPECT_EQ(ticks_, 25) << "the shuffle stopped, and no new one began";
        EXPECT_EQ(M().PuzLbl_Clock.Caption(), "00:00");
        for (int p = 0; p <= 4; ++p)
            EXPECT_EQ(M().PuzImg_Arrow(p).Picture(), M().PuzImg_Arrow(5).Picture()) << p;
        EXPECT_EQ(PuzShuffling, forms::vbFalse);
        EXPECT_EQ(PuzCompleted, forms::vbFalse);
        EXPECT_EQ(PuzHistCount, 1);
        EXPECT_FALSE(M().AT_TimerTMR.Enabled());
        if (level == 0) {
            for (int16_t i = 0; i <= 24; ++i)
                EXPECT_FALSE(IsCoinHome(i)) << "the fix-ups ran: " << i;
        } else {
            EXPECT_EQ(Inversions(Captions()) % 2, 0);
        }
    }
}

TEST_F(ShuffleTest, APacedShuffleGivesUpWhenItsGameIsReplacedOrClosed) {
    // A change of level restarts the puzzle while the shuffle waits: the new game is left alone.
    Begin(1);
    Board restarted;
    OnAnimationTick([&](int tick) {
        if (tick != 10) return;
        Settings.UserLevel = 0;
        ChangeAppState(paShowActivity);
        restarted = Captions();
    });
    ClickButton(2);
    EXPECT_EQ(ticks_, 10);
    EXPECT_EQ(Captions(), restarted);
    for (int16_t i = 0; i <= 24; ++i)
        EXPECT_FALSE(IsCoinHome(i)) << i;
    EXPECT_EQ(PuzShuffling, forms::vbFalse);

    // Leaving the puzzle while the shuffle waits.
    Begin(1);
    Board left;
    OnAnimationTick([&](int tick) {
        if (tick != 10) return;
        const int16_t tracing = lsTracing;
        SelectLesson(tracing);
        left = Captions();
    });
    ClickButton(2);
    EXPECT_EQ(Captions(), left);
    EXPECT_EQ(PuzShuffling, forms::vbFalse);
    EXPECT_FALSE(M().Pict_HolderLesson(1).Visible());
    EXPECT_TRUE(M().Pict_HolderLesson(0).Visible());
}

TEST_F(ShuffleTest, ARandomSourceStuckOnOneValueCannotHoldTheShuffle) {
    Begin(0);
    forms::SetRandomSource([] { return 0.3; });
    int16_t moves = 5;
    forms::Flag instant = forms::vbTrue;
    NewPuzzleGame(moves, instant);
    EXPECT_EQ(PuzShuffling, forms::vbFalse);
    for (int16_t i = 0; i <= 24; ++i)
        EXPECT_FALSE(IsCoinHome(i)) << i;
    // Fractions outside [0, 1) from a replaced source still give indices on the board.
    forms::SetRandomSource([] { return 7.5; });
    EXPECT_EQ(RandomIndex(25), 25);
    forms::SetRandomSource([] { return -2.0; });
    EXPECT_EQ(RandomIndex(25), 0);
}

// --- History.

class HistoryTest : public PuzzleTest {
  protected:
    // A staircase of slides from the hole at (3, 6): every board differs from the others.
    const std::vector<CoinCell> steps = {{3, 5}, {2, 5}, {2, 4}, {1, 4}, {1, 3}, {0, 3},
                                         {0, 2}, {1, 2}, {1, 1}, {2, 1}, {2, 0}};
    std::vector<Board> boards; // boards[0] the start, boards[k] after move k

    void Play(size_t n) {
        Begin(1);
        // Two letters changed over, so that no slide solves the board.
        Board start = Solved(" ", "");
        std::swap(start[0], start[1]);
        Lay(start, {3, 6});
        boards = {Captions()};
        for (size_t k = 0; k < n; ++k) {
            ClickCoin(CellToIndex(steps[k]));
            boards.push_back(Captions());
        }
    }
};

TEST_F(HistoryTest, BackAndForwardDoNothingRightAfterAShuffle) {
    Begin(1);
    const Board shuffled = Captions();
    ClickButton(0);
    ClickButton(1);
    EXPECT_EQ(Captions(), shuffled);
    EXPECT_EQ(PuzHistPos, 1);
}

TEST_F(HistoryTest, TheLastTenBoardsAreKept) {
    Play(11);
    EXPECT_EQ(PuzHistCount, 10);
    for (int back = 1; back <= 9; ++back) {
        ClickButton(0);
        EXPECT_EQ(Captions(), boards[11 - back]) << back;
    }
    EXPECT_EQ(PuzHistPos, 10);
    ClickButton(0); // the oldest board kept: a tenth step back does nothing
    EXPECT_EQ(Captions(), boards[2]);
    EXPECT_EQ(PuzHistPos, 10);
    for (int fwd = 1; fwd <= 9; ++fwd)
        ClickButton(1);
    EXPECT_EQ(Captions(), boards[11]);
    ClickButton(1);
    EXPECT_EQ(Captions(), boards[11]);
    EXPECT_EQ(PuzHistPos, 1);
}

TEST_F(HistoryTest, AMoveAfterStepsBackDropsTheBoardsSteppedOver) {
    Play(4); // five boards
    ClickButton(0);
    ClickButton(0);
    EXPECT_EQ(PuzHistPos, 3);
    EXPECT_EQ(Captions(), boards[2]);
    // The hole came back with the board: a click next to it slides.
    EXPECT_EQ(PuzBlankCell, steps[1]);
    EXPECT_FALSE(M().PuzImg_Coin(CellToIndex(steps[1])).Visible());
    ClickCoin(CellToIndex({2, 6}));
    EXPECT_EQ(PuzHistCount, 4);
    EXPECT_EQ(PuzHistPos, 1);
    const Board now = Captions();
    ClickButton(1);
    EXPECT_EQ(Captions(), now) << "nothing lies ahead any more";
    ClickButton(0);
    EXPECT_EQ(Captions(), boards[2]);
}

TEST_F(HistoryTest, AStepAtLevelIMarksTheNextCoinAndColoursTheHomes) {
    Begin(0);
    const int16_t first = PuzPickedCoin;
    const Board start = Captions();
    ClickCoin(first);
    ClickCoin(PuzPickedCoin);
    ClickButton(0);
    ClickButton(0);
    EXPECT_EQ(Captions(), start);
    EXPECT_EQ(PuzPickedCoin, first);
    EXPECT_EQ(M().PuzImg_Coin(first).Picture(), M().PuzImgLst_Menus.Picture(cpNext));
    for (int16_t i = 0; i <= 24; ++i)
        EXPECT_EQ(M().PuzLbl_Coin(i).ForeColor(), PuzColorNormal) << i;
    ClickButton(1);
    EXPECT_EQ(M().PuzLbl_Coin(0).ForeColor(), PuzColorCorrect) << "A is home again";
}

} // namespace

namespace {

// A picked colour waits for the child's click on a coin: the shuffle's own moves are no clicks.
TEST_F(ShuffleTest, TheShufflesMovesLeaveAWaitingColourAlone) {
    Begin(1);
    Lay(Solved(" ", ""), {3, 6});
    ColorPending = forms::vbTrue;
    PickedColor = 5;
    forms::SetRandomSource([] { return 0.0; });
    int16_t moves = 0;
    forms::Flag instant = forms::vbTrue;
    NewPuzzleGame(moves, instant);
    EXPECT_EQ(PuzBlankCell, (CoinCell{3, 0})) << "the slide was made";
    EXPECT_EQ(ColorPending, forms::vbTrue) << "and the colour still waits";
    EXPECT_EQ(PuzColorNormal, 0);
    // The child's click takes it.
    ClickCoin(0);
    EXPECT_EQ(ColorPending, forms::vbFalse);
    EXPECT_EQ(PuzBlankCell, (CoinCell{3, 0})) << "a click that applies a colour moves nothing";
}

} // namespace

namespace {

// Back and forward stay live during a paced shuffle and act on the game being replaced; the
// shuffle goes on from the board they restore and ends with a consistent board.
TEST_F(HistoryTest, StepsBackDuringAPacedShuffleLeaveAConsistentBoard) {
    Play(3);
    OnAnimationTick([&](int tick) {
        if (tick == 15) PostClickOn(M().PuzImg_Menu(0));
        if (tick == 40) PostClickOn(M().PuzImg_Menu(0));
    });
    ClickButton(2);
    EXPECT_GT(ticks_, 1000) << "the shuffle ran to its end";
    EXPECT_EQ(PuzHistCount, 1);
    const Board b = Captions();
    EXPECT_EQ(Inversions(b) % 2, Inversions(boards[0]) % 2) << "slides only";
    int hidden = 0, blankPictures = 0;
    for (int16_t i = 0; i <= 27; ++i) {
        hidden += !M().PuzImg_Coin(i).Visible();
        blankPictures += M().PuzImg_Coin(i).Picture() == M().PuzImgLst_Menus.Picture(cpBlank);
    }
    EXPECT_EQ(hidden, 1);
    EXPECT_FALSE(M().PuzImg_Coin(CellToIndex(PuzBlankCell)).Visible());
    EXPECT_EQ(b[CellToIndex(PuzBlankCell)], "");
    EXPECT_EQ(blankPictures, 1);
    EXPECT_EQ(M().PuzImg_Coin(FindBlankCoin()).Picture(), M().PuzImgLst_Menus.Picture(cpBlank));
}

} // namespace

namespace {

// Level I: what the board shows must follow from the board itself, whatever steps back and
// forward came between: one coin marked, and each caption in the colour of its place.
class LevelIHistoryTest : public PuzzleTest {
  protected:
    // Lays a Level I board as a new game holds it: nothing sent home yet.
    void LayLevelI(const Board& b) {
        for (int16_t i = 0; i <= 25; ++i) {
            M().PuzLbl_Coin(i).SetCaption(b[i]);
            M().PuzLbl_Coin(i).SetForeColor(PuzColorNormal);
            SetCoinPicture(i, cpNormal);
        }
        PuzLastCoinSent = forms::vbFalse;
        MarkNextCoin();
        ColourCoinsLevelII();
        ClearHistory();
        PushHistory();
        PuzHistPos = PuzHistCount = 1;
        PuzCompleted = forms::vbFalse;
    }

    void ExpectConsistentBoard() {
        int marked = 0;
        for (int16_t i = 0; i <= 25; ++i) {
            marked += M().PuzImg_Coin(i).Picture() == M().PuzImgLst_Menus.Picture(cpNext);
            const bool sent = IsCoinHome(i) && (i < 25 || PuzLastCoinSent);
            EXPECT_EQ(M().PuzLbl_Coin(i).ForeColor(), sent ? PuzColorCorrect : PuzColorNormal)
                << "coin " << i;
        }
        EXPECT_EQ(marked, 1);
        EXPECT_EQ(M().PuzImg_Coin(PuzPickedCoin).Picture(), M().PuzImgLst_Menus.Picture(cpNext));
    }

    bool DialogShown() { return FrmCompletion.IsLoaded() && FrmCompletion->Visible(); }
};

// Z lies home by chance while X and Y are still to go: a step back must not count it as sent.
TEST_F(LevelIHistoryTest, AStepBackAndTheSameMoveAgainDoNotCompleteEarly) {
    Begin(0);
    Board board = Solved("", "");
    board[23] = "Y";
    board[24] = "X";
    LayLevelI(board);
    ASSERT_EQ(PuzPickedCoin, 24);
    ClickCoin(24); // X home; Y, home by chance, gives its place to Z
    ClickButton(0);
    ExpectConsistentBoard();
    ClickCoin(24);            // the same move again
    ClickCoin(PuzPickedCoin); // Y home: Z back in the last place, not yet clicked
    EXPECT_EQ(IsPuzzleSolved(), forms::vbFalse);
    EXPECT_FALSE(DialogShown()) << "one click early";
    ASSERT_EQ(PuzPickedCoin, 25);
    ClickCoin(25);
    EXPECT_EQ(IsPuzzleSolved(), forms::vbTrue);
    EXPECT_TRUE(DialogShown());
    // A step back takes the last click back with the board, and forward gives it again.
    FrmCompletion->Hide();
    ClickButton(0);
    EXPECT_EQ(IsPuzzleSolved(), forms::vbFalse);
    ExpectConsistentBoard();
    ClickButton(1);
    EXPECT_EQ(IsPuzzleSolved(), forms::vbTrue);
    ExpectConsistentBoard();
}

TEST_F(LevelIHistoryTest, StepsDuringAndAfterAPacedShuffleLeaveOneCoinMarked) {
    Begin(0);
    ClickCoin(PuzPickedCoin);
    ClickCoin(PuzPickedCoin);
    OnAnimationTick([&](int tick) {
        if (tick == 15) PostClickOn(M().PuzImg_Menu(0));
        if (tick == 40) PostClickOn(M().PuzImg_Menu(1));
        if (tick == 60) PostClickOn(M().PuzImg_Menu(0));
    });
    ClickButton(2);
    EXPECT_GT(ticks_, 1000) << "the shuffle ran to its end";
    EXPECT_EQ(PuzShuffling, forms::vbFalse);
    ExpectConsistentBoard();
    // And the new game plays on with its own history.
    ClickCoin(PuzPickedCoin);
    ClickButton(0);
    ExpectConsistentBoard();
    ClickButton(1);
    ExpectConsistentBoard();
}

} // namespace
