// The options dialog's Colors tab (colour targets, the colour dialog, the previews and their
// arrows, the save) and the Animation tab's letter preview on the animation timer.
#include "tests/options/options_fixture.h"
#include "tracing/trace_engine.h"

#include <cstring>
#include <functional>
#include <optional>
#include <string>

namespace {

enum {
    tgBGForm = 0,
    tgBGAlpha,
    tgBGShadow,
    tgLetter,
    tgOutline,
    tgPromptLine,
    tgPromptCircle,
    tgHelp,
    tgBoard,
    tgWord,
    tgWordShadow,
    tgDone,
    tgToDo
};

class ColorsTest : public OptionsTest {
  protected:
    void TearDown() override {
        forms::SetColorDialogResponder(nullptr);
        TraceAnim = TraceData{};
        AlphaOpt = AlphaData{};
        OptionsTest::TearDown();
    }
    // The dialog opened on the tab, the tab shown.
    void Open(int tab) {
        OptionsTest::Open(tab);
        h.Pump();
    }
    // The colour dialog answers with the colour (nullopt: Cancel) when the swatch is clicked.
    void Pick(int target, std::optional<int32_t> colour) {
        O().CAList_Color.SetListIndex(target);
        h.Pump();
        forms::SetColorDialogResponder([colour](int32_t) { return colour; });
        h.ClickOn(O().CAPict_ColorPick, 5, 5);
        h.Pump();
    }
    forms::PictureBox& Display() { return O().CAPict_AlphaDisplay(0); }
    // A pixel of the letter display at a point of the preview letter.
    int32_t LetterPixel(int16_t x, int16_t y) { return Display().Point(x, y); }
    int32_t LetterPoint(int stroke, int point) {
        const AlphaData& a = O().CAPreviewAlpha;
        return LetterPixel(a.PointX(stroke, point), a.PointY(stroke, point));
    }
    // Where the tip of arrow 0 is, on the letter display.
    void ArrowTip(double& x, double& y) {
        const forms::Label& a = O().CAlbl_Arrow(0);
        x = a.Left() + a.Width() - 4;
        y = a.Top() + a.Height() - 6;
    }
};

TEST_F(ColorsTest, ShowsItsTargetsAndTheFirstOnes) {
    WriteSettings([](UserSet& s) {
        s.AllowColor = forms::vbFalse;
        s.BGFormColor = forms::RGB(1, 2, 3);
    });
    Open(tabColors);
    const char* texts[] = {"Background Color",
                           "Background Alphabet",
                           "Background Alphabet Shadow",
                           "Alphabet",
                           "Alphabet Outline",
                           "Alphabet  Prompt Line",
                           "Alphabet Prompt Circle",
                           "Alphabet Help",
                           "Alphabet Backgound",
                           "Word ",
                           "Word Shadow",
                           "Completed Alphabets",
                           "Incomplete Alphabets"};
    ASSERT_EQ(O().CAList_Color.ListCount(), 13);
    for (int i = 0; i < 13; ++i)
        EXPECT_EQ(O().CAList_Color.List(i), texts[i]) << i;
    EXPECT_EQ(O().CAList_Color.ListIndex(), tgBGForm);
    EXPECT_EQ(O().CAList_Color.VisibleCount(), 13) << "no target hides behind a scroll bar";
    EXPECT_EQ(O().CAPict_ColorPick.BackColor(), forms::RGB(1, 2, 3));
    EXPECT_EQ(O().CAChk_AllowJr(0).Value(), forms::vbUnchecked);
    EXPECT_EQ(O().CAChk_AllowJr(1).Value(), forms::vbChecked);
    EXPECT_EQ(O().CALbl_Color(1).Caption(), "Arrow");
    EXPECT_TRUE(O().CAfrm_BGDisplay.Visible());
    EXPECT_EQ(O().CAfrm_BGDisplay.BackColor(), forms::RGB(1, 2, 3));
    EXPECT_EQ(O().CAPreviewAlpha.Alpha, "A");
    EXPECT_EQ(O().CAPreviewAlpha.Board, &Display());
}

TEST_F(ColorsTest, TheBackgroundCopyStandsInOneRowInTheFormsProportions) {
    Open(tabColors);
    const forms::Frame& f = O().CAfrm_BGDisplay;
    const double step = O().CAimg_BGDisplay(1).Left() - O().CAimg_BGDisplay(0).Left();
    // The background form's own row: pictures of width X and height Y, a gap G between them.
    const double ratio = static_cast<double>(BGMetrics(6)) / BGMetrics(7);
    const double gapRatio = static_cast<double>(BGMetrics(4) + BGMetrics(6)) / BGMetrics(6);
    for (int i = 0; i <= 3; ++i) {
        const forms::Image& img = O().CAimg_BGDisplay(i);
        EXPECT_NEAR(img.Left() - O().CAimg_BGDisplay(0).Left(), i * step, 0.01) << i;
        EXPECT_EQ(img.Top(), O().CAimg_BGDisplay(0).Top()) << i;
        EXPECT_NEAR(img.Width() / img.Height(), ratio, 0.01) << i;
        EXPECT_NEAR(step / img.Width(), gapRatio, 0.01) << i;
        EXPECT_LE(img.Left() + img.Width(), f.Width()) << i << " stands inside the preview";
        EXPECT_TRUE(img.Picture() != nullptr) << i;
        const std::string pair =
            std::string(1, static_cast<char>('A' + i)) + static_cast<char>('a' + i);
        EXPECT_EQ(O().CAlbl_Alpha(i).Caption(), pair);
        EXPECT_EQ(O().CAlbl_AlphaShdw(i).Left(), O().CAlbl_Alpha(i).Left() + 2);
        EXPECT_EQ(O().CAlbl_AlphaShdw(i).Top(), O().CAlbl_Alpha(i).Top() + 2);
    }
}

// --- A colour for each target.

struct PickCase {
    const char* name;
    int target;
    // The working copy's fields that take the colour.
    std::function<std::vector<int32_t>(const UserSet&)> fields;
    // The colour the preview shows the target in.
    std::function<int32_t(ColorsTest&)> preview;
};

class PickTest : public ColorsTest, public ::testing::WithParamInterface<PickCase> {
  public:
    // The test body reaches the fixture's helpers through this.
    int32_t Preview() { return GetParam().preview(*this); }
    using ColorsTest::Display;
    using ColorsTest::LetterPixel;
    using ColorsTest::LetterPoint;
    using ColorsTest::O;
};

int32_t AllSame(const std::vector<int32_t>& v) {
    for (int32_t c : v)
        if (c != v.front()) return -1;
    return v.front();
}

TEST_P(PickTest, LandsInItsFieldsAndInThePreview) {
    const PickCase& c = GetParam();
    const int32_t colour = forms::RGB(10 + c.target, 200, 30);
    Open(tabColors);
    Pick(c.target, colour);
    for (int32_t v : c.fields(O().OptSettings))
        EXPECT_EQ(v, colour);
    EXPECT_EQ(Preview(), colour);
    EXPECT_EQ(O().CAPict_ColorPick.BackColor(), colour) << "the swatch shows the new colour";
    for (int32_t v : c.fields(Settings))
        EXPECT_NE(v, colour) << "nothing reaches the live settings before Apply";
}

PickTest& P(ColorsTest& t) {
    return static_cast<PickTest&>(t);
}

INSTANTIATE_TEST_SUITE_P(
    Targets, PickTest,
    ::testing::Values(
        PickCase{"BackgroundColor", tgBGForm,
                 [](const UserSet& s) { return std::vector<int32_t>{s.BGFormColor}; },
                 [](ColorsTest& t) { return P(t).O().CAfrm_BGDisplay.BackColor(); }},
        PickCase{"BackgroundAlphabet", tgBGAlpha,
                 [](const UserSet& s) { return std::vector<int32_t>{s.BGFormColorAlpha}; },
                 [](ColorsTest& t) {
                     std::vector<int32_t> v;
                     for (int i = 0; i <= 3; ++i)
                         v.push_back(P(t).O().CAlbl_Alpha(i).ForeColor());
                     return AllSame(v);
                 }},
        PickCase{"BackgroundAlphabetShadow", tgBGShadow,
                 [](const UserSet& s) { return std::vector<int32_t>{s.BGFormColorAlphaShdw}; },
                 [](ColorsTest& t) {
                     std::vector<int32_t> v;
                     for (int i = 0; i <= 3; ++i)
                         v.push_back(P(t).O().CAlbl_AlphaShdw(i).ForeColor());
                     return AllSame(v);
                 }},
        PickCase{"Alphabet", tgLetter,
                 [](const UserSet& s) { return std::vector<int32_t>{s.ColorLineHL}; },
                 [](ColorsTest& t) { return P(t).LetterPoint(0, 5); }},
        // The outline and the check-point discs: the disc at the first key point.
        PickCase{"AlphabetOutline", tgOutline,
                 [](const UserSet& s) {
                     return std::vector<int32_t>{s.ColorLine, s.ColorCircle};
                 },
                 [](ColorsTest& t) {
                     const AlphaData& a = P(t).O().CAPreviewAlpha;
                     if (a.ColorLine != a.ColorCircle) return -1;
                     return P(t).LetterPoint(0, a.KeyPoint(0, 1));
                 }},
        PickCase{"AlphabetPromptLine", tgPromptLine,
                 [](const UserSet& s) { return std::vector<int32_t>{s.ColorLinePrompt}; },
                 [](ColorsTest& t) { return P(t).LetterPoint(0, 5); }},
        // The circle of the next point to click, at the second key point.
        PickCase{"AlphabetPromptCircle", tgPromptCircle,
                 [](const UserSet& s) { return std::vector<int32_t>{s.ColorCircleHL}; },
                 [](ColorsTest& t) {
                     return P(t).LetterPoint(0, P(t).O().CAPreviewAlpha.KeyPoint(0, 3));
                 }},
        PickCase{"AlphabetHelp", tgHelp,
                 [](const UserSet& s) { return std::vector<int32_t>{s.ColorHelp}; },
                 [](ColorsTest& t) { return P(t).LetterPoint(0, 5); }},
        PickCase{"AlphabetBackground", tgBoard,
                 [](const UserSet& s) { return std::vector<int32_t>{s.BGColor}; },
                 [](ColorsTest& t) { return P(t).LetterPixel(2, 2); }},
        PickCase{"Word", tgWord, [](const UserSet& s) { return std::vector<int32_t>{s.ColorWord}; },
                 [](ColorsTest& t) { return P(t).O().CALbl_Word(0).ForeColor(); }},
        PickCase{"WordShadow", tgWordShadow,
                 [](const UserSet& s) { return std::vector<int32_t>{s.ColorWordShadow}; },
                 [](ColorsTest& t) { return P(t).O().CALbl_Word(1).ForeColor(); }},
        PickCase{"CompletedAlphabets", tgDone,
                 [](const UserSet& s) { return std::vector<int32_t>{s.ColorTextHL}; },
                 [](ColorsTest& t) { return P(t).O().CALbl_Word(2).ForeColor(); }},
        PickCase{"IncompleteAlphabets", tgToDo,
                 [](const UserSet& s) { return std::vector<int32_t>{s.ColorText}; },
                 [](ColorsTest& t) { return P(t).O().CALbl_Word(3).ForeColor(); }}),
    [](const ::testing::TestParamInfo<PickCase>& info) { return std::string(info.param.name); });

struct CancelCase {
    const char* name;
    int target;
};

class CancelTest : public ColorsTest, public ::testing::WithParamInterface<CancelCase> {};

TEST_P(CancelTest, TheColourDialogsCancelChangesNothing) {
    Open(tabColors);
    O().CAList_Color.SetListIndex(GetParam().target);
    h.Pump();
    const UserSet before = O().OptSettings;
    const AlphaData letter = O().CAPreviewAlpha;
    const int32_t swatch = O().CAPict_ColorPick.BackColor();
    const int32_t board = Display().BackColor();
    forms::ClearMsgBoxLog();
    Pick(GetParam().target, std::nullopt);
    EXPECT_TRUE(O().CommonDialog.CancelError()) << "Cancel arrives as an error";
    EXPECT_TRUE(O().OptSettings == before);
    EXPECT_EQ(O().CAPreviewAlpha.ColorLine, letter.ColorLine);
    EXPECT_EQ(O().CAPreviewAlpha.ColorCircle, letter.ColorCircle);
    EXPECT_EQ(O().CAPict_ColorPick.BackColor(), swatch);
    EXPECT_EQ(Display().BackColor(), board);
    EXPECT_TRUE(h.MsgBoxes().empty()) << "no error shows";
    EXPECT_TRUE(OptionsShown());
}

INSTANTIATE_TEST_SUITE_P(Targets, CancelTest,
                         ::testing::Values(CancelCase{"Outline", tgOutline},
                                           CancelCase{"Background", tgBGForm},
                                           CancelCase{"Board", tgBoard}),
                         [](const ::testing::TestParamInfo<CancelCase>& info) {
                             return std::string(info.param.name);
                         });

// --- The arrows.

struct ArrowCase {
    const char* name;
    int target;
    int stroke;
    int point; // 0: the key point named by keyEntry
    int keyEntry;
    int dx, dy;
};

class LetterArrowTest : public ColorsTest, public ::testing::WithParamInterface<ArrowCase> {};

TEST_P(LetterArrowTest, PointsAtItsPartOfTheLetter) {
    const ArrowCase& c = GetParam();
    Open(tabColors);
    O().CAList_Color.SetListIndex(c.target);
    h.Pump();
    const AlphaData& a = O().CAPreviewAlpha;
    int16_t x = 0, y = 0;
    if (c.point > 0) {
        x = a.PointX(c.stroke, c.point);
        y = a.PointY(c.stroke, c.point);
    } else {
        const int32_t xy =
            GetKeyPointXY(a, static_cast<int16_t>(c.stroke), static_cast<int16_t>(c.keyEntry));
        x = KeyPointX(xy);
        y = KeyPointY(xy);
    }
    double tx = 0, ty = 0;
    ArrowTip(tx, ty);
    EXPECT_EQ(tx, x + c.dx);
    EXPECT_EQ(ty, y + c.dy);
    EXPECT_TRUE(O().CAlbl_Arrow(0).Visible() && O().CAlbl_Arrow(1).Visible());
    EXPECT_EQ(O().CAlbl_Arrow(1).Left(), O().CAlbl_Arrow(0).Left() + 2);
    EXPECT_FALSE(O().CAfrm_BGDisplay.Visible());
    EXPECT_EQ(Display().BackColor(), O().OptSettings.BGColor);
}

INSTANTIATE_TEST_SUITE_P(Targets, LetterArrowTest,
                         ::testing::Values(ArrowCase{"Alphabet", tgLetter, 0, 5, 0, 0, 0},
                                           ArrowCase{"Outline", tgOutline, 1, 10, 0, 0, 0},
                                           ArrowCase{"PromptLine", tgPromptLine, 0, 8, 0, 0, 0},
                                           ArrowCase{"PromptCircle", tgPromptCircle, 0, 0, 2, 0, 0},
                                           ArrowCase{"Help", tgHelp, 0, 10, 0, 0, 0},
                                           ArrowCase{"Board", tgBoard, 1, 0, 0, -50, 40}),
                         [](const ::testing::TestParamInfo<ArrowCase>& info) {
                             return std::string(info.param.name);
                         });

TEST_F(ColorsTest, WordArrowsPointInsideTheirLabels) {
    Open(tabColors);
    for (int t : {tgWord, tgWordShadow, tgDone, tgToDo}) {
        O().CAList_Color.SetListIndex(t);
        h.Pump();
        const int label = t - tgWord;
        const forms::Label& l = O().CALbl_Word(label);
        double x = 0, y = 0;
        ArrowTip(x, y);
        EXPECT_TRUE(l.Visible()) << t;
        EXPECT_GE(x, l.Left()) << t;
        EXPECT_LT(x, l.Left() + l.Width()) << t;
        EXPECT_GE(y, l.Top()) << t;
        EXPECT_LT(y, l.Top() + l.Height()) << t;
        EXPECT_LE(l.Left() + l.Width(), Display().ScaleWidth()) << t << " fits the display";
        EXPECT_LE(l.Top() + l.Height(), Display().ScaleHeight()) << t << " fits the display";
        EXPECT_GE(l.Left(), 0) << t;
        // The other pair is hidden.
        EXPECT_FALSE(O().CALbl_Word(label < 2 ? 2 : 0).Visible()) << t;
    }
    EXPECT_EQ(O().CALbl_Word(3).Left(), O().CALbl_Word(2).Left() + O().CALbl_Word(2).Width())
        << "the two label colours read as one line";
}

TEST_F(ColorsTest, BackgroundArrowsPointFromTheirCorner) {
    Open(tabColors);
    O().CAList_Color.SetListIndex(tgBGAlpha);
    h.Pump();
    const forms::Image& first = O().CAimg_BGDisplay(0);
    EXPECT_EQ(O().CAlbl_Arrow(2).Left(), forms::CInt(first.Left()));
    EXPECT_EQ(O().CAlbl_Arrow(2).Top(), forms::CInt(first.Top()));
    EXPECT_EQ(O().CAlbl_Arrow(3).Left(), O().CAlbl_Arrow(2).Left() + 2);
    EXPECT_TRUE(O().CAlbl_Arrow(2).Visible() && O().CAlbl_Arrow(3).Visible());
    EXPECT_EQ(Display().BackColor(), forms::RGB(0, 0, 112));

    O().CAList_Color.SetListIndex(tgBGForm);
    h.Pump();
    const forms::Image& fourth = O().CAimg_BGDisplay(3);
    EXPECT_EQ(O().CAlbl_Arrow(2).Left(), forms::CInt(fourth.Left() + fourth.Width() / 2));
    EXPECT_LT(O().CAlbl_Arrow(2).Left(), O().CAfrm_BGDisplay.Width()) << "in sight";
    EXPECT_LT(O().CAlbl_Arrow(2).Top(), O().CAfrm_BGDisplay.Height()) << "in sight";
}

TEST_F(ColorsTest, UntickingArrowHidesAllFourAndTheNextTargetShowsTwoAgain) {
    Open(tabColors);
    O().CAChk_AllowJr(1).SetValue(forms::vbUnchecked);
    for (int i = 0; i <= 3; ++i)
        EXPECT_FALSE(O().CAlbl_Arrow(i).Visible()) << i;
    O().CAList_Color.SetListIndex(tgLetter);
    h.Pump();
    EXPECT_TRUE(O().CAlbl_Arrow(0).Visible());
    EXPECT_TRUE(O().CAlbl_Arrow(1).Visible());
    EXPECT_EQ(LetterPoint(0, 5), O().OptSettings.ColorLineHL) << "the letter was drawn";
}

TEST_F(ColorsTest, AClickOnThePreviewStepsAndWrapsTheTarget) {
    Open(tabColors);
    O().CAList_Color.SetListIndex(tgDone);
    h.Pump();
    const forms::Label& done = O().CALbl_Word(2);
    h.ClickOn(done, 2, done.Height() - 3);
    EXPECT_EQ(O().CAList_Color.ListIndex(), tgToDo);
    const forms::Label& todo = O().CALbl_Word(3);
    h.ClickOn(todo, todo.Width() - 3, todo.Height() - 3);
    EXPECT_EQ(O().CAList_Color.ListIndex(), tgBGForm) << "after the last, the first";
    EXPECT_TRUE(O().CAfrm_BGDisplay.Visible());
    h.ClickOn(O().CAfrm_BGDisplay, 10, O().CAfrm_BGDisplay.Height() - 10);
    EXPECT_EQ(O().CAList_Color.ListIndex(), tgBGAlpha);
    h.ClickOn(O().CAimg_BGDisplay(1), 2, 2);
    EXPECT_EQ(O().CAList_Color.ListIndex(), tgBGShadow);
    O().CAList_Color.SetListIndex(tgHelp);
    h.Pump();
    h.ClickOn(Display(), 5, 5);
    EXPECT_EQ(O().CAList_Color.ListIndex(), tgBoard);
    EXPECT_EQ(O().CAPict_ColorPick.BackColor(), O().OptSettings.BGColor);
}

// --- Saving.

TEST_F(ColorsTest, ApplySavesTheSectionsAndShowsBoardAndWordColoursAtOnce) {
    Open(tabColors);
    const int32_t board = forms::RGB(20, 40, 60), word = forms::RGB(200, 10, 10),
                  shadow = forms::RGB(1, 90, 1), line = forms::RGB(5, 6, 7);
    Pick(tgBoard, board);
    Pick(tgWord, word);
    Pick(tgWordShadow, shadow);
    Pick(tgLetter, line);
    Press(kApply);
    EXPECT_TRUE(OptionsShown()) << "Apply keeps the dialog open";
    EXPECT_EQ(Settings.BGColor, board);
    EXPECT_EQ(Settings.ColorWord, word);
    EXPECT_EQ(AlphaCur.ColorLineHL, line) << "the tracing records take the colours";
    FrmMainForm& m = *FrmMain;
    EXPECT_EQ(m.Picture_DrawBoard.BackColor(), board);
    EXPECT_EQ(m.Picture_ShowBoard.BackColor(), board);
    EXPECT_EQ(m.TrcLbl_Word(0).ForeColor(), word);
    EXPECT_EQ(m.TrcLbl_Word(1).ForeColor(), shadow);
    EXPECT_EQ(PendingAction, paResume);
    const UserSet file = FromFile();
    EXPECT_EQ(file.BGColor, board);
    EXPECT_EQ(file.ColorWordShadow, shadow);
    EXPECT_EQ(file.ColorLineHL, line);
    EXPECT_EQ(O().AniPict_Alpha(1).BackColor(), board) << "the Animation tab's preview follows";
}

TEST_F(ColorsTest, ApplyWithColourChangingOffLeavesNoSwatchMarked) {
    StartAndShow();
    FrmMainForm& m = *FrmMain;
    ProcessTraceEvent(tePickerHover, 5, 1, 0, 0, 0);
    const auto plain = [&m](int swatch) {
        const forms::Canvas& a = m.AT_Image_ColorPicker(swatch).Picture()->Pixels();
        const forms::Canvas& b = m.AT_ImageList_ColorPickers.Picture(swatch + 1)->Pixels();
        return a.Width() == b.Width() && a.Height() == b.Height() &&
               std::memcmp(a.Pixels(), b.Pixels(), sizeof(uint32_t) * a.Width() * a.Height()) == 0;
    };
    ASSERT_FALSE(plain(5)) << "the hovered swatch carries its mark";
    Open(tabColors);
    O().CAChk_AllowJr(0).SetValue(forms::vbUnchecked);
    EXPECT_EQ(O().OptSettings.AllowColor, forms::vbFalse);
    Press(kApply);
    EXPECT_EQ(Settings.AllowColor, forms::vbFalse);
    EXPECT_EQ(FromFile().AllowColor, forms::vbFalse);
    EXPECT_TRUE(plain(5));
}

TEST_F(ColorsTest, OkSavesAndCancelSavesNothing) {
    Open(tabColors);
    Pick(tgOutline, forms::RGB(9, 9, 9));
    Press(kCancel);
    EXPECT_FALSE(OptionsShown());
    EXPECT_NE(Settings.ColorLine, forms::RGB(9, 9, 9));
    EXPECT_NE(FromFile().ColorCircle, forms::RGB(9, 9, 9));

    ShowOptionsDialog();
    h.Pump();
    O().Tabs_Options.SetSelectedItem(tabColors);
    h.Pump();
    Pick(tgOutline, forms::RGB(9, 9, 9));
    Press(kOK);
    EXPECT_FALSE(OptionsShown());
    EXPECT_TRUE(FrmMain->Enabled());
    const UserSet file = FromFile();
    EXPECT_EQ(file.ColorLine, forms::RGB(9, 9, 9));
    EXPECT_EQ(file.ColorCircle, forms::RGB(9, 9, 9));
    EXPECT_EQ(Settings.ColorCircle, forms::RGB(9, 9, 9));
}

TEST_F(ColorsTest, DefaultsAsksThenResetsTheWorkingCopyOnly) {
    WriteSettings([](UserSet& s) {
        s.BGColor = forms::RGB(1, 1, 1);
        s.AllowColor = forms::vbFalse;
    });
    Open(tabColors);
    O().CAList_Color.SetListIndex(tgBoard);
    h.Pump();
    forms::ClearMsgBoxLog();
    h.AnswerMsgBox(forms::vbCancel);
    Press(kDefaults);
    ASSERT_EQ(h.MsgBoxes().size(), 1u);
    EXPECT_EQ(h.MsgBoxes().back().prompt,
              "This option will load default values for the Colors Tab.    \r\n"
              "Do you want to load default values ? ");
    EXPECT_EQ(h.MsgBoxes().back().title, "Defaults");
    EXPECT_EQ(O().OptSettings.BGColor, forms::RGB(1, 1, 1));

    h.AnswerMsgBox(forms::vbOK);
    Press(kDefaults);
    UserSet defaults;
    ProcessAllSections(umDefaults, defaults, defaults);
    EXPECT_EQ(O().OptSettings.BGColor, defaults.BGColor);
    EXPECT_EQ(O().CAPict_ColorPick.BackColor(), defaults.BGColor);
    EXPECT_EQ(Display().BackColor(), defaults.BGColor);
    EXPECT_EQ(O().CAChk_AllowJr(0).Value(), forms::vbChecked);
    EXPECT_EQ(O().CAPreviewAlpha.ColorLineHL, defaults.ColorLineHL);
    EXPECT_EQ(Settings.BGColor, forms::RGB(1, 1, 1)) << "nothing reached Settings";
    Press(kCancel);
    EXPECT_EQ(FromFile().BGColor, forms::RGB(1, 1, 1));
}

// --- The Animation tab's letter preview.

TEST_F(ColorsTest, AnimationShowsTheWholeLetterOnItsPicture) {
    Open(tabAnimation);
    forms::PictureBox& pic = O().AniPict_Alpha(1);
    EXPECT_EQ(AlphaOpt.Board, &pic);
    EXPECT_EQ(AlphaOpt.Alpha, "A");
    EXPECT_EQ(pic.BackColor(), Settings.BGColor);
    EXPECT_EQ(pic.Point(AlphaOpt.PointX(0, 5), AlphaOpt.PointY(0, 5)), Settings.ColorLineHL);
    // The letter and both pens stand inside the picture.
    const int pen = AlphaOpt.TrackWidth / 2;
    for (int s = 0; s <= 2; ++s)
        for (int p = 1;
             AlphaOpt.PointX(s, p) != MarkNextStroke && AlphaOpt.PointX(s, p) != MarkEndAlpha;
             ++p) {
            EXPECT_GE(AlphaOpt.PointX(s, p) - pen, 0) << s << "," << p;
            EXPECT_GE(AlphaOpt.PointY(s, p) - pen, 0) << s << "," << p;
            EXPECT_LE(AlphaOpt.PointX(s, p) + pen, pic.ScaleWidth()) << s << "," << p;
            EXPECT_LE(AlphaOpt.PointY(s, p) + pen, pic.ScaleHeight()) << s << "," << p;
        }
}

struct TestArrowCase {
    const char* name;
    bool arrowTicked;
};

class PreviewTest : public ColorsTest, public ::testing::WithParamInterface<TestArrowCase> {};

TEST_P(PreviewTest, TestDrawsAtTheWorkingSpeedAndEndsWithTheArrowsWhenTicked) {
    Open(tabAnimation);
    if (!GetParam().arrowTicked) O().CAChk_AllowJr(1).SetValue(forms::vbUnchecked);
    O().CAlbl_Arrow(0).SetVisible(false);
    O().CAlbl_Arrow(1).SetVisible(false);
    O().CASldr_TimerSpeed.SetValue(80); // 20 ms, the working copy's only
    ASSERT_EQ(Settings.AnimSpeed, 40);
    forms::PictureBox& pic = O().AniPict_Alpha(1);
    h.ClickOn(O().CACmd_Test, 5, 5);
    ASSERT_TRUE(AnimTimerRunning());
    EXPECT_EQ(TraceAnim.AnimKind, akPreviewStep);
    EXPECT_EQ(TraceAnim.AnimTimer->Interval(), 20);
    const auto at = [&](int s, int p) {
        return pic.Point(AlphaOpt.PointX(s, p), AlphaOpt.PointY(s, p));
    };
    EXPECT_EQ(at(0, 5), Settings.ColorLine) << "Test starts from the empty letter";
    // 28 ticks draw the three strokes of the A: at 20 ms they are done within 600 ms, at the
    // live 40 ms they would not be.
    h.Advance(600);
    EXPECT_FALSE(AnimTimerRunning());
    EXPECT_EQ(at(0, 5), Settings.ColorLineHL);
    EXPECT_EQ(at(2, 3), Settings.ColorLineHL);
    EXPECT_EQ(O().CAlbl_Arrow(0).Visible(), GetParam().arrowTicked);
    EXPECT_EQ(O().CAlbl_Arrow(1).Visible(), GetParam().arrowTicked);
}

INSTANTIATE_TEST_SUITE_P(Arrow, PreviewTest,
                         ::testing::Values(TestArrowCase{"Ticked", true},
                                           TestArrowCase{"Cleared", false}),
                         [](const ::testing::TestParamInfo<TestArrowCase>& info) {
                             return std::string(info.param.name);
                         });

TEST_F(ColorsTest, TestAnimatesItsOwnCopyOfThePreviewLetter) {
    Open(tabAnimation);
    O().CACmd_Test_Click();
    h.Advance(100);
    // The Colors tab lays its own letter out again meanwhile, on its own display.
    O().Tabs_Options.SetSelectedItem(tabColors);
    h.AnswerMsgBox(forms::vbOK);
    Press(kDefaults);
    O().CACmd_Test_Click();
    for (int s = 0; s <= 2; ++s)
        for (int p = 1; p <= 6; ++p) {
            EXPECT_EQ(TraceAnim.PointX(s, p), AlphaOpt.PointX(s, p)) << s << "," << p;
            EXPECT_EQ(TraceAnim.PointY(s, p), AlphaOpt.PointY(s, p)) << s << "," << p;
        }
    EXPECT_NE(AlphaOpt.PointX(0, 1), O().CAPreviewAlpha.PointX(0, 1))
        << "the two pictures lay the letter out differently";
}

TEST_F(ColorsTest, ClosingTheDialogStopsARunningPreview) {
    // The puzzle resumes without touching the animation timer (tracing would restart its
    // character, which stops the timer).
    WriteSettings([](UserSet& s) { s.LessonID = 1; });
    Open(tabAnimation);
    O().CACmd_Test_Click();
    h.Advance(100);
    ASSERT_TRUE(AnimTimerRunning());
    Press(kCancel);
    ASSERT_FALSE(OptionsShown());
    EXPECT_FALSE(AnimTimerRunning() && TraceAnim.AnimKind == akPreviewStep)
        << "no tick may draw on the dialog that went";
    ShowOptionsDialog(); // the old dialog and its picture are destroyed now
    h.Pump();
    h.Advance(2000);
    EXPECT_TRUE(OptionsShown());
}

TEST_F(ColorsTest, TestKeepsOffTheTimerWhileThePuzzleShuffleHoldsIt) {
    Open(tabAnimation);
    forms::Timer& timer = *TraceAnim.AnimTimer;
    TraceAnim.AnimKind = akPuzzleStep;
    timer.SetInterval(10);
    timer.SetEnabled(true);
    O().CACmd_Test_Click();
    EXPECT_EQ(TraceAnim.AnimKind, akPuzzleStep);
    EXPECT_EQ(timer.Interval(), 10);
    EXPECT_TRUE(timer.Enabled()) << "the shuffle's tick is still to come";
    timer.SetEnabled(false);
    O().CACmd_Test_Click();
    EXPECT_EQ(TraceAnim.AnimKind, akPreviewStep) << "once the shuffle let go, Test runs";
}

} // namespace
