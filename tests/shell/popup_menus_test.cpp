// The alphabet, level and lesson menus: opening from the main window, hover colours, choices that
// take effect while the menu stays open, and closing back to the main window.
#include "shell/frm_menu_alpha.h"
#include "shell/frm_menu_lessons.h"
#include "shell/frm_menu_level.h"
#include "shell/menu_buttons.h"
#include "tests/shell/shell_fixture.h"
#include "tracing/progress.h"
#include "tracing/trace_engine.h"

#include <algorithm>

namespace {

constexpr int32_t kYellow = 0x00FFFF;

class PopupMenusTest : public ShellTest {
  protected:
    void SetUp() override {
        ShellTest::SetUp();
        StartAndShow();
    }
    // Opens a menu the way the child does: a click on its button of the main window.
    void Open(int16_t button) {
        h.ClickOn(FrmMain->TRCImg_Menu(button), 10, 10);
        ASSERT_FALSE(FrmMain->Enabled());
    }
    // The menu has closed and the main window's activation has resumed the activity.
    void ExpectClosed(const forms::Form& menu) {
        EXPECT_FALSE(menu.Visible());
        EXPECT_TRUE(FrmMain->Enabled());
        EXPECT_EQ(forms::Application::ActiveForm(), &FrmMain.Get());
        EXPECT_EQ(PendingAction, paNone) << "the activation handed the request on";
    }
    // A done mark of the current type and level, which only a restart of tracing clears.
    static void MarkDone() {
        AlphaDone(Settings.AlphabetType)(Settings.UserLevel)(5) = forms::vbTrue;
    }
    static bool MarkKept() {
        return AlphaDone(Settings.AlphabetType)(Settings.UserLevel)(5) == forms::vbTrue;
    }
};

// --- The family: the same frame and the same ways out.

struct Family {
    const char* name;
    int16_t button;
    PopupMenuForm& (*form)();
    const char* heading;
};
const Family kFamily[] = {
    {"alphabet", mnAlphaType, []() -> PopupMenuForm& { return FrmMenuAlpha.Get(); }, " Alphabet"},
    {"level", mnLevel, []() -> PopupMenuForm& { return FrmMenuLevel.Get(); }, "Level"},
    {"lesson", mnChoice, []() -> PopupMenuForm& { return FrmMenuLessons.Get(); }, "Lesson"},
};

TEST_F(PopupMenusTest, EachMenuIsASkinnedDialogOverTheMainWindow) {
    for (const Family& f : kFamily) {
        SCOPED_TRACE(f.name);
        Open(f.button);
        PopupMenuForm& menu = f.form();
        EXPECT_TRUE(menu.Visible());
        EXPECT_EQ(forms::Application::ActiveForm(), &menu);
        EXPECT_EQ(menu.BorderStyle(), forms::vbBSNone);
        EXPECT_EQ(menu.ScaleWidth(), 340);
        EXPECT_EQ(menu.ScaleHeight(), 369);
        EXPECT_NE(menu.Pict_Holder.Picture(), nullptr) << "the skin";
        EXPECT_EQ(menu.Pict_Holder.Width(), 340);
        EXPECT_EQ(menu.Lbl_Heading.Caption(), f.heading);
        EXPECT_EQ(menu.Lbl_Close.Caption(), "\xD1");
        EXPECT_EQ(menu.Lbl_Close.Left(), 285);
        // A press on the disabled main window goes nowhere: the menu keeps the input.
        h.Click(FrmMain->ScreenRect().x + 5, FrmMain->ScreenRect().y + 5);
        EXPECT_EQ(forms::Application::ActiveForm(), &menu);
        h.Key(27);
        ExpectClosed(menu);
    }
}

TEST_F(PopupMenusTest, TheCloseLabelClosesAsEscDoes) {
    for (const Family& f : kFamily) {
        SCOPED_TRACE(f.name);
        Open(f.button);
        PopupMenuForm& menu = f.form();
        FrmMain->Picture_DrawBoard.Cls();
        h.ClickOn(menu.Lbl_Close, 20, 20);
        ExpectClosed(menu);
        EXPECT_TRUE(FrmMain->AT_TimerTMR.Enabled()) << "tracing resumed with its demonstration";
    }
}

TEST_F(PopupMenusTest, HidingPostsAResumeAndAHiddenMenuHidesNoMore) {
    Open(mnLevel);
    FrmMenuLevel->HideFrmMenuLevel();
    EXPECT_EQ(PendingAction, paResume) << "posted for the main window's activation";
    EXPECT_TRUE(FrmMain->Enabled());
    h.Pump();
    EXPECT_EQ(PendingAction, paNone);
    PendingAction = paMinimise;
    FrmMenuLevel->HideFrmMenuLevel(); // not visible: nothing happens
    EXPECT_EQ(PendingAction, paMinimise);
    PendingAction = paNone;
}

TEST_F(PopupMenusTest, TheMenusSpeakTheirItemsHeadingsAndCloseLabels) {
    const struct {
        int16_t button;
        forms::Control& (*item)();
        const char *itemVoice, *headingVoice;
    } cases[] = {
        {mnAlphaType, []() -> forms::Control& { return FrmMenuAlpha->Lbl_AlphaType(2); },
         "\\MnuAlpha2.Wav", "\\Mnu4.Wav"},
        {mnLevel, []() -> forms::Control& { return FrmMenuLevel->Lbl_LevelHL(1); },
         "\\MnuLevel1.Wav", "\\Mnu3.Wav"},
        {mnChoice, []() -> forms::Control& { return FrmMenuLessons->Img_Button(1); },
         "\\MnuLes1.Wav", "\\Mnu1.Wav"},
    };
    const forms::SoundChannel& voices = FrmMain->AT_MM_Alphabet(0);
    auto plays = [&voices] {
        return std::count(voices.History().begin(), voices.History().end(), "Play");
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.itemVoice);
        Open(c.button);
        forms::Control& item = c.item();
        PopupMenuForm& menu = static_cast<PopupMenuForm&>(*item.OwnerForm());
        h.MoveOn(item, 10, 10);
        EXPECT_EQ(voices.FileName(), PathSoundsApp + c.itemVoice);
        // The same item again speaks no more, even once its voice has ended.
        FrmMain->AT_MM_Alphabet(0).SetCommand("Stop");
        const auto before = plays();
        h.MoveOn(item, 12, 12);
        EXPECT_EQ(plays(), before);
        // Over the background in between, it speaks again.
        h.MoveOn(menu.Pict_Holder, 5, 340);
        h.MoveOn(item, 10, 10);
        EXPECT_EQ(plays(), before + 1);
        h.MoveOn(menu.Lbl_Heading, 10, 10);
        EXPECT_EQ(voices.FileName(), PathSoundsApp + c.headingVoice);
        h.MoveOn(menu.Lbl_Close, 20, 20);
        EXPECT_EQ(voices.FileName(), PathSoundsApp + "\\MnuClose.Wav");
        h.Key(27);
        EXPECT_EQ(voices.FileName(), PathSoundsApp + "\\SndPlonk.Wav") << "the closing sound";
        ExpectClosed(menu);
    }
}

// --- The alphabet-type menu.

TEST_F(PopupMenusTest, TheAlphabetMenuOpensWithTheCurrentTypeFramedAndYellow) {
    Settings.AlphabetType = atMixed;
    Open(mnAlphaType);
    FrmMenuAlphaForm& a = *FrmMenuAlpha;
    for (int i = 0; i <= 3; ++i)
        EXPECT_NE(a.Img_BG(i).Picture(), nullptr) << i;
    EXPECT_EQ(a.Img_BG(1).Left(), 190);
    EXPECT_EQ(a.Img_BG(2).Top(), 225);
    EXPECT_EQ(a.Lbl_AlphaType(3).Top(), 229);
    EXPECT_EQ(a.Lbl_AlphaType(2).Caption(), "Aa");
    EXPECT_EQ(a.Shp_HL.Left(), 73);
    EXPECT_EQ(a.Shp_HL.Top(), 223);
    EXPECT_EQ(a.Shp_HL.Width(), 104);
    EXPECT_EQ(a.Shp_Border.Width(), 272);
    const int32_t colours[4] = {forms::RGB(204, 0, 0), forms::RGB(192, 0, 0), kYellow,
                                forms::RGB(192, 0, 0)};
    for (int i = 0; i <= 3; ++i)
        EXPECT_EQ(a.Lbl_AlphaType(i).ForeColor(), colours[i]) << i;
    EXPECT_EQ(a.HoverIndex, -9997);
}

TEST_F(PopupMenusTest, TheYellowFollowsThePointerAndTheFrameStays) {
    Settings.AlphabetType = atCapitals;
    Open(mnAlphaType);
    FrmMenuAlphaForm& a = *FrmMenuAlpha;
    h.MoveOn(a.Lbl_AlphaType(1), 50, 50);
    EXPECT_EQ(a.HoverIndex, 1);
    EXPECT_EQ(a.Lbl_AlphaType(1).ForeColor(), kYellow);
    EXPECT_EQ(a.Lbl_AlphaType(0).ForeColor(), forms::RGB(204, 0, 0)) << "the current type was left";
    h.MoveOn(a.Lbl_AlphaType(3), 50, 50);
    EXPECT_EQ(a.Lbl_AlphaType(1).ForeColor(), forms::RGB(204, 0, 0));
    EXPECT_EQ(a.Lbl_AlphaType(3).ForeColor(), kYellow);
    EXPECT_EQ(a.Shp_HL.Left(), 73) << "hovering moves no frame";
    EXPECT_EQ(Settings.AlphabetType, atCapitals);

    // Closed and opened again, the colours are as they were left.
    h.Key(27);
    Open(mnAlphaType);
    EXPECT_EQ(a.Lbl_AlphaType(3).ForeColor(), kYellow);
    EXPECT_EQ(a.Lbl_AlphaType(1).ForeColor(), forms::RGB(204, 0, 0));
    EXPECT_EQ(a.Shp_HL.Top(), 108);
}

TEST_F(PopupMenusTest, ChoosingATypeRestartsTracingWithItAndTheMenuStaysOpen) {
    Settings.AlphabetType = atCapitals;
    Open(mnAlphaType);
    FrmMenuAlphaForm& a = *FrmMenuAlpha;
    Settings.AlphabetType = atNumbers;
    MarkDone();
    Settings.AlphabetType = atCapitals;
    h.ClickOn(a.Lbl_AlphaType(3), 50, 50);
    EXPECT_EQ(Settings.AlphabetType, atNumbers);
    EXPECT_FALSE(MarkKept()) << "tracing started afresh with numbers";
    EXPECT_EQ(a.Shp_HL.Left(), a.Img_BG(3).Left() - 2);
    EXPECT_EQ(a.Shp_HL.Top(), a.Img_BG(3).Top() - 2);
    EXPECT_TRUE(a.Visible());
    EXPECT_FALSE(FrmMain->Enabled());
    EXPECT_EQ(PendingAction, paNone);

    // The current type again: nothing restarts.
    MarkDone();
    h.ClickOn(a.Lbl_AlphaType(3), 50, 50);
    EXPECT_TRUE(MarkKept());

    // Another, then closing: the last choice goes on.
    h.ClickOn(a.Lbl_AlphaType(1), 50, 50);
    EXPECT_EQ(Settings.AlphabetType, atSmall);
    h.Key(27);
    ExpectClosed(a);
    EXPECT_EQ(AlphaCur.Alpha, "a");
}

TEST_F(PopupMenusTest, ReopenedAfterTheTypeChangedElsewhereTheFrameMarksTheCurrentType) {
    Open(mnAlphaType);
    h.Key(27);
    // As the options dialog may set it, restarting the activity.
    Settings.AlphabetType = atNumbers;
    const int16_t restart = paShowActivity;
    ChangeAppState(restart);
    h.Pump();
    Open(mnAlphaType);
    EXPECT_EQ(FrmMenuAlpha->Shp_HL.Left(), FrmMenuAlpha->Img_BG(3).Left() - 2);
    EXPECT_EQ(FrmMenuAlpha->Shp_HL.Top(), FrmMenuAlpha->Img_BG(3).Top() - 2);
}

TEST_F(PopupMenusTest, AnAlphabetTypeOutsideTheMenuOpensItWithNoFrameMoved) {
    Settings.AlphabetType = 9; // a settings file with a type the menu does not know
    Settings.LessonID = lsPuzzle;
    FrmMenuAlpha->Show();
    h.Pump();
    EXPECT_TRUE(FrmMenuAlpha->Visible());
    h.MoveOn(FrmMenuAlpha->Lbl_AlphaType(2), 50, 50);
    EXPECT_EQ(FrmMenuAlpha->Lbl_AlphaType(2).ForeColor(), kYellow);
}

// --- The level menu.

TEST_F(PopupMenusTest, TheLevelMenuFramesTheCurrentLevel) {
    Settings.UserLevel = ulLevel2;
    Open(mnLevel);
    FrmMenuLevelForm& l = *FrmMenuLevel;
    EXPECT_EQ(l.SelectedIndex, 1);
    for (int i = 0; i <= 2; ++i)
        EXPECT_EQ(l.Shp_LevelHL(i).Visible(), i == 1) << i;
    // The staircase: each clickable area stands on its number, each frame around both.
    const double lefts[3] = {70, 152, 238}, tops[3] = {305, 256, 208};
    for (int i = 0; i <= 2; ++i) {
        SCOPED_TRACE(i);
        const forms::Label& number = l.Lbl_Level(i);
        EXPECT_EQ(number.Left(), lefts[i]);
        EXPECT_EQ(number.Top(), tops[i]);
        EXPECT_DOUBLE_EQ(number.Height(), 348.0 / 15);
        const double centre = number.Left() + number.Width() / 2;
        EXPECT_DOUBLE_EQ(l.Lbl_LevelHL(i).Left() + l.Lbl_LevelHL(i).Width() / 2, centre);
        EXPECT_DOUBLE_EQ(l.Lbl_LevelHL(i).Top() + l.Lbl_LevelHL(i).Height(), number.Top());
        EXPECT_DOUBLE_EQ(l.Shp_LevelHL(i).Left() + 46, centre);
        EXPECT_DOUBLE_EQ(l.Shp_LevelHL(i).Top() + l.Shp_LevelHL(i).Height(),
                         number.Top() + number.Height());
        EXPECT_EQ(number.ForeColor(), forms::RGB(0, 0, 128));
    }
    EXPECT_DOUBLE_EQ(l.Lbl_LevelHL(0).Width(), 44);
    EXPECT_EQ(l.Shp_LevelHL(0).Height(), 135);
    EXPECT_EQ(l.Shp_LevelHL(2).Height(), 155);
}

TEST_F(PopupMenusTest, HoveringALevelTurnsItsNumberYellow) {
    Settings.UserLevel = ulLevel1;
    Open(mnLevel);
    FrmMenuLevelForm& l = *FrmMenuLevel;
    // Level I first: the current level, and hovered it still lights up.
    h.MoveOn(l.Lbl_LevelHL(0), 10, 30);
    EXPECT_EQ(l.Lbl_Level(0).ForeColor(), kYellow);
    EXPECT_EQ(l.HoverIndex, 0);
    h.MoveOn(l.Lbl_LevelHL(2), 10, 30);
    EXPECT_EQ(l.Lbl_Level(2).ForeColor(), kYellow);
    EXPECT_EQ(l.Lbl_Level(0).ForeColor(), forms::RGB(0, 0, 170));
    EXPECT_EQ(Settings.UserLevel, ulLevel1) << "hovering chooses nothing";
    // The number below the area takes no part.
    h.MoveOn(l.Lbl_Level(1), 5, 5);
    EXPECT_EQ(l.Lbl_Level(1).ForeColor(), forms::RGB(0, 0, 128));
    EXPECT_EQ(l.HoverIndex, 2);
}

TEST_F(PopupMenusTest, ChoosingALevelRestartsAtItAndPostsAResume) {
    Settings.UserLevel = ulLevel1;
    Open(mnLevel);
    FrmMenuLevelForm& l = *FrmMenuLevel;
    Settings.UserLevel = ulLevel3;
    MarkDone();
    Settings.UserLevel = ulLevel1;
    h.ClickOn(l.Lbl_LevelHL(2), 10, 30);
    EXPECT_EQ(Settings.UserLevel, ulLevel3);
    EXPECT_FALSE(MarkKept()) << "tracing started afresh at Level III";
    EXPECT_EQ(PendingAction, paResume);
    EXPECT_EQ(l.SelectedIndex, 2);
    for (int i = 0; i <= 2; ++i)
        EXPECT_EQ(l.Shp_LevelHL(i).Visible(), i == 2) << i;
    EXPECT_TRUE(l.Visible());

    // The current level again: nothing restarts, nothing is posted.
    MarkDone();
    PendingAction = paNone;
    h.ClickOn(l.Lbl_LevelHL(2), 10, 30);
    EXPECT_TRUE(MarkKept());
    EXPECT_EQ(PendingAction, paNone);

    // The number takes no click: the step above it does.
    h.ClickOn(l.Lbl_Level(1), 5, 5);
    EXPECT_EQ(Settings.UserLevel, ulLevel3);
    h.Key(27);
    ExpectClosed(l);
}

// The skin's coloured steps are the areas that choose the levels: every point of a step answers,
// and each step chooses its own level.
TEST_F(PopupMenusTest, EachStepOfTheLevelSkinChoosesItsLevel) {
    Settings.UserLevel = ulLevel1;
    Open(mnLevel);
    FrmMenuLevelForm& l = *FrmMenuLevel;
    ASSERT_NE(l.Pict_Holder.Picture(), nullptr);
    const forms::Canvas& skin = l.Pict_Holder.Picture()->Pixels();
    // A step is strongly coloured; the cream body, its bubbles and the shadows are not.
    auto stepAt = [&](int x, int y) {
        const int32_t c = skin.GetPixel(x, y);
        const int r = c & 0xFF, g = c >> 8 & 0xFF, b = c >> 16 & 0xFF;
        return std::max({r, g, b}) - std::min({r, g, b}) > 70;
    };
    auto inArea = [&](int x, int y) {
        for (int i = 0; i <= 2; ++i) {
            const forms::Label& a = l.Lbl_LevelHL(i);
            if (x >= a.Left() - 1 && x <= a.Left() + a.Width() + 1 && y >= a.Top() - 1 &&
                y <= a.Top() + a.Height() + 1)
                return true;
        }
        return false;
    };
    int outside = 0;
    for (int y = 45; y < skin.Height() - 4; ++y)
        for (int x = 4; x < skin.Width() - 4; ++x)
            outside += stepAt(x, y) && !inArea(x, y);
    EXPECT_EQ(outside, 0) << "pixels of a step that no click reaches";
    for (int16_t i : {ulLevel2, ulLevel3, ulLevel1}) {
        SCOPED_TRACE(i);
        const forms::Label& a = l.Lbl_LevelHL(i);
        const int cx = static_cast<int>(a.Left() + a.Width() / 2);
        for (int y : {static_cast<int>(a.Top()) + 4, static_cast<int>(a.Top() + a.Height() / 2),
                      static_cast<int>(a.Top() + a.Height()) - 4})
            EXPECT_TRUE(stepAt(cx, y)) << "no step at " << cx << ", " << y;
        h.ClickOn(l.Pict_Holder, cx, a.Top() + a.Height() / 2);
        EXPECT_EQ(Settings.UserLevel, i);
    }
}

// --- The lesson menu.

TEST_F(PopupMenusTest, TheLessonMenuSwitchesTheActivityAndBack) {
    Open(mnChoice);
    FrmMenuLessonsForm& s = *FrmMenuLessons;
    for (int i = 0; i <= 1; ++i)
        EXPECT_NE(s.Img_Button(i).Picture(), nullptr) << i;
    EXPECT_EQ(s.Shp_HL.Left(), 62);
    EXPECT_EQ(s.Shp_HL.Top(), 62);
    EXPECT_EQ(s.Shp_HL.Width(), 215);
    EXPECT_EQ(s.Shp_HL.Height(), 130);

    h.ClickOn(s.Img_Button(1), 80, 45);
    EXPECT_EQ(Settings.LessonID, lsPuzzle);
    EXPECT_TRUE(FrmMain->Pict_HolderLesson(1).Visible()) << "the puzzle started";
    EXPECT_FALSE(FrmMain->Pict_HolderLesson(0).Visible()) << "the tracing screen came down";
    EXPECT_EQ(s.Shp_HL.Top(), 208);
    EXPECT_TRUE(s.Visible());

    FrmMain->PuzLbl_Coin(0).SetCaption("?"); // a restart would lay a new board
    h.ClickOn(s.Img_Button(1), 80, 45);      // the current lesson: nothing
    EXPECT_EQ(FrmMain->PuzLbl_Coin(0).Caption(), "?");
    EXPECT_TRUE(FrmMain->Pict_HolderLesson(1).Visible());

    h.ClickOn(s.Img_Button(0), 80, 45);
    EXPECT_EQ(Settings.LessonID, lsTracing);
    EXPECT_FALSE(FrmMain->Pict_HolderLesson(1).Visible()) << "the puzzle screen came down";
    EXPECT_TRUE(FrmMain->Pict_HolderLesson(0).Visible());
    EXPECT_EQ(s.Shp_HL.Top(), 62);
    h.Key(27);
    ExpectClosed(s);
}

TEST_F(PopupMenusTest, AMenuPictureThatIsMissingGivesNone) {
    EXPECT_EQ(LoadMenuPicture("\\NoSuchSkin.Jpg"), nullptr);
    EXPECT_NE(LoadMenuPicture("\\dialogalphaskin.jpg"), nullptr) << "found whatever the case";
}

} // namespace
