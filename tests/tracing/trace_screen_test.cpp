// The tracing screen on the main window: its layout numbers, what is set once a run, the tiles of
// the lesson range, starting afresh, and taking the screen down.
#include <gtest/gtest.h>

#include "forms/screen.h"
#include "main_window_fixture.h"
#include "shell/app_state.h"
#include "shell/frm_main.h"
#include "shell/sounds.h"
#include "shell/startup.h"
#include "tracing/animation.h"
#include "tracing/label_strip.h"
#include "tracing/progress.h"
#include "tracing/trace_engine.h"
#include "tracing/trace_screen.h"

namespace {

using TraceScreenTest = MainWindowTest;

void ExpectGeometry(const forms::Control& c, double left, double top, double width, double height) {
    EXPECT_DOUBLE_EQ(c.Left(), left);
    EXPECT_DOUBLE_EQ(c.Top(), top);
    EXPECT_DOUBLE_EQ(c.Width(), width);
    EXPECT_DOUBLE_EQ(c.Height(), height);
}

TEST_F(TraceScreenTest, BoardsStripAndHolderAreLaidOut) {
    StartTrace();
    FrmMainForm& f = *FrmMain;
    ExpectGeometry(f.Picture_ShowBoard, 0, 0, 259, 175);
    ExpectGeometry(f.Picture_DrawBoard, 259, 0, 259, 175);
    ExpectGeometry(f.ATImg_ShowBoard(0), 0, 0, 259, 175);
    ExpectGeometry(f.TrcPICT_HolderLabels, 0, 175, 518, 158);
    EXPECT_EQ(f.TrcPICT_HolderLabels.BackColor(), forms::RGB(51, 175, 175));
    ExpectGeometry(f.Pict_HolderLesson(0), 49, 76, 517, 333);
    EXPECT_EQ(f.Pict_HolderLesson(0).BackColor(), 0);
    EXPECT_TRUE(f.Pict_HolderLesson(0).Visible());
    const int tiles[][3] = {{0, 3, 3}, {9, 462, 3}, {10, 3, 54}, {25, 258, 105}, {29, 462, 105}};
    for (const auto& t : tiles) {
        EXPECT_DOUBLE_EQ(f.AT_Image_AlphaBG(t[0]).Left(), t[1]) << t[0];
        EXPECT_DOUBLE_EQ(f.AT_Image_AlphaBG(t[0]).Top(), t[2]) << t[0];
    }
    for (forms::Control* c : {static_cast<forms::Control*>(&f.TrcPict_Menus),
                              static_cast<forms::Control*>(&f.TrcLbl_Word(0)),
                              static_cast<forms::Control*>(&f.TrcLbl_Word(1)),
                              static_cast<forms::Control*>(&f.Picture_DrawBoard)})
        EXPECT_TRUE(c->Visible());
}

TEST_F(TraceScreenTest, WordAndNumberLabelsTakeTheirFontsAndPlaces) {
    forms::Screen::SetTwipsPerPixel(15, 15);
    StartTrace();
    FrmMainForm& f = *FrmMain;
    EXPECT_DOUBLE_EQ(f.TrcLbl_Word(0).FontSize(), 30);
    EXPECT_DOUBLE_EQ(f.TrcLbl_Word(0).Top(), 10);
    EXPECT_DOUBLE_EQ(f.TrcLbl_Word(0).Height(), 75);
    EXPECT_DOUBLE_EQ(f.TrcLbl_Word(1).Top(), 12);
    EXPECT_DOUBLE_EQ(f.TrcLbl_Word(1).FontSize(), 30);
    EXPECT_EQ(f.TrcLbl_Word(0).FontName(), FontName(0));

    // The number label was centred by its design height (72) before it grew to 120.
    EXPECT_DOUBLE_EQ(f.TrcLbl_Numbers(0).FontSize(), 60);
    ExpectGeometry(f.TrcLbl_Numbers(0), 0, 51.5, 259, 120);
    ExpectGeometry(f.TrcLbl_Numbers(1), 2, 53.5, 259, 120);
    EXPECT_EQ(f.TrcLbl_Numbers(0).ForeColor(), Settings.ColorLineHL);
    EXPECT_EQ(f.TrcLbl_Numbers(1).ForeColor(), Settings.ColorLine);
}

TEST_F(TraceScreenTest, TheWordIsBoldOnlyWhenItsRoundedFaceWasReplaced) {
    FrmMainForm& f = *FrmMain;
    for (forms::Flag replaced : {forms::vbTrue, forms::vbFalse}) {
        FontSubstituted(0) = replaced;
        StartTrace();
        EXPECT_EQ(f.TrcLbl_Word(0).FontBold(), replaced != forms::vbFalse) << replaced;
        EXPECT_EQ(f.TrcLbl_Word(1).FontBold(), replaced != forms::vbFalse) << replaced;
        EXPECT_EQ(f.TrcLbl_Word(1).FontName(), FontName(0));
    }
}

TEST_F(TraceScreenTest, AMissingSkinLeavesTheScreenWithoutIt) {
    const std::string images = PathImagesApp;
    PathImagesApp = images + "\\Missing";
    StartTrace();
    PathImagesApp = images;
    EXPECT_EQ(FrmMain->Picture(), nullptr);
    EXPECT_TRUE(FrmMain->Pict_HolderLesson(0).Visible()) << "tracing started all the same";
}

TEST_F(TraceScreenTest, BoardsAndNumberLabelsAreSetOnceARun) {
    StartTrace();
    FrmMainForm& f = *FrmMain;
    f.Picture_DrawBoard.Move(300, 5, 200, 100);
    f.TrcLbl_Numbers(0).Move(7, 8, 9, 10);
    Settings.ColorLineHL = forms::RGB(9, 9, 9);
    StartTrace();
    ExpectGeometry(f.Picture_DrawBoard, 300, 5, 200, 100);
    ExpectGeometry(f.TrcLbl_Numbers(0), 7, 8, 9, 10);
    EXPECT_EQ(f.TrcLbl_Numbers(0).ForeColor(), Settings.ColorLineHL) << "the colour, every start";
    // The strip and the holder follow the boards as they now are.
    EXPECT_DOUBLE_EQ(f.TrcPICT_HolderLabels.Top(), 105);
    EXPECT_DOUBLE_EQ(f.Pict_HolderLesson(0).Height(), 158 + 100);
}

TEST_F(TraceScreenTest, ANewStartBringsBackTheSettingsColoursThePickerGave) {
    Settings.ColorWord = forms::RGB(250, 250, 0);
    Settings.ColorWordShadow = forms::RGB(5, 5, 5);
    Settings.BGColor = forms::RGB(255, 153, 153);
    FrmMainForm& f = *FrmMain;
    struct Case {
        const char* name;
        int16_t type, level;
    } cases[] = {{"another alphabet type", 3, 0}, {"another level", 3, 2}};
    StartTrace();
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        // What the picker's targets set: the letter with the number label, the boards, the word.
        const int32_t picked = forms::RGB(0, 102, 255);
        AlphaCur.ColorLineHL = AlphaCur2.ColorLineHL = picked;
        f.TrcLbl_Numbers(0).SetForeColor(picked);
        f.Picture_DrawBoard.SetBackColor(picked | 0x02000000);
        f.Picture_ShowBoard.SetBackColor(f.Picture_DrawBoard.BackColor());
        f.TrcLbl_Word(0).SetForeColor(picked);

        Settings.AlphabetType = c.type;
        Settings.UserLevel = c.level;
        StartTrace();
        EXPECT_EQ(AlphaCur.ColorLineHL, Settings.ColorLineHL);
        EXPECT_EQ(f.TrcLbl_Numbers(0).ForeColor(), Settings.ColorLineHL);
        EXPECT_EQ(f.TrcLbl_Numbers(1).ForeColor(), Settings.ColorLine);
        EXPECT_EQ(f.Picture_DrawBoard.BackColor(), Settings.BGColor);
        EXPECT_EQ(f.Picture_ShowBoard.BackColor(), Settings.BGColor);
        EXPECT_EQ(f.Picture_DrawBoard.Point(1, 1), Settings.BGColor) << "the board drawn so";
        EXPECT_EQ(f.TrcLbl_Word(0).ForeColor(), Settings.ColorWord);
        EXPECT_EQ(f.TrcLbl_Word(1).ForeColor(), Settings.ColorWordShadow);
    }
}

TEST_F(TraceScreenTest, TheWordsShadowLiesTwoPixelsRightOfAndBelowTheWord) {
    FrmMainForm& f = *FrmMain;
    const forms::Label& word = f.TrcLbl_Word(0);
    const forms::Label& shadow = f.TrcLbl_Word(1);
    auto expectShadow = [&](const char* when) {
        SCOPED_TRACE(when);
        EXPECT_DOUBLE_EQ(shadow.Left(), word.Left() + 2);
        EXPECT_DOUBLE_EQ(shadow.Top(), word.Top() + 2);
        EXPECT_DOUBLE_EQ(shadow.Width(), word.Width());
        EXPECT_DOUBLE_EQ(shadow.FontSize(), word.FontSize());
    };
    Settings.AlphabetType = 0;
    StartTrace();
    expectShadow("after a start");
    AlphaCur.Alpha = "C"; // "Cow": the word moves
    ShowWord();
    expectShadow("after the word moved");
    StartTrace();
    expectShadow("after a start that moved the word back");
    StartTrace();
    expectShadow("after a start that kept the word's place");
}

TEST_F(TraceScreenTest, StartingTracesTheCurrentLevelAfresh) {
    Settings.AlphabetType = 1;
    Settings.UserLevel = 2;
    Settings.AlphabetEnd = "F"; // label 7 lies outside the range
    AlphaDone(1)(2)(4) = forms::vbTrue;
    LevelDone(1)(2) = forms::vbTrue;
    AlphaDone(1)(1)(4) = forms::vbTrue;
    AlphaDone(0)(2)(4) = forms::vbTrue;
    AlphaEnabled(7) = forms::vbTrue;
    Settings.ColorText = forms::RGB(4, 4, 4);
    LabelIndexHot = 5;
    StartTrace();
    EXPECT_EQ(LabelIndexHot, -9997); // no character label is hot
    EXPECT_EQ(AlphaDone(1)(2)(4), forms::vbFalse);
    EXPECT_EQ(LevelDone(1)(2), forms::vbFalse);
    EXPECT_EQ(AlphaDone(1)(1)(4), forms::vbTrue);
    EXPECT_EQ(AlphaDone(0)(2)(4), forms::vbTrue);
    EXPECT_EQ(AlphaEnabled(7), forms::vbFalse);
    EXPECT_EQ(LabelColors(0), forms::RGB(4, 4, 4));
    EXPECT_EQ(AlphaCur.Board, &FrmMain->Picture_DrawBoard);
    EXPECT_EQ(AlphaCur2.Board, &FrmMain->Picture_DrawBoard);
    EXPECT_EQ(AlphaCur.Alpha, "a");
    EXPECT_EQ(AlphaCur.TrackWidth, 18);
    EXPECT_EQ(AlphaCur.PointX(0, 1), 58 + AlphaCur.OffsetX); // laid out
    EXPECT_EQ(PendingAction, 1);
    EXPECT_FALSE(AnimTimerRunning()); // the next activation starts the character
}

TEST_F(TraceScreenTest, LetterTilesShowTheRangeAndHideTheLastFour) {
    Settings.AlphabetType = 0;
    Settings.AlphabetStart = "C";
    Settings.AlphabetEnd = "F";
    StartTrace();
    FrmMainForm& f = *FrmMain;
    auto tile = [&f](int i) { return f.AT_Image_AlphaBG(i).Picture(); };
    EXPECT_EQ(tile(1), tile(33));
    EXPECT_EQ(tile(2), tile(31));
    EXPECT_EQ(tile(3), tile(30));
    EXPECT_EQ(tile(5), tile(30));
    EXPECT_EQ(tile(6), tile(33));
    for (int i = 0; i <= 29; ++i)
        EXPECT_EQ(f.AT_Image_AlphaBG(i).Visible(), i <= 25) << i;
}

TEST_F(TraceScreenTest, NumberTilesShowEveryStepAndAllThirty) {
    Settings.AlphabetType = 3;
    Settings.NumbersStart = 1;
    Settings.NumbersEnd = 30;
    Settings.NumbersStep = 1;
    StartTrace();
    Settings.NumbersEnd = 9;
    Settings.NumbersStep = 2;
    StartTrace();
    FrmMainForm& f = *FrmMain;
    auto tile = [&f](int i) { return f.AT_Image_AlphaBG(i).Picture(); };
    EXPECT_EQ(tile(0), tile(31));
    for (int i : {2, 4, 6, 8})
        EXPECT_EQ(tile(i), tile(30)) << i;
    for (int i : {1, 3, 9, 10, 29})
        EXPECT_EQ(tile(i), tile(33)) << i;
    for (int i = 0; i <= 29; ++i)
        EXPECT_TRUE(f.AT_Image_AlphaBG(i).Visible()) << i;
}

TEST_F(TraceScreenTest, HidingTakesTheScreenDownAndStopsBothTimers) {
    StartTrace();
    FrmMainForm& f = *FrmMain;
    const forms::PicturePtr skin = f.Picture();
    TraceAnim.AnimTimer->SetEnabled(true);
    if (MMTimer != nullptr) MMTimer->SetEnabled(true);
    HideTraceScreen();
    EXPECT_FALSE(f.Pict_HolderLesson(0).Visible());
    EXPECT_FALSE(f.TrcLbl_Word(0).Visible());
    EXPECT_FALSE(f.TrcLbl_Word(1).Visible());
    EXPECT_FALSE(f.TrcPict_Menus.Visible());
    EXPECT_FALSE(TraceAnim.AnimTimer->Enabled());
    if (MMTimer != nullptr) {
        EXPECT_FALSE(MMTimer->Enabled());
    }
    EXPECT_EQ(f.Picture(), skin);
}

TEST_F(TraceScreenTest, TheFirstCharacterIsDrawnStrokeByStrokeWhenTheWindowFirstShows) {
    FrmMainForm& f = *FrmMain;
    f.Show();
    for (int i = 0; i < 100 && forms::Application::Pump(); ++i) {
    }
    ASSERT_TRUE(AnimTimerRunning());
    auto bar = [&f] {
        return f.Picture_DrawBoard.Point(AlphaCur.PointX(2, 3), AlphaCur.PointY(2, 3));
    };
    // The window's first paint came after the drawing started: the bar of "A" is still to come.
    EXPECT_EQ(bar(), Settings.ColorLine);
    for (int i = 0; i < 100 && AnimTimerRunning(); ++i)
        AnimationTimerTick();
    EXPECT_EQ(bar(), Settings.ColorLineHL);
}

TEST_F(TraceScreenTest, LabelColoursComeFromTheSettings) {
    Settings.ColorText = 1;
    Settings.ColorTextHL = 2;
    Settings.ColorTextDisabled = 3;
    ResetTraceColors();
    EXPECT_EQ(LabelColors(0), 1);
    EXPECT_EQ(LabelColors(1), 2);
    EXPECT_EQ(LabelColors(2), 3);
}

} // namespace
