// The music menu and the background music it owns: start-up, choosing an instrument, the halt on
// minimise and the resume on restore, the volume frame, missing tunes, and the menu's hover,
// choice and closing paths.
#include "tests/shell/shell_fixture.h"

#include <filesystem>

namespace {

namespace fs = std::filesystem;

class MusicMenuTest : public ShellTest {
  protected:
    FrmMenuMusicForm& Menu() { return *FrmMenuMusic; }
    forms::MusicPlayer& Player() { return FrmMenuMusic->MM_Music; }
    forms::PicturePtr ListPicture(int n) { return Menu().AT_ImgLst_MusicButtons.Picture(n); }
    bool Highlighted(int button) {
        return Menu().AT_IMG_MusicButtons(button).Picture() == ListPicture(button + 7);
    }
    // The menu opened as the main window's music button opens it.
    void Open() {
        DisableMainForm();
        ShowFrmMenuMusic();
        h.Pump();
        ASSERT_TRUE(Menu().Visible());
    }
};

TEST_F(MusicMenuTest, StartupLoadsTheMenuAndPlaysTheInstrumentsTune) {
    StartAndShow();
    ASSERT_TRUE(FrmMenuMusic.IsLoaded()) << "the settings' apply step loads the menu";
    EXPECT_FALSE(Menu().Visible());
    EXPECT_EQ(Player().FileName(), AppPath + "\\Music\\Music3.mid");
    EXPECT_TRUE(Player().Loaded());
    EXPECT_TRUE(Player().Playing());
    EXPECT_EQ(Player().Volume(), -500);
    EXPECT_EQ(Menu().GetMusicInstrument(), "2");
    EXPECT_EQ(Menu().HoverIndex(), 5);
    for (int i = 0; i <= 5; ++i)
        EXPECT_FALSE(Highlighted(i)) << "after loading no button is highlighted: " << i;
}

TEST_F(MusicMenuTest, TheDialogIsLaidOutInPixels) {
    StartAndShow();
    FrmMenuMusicForm& m = Menu();
    EXPECT_DOUBLE_EQ(m.Width(), 340 * 15);
    EXPECT_DOUBLE_EQ(m.Height(), 369 * 15);
    EXPECT_EQ(m.BorderStyle(), forms::vbBSNone);
    EXPECT_EQ(m.Caption(), "Music Options");
    const double lefts[3] = {30, 126, 222};
    for (int k = 0; k <= 2; ++k) {
        EXPECT_DOUBLE_EQ(m.AT_IMG_MusicButtons(k).Left(), lefts[k]);
        EXPECT_DOUBLE_EQ(m.AT_IMG_MusicButtons(k).Top(), 70);
        EXPECT_DOUBLE_EQ(m.AT_IMG_MusicButtons(k + 3).Left(), lefts[k]);
        EXPECT_DOUBLE_EQ(m.AT_IMG_MusicButtons(k + 3).Top(), 171);
    }
    // The selection frame around button 2.
    EXPECT_DOUBLE_EQ(m.Shp_HL.Left(), 220);
    EXPECT_DOUBLE_EQ(m.Shp_HL.Top(), 68);
    EXPECT_DOUBLE_EQ(m.Shp_HL.Width(), 90);
    EXPECT_EQ(m.Shp_HL.BorderColor(), forms::RGB(255, 90, 90));
    EXPECT_EQ(m.FRM_HolderMusicInstr.Caption(), "Volume");
    EXPECT_DOUBLE_EQ(m.FRM_HolderMusicInstr.Left(), 14);
    EXPECT_DOUBLE_EQ(m.FRM_HolderMusicInstr.Top(), 280);
    EXPECT_DOUBLE_EQ(m.FRM_HolderMusicInstr.Width(), 310);
    EXPECT_DOUBLE_EQ(m.FRM_HolderMusicInstr.Height(), 73);
    EXPECT_DOUBLE_EQ(m.MusPict_HolderMM.Width(), 279);
    EXPECT_DOUBLE_EQ(m.MM_Music.Width(), 279);
    EXPECT_DOUBLE_EQ(m.MM_Music.Height(), 46);
    EXPECT_DOUBLE_EQ(m.Lbl_Close.Left(), 285);
    EXPECT_EQ(m.Lbl_Heading.Caption(), "Music");
}

class MusicChoiceTest : public MusicMenuTest, public ::testing::WithParamInterface<forms::Flag> {};

TEST_P(MusicChoiceTest, ChoosingAnInstrumentSetsItsTuneAndPlaysOnlyWhenMusicIsOn) {
    const forms::Flag on = GetParam();
    StartAndShow();
    Settings.MusicPlay = on;
    Menu().AT_IMG_MusicButtons_Click(4);
    EXPECT_EQ(Settings.Instrument, 4);
    EXPECT_EQ(Menu().GetMusicInstrument(), "4");
    EXPECT_EQ(Player().FileName(), AppPath + "\\Music\\Music5.mid");
    EXPECT_EQ(Player().Playing(), on == forms::vbTrue);
    EXPECT_DOUBLE_EQ(Menu().Shp_HL.Left(), Menu().AT_IMG_MusicButtons(4).Left() - 2);
    EXPECT_DOUBLE_EQ(Menu().Shp_HL.Top(), Menu().AT_IMG_MusicButtons(4).Top() - 2);
}

INSTANTIATE_TEST_SUITE_P(MusicPlay, MusicChoiceTest,
                         ::testing::Values(forms::vbTrue, forms::vbFalse), [](const auto& info) {
                             return std::string(info.param ? "MusicOn" : "MusicOff");
                         });

TEST_F(MusicMenuTest, ChoosingTheCurrentInstrumentChangesNothing) {
    StartAndShow();
    Player().Stop(); // were the tune started again, it would play
    Menu().AT_IMG_MusicButtons_Click(2);
    EXPECT_FALSE(Player().Playing());
    EXPECT_EQ(Player().FileName(), AppPath + "\\Music\\Music3.mid");
}

TEST_F(MusicMenuTest, MinimiseHaltsAndRestoreResumesOnlyWhenOnWithATune) {
    struct Case {
        forms::Flag musicPlay;
        bool tune;
        bool resumes;
    } cases[] = {
        {forms::vbTrue, true, true}, {forms::vbFalse, true, false}, {forms::vbTrue, false, false}};
    StartAndShow();
    for (const Case& c : cases) {
        if (!c.tune) Player().SetFileName("");
        Player().Play();
        PendingAction = paMinimise;
        ChangeAppState(PendingAction);
        h.Pump();
        EXPECT_FALSE(Player().Playing()) << "minimising halts the music";
        Settings.MusicPlay = c.musicPlay;
        FrmMain->SetWindowState(forms::vbNormal);
        h.Pump();
        EXPECT_EQ(Player().Playing(), c.resumes) << c.musicPlay << " " << c.tune;
    }
}

TEST_F(MusicMenuTest, TheVolumeComesFromTheSettingsWhenMusicStarts) {
    StartAndShow();
    const int16_t volume = -2700, tune = 1;
    Menu().InitMusicPlayState(forms::vbTrue, volume, tune);
    EXPECT_EQ(Player().Volume(), -2700);
    EXPECT_EQ(Player().FileName(), AppPath + "\\Music\\Music2.mid");
    EXPECT_TRUE(Player().Playing());
    // Music off halts and leaves the rest as it was.
    Menu().InitMusicPlayState(forms::vbFalse, -100, 4);
    EXPECT_FALSE(Player().Playing());
    EXPECT_EQ(Player().Volume(), -2700);
    EXPECT_EQ(Player().FileName(), AppPath + "\\Music\\Music2.mid");
}

struct FrameCase {
    forms::Flag musicPlay, musicChange;
};

class VolumeFrameTest : public MusicMenuTest, public ::testing::WithParamInterface<FrameCase> {};

// Playing music does not open the volume frame that the adult closed.
TEST_P(VolumeFrameTest, TheVolumeFrameFollowsTheAdultsChoiceAlsoWhileMusicPlays) {
    const FrameCase c = GetParam();
    WriteSettings([&](UserSet& r) {
        r.MusicPlay = c.musicPlay;
        r.MusicChange = c.musicChange;
    });
    StartAndShow();
    EXPECT_EQ(Menu().FRM_HolderMusicInstr.Enabled(), c.musicChange == forms::vbTrue);
    EXPECT_EQ(Player().Playing(), c.musicPlay == forms::vbTrue);
}

INSTANTIATE_TEST_SUITE_P(Settings, VolumeFrameTest,
                         ::testing::Values(FrameCase{forms::vbTrue, forms::vbTrue},
                                           FrameCase{forms::vbTrue, forms::vbFalse},
                                           FrameCase{forms::vbFalse, forms::vbTrue},
                                           FrameCase{forms::vbFalse, forms::vbFalse}),
                         [](const auto& info) {
                             return std::string(info.param.musicPlay ? "Playing" : "Silent") +
                                    (info.param.musicChange ? "ChangeAllowed" : "ChangeLocked");
                         });

TEST_F(MusicMenuTest, WithMusicOffAtStartTheTuneIsReadyForWhenItIsSwitchedOn) {
    WriteSettings([](UserSet& r) { r.MusicPlay = forms::vbFalse; });
    StartAndShow();
    EXPECT_FALSE(Player().Playing());
    EXPECT_EQ(Player().FileName(), AppPath + "\\Music\\Music3.mid");
    Player().Play(); // as the options dialog does when music is switched on
    EXPECT_TRUE(Player().Loaded());
    EXPECT_TRUE(Player().Playing());
}

TEST_F(MusicMenuTest, MissingTunesDoNotStopTheProgram) {
    fs::remove(fs::path(folder.Path()) / "Music");
    StartAndShow();
    EXPECT_EQ(Player().FileName(), AppPath + "\\Music\\Music3.mid");
    EXPECT_FALSE(Player().Loaded());
    Menu().AT_IMG_MusicButtons_Click(0);
    EXPECT_EQ(Player().FileName(), AppPath + "\\Music\\Music1.mid");
    EXPECT_TRUE(Player().Playing()) << "the player takes the command; it is silent";
}

TEST_F(MusicMenuTest, HoveringSwapsTheHighlightedPicture) {
    StartAndShow();
    Open();
    FrmMenuMusicForm& m = Menu();
    // The hover index holds 5 after loading: button 5 first neither highlights nor changes it.
    h.MoveOn(m.AT_IMG_MusicButtons(5), 20, 20);
    EXPECT_FALSE(Highlighted(5));
    h.MoveOn(m.AT_IMG_MusicButtons(2), 20, 20);
    EXPECT_TRUE(Highlighted(2));
    EXPECT_EQ(m.HoverIndex(), 2);
    // Leaving for the background keeps the highlight and the hover index.
    h.MoveOn(m.Pict_Holder, 200, 40);
    EXPECT_TRUE(Highlighted(2));
    EXPECT_EQ(m.HoverIndex(), 2);
    h.MoveOn(m.AT_IMG_MusicButtons(3), 20, 20);
    EXPECT_TRUE(Highlighted(3));
    EXPECT_FALSE(Highlighted(2));
    EXPECT_EQ(m.AT_IMG_MusicButtons(2).Picture(), ListPicture(3));
}

TEST_F(MusicMenuTest, AClickOnAButtonChoosesItAndTheMenuStaysOpen) {
    StartAndShow();
    Open();
    h.ClickOn(Menu().AT_IMG_MusicButtons(5), 40, 40);
    EXPECT_EQ(Settings.Instrument, 5);
    EXPECT_EQ(Player().FileName(), AppPath + "\\Music\\Music6.mid");
    EXPECT_TRUE(Player().Playing());
    EXPECT_TRUE(Menu().Visible());
}

TEST_F(MusicMenuTest, TheCloseGlyphAndEscCloseTheMenuAndHandTheMainWindowBack) {
    StartAndShow();
    for (bool esc : {false, true}) {
        Open();
        EXPECT_FALSE(FrmMain->Enabled());
        if (esc)
            h.Key(27);
        else
            h.ClickOn(Menu().Lbl_Close, 5, 5);
        EXPECT_FALSE(Menu().Visible()) << (esc ? "Esc" : "close glyph");
        EXPECT_TRUE(FrmMain->Enabled());
        EXPECT_EQ(PendingAction, paNone) << "the main window's activation resumed";
        EXPECT_TRUE(Player().Playing()) << "the music goes on while the menu is closed";
    }
}

TEST_F(MusicMenuTest, HidingPostsAResumeOnlyWhenTheMenuShows) {
    StartAndShow();
    Open();
    Menu().HideFrmMenuMusic();
    EXPECT_EQ(PendingAction, paResume);
    h.Pump();
    EXPECT_EQ(PendingAction, paNone);
    Menu().HideFrmMenuMusic(); // already hidden: nothing
    EXPECT_EQ(PendingAction, paNone);
}

} // namespace
