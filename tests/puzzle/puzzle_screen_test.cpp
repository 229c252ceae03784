// The puzzle screen's layout, its menu buttons, the clock and the completion of a game.
#include "puzzle_fixture.h"

#include "forms/screen.h"

namespace {

using PuzzleScreenTest = PuzzleTest;

void ExpectGeometry(const forms::Control& c, double left, double top, double width, double height) {
    EXPECT_DOUBLE_EQ(c.Left(), left);
    EXPECT_DOUBLE_EQ(c.Top(), top);
    EXPECT_DOUBLE_EQ(c.Width(), width);
    EXPECT_DOUBLE_EQ(c.Height(), height);
}

TEST_F(PuzzleScreenTest, PanelBoardButtonsAndClockAreLaidOut) {
    Begin(0);
    FrmMainForm& m = M();
    ExpectGeometry(m.Pict_HolderLesson(1), 49, 48, 518, 358);
    EXPECT_EQ(m.Pict_HolderLesson(1).BackColor(), forms::RGB(255, 202, 202));
    EXPECT_TRUE(m.Pict_HolderLesson(1).Visible());
    ExpectGeometry(m.PuzPict_HolderCoins, 24, 60, 470, 296);
    ExpectGeometry(m.PuzImg_Coin(0), 32, 32, 58, 58);
    ExpectGeometry(m.PuzImg_Coin(27), 6 * 58 + 32, 3 * 58 + 32, 58, 58);
    ExpectGeometry(m.PuzPict_HolderMenu, 312, 0, 156, 56);
    for (int i = 0; i <= 2; ++i) {
        ExpectGeometry(m.PuzImg_Menu(i), i * 42 + 15, 5, 42, 46);
        EXPECT_EQ(m.PuzImg_Menu(i).Picture(), m.PuzImgLst_Menu.Picture(i + 1));
    }
    ExpectGeometry(m.PuzPict_Clock, 50, 7, 200, 33);
    EXPECT_TRUE(m.PuzPict_Clock.Visible());
    ExpectGeometry(m.PuzLbl_Clock, 0, 0, 100, 33);
    EXPECT_EQ(m.PuzLbl_Clock.Caption(), "00:00");
    for (int p = 0; p <= 4; ++p) {
        EXPECT_DOUBLE_EQ(m.PuzImg_Arrow(p).Left(), 102 + 19 * p) << p;
        EXPECT_DOUBLE_EQ(m.PuzImg_Arrow(p).Top(), 3) << p;
    }
    // The captions lie over their coins, moved by the type's offset.
    EXPECT_DOUBLE_EQ(m.PuzLbl_Coin(8).Left(), m.PuzImg_Coin(8).Left());
    EXPECT_DOUBLE_EQ(m.PuzLbl_Coin(8).Top(), m.PuzImg_Coin(8).Top() + 3);
    EXPECT_EQ(m.PuzLbl_Coin(8).FontName(), FontName(0));
}

TEST_F(PuzzleScreenTest, FontSizesFollowTheTwipsPerPixel) {
    struct Case {
        double twips;
        int16_t type;
        double coin, clock;
    };
    for (const Case& c :
         {Case{15, 0, 28, 22.5}, Case{15, 2, 25, 22.5}, Case{12, 0, 22, 18}, Case{12, 2, 19, 18}}) {
        forms::Screen::SetTwipsPerPixel(c.twips, c.twips);
        Begin(0, c.type);
        EXPECT_DOUBLE_EQ(M().PuzLbl_Coin(0).FontSize(), c.coin) << c.twips << " " << c.type;
        EXPECT_DOUBLE_EQ(M().PuzLbl_Clock.FontSize(), c.clock) << c.twips;
        HidePuzzle(); // the next start lays the clock out again
    }
    forms::Screen::SetTwipsPerPixel(15, 15);
}

TEST_F(PuzzleScreenTest, HidingTakesTheScreenDownAndTheNextStartBuildsItAgain) {
    Begin(0);
    HidePuzzle();
    EXPECT_FALSE(M().Pict_HolderLesson(1).Visible());
    EXPECT_FALSE(M().PuzPict_Clock.Visible());
    EXPECT_EQ(PuzScreenBuilt, forms::vbFalse);
    M().SetPicture(nullptr);
    StartPuzzle();
    EXPECT_NE(M().Picture(), nullptr) << "the skin is loaded again";
    EXPECT_TRUE(M().PuzPict_Clock.Visible());
}

TEST_F(PuzzleScreenTest, MenuButtonsShowHoverPressAndLeave) {
    Begin(0);
    FrmMainForm& m = M();
    const forms::ImageList& looks = m.PuzImgLst_Menu;
    h.MoveOn(m.PuzImg_Menu(0), 5, 5);
    EXPECT_EQ(m.PuzImg_Menu(0).Picture(), looks.Picture(4));
    EXPECT_EQ(m.AT_MM_Alphabet(0).FileName(), PuzzleMenuSoundFile(0)) << "the button says its name";
    h.MoveOn(m.PuzImg_Menu(2), 5, 5);
    EXPECT_EQ(m.PuzImg_Menu(0).Picture(), looks.Picture(1));
    EXPECT_EQ(m.PuzImg_Menu(2).Picture(), looks.Picture(6));
    EXPECT_EQ(PuzMenuHot, 2);
    EXPECT_EQ(m.AT_MM_Alphabet(0).FileName(), PuzzleMenuSoundFile(2));
    h.MoveOn(m.PuzPict_HolderMenu, 2, 2);
    EXPECT_EQ(m.PuzImg_Menu(2).Picture(), looks.Picture(3));
    EXPECT_EQ(PuzMenuHotOn, forms::vbFalse);
    EXPECT_NE(m.AT_MM_Alphabet(0).Mode(), 526) << "leaving the buttons stops the voice";
    // Moving onto a button again says its name again.
    m.AT_MM_Alphabet(0).SetFileName("");
    h.MoveOn(m.PuzImg_Menu(2), 5, 5);
    EXPECT_EQ(m.AT_MM_Alphabet(0).FileName(), PuzzleMenuSoundFile(2));
    m.AT_MM_Alphabet(0).SetFileName("");
    h.MoveOn(m.PuzImg_Menu(2), 9, 9);
    EXPECT_EQ(m.AT_MM_Alphabet(0).FileName(), "") << "but only once while it stays there";
    h.MoveOn(m.PuzPict_HolderMenu, 2, 2);
    PuzMenuMouseDown(1);
    EXPECT_EQ(m.PuzImg_Menu(1).Picture(), looks.Picture(8));
    // While a picked colour waits the buttons ignore the mouse.
    ColorPending = forms::vbTrue;
    PuzMenuHover(0);
    PuzMenuMouseUp(1);
    EXPECT_EQ(m.PuzImg_Menu(0).Picture(), looks.Picture(1));
    EXPECT_EQ(m.PuzImg_Menu(1).Picture(), looks.Picture(8));
    ColorPending = forms::vbFalse;
    // Indices outside the three buttons are no buttons.
    PuzMenuHover(7);
    PuzMenuMouseDown(-1);
    EXPECT_EQ(PuzMenuHotOn, forms::vbFalse);
}

TEST_F(PuzzleScreenTest, TheElapsedTimeShowsMinutesAndSeconds) {
    struct Case {
        forms::DateTime start, now;
        const char* shown;
    };
    const forms::DateTime t0{2026, 12, 10, 9, 0, 0};
    for (const Case& c : {Case{t0, t0, "00:00"}, Case{t0, {2026, 12, 10, 9, 1, 3}, "01:03"},
                          Case{t0, {2026, 12, 10, 10, 2, 3}, "02:03"},
                          Case{{2026, 12, 31, 23, 59, 50}, {2027, 1, 1, 0, 0, 10}, "00:20"},
                          Case{t0, {2026, 12, 10, 8, 0, 0}, "00:00"}})
        EXPECT_EQ(ElapsedClockText(c.start, c.now), c.shown) << c.shown;
}

TEST_F(PuzzleScreenTest, TheFirstCountedClickStartsTheClockAndItTicks) {
    Begin(1);
    forms::DateTime now{2026, 12, 10, 9, 0, 0};
    forms::SetNowSource([&now] { return now; });
    ClickCoin(CellToIndex({PuzBlankCell.Row == 0 ? int16_t(1) : int16_t(0),
                           PuzBlankCell.Col == 0 ? int16_t(1) : int16_t(0)}));
    EXPECT_TRUE(M().PuzTmr.Enabled());
    EXPECT_EQ(M().PuzTmr.Interval(), 200);
    EXPECT_EQ(PuzClockMode, pcCounting);
    now.minute = 1;
    now.second = 15;
    const int16_t before = PuzArrowPos;
    h.Advance(200);
    EXPECT_EQ(M().PuzLbl_Clock.Caption(), "01:15");
    EXPECT_NE(PuzArrowPos, before) << "the lit arrow moved on";
    now.hour = 10;
    now.minute = 2;
    now.second = 3;
    h.Advance(200);
    EXPECT_EQ(M().PuzLbl_Clock.Caption(), "02:03");
    // A new game resets the clock; the next counted click starts it again.
    int16_t moves = 3;
    forms::Flag instant = forms::vbTrue;
    NewPuzzleGame(moves, instant);
    EXPECT_FALSE(M().PuzTmr.Enabled());
    EXPECT_EQ(M().PuzLbl_Clock.Caption(), "00:00");
}

TEST_F(PuzzleScreenTest, TheLitArrowRunsFromRightToLeft) {
    Begin(0);
    FrmMainForm& m = M();
    const forms::PicturePtr lit = m.PuzImg_Arrow(6).Picture();
    const forms::PicturePtr unlit = m.PuzImg_Arrow(5).Picture();
    ASSERT_NE(lit, unlit);
    PuzArrowPos = 5;
    std::vector<int> litAt;
    for (int step = 0; step < 6; ++step) {
        AnimateClockArrows(forms::vbFalse);
        int count = 0;
        for (int p = 0; p <= 4; ++p)
            if (m.PuzImg_Arrow(p).Picture() == lit) {
                litAt.push_back(p);
                ++count;
            }
        EXPECT_EQ(count, 1);
    }
    EXPECT_EQ(litAt, (std::vector<int>{4, 3, 2, 1, 0, 4}));
    AnimateClockArrows(forms::vbTrue);
    for (int p = 0; p <= 4; ++p)
        EXPECT_EQ(m.PuzImg_Arrow(p).Picture(), unlit);
}

// Boards one slide from solved, for a horizontal and a vertical last slide.
struct LastSlide {
    const char* what;
    int16_t level;
    std::vector<std::pair<int, std::string>> changes; // from the solved board
    CoinCell hole;
    int16_t click;
};

TEST_F(PuzzleScreenTest, SolvingShowsTheCompletionDialogWithTheTime) {
    const std::vector<LastSlide> cases = {
        {"level II, along the row", 1, {{25, ""}, {26, "Z"}, {27, " "}}, {3, 4}, 26},
        {"level II, down the column", 1, {{19, ""}, {26, "T"}, {27, " "}}, {2, 5}, 26},
        {"level III, along the row", 2, {{25, ""}, {26, "Z"}}, {3, 4}, 26},
        {"level III, down the column", 2, {{19, ""}, {26, "T"}}, {2, 5}, 26},
    };
    for (const LastSlide& c : cases) {
        SCOPED_TRACE(c.what);
        Begin(c.level);
        if (FrmCompletion.IsLoaded()) FrmCompletion->Hide();
        Board board = Solved("", " ");
        for (const auto& [cell, caption] : c.changes)
            board[cell] = caption;
        Lay(board, c.hole);
        forms::DateTime now{2026, 12, 10, 9, 0, 0};
        forms::SetNowSource([&now] { return now; });
        ClickCoin(0); // out of line with the hole: starts the clock only
        now.second = 7;
        h.Advance(200);
        ClickCoin(c.click);
        forms::SetNowSource(nullptr);
        ASSERT_TRUE(FrmCompletion.IsLoaded());
        EXPECT_TRUE(FrmCompletion->Visible());
        EXPECT_EQ(FrmCompletion->lbl_WellDone.Caption(),
                  "Puzzle completed !\r\nTime taken - 00:07");
        EXPECT_EQ(FrmCompletion->Lbl_Heading.Caption(), "Puzzle Completed");
        EXPECT_EQ(PuzCompleted, forms::vbTrue);
        EXPECT_EQ(M().AT_MM_Alphabet(0).FileName(), EncouragementFile(703, 0));
        EXPECT_FALSE(M().PuzTmr.Enabled()) << "the clock stopped";
        EXPECT_EQ(M().PuzLbl_Clock.Caption(), "00:07") << "and keeps the final time";
    }
}

TEST_F(PuzzleScreenTest, AfterCompletionMovesGoOnWithoutClockOrSecondDialog) {
    Begin(1);
    Board board = Solved("", " ");
    board[25] = "";
    board[26] = "Z";
    Lay(board, {3, 4});
    ClickCoin(26);
    ASSERT_TRUE(FrmCompletion->Visible());
    FrmCompletion->Hide();
    h.Pump();
    ClickCoin(25); // away from home
    EXPECT_EQ(IsPuzzleSolved(), forms::vbFalse);
    EXPECT_FALSE(M().PuzTmr.Enabled()) << "no click restarts the clock";
    ClickCoin(26); // and back
    EXPECT_EQ(IsPuzzleSolved(), forms::vbTrue);
    EXPECT_FALSE(FrmCompletion->Visible()) << "no second dialog";
    // A new game clears the mark.
    int16_t moves = 3;
    forms::Flag instant = forms::vbTrue;
    NewPuzzleGame(moves, instant);
    EXPECT_EQ(PuzCompleted, forms::vbFalse);
}

TEST_F(PuzzleScreenTest, LevelIIsSolvedOnlyOnceTheLastCoinIsClickedHome) {
    Begin(0);
    Board board = Solved("", "");
    Lay(board, {3, 6}); // all home, none clicked: the last is still to be clicked
    for (int16_t i = 0; i <= 27; ++i)
        M().PuzImg_Coin(i).SetVisible(true);
    for (int16_t i = 0; i <= 24; ++i)
        M().PuzLbl_Coin(i).SetForeColor(PuzColorCorrect);
    PuzPickedCoin = 0;
    MarkNextCoin();
    EXPECT_EQ(PuzPickedCoin, 25);
    EXPECT_EQ(IsPuzzleSolved(), forms::vbFalse);
    ClickCoin(25);
    EXPECT_EQ(IsPuzzleSolved(), forms::vbTrue);
    EXPECT_TRUE(FrmCompletion->Visible());
}

} // namespace

namespace {

using PuzzleStartupTest = ShellTest;

// Settings saved with the puzzle current start the program on it.
TEST_F(PuzzleStartupTest, TheProgramStartsOnThePuzzleWhenItWasCurrent) {
    WriteSettings([](UserSet& rec) {
        rec.LessonID = 1;
        rec.UserLevel = 2;
    });
    StartAndShow();
    FrmMainForm& m = *FrmMain;
    EXPECT_TRUE(m.Pict_HolderLesson(1).Visible());
    EXPECT_FALSE(m.Pict_HolderLesson(0).Visible());
    EXPECT_TRUE(m.PuzPict_Clock.Visible());
    EXPECT_EQ(PuzShuffling, forms::vbFalse);
    EXPECT_EQ(m.PuzLbl_Coin(27).Caption(), " ");
    int empty = 0;
    for (int i = 0; i <= 27; ++i)
        empty += m.PuzLbl_Coin(i).Caption().empty();
    EXPECT_EQ(empty, 1) << "the shuffle made the hole";
    // A click on a coin next to the hole slides it.
    const int16_t next = CellToIndex({PuzBlankCell.Row, int16_t(PuzBlankCell.Col == 0 ? 1 : 0)});
    h.ClickOn(m.PuzLbl_Coin(next), 5, 5);
    EXPECT_EQ(PuzBlankCell, IndexToCell(next));
}

} // namespace
