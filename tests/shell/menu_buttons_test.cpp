// The main window's menu row and drawing row: their layout from the settings, the pictures of the
// three looks, and what a release of each button does.
#include "shell/menu_buttons.h"
#include "shell/sound_device.h"
#include "tests/shell/shell_fixture.h"
#include "tracing/colour_picker.h"
#include "tracing/trace_engine.h"

#include <algorithm>

namespace {

class MenuButtonsTest : public ShellTest {
  protected:
    void SetUp() override {
        ShellTest::SetUp();
        ColorPending = forms::vbFalse;
        StartAndShow();
        // The captions of the character labels, which the lesson moves along.
        for (int i = 0; i <= 25; ++i)
            FrmMain->Label_Alpha(i).SetCaption(std::string(1, static_cast<char>('A' + i)));
    }
    void TearDown() override {
        ColorPending = forms::vbFalse;
        ShellTest::TearDown();
    }
    FrmMainForm& M() { return *FrmMain; }
    forms::PicturePtr MenuPicture(int n) { return M().WOImgLst_Menu.Picture(n); }
    forms::PicturePtr SubPicture(int n) { return M().TRCImgLst_SubMenu.Picture(n); }
    // The picture number each menu button shows, 0 for one not from the list.
    int MenuShows(int i) {
        for (int n = 1; n <= M().WOImgLst_Menu.Count(); ++n)
            if (M().TRCImg_Menu(i).Picture() == MenuPicture(n)) return n;
        return 0;
    }
    int SubShows(int i) {
        for (int n = 1; n <= M().TRCImgLst_SubMenu.Count(); ++n)
            if (M().TRCImg_SubMenu(i).Picture() == SubPicture(n)) return n;
        return 0;
    }
    // Something playing on channel 0, as a button's voice would be.
    void PlayOnChannel0() {
        PlayMMFile(0, PathSoundsApp + "\\Mnu1.Wav");
        ASSERT_EQ(IsMMDevicePlaying(0), forms::vbTrue);
    }
};

TEST_F(MenuButtonsTest, MenuButtonsShowNormalHighlightedAndPressedPictures) {
    FrmMainForm& m = M();
    for (int i = 0; i <= 4; ++i) {
        SCOPED_TRACE(i);
        EXPECT_EQ(MenuShows(i), i + 1);
        m.TRCImg_Menu(i).MouseMove(0, 0, 1, 1);
        EXPECT_EQ(MenuHL, i);
        EXPECT_EQ(MenuShows(i), i + 6);
        m.TRCImg_Menu(i).MouseDown(1, 0, 1, 1);
        EXPECT_EQ(MenuShows(i), i + 11);
        if (i > 0) {
            EXPECT_EQ(MenuShows(i - 1), i) << "the button left goes back to normal";
        }
    }
    m.TRCImg_SMBackDrop.MouseMove(0, 0, 1, 1);
    EXPECT_EQ(MenuHL, -9997);
    for (int i = 0; i <= 4; ++i)
        EXPECT_EQ(MenuShows(i), i + 1);
}

TEST_F(MenuButtonsTest, DrawingButtonsShowNormalHighlightedAndPressedPictures) {
    FrmMainForm& m = M();
    for (int i = 0; i <= 3; ++i) {
        SCOPED_TRACE(i);
        EXPECT_EQ(SubShows(i), i + 1);
        m.TRCImg_SubMenu(i).MouseMove(0, 0, 1, 1);
        EXPECT_EQ(SubMenuHL, i);
        EXPECT_EQ(SubShows(i), i + 5);
        m.TRCImg_SubMenu(i).MouseDown(1, 0, 1, 1);
        EXPECT_EQ(SubShows(i), i + 9);
        m.TRCImg_SubMenu(i).MouseUp(1, 0, 1, 1);
        EXPECT_EQ(SubShows(i), i + 5);
        if (i > 0) {
            EXPECT_EQ(SubShows(i - 1), i);
        }
    }
    m.TRCImg_SMBackDrop.MouseMove(0, 0, 1, 1);
    EXPECT_EQ(SubMenuHL, -9997);
    EXPECT_EQ(SubShows(3), 4);
}

TEST_F(MenuButtonsTest, TheRealPointerHighlightsAndTheBackdropPutsBack) {
    FrmMainForm& m = M();
    h.MoveOn(m.TRCImg_Menu(3), 10, 10);
    EXPECT_EQ(MenuShows(3), 9);
    h.MoveOn(m.TRCImg_SMBackDrop, 2, 2);
    EXPECT_EQ(MenuShows(3), 4);
    EXPECT_EQ(MenuHL, -9997);
    // Reaching the boards puts both rows back too.
    h.MoveOn(m.TRCImg_Menu(1), 10, 10);
    h.MoveOn(m.Picture_DrawBoard, 50, 50);
    EXPECT_EQ(MenuHL, -9997);
    EXPECT_EQ(MenuShows(1), 2);
    h.MoveOn(m.TRCImg_SubMenu(2), 10, 10);
    EXPECT_EQ(SubShows(2), 7);
    h.MoveOn(m.Picture_DrawBoard, 60, 60);
    EXPECT_EQ(SubMenuHL, -9997);
    EXPECT_EQ(SubShows(2), 3);
}

TEST_F(MenuButtonsTest, LeavingAButtonStopsItsVoice) {
    FrmMainForm& m = M();
    m.TRCImg_Menu(1).MouseMove(0, 0, 1, 1);
    PlayOnChannel0();
    // Straight from a menu button onto a drawing button: the menu highlight and voice go first.
    m.TRCImg_SubMenu(0).MouseMove(0, 0, 1, 1);
    EXPECT_EQ(MenuHL, -9997);
    EXPECT_EQ(MenuShows(1), 2);
    EXPECT_EQ(IsMMDevicePlaying(0), forms::vbFalse);
    EXPECT_EQ(SubMenuHL, 0);

    PlayOnChannel0();
    m.TRCImg_Menu(2).MouseMove(0, 0, 1, 1);
    EXPECT_EQ(SubMenuHL, -9997);
    EXPECT_EQ(SubShows(0), 1);
    EXPECT_EQ(IsMMDevicePlaying(0), forms::vbFalse);
}

TEST_F(MenuButtonsTest, ButtonsSpeakTheirNamesWhileNothingIsDrawn) {
    FrmMainForm& m = M();
    const forms::SoundChannel& voices = m.AT_MM_Alphabet(0);
    m.AT_TimerTMR.SetEnabled(false);
    m.TRCImg_Menu(3).MouseMove(0, 0, 1, 1);
    EXPECT_EQ(voices.FileName(), PathSoundsApp + "\\Mnu3.Wav");
    m.TRCImg_SubMenu(1).MouseMove(0, 0, 1, 1);
    EXPECT_EQ(voices.FileName(), PathSoundsApp + "\\SubMnu1.Wav");
    // A demonstration running keeps the buttons quiet.
    m.AT_TimerTMR.SetEnabled(true);
    m.TRCImg_Menu(0).MouseMove(0, 0, 1, 1);
    EXPECT_EQ(voices.FileName(), PathSoundsApp + "\\SubMnu1.Wav");
    EXPECT_EQ(MenuShows(0), 6) << "but they still highlight";
    // A release sounds the press.
    m.TRCImg_Menu(mnLevel).MouseUp(1, 0, 1, 1);
    EXPECT_EQ(voices.FileName(), PathSoundsApp + "\\SndPlonk.Wav");
    EXPECT_EQ(IsMMDevicePlaying(0), forms::vbTrue);
}

struct MenuRowCase {
    const char* name;
    bool shown[5];
    double lefts[5]; // of the shown buttons
};

TEST_F(MenuButtonsTest, TheMenuRowRunsRightToLeftOverTheShownButtons) {
    const MenuRowCase cases[] = {
        {"all", {true, true, true, true, true}, {165, 124, 83, 42, 1}},
        {"level only", {false, false, false, true, false}, {0, 0, 0, 85, 0}},
        {"no options, no music", {false, true, false, true, true}, {0, 125, 0, 84, 43}},
        {"none", {false, false, false, false, false}, {}},
    };
    FrmMainForm& m = M();
    for (const MenuRowCase& c : cases) {
        SCOPED_TRACE(c.name);
        for (int i = 0; i <= 4; ++i)
            Settings.MenuButton(i) = c.shown[i] ? forms::vbTrue : forms::vbFalse;
        ApplyMenuButtons();
        for (int i = 0; i <= 4; ++i) {
            EXPECT_EQ(m.TRCImg_Menu(i).Visible(), c.shown[i]) << i;
            if (c.shown[i]) {
                EXPECT_EQ(m.TRCImg_Menu(i).Left(), c.lefts[i]) << i;
            }
            EXPECT_EQ(m.TRCImg_Menu(i).Top(), 0);
        }
        // The holder and the backdrop keep their size whatever shows.
        forms::PictureBox& holder = m.AppPict_HolderMenu;
        EXPECT_EQ(holder.Left(), 336);
        EXPECT_EQ(holder.Top(), 6);
        EXPECT_EQ(holder.Width(), 5 * 35 + 35);
        EXPECT_EQ(holder.Height(), 35);
        EXPECT_EQ(m.TRCImg_SMBackDrop.Left(), 304);
        EXPECT_EQ(m.TRCImg_SMBackDrop.Top(), 2);
        EXPECT_EQ(m.TRCImg_SMBackDrop.Width(), 230);
        EXPECT_EQ(m.TRCImg_SMBackDrop.Height(), 49);
    }
}

TEST_F(MenuButtonsTest, TheDrawingRowRunsRightToLeftWithoutGaps) {
    const struct {
        const char* name;
        bool shown[4];
        double lefts[4];
    } cases[] = {
        {"all", {true, true, true, true}, {196, 131, 66, 1}},
        {"next hidden", {false, true, true, true}, {0, 163, 98, 33}},
        {"demonstration only", {false, false, false, true}, {0, 0, 0, 100}},
        {"none", {false, false, false, false}, {}},
    };
    FrmMainForm& m = M();
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        for (int i = 0; i <= 3; ++i)
            Settings.SMButton(i) = c.shown[i] ? forms::vbTrue : forms::vbFalse;
        ApplySubMenuButtons();
        for (int i = 0; i <= 3; ++i) {
            EXPECT_EQ(m.TRCImg_SubMenu(i).Visible(), c.shown[i]) << i;
            if (c.shown[i]) {
                EXPECT_EQ(m.TRCImg_SubMenu(i).Left(), c.lefts[i]) << i;
            }
        }
        forms::PictureBox& holder = m.TrcPict_Menus;
        EXPECT_EQ(holder.Left(), 304);
        EXPECT_EQ(holder.Top(), 50);
        EXPECT_EQ(holder.Width(), 4 * 65);
        EXPECT_EQ(holder.Height(), 27);
        EXPECT_EQ(holder.BackColor(), forms::RGB(255, 204, 204));
        EXPECT_TRUE(holder.Visible()) << "tracing shows the row";
    }
    ArrangeSubMenuButtons(forms::vbFalse);
    EXPECT_FALSE(m.TrcPict_Menus.Visible());
}

TEST_F(MenuButtonsTest, TheMenuHolderShowsWhatItCovers) {
    FrmMainForm& m = M();
    const forms::PicturePtr look = m.AppPict_HolderMenu.Picture();
    ASSERT_NE(look, nullptr);
    ASSERT_EQ(look->Width(), 210);
    const forms::Canvas& backdrop = m.TRCImg_SMBackDrop.Picture()->Pixels();
    const forms::Canvas skin = forms::LoadPicture(PathImagesApp + "\\TrcSkin.jpg")->Pixels();
    // Over the backdrop the backdrop (the holder stands 32, 4 into it); past its end, the skin.
    EXPECT_EQ(look->Pixels().GetPixel(0, 0), backdrop.GetPixel(32, 4));
    EXPECT_EQ(look->Pixels().GetPixel(150, 20), backdrop.GetPixel(182, 24));
    EXPECT_EQ(look->Pixels().GetPixel(205, 10), skin.GetPixel(336 + 205, 6 + 10));
}

TEST_F(MenuButtonsTest, ApplyingTheRowsForgetsTheirHighlights) {
    FrmMainForm& m = M();
    m.TRCImg_Menu(0).MouseMove(0, 0, 1, 1);
    m.TRCImg_SubMenu(2).MouseMove(0, 0, 1, 1);
    ProcessAllSections(umApply, Settings, Settings);
    EXPECT_EQ(MenuShows(0), 1);
    EXPECT_EQ(SubShows(2), 3);
    // So the pointer coming back highlights them again.
    m.TRCImg_Menu(0).MouseMove(0, 0, 1, 1);
    EXPECT_EQ(MenuShows(0), 6);
    ProcessAllSections(umApply, Settings, Settings);
    m.TRCImg_SubMenu(2).MouseMove(0, 0, 1, 1);
    EXPECT_EQ(SubShows(2), 7);
}

TEST_F(MenuButtonsTest, WhileAColourWaitsOnlyTheDrawingRowHighlights) {
    FrmMainForm& m = M();
    ColorPending = forms::vbTrue;
    m.TRCImg_Menu(4).MouseMove(0, 0, 1, 1);
    m.TRCImg_Menu(4).MouseDown(1, 0, 1, 1);
    m.TRCImg_Menu(4).MouseUp(1, 0, 1, 1);
    h.Pump();
    EXPECT_EQ(MenuHL, -9997);
    EXPECT_EQ(MenuShows(4), 5);
    EXPECT_FALSE(FrmMenuAlpha.IsLoaded());
    EXPECT_TRUE(FrmMain->Enabled());

    const int16_t before = CurAlphaIdx;
    m.TRCImg_SubMenu(0).MouseMove(0, 0, 1, 1);
    EXPECT_EQ(SubShows(0), 5) << "the drawing row still highlights";
    m.TRCImg_SubMenu(0).MouseDown(1, 0, 1, 1);
    m.TRCImg_SubMenu(0).MouseUp(1, 0, 1, 1);
    EXPECT_EQ(SubShows(0), 5) << "but neither presses";
    EXPECT_EQ(CurAlphaIdx, before) << "nor acts";
}

TEST_F(MenuButtonsTest, NextAndPreviousMoveThroughTheLesson) {
    FrmMainForm& m = M();
    ASSERT_EQ(CurAlphaIdx, 0);
    m.TRCImg_SubMenu(smNext).MouseDown(1, 0, 1, 1);
    m.TRCImg_SubMenu(smNext).MouseUp(1, 0, 1, 1);
    EXPECT_EQ(CurAlphaIdx, 1);
    m.TRCImg_SubMenu(smPrevious).MouseDown(1, 0, 1, 1);
    m.TRCImg_SubMenu(smPrevious).MouseUp(1, 0, 1, 1);
    EXPECT_EQ(CurAlphaIdx, 0);
    m.AT_TimerTMR.SetEnabled(false);
    TraceAnim.AnimPhase = apIdle;
    m.TRCImg_SubMenu(smDemo).MouseUp(1, 0, 1, 1);
    EXPECT_TRUE(m.AT_TimerTMR.Enabled()) << "the demonstration runs";
    EXPECT_EQ(TraceAnim.AnimPhase, apDemoStart);
}

TEST_F(MenuButtonsTest, ThePromptGoesOnPressAndReleaseToTheCharacterWorkedOn) {
    // At Level I a press and release of the prompt shows the next stroke of the character worked
    // on, whose stroke hint then moves on.
    const struct {
        int16_t numAlphas, animAlphaNo;
        AlphaData* moved;
    } cases[] = {
        {1, 2, &AlphaCur}, {2, 1, &AlphaCur}, {2, 2, &AlphaCur2}, {2, 0, nullptr}, {3, 1, nullptr},
    };
    FrmMainForm& m = M();
    Settings.UserLevel = 0;
    for (const auto& c : cases) {
        SCOPED_TRACE(testing::Message() << c.numAlphas << " " << c.animAlphaNo);
        m.AT_TimerTMR.SetEnabled(false);
        NumAlphas = c.numAlphas;
        AnimAlphaNo = c.animAlphaNo;
        for (AlphaData* rec : {&AlphaCur, &AlphaCur2}) {
            rec->PromptStroke = 0;
            rec->LastStroke = 2;
        }
        m.TRCImg_SubMenu(smPrompt).MouseDown(1, 0, 3, 4);
        m.TRCImg_SubMenu(smPrompt).MouseUp(1, 0, 3, 4);
        EXPECT_EQ(AlphaCur.PromptStroke, c.moved == &AlphaCur ? 1 : 0);
        EXPECT_EQ(AlphaCur2.PromptStroke, c.moved == &AlphaCur2 ? 1 : 0);
    }
}

struct OpenCase {
    int16_t button;
    forms::Form* (*menu)();
};

TEST_F(MenuButtonsTest, MenuButtonsOpenTheirMenusOverADisabledMainWindow) {
    const OpenCase cases[] = {
        {mnChoice, []() -> forms::Form* { return &FrmMenuLessons.Get(); }},
        {mnMusic, []() -> forms::Form* { return &FrmMenuMusic.Get(); }},
        {mnLevel, []() -> forms::Form* { return &FrmMenuLevel.Get(); }},
        {mnAlphaType, []() -> forms::Form* { return &FrmMenuAlpha.Get(); }},
    };
    FrmMainForm& m = M();
    for (const OpenCase& c : cases) {
        SCOPED_TRACE(c.button);
        ASSERT_TRUE(FrmMain->Enabled());
        m.AT_TimerTMR.SetEnabled(true); // tracing: the animation stops first
        h.ClickOn(m.TRCImg_Menu(c.button), 10, 10);
        forms::Form* menu = c.menu();
        EXPECT_TRUE(menu->Visible());
        EXPECT_EQ(forms::Application::ActiveForm(), menu);
        EXPECT_FALSE(FrmMain->Enabled());
        EXPECT_FALSE(m.AT_TimerTMR.Enabled());
        EXPECT_EQ(MenuShows(c.button), c.button + 6) << "released, the button is highlighted";
        h.Key(27); // Esc closes every menu
        EXPECT_FALSE(menu->Visible());
        EXPECT_TRUE(FrmMain->Enabled());
        EXPECT_EQ(forms::Application::ActiveForm(), &FrmMain.Get());
    }
}

TEST_F(MenuButtonsTest, WhileThePuzzleIsCurrentAMenuOpensWithoutStoppingAnything) {
    FrmMainForm& m = M();
    Settings.LessonID = lsPuzzle;
    m.AT_TimerTMR.SetEnabled(true); // the puzzle's shuffle borrows the timer
    m.TRCImg_Menu(mnLevel).MouseUp(1, 0, 1, 1);
    EXPECT_TRUE(m.AT_TimerTMR.Enabled());
    EXPECT_TRUE(FrmMenuLevel->Visible());
}

TEST_F(MenuButtonsTest, TheOptionsButtonAsksForThePasswordWhenItGuardsTheOptions) {
    FrmMainForm& m = M();
    Settings.PWOptions = forms::vbTrue;
    PasswordAtStart = 1;
    m.TRCImg_Menu(mnOptions).MouseUp(1, 0, 1, 1);
    h.Pump();
    EXPECT_TRUE(FrmPassWord->Visible());
    EXPECT_EQ(forms::Application::ActiveForm(), &FrmPassWord.Get());
    EXPECT_EQ(PasswordAtStart, 0);
    EXPECT_FALSE(FrmMain->Enabled());
    EXPECT_FALSE(OptionsShown());
}

TEST_F(MenuButtonsTest, TheOptionsButtonOpensTheOptionsWhenNoPasswordGuardsThem) {
    FrmMainForm& m = M();
    Settings.PWOptions = forms::vbFalse;
    m.TRCImg_Menu(mnOptions).MouseUp(forms::vbRightButton, 0, 1, 1); // the log is off
    EXPECT_TRUE(OptionsShown());
    EXPECT_FALSE(FrmPassWord.IsLoaded());
}

TEST_F(MenuButtonsTest, WithTheDebugLogOnARightClickOnOptionsEndsTheProgram) {
    FrmMainForm& m = M();
    DebugOn = forms::vbTrue;
    Settings.PWOptions = forms::vbFalse;
    m.TRCImg_Menu(mnOptions).MouseUp(forms::vbLeftButton, 0, 1, 1);
    EXPECT_TRUE(OptionsShown()) << "a left click opens the options as ever";
    forms::Application::HandlerScope scope;
    EXPECT_THROW(m.TRCImg_Menu(mnOptions).MouseUp(forms::vbRightButton, 0, 1, 1), forms::EndSignal);
    EXPECT_TRUE(ProgramEnding());
}

} // namespace
