// The program without one of its media files: each picture taken away in turn, the sounds and
// the tunes taken away, no sound device and no MIDI sound set. Each time the program starts and
// goes on through every screen and dialog, quietly where a sound is missing.
#include "options/frm_options.h"
#include "tests/shell/shell_fixture.h"
#include "tests/support/media_manifest.h"

#include <algorithm>
#include <cctype>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <string>
#include <vector>

namespace {

namespace fs = std::filesystem;

class MediaFaultTest : public ShellTest {
  protected:
    // Start-up, then every screen and dialog in turn; the program must still be running at the
    // end with no box shown.
    void Tour() {
        StartAndShow();
        FrmMainForm& m = *FrmMain;
        h.Advance(4000); // the first letter drawn, its word and sentence spoken
        for (int menu : {mnAlphaType, mnLevel, mnMusic, mnChoice}) {
            SCOPED_TRACE(menu);
            m.TRCImg_Menu(menu).MouseUp(forms::vbLeftButton, 0, 1, 1);
            h.Pump();
            EXPECT_FALSE(m.Enabled()) << "the menu is open";
            h.Key(forms::vbKeyEscape);
            h.Pump();
            EXPECT_TRUE(m.Enabled()) << "the menu closed";
        }

        m.SetEnabled(false);
        FrmCompletion->Show();
        h.Pump();
        FrmCompletion->HideFrmCompletion();
        h.Pump();

        Settings.PWOptions = forms::vbTrue;
        m.TRCImg_Menu(mnOptions).MouseUp(forms::vbLeftButton, 0, 1, 1);
        h.Pump();
        ASSERT_TRUE(FrmPassWord.IsLoaded());
        FrmPassWord->Text_PW.SetText("");
        h.Type("marble");
        h.Key(forms::vbKeyReturn);
        ASSERT_TRUE(OptionsShown());
        for (int tab = 1; tab <= 6; ++tab) {
            OptionsForm->Tabs_Options.SetSelectedItem(tab);
            h.Advance(500);
        }
        OptionsForm->OptCmd_Commands_Click(3); // Cancel
        h.Pump();
        EXPECT_FALSE(OptionsShown());

        int16_t lesson = lsPuzzle;
        SelectLesson(lesson);
        h.Advance(3000);
        h.ClickOn(m.PuzLbl_Coin(0), 5, 5);
        h.Advance(1000);
        lesson = lsTracing;
        SelectLesson(lesson);
        h.Advance(3000);

        EXPECT_TRUE(FrmMain.IsLoaded());
        for (const forms::MsgBoxRecord& box : h.MsgBoxes())
            ADD_FAILURE() << "a box: " << box.prompt;
    }
};

// --- Each picture in turn.

std::vector<std::string> Pictures() {
    std::vector<std::string> out;
    for (const MediaEntry& e : ReadMediaManifest())
        if (e.kind == "jpeg" || e.kind == "png" || e.kind == "bmp" || e.kind == "mark" ||
            e.kind == "pointer")
            out.push_back(e.path);
    return out;
}

class MissingPictureTest : public MediaFaultTest,
                           public ::testing::WithParamInterface<std::string> {};

TEST_P(MissingPictureTest, LeavesTheProgramRunningThroughEveryScreen) {
    HideMedia(GetParam());
    Tour();
}

INSTANTIATE_TEST_SUITE_P(EachOne, MissingPictureTest, ::testing::ValuesIn(Pictures()),
                         [](const ::testing::TestParamInfo<std::string>& info) {
                             std::string name;
                             for (char c : info.param)
                                 name += std::isalnum(static_cast<unsigned char>(c)) ? c : '_';
                             return name;
                         });

// --- Sounds and tunes.

// Every sound and tune gone at once: each is opened on its own when it is played, so their
// absence together meets the same path as each one's.
TEST_F(MediaFaultTest, WithoutAnySoundOrTuneTheProgramRunsQuietly) {
    for (const char* sub : {"Sounds", "Music"}) {
        fs::remove(folder.File(sub));
        fs::create_directory(folder.File(sub));
    }
    Tour();
    for (int i = 0; i <= 1; ++i)
        EXPECT_NE(FrmMain->AT_MM_Alphabet(i).Mode(), forms::mciModePlay) << i;
}

// --- No sound device, no MIDI sound set.

// Each runs in a fresh process (the device is opened once a process), started with the
// environment that takes the device or the sound set away, and exits 0 when the tour went well.
class SilentTest : public MediaFaultTest {};

// Ends the child at once: the program's forms are still up, and the process's static
// destructors must not run behind the runtime's back.
[[noreturn]] void Leave(int status) {
    std::fflush(nullptr);
    std::_Exit(status);
}

TEST_F(SilentTest, WithoutASoundDeviceTheProgramRunsQuietly) {
    GTEST_FLAG_SET(death_test_style, "threadsafe");
    EXPECT_EXIT(
        {
            setenv("SDL_AUDIODRIVER", "no-such-driver", 1);
            Tour();
            Leave(::testing::Test::HasFailure() || forms::EnsureAudioOpen() ? 1 : 0);
        },
        ::testing::ExitedWithCode(0), "No audio device");
}

TEST_F(SilentTest, WithoutAMidiSoundSetTheMusicIsSilent) {
    GTEST_FLAG_SET(death_test_style, "threadsafe");
    EXPECT_EXIT(
        {
            // The mixer's MIDI players, each as if it found no sound set to play with.
            for (const char* player : {"FLUIDSYNTH", "TIMIDITY", "NATIVEMIDI"})
                setenv((std::string("SDL_MIXER_DISABLE_") + player).c_str(), "1", 1);
            Tour();
            const bool tune = FrmMenuMusic->MM_Music.Loaded();
            Leave(::testing::Test::HasFailure() ? 1 : tune ? 2 : 0);
        },
        ::testing::ExitedWithCode(0), "No music");
}

} // namespace
