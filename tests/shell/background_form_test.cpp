// The background form: its metrics, the frame of letter pictures, the four background options,
// its colours, and minimise and restore with the main window.
#include "tests/shell/shell_fixture.h"

#include "shell/settings_apply.h"

#include <algorithm>
#include <filesystem>

namespace {

// --- Metrics.

struct MetricsCase {
    const char* name;
    double widthPx, heightPx, mainHeightTwips;
    int16_t gap, vgap, x, y;
};

class BGMetricsTest : public ::testing::TestWithParam<MetricsCase> {};

TEST_P(BGMetricsTest, TheGapWidensUntilThePicturesFitTheFreeBand) {
    const MetricsCase& c = GetParam();
    const auto m = BGLetterMetrics(c.widthPx * 15, c.heightPx * 15, 15, 15, c.mainHeightTwips);
    EXPECT_EQ(m(0), 8);
    EXPECT_EQ(m(1), 5);
    EXPECT_EQ(m(2), 5);
    EXPECT_EQ(m(3), 5);
    EXPECT_EQ(m(4), c.gap);
    EXPECT_EQ(m(5), c.vgap);
    EXPECT_EQ(m(6), c.x);
    EXPECT_EQ(m(7), c.y);
}

INSTANTIATE_TEST_SUITE_P(
    Screens, BGMetricsTest,
    ::testing::Values(
        // 53 pixels free above the main window: the gap grows to 23 (X 78.625, Y 52.92, VG 34.93).
        MetricsCase{"Small", 800, 600, 7200, 23, 35, 79, 53},
        // Room enough at once: X 118, Y 79.42, VG 32.
        MetricsCase{"Large", 1024, 768, 7200, 10, 32, 118, 79},
        // Too narrow for pictures wider than 30: Y stays 0 and the gap term takes it so.
        MetricsCase{"TooNarrow", 300, 600, 7200, 10, 97, 28, 0},
        // X exactly 78.5 goes to the even 78.
        MetricsCase{"HalfToEven", 708, 600, 7200, 10, 35, 78, 53}),
    [](const auto& info) { return std::string(info.param.name); });

// --- The form on the running program.

class BackgroundTest : public ShellTest {
  protected:
    FrmBackGroundForm& BG() { return *FrmBackGround; }
    forms::IRect PictureRect(int i) { return BG().BGimg_Background(i).ScreenRect(); }
    static bool Overlap(const forms::IRect& a, const forms::IRect& b) {
        return !a.Intersect(b).Empty();
    }
    void Apply(int16_t option) {
        UserSet rec = Settings;
        rec.BGFormOpt = option;
        Settings.BGFormOpt = option;
        ApplyBGFormOption(rec);
        h.Pump();
    }
    bool ImagesShown() { return BG().BGimg_Background(0).Visible(); }
    bool LettersShown() {
        return BG().BGlbl_Alphabet(0).Visible() && BG().BGlbl_AlphabetShdw(0).Visible();
    }
    // Index of a control in the form's drawing order.
    int Order(const forms::Control& c) {
        const auto& kids = BG().Children();
        return static_cast<int>(std::find(kids.begin(), kids.end(), &c) - kids.begin());
    }
};

TEST_F(BackgroundTest, StartUpLoadsItBehindTheMainWindowOverTheWholeScreen) {
    StartAndShow();
    ASSERT_EQ(BGFormShown, forms::vbTrue);
    EXPECT_TRUE(BG().Visible());
    EXPECT_FALSE(FrmGeneral.IsLoaded()) << "the please-wait window goes once the pictures are in";
    EXPECT_EQ(forms::Application::Forms().front(), &BG());
    EXPECT_EQ(forms::Application::ActiveForm(), &*FrmMain);
    EXPECT_EQ(BG().ScreenRect(), (forms::IRect{0, 0, 1024, 768}));
    EXPECT_EQ(BG().BackColor(), Settings.BGFormColor);
    EXPECT_EQ(h.Pixel(512, 2), Settings.BGFormColor) << "the margin above the top row";
    const auto expected =
        BGLetterMetrics(forms::Screen::Width(), forms::Screen::Height(), 15, 15, FrmMain->Height());
    for (int i = 0; i <= 7; ++i)
        EXPECT_EQ(BGMetrics(i), expected(i)) << i;
}

TEST_F(BackgroundTest, TheLettersRunClockwiseAroundTheFreeEdgesWithoutOverlapping) {
    StartAndShow();
    const forms::IRect screen{0, 0, 1024, 768};
    const forms::IRect main = FrmMain->ScreenRect();
    for (int i = 0; i <= 25; ++i) {
        const forms::IRect r = PictureRect(i);
        EXPECT_EQ(r.w, BGMetrics(6));
        EXPECT_EQ(r.h, BGMetrics(7));
        EXPECT_EQ(r.Intersect(screen), r) << "picture " << i << " lies on the screen";
        EXPECT_FALSE(Overlap(r, main)) << "picture " << i << " stays clear of the main window";
        for (int j = 0; j < i; ++j)
            EXPECT_FALSE(Overlap(r, PictureRect(j))) << i << " and " << j;
    }
    // A at the top left, H at the top right, N at the bottom right, U at the bottom left.
    EXPECT_EQ(PictureRect(0).x, 5);
    EXPECT_EQ(PictureRect(0).y, 5);
    EXPECT_EQ(PictureRect(8).x, PictureRect(7).x);
    EXPECT_GT(PictureRect(9).y, PictureRect(8).y);
    EXPECT_EQ(PictureRect(13).x, PictureRect(7).x);
    EXPECT_EQ(PictureRect(13).y + PictureRect(13).h, 768 - 5);
    EXPECT_LT(PictureRect(20).x, PictureRect(13).x);
    EXPECT_EQ(PictureRect(21).x, PictureRect(20).x);
    EXPECT_LT(PictureRect(25).y, PictureRect(21).y);
    EXPECT_GT(PictureRect(25).y, PictureRect(0).y + PictureRect(0).h);
}

TEST_F(BackgroundTest, EachPictureCarriesItsLetterPairWithAShadow) {
    StartAndShow();
    for (int i : {0, 12, 25}) {
        const forms::Label& letter = BG().BGlbl_Alphabet(i);
        const forms::Label& shadow = BG().BGlbl_AlphabetShdw(i);
        const std::string pair{static_cast<char>('A' + i), static_cast<char>('a' + i)};
        EXPECT_EQ(letter.Caption(), pair);
        EXPECT_EQ(shadow.Caption(), pair);
        EXPECT_EQ(letter.ScreenRect(), PictureRect(i));
        EXPECT_EQ(shadow.Left(), letter.Left() + 2);
        EXPECT_EQ(shadow.Top(), letter.Top() + 2);
        EXPECT_DOUBLE_EQ(letter.FontSize(), BGMetrics(7) / 3.5);
        EXPECT_EQ(letter.FontName(), FontName(1));
        EXPECT_EQ(letter.ForeColor(), Settings.BGFormColorAlpha);
        EXPECT_EQ(shadow.ForeColor(), Settings.BGFormColorAlphaShdw);
        EXPECT_FALSE(letter.FontBold());
        EXPECT_GT(Order(letter), Order(shadow));
        EXPECT_GT(Order(shadow), Order(BG().BGimg_Background(i)));
    }
}

TEST_F(BackgroundTest, OptionsShowPicturesLettersOrOnlyTheColour) {
    StartAndShow();
    struct {
        int16_t option;
        bool images, letters;
    } cases[] = {{1, true, false},  {2, false, false}, {0, true, true},
                 {2, false, false}, {1, true, false},  {0, true, true}};
    const forms::IRect a = PictureRect(0);
    FrmBackGroundForm* loaded = &BG();
    for (const auto& c : cases) {
        Apply(c.option);
        EXPECT_EQ(&BG(), loaded) << "changing the option reloads nothing";
        EXPECT_TRUE(BG().Visible());
        EXPECT_EQ(ImagesShown(), c.images) << c.option;
        EXPECT_EQ(BG().BGimg_Background(25).Visible(), c.images) << c.option;
        EXPECT_EQ(LettersShown(), c.letters) << c.option;
        EXPECT_EQ(BG().BGlbl_Alphabet(25).Visible(), c.letters) << c.option;
        // Without pictures the place of A shows the background colour.
        const bool colourOnly = h.Pixel(a.x + a.w / 2, a.y + a.h - 3) == Settings.BGFormColor;
        EXPECT_EQ(colourOnly, !c.images) << c.option;
    }
    // Shown again, the letters stand in front of the pictures.
    EXPECT_GT(Order(BG().BGlbl_Alphabet(0)), Order(BG().BGimg_Background(0)));
}

TEST_F(BackgroundTest, NoBackgroundHidesItAndTheNextResumeUnloadsIt) {
    StartAndShow();
    Apply(3);
    ASSERT_TRUE(FrmBackGround.IsLoaded());
    EXPECT_FALSE(BG().Visible());
    EXPECT_EQ(BGFormShown, forms::vbTrue);
    int16_t resume = paResume;
    ChangeAppState(resume);
    EXPECT_FALSE(FrmBackGround.IsLoaded());
    EXPECT_EQ(BGFormShown, forms::vbFalse);
    // Choosing a background again loads it afresh.
    Apply(1);
    ASSERT_TRUE(FrmBackGround.IsLoaded());
    EXPECT_EQ(BGFormShown, forms::vbTrue);
    EXPECT_TRUE(ImagesShown());
    EXPECT_FALSE(LettersShown());
    EXPECT_EQ(forms::Application::Forms().front(), &BG());
}

TEST_F(BackgroundTest, NoBackgroundAtStartUpNeverLoadsIt) {
    WriteSettings([](UserSet& s) { s.BGFormOpt = 3; });
    StartAndShow();
    EXPECT_FALSE(FrmBackGround.IsLoaded());
    EXPECT_EQ(BGFormShown, forms::vbFalse);
    // Colours applied meanwhile create nothing; a later load takes them from the settings.
    Settings.BGFormColor = forms::RGB(10, 20, 30);
    SectionBGFormColors(umApply, Settings, Settings);
    EXPECT_FALSE(FrmBackGround.IsLoaded());
    Apply(0);
    EXPECT_EQ(BG().BackColor(), forms::RGB(10, 20, 30));
}

TEST_F(BackgroundTest, ColoursReachTheShownForm) {
    StartAndShow();
    UserSet rec = Settings;
    rec.BGFormColor = forms::RGB(0, 128, 0);
    rec.BGFormColorAlpha = forms::RGB(0, 0, 255);
    rec.BGFormColorAlphaShdw = forms::RGB(90, 90, 90);
    SectionBGFormColors(umApply, Settings, rec);
    h.Pump();
    EXPECT_EQ(BG().BackColor(), forms::RGB(0, 128, 0));
    EXPECT_EQ(h.Pixel(512, 2), forms::RGB(0, 128, 0));
    for (int i : {0, 25}) {
        EXPECT_EQ(BG().BGlbl_Alphabet(i).ForeColor(), forms::RGB(0, 0, 255));
        EXPECT_EQ(BG().BGlbl_AlphabetShdw(i).ForeColor(), forms::RGB(90, 90, 90));
    }
}

TEST_F(BackgroundTest, MinimiseAndRestoreTakeItAlong) {
    StartAndShow();
    int16_t minimise = paMinimise;
    ChangeAppState(minimise);
    h.Pump();
    EXPECT_EQ(BG().WindowState(), forms::vbMinimized);
    EXPECT_FALSE(BG().Visible());
    EXPECT_TRUE(forms::Application::ShownForms().empty());
    forms::PostWindowRestored();
    h.Pump();
    EXPECT_EQ(AppMinimised, forms::vbFalse);
    EXPECT_EQ(BG().WindowState(), forms::vbMaximized);
    EXPECT_TRUE(BG().Visible());
    EXPECT_EQ(BG().ScreenRect(), (forms::IRect{0, 0, 1024, 768}));
    EXPECT_EQ(forms::Application::ShownForms().front(), &BG());
    EXPECT_EQ(h.Pixel(512, 2), Settings.BGFormColor);
}

TEST_F(BackgroundTest, AMissingPictureLeavesItsPlaceEmptyAndStartUpGoesOn) {
    HideMedia("Images/Q.jpg");
    StartAndShow();
    EXPECT_TRUE(h.MsgBoxes().empty());
    ASSERT_TRUE(FrmBackGround.IsLoaded());
    EXPECT_EQ(BGFormShown, forms::vbTrue);
    FrmBackGroundForm& bg = *FrmBackGround;
    const int q = 'Q' - 'A';
    EXPECT_EQ(bg.BGimg_Background(q).Picture(), nullptr);
    EXPECT_NE(bg.BGimg_Background(q - 1).Picture(), nullptr) << "the others are there";
    EXPECT_TRUE(bg.BGlbl_Alphabet(q).Visible()) << "its letters still show";
    EXPECT_FALSE(FrmGeneral.IsLoaded());
}

} // namespace
