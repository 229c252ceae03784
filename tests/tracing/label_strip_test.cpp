// The character label strip and the word label on the real main window: captions, colours and
// layout by alphabet type and lesson range, a hovered label speaking its character and going
// back a second later, a click choosing a character, and the word's place for its length.
#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <vector>

#include "forms/font_registry.h"
#include "forms/msgbox.h"
#include "forms/screen.h"
#include "forms/text.h"
#include "main_window_fixture.h"
#include "shell/sounds.h"
#include "shell/startup.h"
#include "tests/support/wave_file.h"
#include "tracing/colour_picker.h"
#include "tracing/label_strip.h"
#include "tracing/stroke_walk.h"
#include "tracing/trace_clicks.h"
#include "tracing/trace_router.h"

namespace {

class LabelStripTest : public MainWindowTest {
  protected:
    void SetUp() override {
        MainWindowTest::SetUp();
        ColorPending = forms::vbFalse;
        Settings.ColorText = forms::RGB(0, 0, 200);
        Settings.ColorTextHL = forms::RGB(0, 150, 0);
        Settings.ColorTextDisabled = forms::RGB(120, 120, 120);
    }
    void TearDown() override {
        ColorPending = forms::vbFalse;
        MainWindowTest::TearDown();
    }
    // A swatch picked: the colour waits for its target, and the router takes the events.
    static void PickColour() {
        FrmMain->AT_Image_ColorPicker(9).MouseMove(0, 0, 1, 1);
        FrmMain->AT_Image_ColorPicker(9).Click();
        ASSERT_EQ(ColorPending, forms::vbTrue);
    }
    FrmMainForm& F() { return *FrmMain; }
    forms::Label& Label(int i) { return F().Label_Alpha(i); }
    forms::PicturePtr Tile(int i) { return F().AT_Image_AlphaBG(i).Picture(); }
    std::string Speech() { return F().AT_MM_Alphabet(1).FileName(); }
    void Advance(int64_t ms) {
        for (int64_t t = 0; t < ms; ++t) {
            clock_->Advance(1);
            forms::Application::Pump();
        }
    }
    void Letters(int16_t type, const char* first, const char* last) {
        Settings.AlphabetType = type;
        Settings.AlphabetStart = first;
        Settings.AlphabetEnd = last;
        StartTrace();
    }
    void Numbers(int16_t first, int16_t last, int16_t step) {
        Settings.AlphabetType = 3;
        Settings.NumbersStart = first;
        Settings.NumbersEnd = last;
        Settings.NumbersStep = step;
        StartTrace();
    }
    void Hover(int i) { Label(i).MouseMove(0, 0, 2, 2); }
    void Release(int i, int shift = 0) { Label(i).MouseUp(1, shift, 2, 2); }

    // Runs the animation until it stops by itself.
    static void TickUntilStopped() {
        for (int i = 0; i < 2000 && AnimTimerRunning(); ++i)
            AnimationTimerTick();
        ASSERT_FALSE(AnimTimerRunning());
    }
    // Level II: the current character traced to its end, every key point clicked in order; its
    // cursors then stand past its last stroke.
    static void TraceCurrentAtLevelTwo() {
        TickUntilStopped(); // the stroke prompt
        for (int s = 0; s <= AlphaCur.LastStroke; ++s) {
            int16_t x = 0, y = 0;
            for (int k = 0; KeyPairPoint(AlphaCur, s, k, x, y); ++k) {
                TraceClick(1, 0, x, y);
                TickUntilStopped();
            }
        }
        ASSERT_EQ(IsCurrentAlphaDone(), forms::vbTrue);
    }
    // The first click of a Level II character answers: its first key point is taken.
    static void ExpectFirstKeyPointAnswers() {
        TickUntilStopped();
        ASSERT_EQ(AlphaCur.CurStroke, 0);
        ASSERT_EQ(AlphaCur.CurKey, 0);
        int16_t x = 0, y = 0;
        ASSERT_TRUE(KeyPairPoint(AlphaCur, 0, 0, x, y));
        TraceClick(1, 0, x, y);
        EXPECT_EQ(AlphaCur.CurKey, 1);
    }
};

TEST_F(LabelStripTest, CaptionsAndVisibilityFollowTheAlphabetType) {
    struct Case {
        int16_t type;
        const char *first, *last; // labels 0 and 25 (numbers: 0 and 29)
        int shown;
    } cases[] = {{0, "A", "Z", 26}, {1, "a", "z", 26}, {2, "Aa", "Zz", 26}, {3, "1", "30", 30}};
    for (const Case& c : cases) {
        SCOPED_TRACE(c.type);
        if (c.type == 3)
            Numbers(1, 30, 1);
        else
            Letters(c.type, "A", "Z");
        EXPECT_EQ(Label(0).Caption(), c.first);
        EXPECT_EQ(Label(c.shown - 1).Caption(), c.last);
        for (int i = 0; i <= 29; ++i)
            EXPECT_EQ(Label(i).Visible(), i < c.shown) << i;
    }
    // Letters after numbers: the last four keep their captions, hidden.
    Letters(0, "A", "Z");
    EXPECT_EQ(Label(27).Caption(), "28");
    EXPECT_FALSE(Label(27).Visible());
    EXPECT_EQ(Label(9).Caption(), "J");
    ShowAlphaLabels(forms::vbFalse);
    for (int i = 0; i <= 29; ++i)
        EXPECT_FALSE(Label(i).Visible()) << i;
}

TEST_F(LabelStripTest, OnlyTheLessonRangeIsEnabledAndColouredByProgress) {
    Letters(0, "C", "F");
    for (int i = 0; i <= 29; ++i) {
        const bool inRange = i >= 2 && i <= 5;
        EXPECT_EQ(AlphaEnabled(i), forms::ToFlag(inRange)) << i;
        EXPECT_EQ(Label(i).ForeColor(), inRange ? Settings.ColorText : Settings.ColorTextDisabled)
            << i;
    }
    // Finished characters take the finished colour.
    AlphaDone(0)(Settings.UserLevel)(4) = forms::vbTrue;
    ColorAlphaLabels();
    EXPECT_EQ(Label(4).ForeColor(), Settings.ColorTextHL);
    EXPECT_EQ(Label(3).ForeColor(), Settings.ColorText);
    EXPECT_EQ(Label(6).ForeColor(), Settings.ColorTextDisabled);

    // Numbers 2 to 30 by 2: the labels of the even numbers.
    Numbers(2, 30, 2);
    for (int i = 0; i <= 29; ++i) {
        const bool even = i % 2 == 1;
        EXPECT_EQ(AlphaEnabled(i), forms::ToFlag(even)) << i;
        EXPECT_EQ(Label(i).ForeColor(), even ? Settings.ColorText : Settings.ColorTextDisabled)
            << i;
    }
}

TEST_F(LabelStripTest, LabelsLieOnTheirTilesInASizeForTheType) {
    struct Case {
        int16_t type;
        double twips;
        double points, dx, dy;
    } cases[] = {
        // 15 x 51 x 0.03099 = 23.7; 12 x 51 x 0.03099 = 18.97
        {0, 15, 24, 0, 3}, {1, 15, 24, -1, 1}, {2, 15, 20, 0, 6},
        {3, 15, 23, 0, 3}, {0, 12, 19, 0, 3},  {2, 12, 15, 0, 6},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(std::to_string(c.type) + " at " + std::to_string(c.twips));
        forms::Screen::SetTwipsPerPixel(c.twips, c.twips);
        if (c.type == 3)
            Numbers(1, 30, 1);
        else
            Letters(c.type, "A", "Z");
        for (int i : {0, 9, 10, 29}) {
            const forms::Image& tile = F().AT_Image_AlphaBG(i);
            EXPECT_DOUBLE_EQ(Label(i).Left(), tile.Left() + c.dx) << i;
            EXPECT_DOUBLE_EQ(Label(i).Top(), tile.Top() + c.dy) << i;
            EXPECT_DOUBLE_EQ(Label(i).Width(), tile.Width()) << i;
            EXPECT_DOUBLE_EQ(Label(i).Height(), tile.Height()) << i;
            EXPECT_DOUBLE_EQ(Label(i).FontSize(), c.points) << i;
            EXPECT_EQ(Label(i).FontName(), FontName(0));
            EXPECT_EQ(Label(i).FontBold(), FontSubstituted(0) != forms::vbFalse);
        }
    }
    forms::Screen::SetTwipsPerPixel(15, 15);
}

TEST_F(LabelStripTest, HoveringALabelSpeaksItOnceAndPutsItBackASecondLater) {
    Letters(0, "A", "Z");
    ASSERT_TRUE(FrmMain->Label_Alpha(2).Visible());
    Hover(2);
    EXPECT_EQ(Speech(), PathSoundsAlphabets + "\\Basic_C.Wav");
    EXPECT_EQ(Tile(2), Tile(32)) << "the hover tile";
    EXPECT_EQ(Label(2).ForeColor(), Settings.ColorText) << "its colour stays";
    EXPECT_EQ(LabelIndexHot, 2);
    EXPECT_EQ(LabelRecolour, forms::vbTrue);
    Advance(999);
    EXPECT_EQ(Tile(2), Tile(32));
    Advance(1);
    EXPECT_EQ(Tile(2), Tile(30)) << "back to its normal tile";
    EXPECT_EQ(LabelRecolour, forms::vbFalse);
    EXPECT_FALSE(FrmMain->ATTmr_MM.Enabled());

    // Moving on the same label says nothing more; another label and back again speaks it.
    F().AT_MM_Alphabet(1).SetFileName("");
    Hover(2);
    EXPECT_EQ(Speech(), "");
    Hover(3);
    EXPECT_EQ(Speech(), PathSoundsAlphabets + "\\Basic_D.Wav");
    // Within its second another label keeps quiet.
    Hover(4);
    EXPECT_EQ(Speech(), PathSoundsAlphabets + "\\Basic_D.Wav");
    EXPECT_EQ(Tile(4), Tile(30));
    Advance(1000);
    EXPECT_EQ(Tile(3), Tile(30));
    Hover(2);
    EXPECT_EQ(Speech(), PathSoundsAlphabets + "\\Basic_C.Wav");
}

TEST_F(LabelStripTest, AHoverSpeaksTheCapitalOfAPairAndTheWholeNumber) {
    Letters(2, "A", "Z");
    Hover(4);
    EXPECT_EQ(Speech(), PathSoundsAlphabets + "\\Basic_E.Wav");
    Numbers(1, 30, 1);
    Hover(22);
    EXPECT_EQ(Speech(), PathSoundsNumbers + "\\Basic_23.Wav");
}

TEST_F(LabelStripTest, NoHoverSpeechOutsideTheRangeOrWhileSomethingElseRuns) {
    forms::MakeFolder(folder_->File("Sounds"));
    forms::MakeFolder(folder_->File("Sounds/Alphabets"));
    wo_test::WriteWave(folder_->File("Sounds/Alphabets/Basic_D.Wav"), 1500);
    Letters(0, "C", "F");
    struct Case {
        const char* what;
        int label;
        std::function<void()> before, after;
    };
    auto none = [] {};
    const std::vector<Case> cases = {
        {"outside the range", 7, none, none},
        {"while a word is read out", 4, [] { FrmMain->ATTmr_MM.SetEnabled(true); },
         [] { FrmMain->ATTmr_MM.SetEnabled(false); }},
        {"while a stroke is drawn", 4, [] { FrmMain->AT_TimerTMR.SetEnabled(true); },
         [] { FrmMain->AT_TimerTMR.SetEnabled(false); }},
        {"while speech plays", 4,
         [this] {
             Hover(3); // speaks D for a second and a half
             FrmMain->ATTmr_MM.SetEnabled(false);
         },
         [this] { Advance(1500); }},
        {"while a picked colour waits", 4, [] { PickColour(); }, [] { SetDefaultCursors(); }},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        LabelIndexHot = NoneCode;
        c.before();
        const std::string before = Speech();
        const forms::PicturePtr tile = Tile(c.label);
        Hover(c.label);
        EXPECT_EQ(Speech(), before);
        EXPECT_EQ(Tile(c.label), tile);
        c.after();
    }
    Hover(5);
    EXPECT_EQ(Speech(), PathSoundsAlphabets + "\\Basic_F.Wav") << "and afterwards it speaks";
}

TEST_F(LabelStripTest, AClickChoosesTheCharacterAndPutsAHoveredLabelBack) {
    Letters(0, "A", "Z");
    Hover(2);
    Release(6);
    EXPECT_EQ(Tile(2), Tile(30)) << "the hovered label is put back at once";
    EXPECT_EQ(LabelRecolour, forms::vbFalse);
    EXPECT_EQ(CurAlphaIdx, 6);
    EXPECT_EQ(AlphaCur.Alpha, "G");
    EXPECT_EQ(AlphaCur.Word, "Guitar");
    EXPECT_EQ(F().TrcLbl_Word(0).Caption(), "Guitar");
    EXPECT_EQ(Tile(6), Tile(31)) << "the current tile";
    EXPECT_EQ(Tile(0), Tile(30)) << "the previous one is an ordinary tile again";
    // The mouse button does not matter; other key states do nothing.
    Label(8).MouseUp(2, 0, 1, 1);
    EXPECT_EQ(AlphaCur.Alpha, "I");
    for (int shift : {2, 4, 5, 7}) {
        Release(10, shift);
        EXPECT_EQ(CurAlphaIdx, 8) << shift;
    }
    // A pair is split into its two characters.
    Letters(2, "A", "Z");
    Release(3);
    EXPECT_EQ(NumAlphas, 2);
    EXPECT_EQ(AlphaCur.Alpha, "D");
    EXPECT_EQ(AlphaCur2.Alpha, "d");
    // So is a number above nine.
    Numbers(1, 30, 1);
    Release(22);
    EXPECT_EQ(AlphaCur.Alpha, "2");
    EXPECT_EQ(AlphaCur2.Alpha, "3");
    EXPECT_EQ(AlphaCur.Word, Settings.WordsNumbers(22));
}

TEST_F(LabelStripTest, AClickOutsideTheRangeOrTakenByTheRouterChoosesNothing) {
    Letters(0, "C", "F");
    Release(8);
    EXPECT_EQ(CurAlphaIdx, 2);
    PickColour();
    Release(4);
    EXPECT_EQ(CurAlphaIdx, 2);
    EXPECT_EQ(Label(4).ForeColor(), Palette(9)) << "the labels took the colour instead";
}

TEST_F(LabelStripTest, ShiftClickMakesAFinishedCharacterNotDoneAndChoosesIt) {
    Letters(0, "A", "Z");
    const int16_t level = Settings.UserLevel;
    AlphaDone(0)(level)(5) = forms::vbTrue;
    AlphaDone(0)(level)(7) = forms::vbTrue;
    LevelDone(0)(level) = forms::vbTrue;
    LevelJustDone = forms::vbTrue;
    Release(5, 1);
    EXPECT_EQ(AlphaDone(0)(level)(5), forms::vbFalse);
    EXPECT_EQ(AlphaDone(0)(level)(7), forms::vbTrue) << "only that one";
    EXPECT_EQ(LevelDone(0)(level), forms::vbFalse);
    EXPECT_EQ(LevelJustDone, forms::vbFalse);
    EXPECT_EQ(CurAlphaIdx, 5);
    EXPECT_EQ(Label(5).ForeColor(), Settings.ColorText);
}

TEST_F(LabelStripTest, ShiftCtrlClickClearsTheLevelWhenConfirmed) {
    std::vector<forms::MsgBoxRecord> boxes;
    int answer = forms::vbCancel;
    forms::SetMsgBoxResponder([&](const forms::MsgBoxRecord& box) {
        boxes.push_back(box);
        return answer;
    });
    Letters(0, "A", "Z");
    const int16_t level = Settings.UserLevel;
    Release(4);
    for (int i : {1, 2, 9})
        AlphaDone(0)(level)(i) = forms::vbTrue;
    RefreshAlphaLabels();

    Release(9, 3); // Cancel: that label is chosen, nothing is cleared
    ASSERT_EQ(boxes.size(), 1u);
    EXPECT_EQ(boxes[0].title, "Reset Level");
    EXPECT_EQ(boxes[0].prompt, "This option will clear your current exercise.    \r\n"
                               "Do you want to continue ? ");
    EXPECT_EQ(boxes[0].buttons, forms::vbOKCancel | forms::vbCritical);
    EXPECT_EQ(CurAlphaIdx, 9);
    EXPECT_EQ(AlphaDone(0)(level)(2), forms::vbTrue);

    answer = forms::vbOK;
    Release(12, 3);
    EXPECT_EQ(CurAlphaIdx, 0) << "the first label";
    for (int i : {1, 2, 9}) {
        EXPECT_EQ(AlphaDone(0)(level)(i), forms::vbFalse) << i;
        EXPECT_EQ(Label(i).ForeColor(), Settings.ColorText) << i;
    }
}

TEST_F(LabelStripTest, ShiftClickOnTheCurrentFinishedLabelStartsItAgain) {
    for (int16_t level : {1, 2}) {
        SCOPED_TRACE(level);
        Settings.UserLevel = level;
        Letters(0, "A", "Z");
        Release(3);
        if (level == 1) {
            TraceCurrentAtLevelTwo();
        } else {
            AlphaDone(0)(level)(3) = forms::vbTrue;
            AlphaCur.CheckNext = 5;
        }
        UpdateAlphaLabel(3, forms::vbFalse);
        ASSERT_EQ(Label(3).ForeColor(), Settings.ColorTextHL);

        Release(3, 1);
        EXPECT_EQ(CurAlphaIdx, 3);
        EXPECT_EQ(AlphaDone(0)(level)(3), forms::vbFalse);
        EXPECT_EQ(Label(3).ForeColor(), Settings.ColorText) << "the in-range colour";
        if (level == 1) {
            // Drawn afresh: the stroke prompt runs again and the first key point answers.
            EXPECT_TRUE(AnimTimerRunning());
            EXPECT_EQ(TraceAnim.AnimKind, akDemoStep);
            ExpectFirstKeyPointAnswers();
        } else {
            EXPECT_EQ(AlphaCur.CheckNext, 0);
            TraceClick(1, 0, AlphaCur.CheckX(0), AlphaCur.CheckY(0));
            EXPECT_EQ(AlphaCur.CheckNext, 1);
        }
        StopAnimTimer();
    }
}

TEST_F(LabelStripTest, ResetLevelStartsTheLessonsFirstCharacterAfresh) {
    forms::SetMsgBoxResponder([](const forms::MsgBoxRecord&) { return forms::vbOK; });
    struct Case {
        const char* name;
        const char *first, *last;
        int current; // the character traced before the reset
    } cases[] = {
        {"the first label is current", "A", "Z", 0},
        {"the range starts further on", "C", "H", 4},
        {"the range's first is current", "C", "H", 2},
    };
    Settings.UserLevel = 1;
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        Letters(0, c.first, c.last);
        const int first = FirstAlphaIdx;
        if (c.current != first) Release(c.current);
        ASSERT_EQ(CurAlphaIdx, c.current);
        TraceCurrentAtLevelTwo();

        Release(c.current, 3);
        EXPECT_EQ(CurAlphaIdx, first);
        EXPECT_EQ(AlphaCur.Alpha, std::string(c.first));
        EXPECT_EQ(AlphaDone(0)(1)(c.current), forms::vbFalse);
        EXPECT_EQ(Label(c.current).ForeColor(), Settings.ColorText);
        EXPECT_TRUE(Tile(first) == F().AT_Image_AlphaBG(31).Picture()) << "the current tile";
        EXPECT_TRUE(AnimTimerRunning()) << "the stroke prompt of the first character";
        ExpectFirstKeyPointAnswers();
        StopAnimTimer();
    }
}

TEST_F(LabelStripTest, TheWordSitsOverTheBoardByItsLengthAndClearOfTheSwatches) {
    // The menu row out of the way: these cases are the place by length alone.
    F().TRCImg_SMBackDrop.SetVisible(false);
    F().AppPict_HolderMenu.SetVisible(false);
    Letters(0, "A", "Z");
    forms::Label& word = F().TrcLbl_Word(0);
    forms::Label& shadow = F().TrcLbl_Word(1);
    // Apple: (6 - 5 / 2) x 21 + (49 - 8), 6 letters wide.
    EXPECT_EQ(word.Caption(), "Apple");
    EXPECT_DOUBLE_EQ(word.Left(), 114.5);
    EXPECT_DOUBLE_EQ(word.Width(), 126);
    EXPECT_DOUBLE_EQ(word.Top(), 10);
    EXPECT_DOUBLE_EQ(shadow.Left(), 116.5);
    EXPECT_DOUBLE_EQ(shadow.Width(), 126);

    struct Case {
        const char* word;
        double holderLeft, left, width;
    } cases[] = {
        {"Cow", 309, 395.5, 84},
        {"Elephant", 309, 343, 189},
        {"Twenty-Eight", 309, 301, 273},
        // Holder at 0: the word would reach into the first swatch strip (5 + 35).
        {"Elephant", 0, 42, 189},
        {"Hippopotamus", 0, 42, 273}, // the same place, its own width
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.word);
        F().AT_Picture_Holder_AlphaType.SetLeft(c.holderLeft);
        AlphaCur.Word = c.word;
        PlaceWordLabel();
        EXPECT_DOUBLE_EQ(word.Left(), c.left);
        EXPECT_DOUBLE_EQ(word.Width(), c.width);
        EXPECT_DOUBLE_EQ(word.Top(), 10);
        EXPECT_DOUBLE_EQ(shadow.Left(), c.left + 2);
        EXPECT_DOUBLE_EQ(shadow.Top(), 12);
        EXPECT_DOUBLE_EQ(shadow.Width(), c.width);
    }
    // A word placed where it already is leaves both labels alone.
    shadow.SetTop(40);
    PlaceWordLabel();
    EXPECT_DOUBLE_EQ(shadow.Top(), 40);
    F().AT_Picture_Holder_AlphaType.SetLeft(49);
}

TEST_F(LabelStripTest, ALongWordShowsWholeClearOfTheMenuRow) {
    // A rounded face wider than the 21 pixels a letter that the place by length counts.
    ASSERT_GT(forms::FontRegistry::Instance().AddFontFile(
                  "/usr/share/fonts/truetype/comfortaa/Comfortaa-Regular.ttf"),
              0);
    FontName(0) = "Comfortaa";
    FontSubstituted(0) = forms::vbFalse;
    forms::Label& word = F().TrcLbl_Word(0);
    forms::Label& shadow = F().TrcLbl_Word(1);
    const double row = std::min(F().TRCImg_SMBackDrop.Left(), F().AppPict_HolderMenu.Left());
    ASSERT_GT(row, 200) << "the menu row where the program puts it";
    auto expectWhole = [&](const std::string& what) {
        SCOPED_TRACE(what);
        ASSERT_EQ(word.Caption(), AlphaCur.Word);
        const int text = forms::MeasureText(word.Font(), word.Caption()).w;
        EXPECT_LE(text + 4, word.Width()) << "the word and its shadow inside the label";
        EXPECT_LE(word.Left() + word.Width(), row) << "the label clear of the menu row";
        EXPECT_DOUBLE_EQ(shadow.Width(), word.Width());
        EXPECT_DOUBLE_EQ(shadow.FontSize(), word.FontSize());
        EXPECT_DOUBLE_EQ(shadow.Left(), word.Left() + 2);
    };

    Numbers(27, 30, 1);
    expectWhole("a lesson that starts on it");
    EXPECT_EQ(word.Caption(), "Twenty-Seven");
    EXPECT_LT(word.FontSize(), StandardWordFontSize()) << "drawn smaller";
    EXPECT_DOUBLE_EQ(word.Left() + word.Width(), row) << "the label reaches up to the row";

    Numbers(1, 30, 1);
    for (int i = 0; i <= 29; ++i) {
        Release(i);
        StopAnimTimer();
        expectWhole(Label(i).Caption());
    }
    Letters(0, "A", "Z");
    for (int i = 0; i <= 25; ++i) {
        Release(i);
        StopAnimTimer();
        expectWhole(Label(i).Caption());
    }
    // After a long word a short one has its place by length and the standard size again.
    Numbers(27, 30, 1);
    Release(29);
    EXPECT_EQ(word.Caption(), "Thirty");
    EXPECT_DOUBLE_EQ(word.Width(), 7 * 21);
    EXPECT_DOUBLE_EQ(word.FontSize(), StandardWordFontSize());
    EXPECT_DOUBLE_EQ(shadow.FontSize(), StandardWordFontSize());
}

TEST_F(LabelStripTest, ShowWordWritesTheCharactersWordIntoBothLabels) {
    Letters(1, "A", "Z");
    AlphaCur.Alpha = "h";
    ShowWord();
    EXPECT_EQ(AlphaCur.Word, "Horse");
    EXPECT_EQ(F().TrcLbl_Word(0).Caption(), "Horse");
    EXPECT_EQ(F().TrcLbl_Word(1).Caption(), "Horse");
    EXPECT_DOUBLE_EQ(F().TrcLbl_Word(0).Left(), (6 - 2.5) * 21 + 41);
}

} // namespace
