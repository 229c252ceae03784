// The sound channel under the dummy audio driver and the virtual clock: what a program relies on
// of a channel (command effects, Mode while playing and after, failures that change nothing).
#include "forms/clock.h"
#include "forms/files.h"
#include "forms/sound_channel.h"
#include "tests/support/wave_file.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <unistd.h>

namespace {

namespace fs = std::filesystem;

class SoundChannelTest : public ::testing::Test {
  protected:
    void SetUp() override {
        dir_ = fs::temp_directory_path() /
               ("wo_sound_" + std::to_string(::testing::UnitTest::GetInstance()->random_seed()) +
                "_" + ::testing::UnitTest::GetInstance()->current_test_info()->name());
        fs::create_directories(dir_);
        forms::SetClock(clock_);
        wo_test::WriteWave((dir_ / "short.wav").string(), 200);
        wo_test::WriteWave((dir_ / "long.wav").string(), 1000);
    }
    void TearDown() override {
        forms::SetClock(nullptr);
        fs::remove_all(dir_);
    }
    std::string File(const char* name) const { return (dir_ / name).string(); }

    std::shared_ptr<forms::VirtualClock> clock_ = std::make_shared<forms::VirtualClock>(1000);
    fs::path dir_;
};

TEST_F(SoundChannelTest, PlaysForTheLengthItsHeaderGives) {
    forms::SoundChannel ch;
    EXPECT_EQ(ch.Mode(), forms::mciModeNotOpen);
    ch.SetFileName(File("long.wav"));
    ch.SetCommand("Open");
    EXPECT_EQ(ch.Mode(), forms::mciModeStop);
    EXPECT_DOUBLE_EQ(ch.LengthMs(), 1000);
    ch.SetCommand("Play");
    EXPECT_EQ(ch.Mode(), forms::mciModePlay);
    clock_->Advance(999);
    EXPECT_EQ(ch.Mode(), forms::mciModePlay);
    clock_->Advance(1);
    EXPECT_EQ(ch.Mode(), forms::mciModeStop);
}

TEST_F(SoundChannelTest, StopEndsTheSoundAndPrevPlaysItFromTheStart) {
    forms::SoundChannel ch;
    ch.SetFileName(File("long.wav"));
    ch.SetCommand("Open");
    ch.SetCommand("Play");
    clock_->Advance(600);
    ch.SetCommand("Stop");
    EXPECT_EQ(ch.Mode(), forms::mciModeStop);
    clock_->Advance(5000);
    ch.SetCommand("Prev");
    ch.SetCommand("Play");
    clock_->Advance(999);
    EXPECT_EQ(ch.Mode(), forms::mciModePlay) << "rewound: the whole sound plays again";
    clock_->Advance(1);
    EXPECT_EQ(ch.Mode(), forms::mciModeStop);
}

TEST_F(SoundChannelTest, PrevWhilePlayingRestartsTheSound) {
    forms::SoundChannel ch;
    ch.SetFileName(File("short.wav"));
    ch.SetCommand("Open");
    ch.SetCommand("Play");
    clock_->Advance(150);
    ch.SetCommand("Prev");
    ch.SetCommand("Play");
    clock_->Advance(150);
    EXPECT_EQ(ch.Mode(), forms::mciModePlay);
    clock_->Advance(50);
    EXPECT_EQ(ch.Mode(), forms::mciModeStop);
}

TEST_F(SoundChannelTest, CloseReleasesTheFileForAnother) {
    forms::SoundChannel ch;
    ch.SetFileName(File("long.wav"));
    ch.SetCommand("Open");
    ch.SetCommand("Play");
    ch.SetCommand("Close");
    EXPECT_EQ(ch.Mode(), forms::mciModeNotOpen);
    ch.SetCommand("Play");
    EXPECT_EQ(ch.Mode(), forms::mciModeNotOpen) << "nothing is open to play";
    ch.SetFileName(File("short.wav"));
    ch.SetCommand("Open");
    EXPECT_DOUBLE_EQ(ch.LengthMs(), 200);
}

TEST_F(SoundChannelTest, AMissingFileChangesNothingAndLaterCommandsWork) {
    forms::SoundChannel ch;
    ch.SetFileName(File("missing.wav"));
    EXPECT_NO_THROW(ch.SetCommand("Open"));
    EXPECT_NO_THROW(ch.SetCommand("Prev"));
    EXPECT_NO_THROW(ch.SetCommand("Play"));
    EXPECT_EQ(ch.Mode(), forms::mciModeNotOpen);

    ch.SetFileName(File("short.wav"));
    ch.SetCommand("Open");
    ch.SetCommand("Play");
    EXPECT_EQ(ch.Mode(), forms::mciModePlay);

    // A failed open while a sound plays leaves that sound playing.
    ch.SetFileName(File("missing.wav"));
    ch.SetCommand("Open");
    EXPECT_EQ(ch.Mode(), forms::mciModePlay);
    EXPECT_DOUBLE_EQ(ch.LengthMs(), 200);
}

TEST_F(SoundChannelTest, AFileThatIsNoWaveFailsLikeAMissingOne) {
    forms::WriteAllText(File("text.wav"), "not a sound at all");
    forms::SoundChannel ch;
    ch.SetFileName(File("text.wav"));
    ch.SetCommand("Open");
    EXPECT_EQ(ch.Mode(), forms::mciModeNotOpen);
}

TEST_F(SoundChannelTest, TwoChannelsPlayAtOnce) {
    forms::SoundChannel voice, speech;
    voice.SetFileName(File("short.wav"));
    speech.SetFileName(File("long.wav"));
    voice.SetCommand("Open");
    speech.SetCommand("Open");
    voice.SetCommand("Play");
    speech.SetCommand("Play");
    EXPECT_EQ(voice.Mode(), forms::mciModePlay);
    EXPECT_EQ(speech.Mode(), forms::mciModePlay);
    clock_->Advance(200);
    EXPECT_EQ(voice.Mode(), forms::mciModeStop);
    EXPECT_EQ(speech.Mode(), forms::mciModePlay);
}

TEST_F(SoundChannelTest, FileNamesAreFoundWithoutRegardToCase) {
    forms::SoundChannel ch;
    ch.SetFileName(File("SHORT.WAV"));
    ch.SetCommand("Open");
    EXPECT_EQ(ch.Mode(), forms::mciModeStop);
}

TEST(WaveLength, HeaderCases) {
    std::vector<uint8_t> good = wo_test::MakeWave(500, 22050); // 22050 bytes of samples
    EXPECT_DOUBLE_EQ(forms::WaveLengthMs(good), 500);

    // A file cut short plays what it holds.
    std::vector<uint8_t> truncated(good.begin(), good.begin() + 44 + 11025);
    EXPECT_DOUBLE_EQ(forms::WaveLengthMs(truncated), 250);

    std::vector<uint8_t> notRiff = good;
    notRiff[0] = 'X';
    EXPECT_LT(forms::WaveLengthMs(notRiff), 0);

    std::vector<uint8_t> compressed = good;
    compressed[20] = 2; // format tag: not PCM
    EXPECT_LT(forms::WaveLengthMs(compressed), 0);

    EXPECT_LT(forms::WaveLengthMs({}), 0);
}

} // namespace

namespace {

// Plays two sounds with no audio device to be had; exits 0 when they kept time.
[[noreturn]] void PlaySilently() {
    setenv("SDL_AUDIODRIVER", "no-such-driver", 1);
    auto clock = std::make_shared<forms::VirtualClock>(1000);
    forms::SetClock(clock);
    const std::string file =
        (fs::temp_directory_path() / ("wo_silent_" + std::to_string(getpid()) + ".wav")).string();
    wo_test::WriteWave(file, 200);
    forms::SoundChannel a, b;
    for (forms::SoundChannel* ch : {&a, &b}) {
        ch->SetFileName(file);
        ch->SetCommand("Open");
        ch->SetCommand("Play");
    }
    const bool playing = a.Mode() == forms::mciModePlay && b.Mode() == forms::mciModePlay;
    clock->Advance(200);
    const bool ended = a.Mode() == forms::mciModeStop;
    fs::remove(file);
    std::exit(playing && ended && !forms::EnsureAudioOpen() ? 0 : 1);
}

// Without an audio device the channels keep time silently, and the log says so. Run in a fresh
// process, so that no earlier test has opened the device.
TEST(SoundChannelWithoutAudio, KeepsTimeSilently) {
    GTEST_FLAG_SET(death_test_style, "threadsafe");
    EXPECT_EXIT(PlaySilently(), ::testing::ExitedWithCode(0), "No audio device");
}

} // namespace
