// The main window: its controls as the other subsystems expect them, and its events forwarded.
#include "tests/shell/shell_fixture.h"
#include "tracing/trace_engine.h"

namespace {

class FrmMainTest : public ShellTest {
  protected:
    void SetUp() override {
        ShellTest::SetUp();
        StartAndShow();
    }
    using V = std::vector<std::string>;
};

TEST_F(FrmMainTest, ArraysHaveTheirRanges) {
    FrmMainForm& m = *FrmMain;
    struct Range {
        const char* name;
        int lo, hi, count;
    } ranges[] = {
        {"Pict_HolderLesson", m.Pict_HolderLesson.LBound(), m.Pict_HolderLesson.UBound(), 2},
        {"Label_Alpha", m.Label_Alpha.LBound(), m.Label_Alpha.UBound(), 30},
        {"AT_Image_AlphaBG", m.AT_Image_AlphaBG.LBound(), m.AT_Image_AlphaBG.UBound(), 34},
        {"AT_Image_ColorPicker", m.AT_Image_ColorPicker.LBound(), m.AT_Image_ColorPicker.UBound(),
         40},
        {"PuzLbl_Coin", m.PuzLbl_Coin.LBound(), m.PuzLbl_Coin.UBound(), 28},
        {"PuzImg_Coin", m.PuzImg_Coin.LBound(), m.PuzImg_Coin.UBound(), 30},
        {"TRCImg_Menu", m.TRCImg_Menu.LBound(), m.TRCImg_Menu.UBound(), 5},
        {"TRCImg_SubMenu", m.TRCImg_SubMenu.LBound(), m.TRCImg_SubMenu.UBound(), 4},
        {"PuzImg_Arrow", m.PuzImg_Arrow.LBound(), m.PuzImg_Arrow.UBound(), 7},
        {"ATImg_ShowBoard", m.ATImg_ShowBoard.LBound(), m.ATImg_ShowBoard.UBound(), 1},
        {"TrcLbl_Numbers", m.TrcLbl_Numbers.LBound(), m.TrcLbl_Numbers.UBound(), 2},
        {"TrcLbl_Word", m.TrcLbl_Word.LBound(), m.TrcLbl_Word.UBound(), 2},
    };
    for (const Range& r : ranges) {
        EXPECT_EQ(r.lo, 0) << r.name;
        EXPECT_EQ(r.hi - r.lo + 1, r.count) << r.name;
    }
    EXPECT_THROW(m.Label_Alpha(30), forms::RuntimeError);
    EXPECT_THROW(m.AT_MM_Alphabet(7), forms::RuntimeError);
    EXPECT_NO_THROW(m.AT_MM_Alphabet(0));
    EXPECT_THROW(m.AT_MM_Alphabet(-1), forms::RuntimeError);
    // Swatches sit in their strips.
    EXPECT_EQ(m.AT_Image_ColorPicker(11).Parent(), &m.AT_Picture_Holder_ColorPicker1);
    EXPECT_EQ(m.AT_Image_ColorPicker(12).Parent(), &m.AT_Picture_Holder_ColorPicker2);
    EXPECT_EQ(m.AT_Image_ColorPicker(28).Parent(), &m.AT_Picture_Holder_ColorPicker3);
    EXPECT_EQ(m.Picture_DrawBoard.Parent(), &m.Pict_HolderLesson(0));
    EXPECT_EQ(m.PuzPict_HolderCoins.Parent(), &m.Pict_HolderLesson(1));
    // The lists and the tile templates come from the media folder.
    EXPECT_EQ(m.WOImgLst_Menu.Count(), 20);
    EXPECT_EQ(m.AT_ImageList_ColorPickers.Count(), 42);
    EXPECT_EQ(m.TRCImgLst_SubMenu.Count(), 12);
    EXPECT_NE(m.AT_Image_AlphaBG(30).Picture(), nullptr);
}

TEST_F(FrmMainTest, BoardAndSwatchEventsGoToTheRouterFirst) {
    FrmMainForm& m = *FrmMain;
    m.AT_Image_ColorPicker(5).MouseMove(0, 0, 1, 1);
    EXPECT_EQ(HoverColor, 5);
    m.AT_Image_ColorPicker(5).Click();
    EXPECT_EQ(ColorPending, forms::vbTrue);
    EXPECT_EQ(PickedColor, 5);
    m.Picture_DrawBoard.MouseMove(1, 0, 3, 4);
    EXPECT_EQ(HintState, 2);
    m.TrcLbl_Word(1).MouseMove(0, 0, 1, 1);
    EXPECT_EQ(HintState, 3);
    m.Picture_ShowBoard.MouseMove(0, 0, 3, 4);
    EXPECT_EQ(HintState, 2);
}

TEST_F(FrmMainTest, MouseArgumentsReachTheRouterAndTheTracingClickAsGiven) {
    FrmMainForm& m = *FrmMain;
    // At Level II a release just inside the dot size of the first key point hits it.
    Settings.UserLevel = 1;
    m.AT_TimerTMR.SetEnabled(false);
    const float kx = AlphaCur.PointX(0, AlphaCur.KeyPoint(0, 1));
    const float ky = AlphaCur.PointY(0, AlphaCur.KeyPoint(0, 1));
    m.Picture_DrawBoard.MouseUp(2, 1, kx + 11.5f, ky - 11.75f);
    EXPECT_EQ(AlphaCur.CurKey, 1);
    // The router tests the brush's tip, 16 left of and 16 below the point it is given: on the
    // letter's first point the letter takes the colour, well off it the board does.
    const float x = AlphaCur.PointX(0, 1) + 16.0f, y = AlphaCur.PointY(0, 1) - 16.0f;
    const int32_t board = m.Picture_DrawBoard.BackColor();
    m.AT_Image_ColorPicker(5).MouseMove(1, 4, 3.5f, 7);
    m.AT_Image_ColorPicker(5).Click();
    m.Picture_DrawBoard.MouseUp(1, 0, x, y);
    EXPECT_EQ(AlphaCur.ColorLineHL, Palette(5));
    EXPECT_EQ(m.Picture_DrawBoard.BackColor(), board);
    m.AT_Image_ColorPicker(5).Click();
    m.Picture_DrawBoard.MouseUp(1, 0, x - 40, y + 40);
    EXPECT_EQ(m.Picture_DrawBoard.BackColor() & 0xFFFFFF, Palette(5));
}

TEST_F(FrmMainTest, ReleasesTheRouterDeclinesReachTheirActivity) {
    FrmMainForm& m = *FrmMain;
    // At Level I the declined release starts the demonstration.
    Settings.UserLevel = 0;
    m.AT_TimerTMR.SetEnabled(false);
    TraceAnim.AnimPhase = apIdle;
    m.Picture_DrawBoard.MouseUp(1, 0, 10, 10);
    EXPECT_TRUE(m.AT_TimerTMR.Enabled());
    EXPECT_EQ(TraceAnim.AnimPhase, apDemoStart);
    // The word is spoken (not while a stroke is being drawn).
    m.AT_TimerTMR.SetEnabled(false);
    forms::SoundChannel& speech = m.AT_MM_Alphabet(1);
    m.Picture_ShowBoard.MouseUp(1, 0, 10, 10);
    EXPECT_EQ(speech.FileName(), PathSoundsAlphabets + "\\Word_A.Wav");
    speech.SetCommand("Close");
    speech.SetFileName("");
    m.ATImg_ShowBoard(0).MouseUp(1, 0, 1, 1);
    EXPECT_EQ(speech.FileName(), PathSoundsAlphabets + "\\Word_A.Wav");
}

TEST_F(FrmMainTest, AReleaseTheRouterTakesGoesNoFurther) {
    FrmMainForm& m = *FrmMain;
    Settings.UserLevel = 0; // a tracing click would start the demonstration
    TraceAnim.AnimPhase = apIdle;
    const std::string caption = m.TrcLbl_Word(0).Caption();
    m.AT_TimerTMR.SetEnabled(false); // the word would be spoken
    const std::string speech = m.AT_MM_Alphabet(1).FileName();
    auto pick = [&m] {
        m.AT_Image_ColorPicker(9).MouseMove(0, 0, 1, 1);
        m.AT_Image_ColorPicker(9).Click(); // a picked colour waits for its target
    };
    pick();
    m.Picture_DrawBoard.MouseUp(1, 0, 0, 0);
    EXPECT_EQ(m.Picture_DrawBoard.BackColor() & 0xFFFFFF, Palette(9));
    pick();
    m.Picture_ShowBoard.MouseUp(1, 0, 10, 10);
    pick();
    m.TrcLbl_Word(0).MouseUp(1, 0, 1, 1);
    EXPECT_EQ(m.TrcLbl_Word(0).ForeColor(), Palette(9));
    EXPECT_EQ(m.TrcLbl_Word(0).Caption(), caption) << "the word is not read out";
    EXPECT_NE(TraceAnim.AnimPhase, apDemoStart) << "no tracing click";
    EXPECT_EQ(m.AT_MM_Alphabet(1).FileName(), speech) << "nothing is spoken";
    EXPECT_FALSE(m.ATTmr_MM.Enabled()) << "nothing is read out";
}

TEST_F(FrmMainTest, ClickingTheWordReadsItOutFromItsFirstLetter) {
    FrmMainForm& m = *FrmMain;
    SpellPos = 4;
    MMTimerMode = mmResume;
    m.ATTmr_MM.SetEnabled(true);
    m.AT_TimerTMR.SetEnabled(true); // an animation runs: it stops first
    m.TrcLbl_Word(0).MouseUp(1, 0, 1, 1);
    EXPECT_FALSE(m.AT_TimerTMR.Enabled());
    EXPECT_EQ(SpellPos, 0);
    EXPECT_EQ(AlphaCur.Word, "Apple");
    EXPECT_EQ(m.TrcLbl_Word(0).Caption(), "A");
    EXPECT_EQ(m.TrcLbl_Word(1).Caption(), "");
    EXPECT_EQ(m.AT_MM_Alphabet(1).FileName(), PathSoundsAlphabets + "\\Basic_A.Wav");
    // The reading timer is armed for the next letter in a second.
    EXPECT_TRUE(m.ATTmr_MM.Enabled());
    EXPECT_EQ(m.ATTmr_MM.Interval(), 1000);
    EXPECT_EQ(MMTimerMode, mmSpell);
}

TEST_F(FrmMainTest, APaintWhileThePuzzleIsCurrentDrawsNothing) {
    forms::PictureBox& board = FrmMain->Picture_DrawBoard;
    auto drawn = [&board] {
        int n = 0;
        for (int y = 0; y < board.Height(); ++y)
            for (int x = 0; x < board.Width(); ++x)
                n += board.Point(x, y) != board.BackColor();
        return n;
    };
    ASSERT_GT(board.Width(), 0);
    FrmMain->AT_TimerTMR.SetEnabled(false);
    board.Cls();
    Settings.LessonID = lsPuzzle;
    board.Paint();
    EXPECT_EQ(drawn(), 0);
    Settings.LessonID = lsTracing;
    board.Paint();
    EXPECT_GT(drawn(), 0) << "while tracing a paint redraws the character";
}

TEST_F(FrmMainTest, CoinEventsWhileShufflingAreIgnored) {
    FrmMainForm& m = *FrmMain;
    Settings.UserLevel = 1;
    const int16_t puzzle = lsPuzzle;
    SelectLesson(puzzle);
    // A coin in the hole's row: a click on it slides the coins between.
    const int16_t coin = CellToIndex({PuzBlankCell.Row, int16_t(PuzBlankCell.Col == 0 ? 1 : 0)});
    const std::string before = m.PuzLbl_Coin(coin).Caption();
    PuzShuffling = forms::vbTrue;
    m.PuzLbl_Coin(coin).MouseMove(0, 0, 1, 1);
    m.PuzLbl_Coin(coin).MouseUp(1, 0, 1, 1);
    EXPECT_EQ(m.PuzLbl_Coin(coin).Caption(), before);
    EXPECT_FALSE(m.PuzTmr.Enabled());
    PuzShuffling = forms::vbFalse;
    m.PuzLbl_Coin(coin).MouseMove(0, 0, 1, 1);
    m.PuzLbl_Coin(coin).MouseUp(1, 0, 1, 1);
    EXPECT_EQ(m.PuzLbl_Coin(coin).Caption(), "") << "the clicked coin became the hole";
    EXPECT_TRUE(m.PuzTmr.Enabled()) << "and the clock started";
}

TEST_F(FrmMainTest, ButtonsLabelsAndTimersForwardWithTheirIndex) {
    FrmMainForm& m = *FrmMain;
    // The first character's drawing and its sentence would keep the label quiet.
    m.AT_TimerTMR.SetEnabled(false);
    m.AT_MM_Alphabet(1).SetCommand("Stop");
    m.Label_Alpha(7).MouseMove(0, 0, 1, 1);
    EXPECT_EQ(m.AT_MM_Alphabet(1).FileName(), PathSoundsAlphabets + "\\Basic_H.Wav");
    m.Label_Alpha(7).MouseUp(1, 0, 1, 1);
    EXPECT_EQ(CurAlphaIdx, 7);
    // The puzzle's button shows what the pointer does to it: pressed, hovered, normal again.
    const forms::ImageList& looks = m.PuzImgLst_Menu;
    m.PuzImg_Menu(1).MouseDown(1, 0, 1, 1);
    EXPECT_EQ(m.PuzImg_Menu(1).Picture(), looks.Picture(8));
    m.PuzImg_Menu(1).MouseMove(0, 0, 1, 1);
    EXPECT_EQ(m.PuzImg_Menu(1).Picture(), looks.Picture(5));
    m.PuzImg_Menu(1).MouseUp(1, 0, 1, 1);
    EXPECT_EQ(m.PuzImg_Menu(1).Picture(), looks.Picture(5));
    m.PuzPict_HolderMenu.MouseMove(0, 0, 1, 1);
    EXPECT_EQ(m.PuzImg_Menu(1).Picture(), looks.Picture(2));
    PuzTimer = &m.PuzTmr;
    PuzClockMode = 101;
    PuzStartTime = {2026, 12, 10, 9, 0, 0};
    forms::SetNowSource([] { return forms::DateTime{2026, 12, 10, 9, 0, 5}; });
    m.PuzTmr.Tick();
    forms::SetNowSource(nullptr);
    EXPECT_EQ(m.PuzLbl_Clock.Caption(), "00:05") << "the clock's tick shows the time";
    // (The menu and drawing buttons have tests of their own.)
    // The reading timer's tick is the reading's: every tick first stops it.
    MMTimerMode = 0;
    m.ATTmr_MM.SetEnabled(true);
    m.ATTmr_MM.Tick();
    EXPECT_FALSE(m.ATTmr_MM.Enabled());
    // The animation timer's tick is the animation's: a puzzle wait ends with the tick.
    TraceAnim.AnimKind = akPuzzleStep;
    m.AT_TimerTMR.SetEnabled(true);
    m.AT_TimerTMR.Tick();
    EXPECT_FALSE(m.AT_TimerTMR.Enabled());
}

TEST_F(FrmMainTest, ApplyingColoursReachesTheBoardsAndTheWord) {
    AlphaCur.Word = "Apple";
    Settings.BGColor = forms::RGB(10, 20, 30);
    Settings.ColorWord = forms::RGB(200, 0, 0);
    ProcessAllSections(umApply, Settings, Settings);
    FrmMainForm& m = *FrmMain;
    EXPECT_EQ(m.Picture_DrawBoard.BackColor(), forms::RGB(10, 20, 30));
    EXPECT_EQ(m.Picture_ShowBoard.BackColor(), forms::RGB(10, 20, 30));
    EXPECT_EQ(m.TrcLbl_Word(0).ForeColor(), forms::RGB(200, 0, 0));
    EXPECT_EQ(m.TrcLbl_Word(1).Caption(), "Apple");
}

} // namespace
