// Playing and stopping wave sounds on the main window's channels.
#include "shell/sound_device.h"
#include "tests/shell/shell_fixture.h"
#include "tests/support/wave_file.h"

namespace {

class SoundDeviceTest : public ShellTest {
  protected:
    void SetUp() override {
        ShellTest::SetUp();
        ASSERT_TRUE(Start());
        wo_test::WriteWave(folder.File("a.wav"), 300);
        wo_test::WriteWave(folder.File("b.wav"), 600);
    }
    std::string File(const char* name) const { return AppPath + "\\" + name; }
    // The commands item i received since the last look.
    std::vector<std::string> Commands(int i) {
        const auto& all = FrmMain->AT_MM_Alphabet(i).History();
        std::vector<std::string> fresh(all.begin() + static_cast<long>(seen_[i]), all.end());
        seen_[i] = all.size();
        return fresh;
    }
    size_t seen_[7] = {};
};

TEST_F(SoundDeviceTest, ANewFileIsReopenedAndTheSameFileRewound) {
    Commands(0);
    PlayMMFile(0, File("a.wav"));
    EXPECT_EQ(Commands(0), (std::vector<std::string>{"Stop", "Close", "FileName=" + File("a.wav"),
                                                     "Open", "Play"}));
    EXPECT_EQ(IsMMPlayingFile(0, File("a.wav")), forms::vbTrue);
    PlayMMFile(0, File("a.wav"));
    EXPECT_EQ(Commands(0), (std::vector<std::string>{"Prev", "Play"}));
    // The file name is compared exactly: another spelling is another file.
    PlayMMFile(0, File("A.WAV"));
    EXPECT_EQ(Commands(0).front(), "Stop");
}

TEST_F(SoundDeviceTest, PlayingLastsAsLongAsTheSound) {
    PlayMMFile(1, File("a.wav"));
    EXPECT_EQ(IsMMDevicePlaying(1), forms::vbTrue);
    h.Advance(299);
    EXPECT_EQ(FrmMain->AT_MM_Alphabet(1).Mode(), forms::mciModePlay);
    h.Advance(1);
    EXPECT_EQ(IsMMDevicePlaying(1), forms::vbFalse);
}

TEST_F(SoundDeviceTest, ASoundPlayedAgainStartsOverAndANewOneCutsTheOldOff) {
    PlayMMFile(0, File("a.wav"));
    h.Advance(200);
    PlayMMFile(0, File("a.wav")); // the same sound: from its beginning
    h.Advance(299);
    EXPECT_EQ(IsMMDevicePlaying(0), forms::vbTrue);
    h.Advance(1);
    EXPECT_EQ(IsMMDevicePlaying(0), forms::vbFalse);

    PlayMMFile(0, File("b.wav"));
    h.Advance(100);
    PlayMMFile(0, File("a.wav")); // another sound: the longer one is cut off
    EXPECT_EQ(FrmMain->AT_MM_Alphabet(0).LengthMs(), 300);
    h.Advance(300);
    EXPECT_EQ(IsMMDevicePlaying(0), forms::vbFalse);
}

TEST_F(SoundDeviceTest, StopIsSentOnlyWhilePlaying) {
    Commands(0);
    StopMMDevice(0);
    EXPECT_TRUE(Commands(0).empty());
    PlayMMFile(0, File("b.wav"));
    Commands(0);
    StopMMDevice(0);
    EXPECT_EQ(Commands(0), std::vector<std::string>{"Stop"});
    EXPECT_EQ(IsMMDevicePlaying(0), forms::vbFalse);
}

TEST_F(SoundDeviceTest, AMissingFilePlaysNothingAndTheNextSoundPlays) {
    EXPECT_NO_THROW(PlayMMFile(1, File("missing.wav")));
    EXPECT_EQ(IsMMDevicePlaying(1), forms::vbFalse);
    EXPECT_EQ(IsMMDeviceFile(1, File("missing.wav")), forms::vbTrue);
    PlayMMFile(1, File("a.wav"));
    EXPECT_EQ(IsMMDevicePlaying(1), forms::vbTrue);
}

TEST_F(SoundDeviceTest, MenuVoicesAndSpeechPlayAtOnce) {
    PlayMMFile(0, File("a.wav"));
    PlayMMFile(1, File("b.wav"));
    EXPECT_EQ(IsMMDevicePlaying(0), forms::vbTrue);
    EXPECT_EQ(IsMMDevicePlaying(1), forms::vbTrue);
    h.Advance(300);
    EXPECT_EQ(IsMMDevicePlaying(0), forms::vbFalse);
    EXPECT_EQ(IsMMDevicePlaying(1), forms::vbTrue);
}

} // namespace
