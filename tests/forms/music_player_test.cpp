// The music player: what the program relies on (file name, play, halt, volume read back as set),
// a missing file, two players sharing the mixer's one music stream, and the player's own strip.
// Under the dummy audio driver; one test renders through the disk driver to hear the tune.
#include "forms/forms.h"
#include "tests/support/child_end.h"
#include "tests/support/headless.h"

#include <SDL.h>
#include <SDL_mixer.h>

#include <gtest/gtest.h>

#include <cmath>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <unistd.h>
#include <vector>

namespace {

namespace fs = std::filesystem;

const std::string kTune = std::string(WO_APP_DIR) + "/Music/Music3.mid";
const std::string kOtherTune = std::string(WO_APP_DIR) + "/Music/Music5.mid";

class PlayerForm : public forms::Form {
  public:
    PlayerForm() {
        SetBorderStyle(forms::vbBSNone);
        Move(0, 0, 400 * 15, 100 * 15);
        Holder.Move(10, 10, 300, 60);
        Player.Move(2, 0, 290, 46);
    }
    forms::PictureBox Holder{this};
    forms::MusicPlayer Player{&Holder};
};

class MusicPlayerTest : public ::testing::Test {
  protected:
    testsupport::Headless h;
    forms::DefaultInstance<PlayerForm> form;
};

TEST_F(MusicPlayerTest, FileNameLoadsAndStopsAndReadsBackAsGiven) {
    forms::MusicPlayer& p = form->Player;
    EXPECT_EQ(p.FileName(), "");
    EXPECT_FALSE(p.Playing());
    p.SetFileName(kTune);
    EXPECT_EQ(p.FileName(), kTune);
    EXPECT_TRUE(p.Loaded()) << "the tune and the sound set are there";
    EXPECT_FALSE(p.Playing()) << "loading does not start the tune";
    p.Play();
    EXPECT_TRUE(p.Playing());
    EXPECT_TRUE(Mix_PlayingMusic());
    p.Stop();
    EXPECT_FALSE(p.Playing());
    EXPECT_TRUE(Mix_PausedMusic()) << "the halt keeps the tune's place";
    p.Play();
    EXPECT_FALSE(Mix_PausedMusic());
    // A new file stops the old tune.
    p.SetFileName(kOtherTune);
    EXPECT_FALSE(p.Playing());
    EXPECT_FALSE(Mix_PlayingMusic());
    p.Play();
    EXPECT_TRUE(Mix_PlayingMusic());
}

TEST_F(MusicPlayerTest, AMissingOrBadFileIsKeptAndDoesNoHarm) {
    forms::MusicPlayer& p = form->Player;
    const fs::path bad =
        fs::temp_directory_path() / ("wo_bad_" + std::to_string(::getpid()) + ".mid");
    std::ofstream(bad) << "not a tune";
    for (const std::string& name : {std::string("/no/such/folder/Music9.mid"), bad.string()}) {
        p.SetFileName(name);
        EXPECT_EQ(p.FileName(), name);
        p.Play();
        EXPECT_TRUE(p.Playing()) << "the player's state follows the commands: " << name;
        p.Stop();
        EXPECT_FALSE(p.Playing());
    }
    fs::remove(bad);
    p.SetFileName("/no/such/folder/Music9.mid");
    EXPECT_FALSE(p.Loaded());
    // The player works again with a good file.
    p.SetFileName(kTune);
    p.Play();
    EXPECT_TRUE(p.Loaded());
    EXPECT_TRUE(Mix_PlayingMusic());
}

TEST_F(MusicPlayerTest, VolumeReadsBackAsSetWithinItsRange) {
    forms::MusicPlayer& p = form->Player;
    struct Case {
        int32_t set, read, mixer;
    } cases[] = {
        {0, 0, 128},        {-500, -500, 72},    {-600, -600, 64},
        {-2000, -2000, 13}, {-2700, -2700, 6},   {-10000, -10000, 0},
        {250, 0, 128},      {-20000, -10000, 0}, {-9999, -9999, 0},
    };
    for (const Case& c : cases) {
        p.SetVolume(c.set);
        EXPECT_EQ(p.Volume(), c.read) << c.set;
        EXPECT_EQ(forms::MusicPlayer::MixerVolume(c.set), c.mixer) << c.set;
    }
    // The volume reaches the mixer while the tune plays, and before it starts.
    p.SetVolume(-600);
    p.SetFileName(kTune);
    p.Play();
    EXPECT_EQ(Mix_VolumeMusic(-1), 64);
    p.SetVolume(-10000);
    EXPECT_EQ(Mix_VolumeMusic(-1), 0);
}

TEST_F(MusicPlayerTest, OnlyThePlayerThatStartedTheMusicHaltsIt) {
    forms::MusicPlayer& a = form->Player;
    forms::MusicPlayer b{&form->Holder};
    a.SetFileName(kTune);
    a.Play();
    b.SetFileName(kOtherTune);
    b.Stop();
    EXPECT_TRUE(Mix_PlayingMusic());
    EXPECT_FALSE(Mix_PausedMusic()) << "a halt of another player leaves the tune playing";
    b.Play(); // takes the music stream over
    a.Stop();
    EXPECT_FALSE(Mix_PausedMusic());
    EXPECT_TRUE(a.Playing() == false && b.Playing());
}

TEST_F(MusicPlayerTest, TheStripPlaysStopsAndSetsTheVolume) {
    form->Show();
    h.Pump();
    forms::MusicPlayer& p = form->Player;
    p.SetFileName(kTune);
    p.SetVolume(-1000);
    int stateChanges = 0, volumeChanges = 0;
    p.PlayStateChange = [&] { ++stateChanges; };
    p.VolumeChange = [&] { ++volumeChanges; };
    const forms::IRect play = p.PlayButtonRect(), stop = p.StopButtonRect();
    const forms::IRect track = p.VolumeTrackRect();

    h.ClickOn(p, play.x + play.w / 2, play.y + play.h / 2);
    EXPECT_TRUE(p.Playing());
    h.ClickOn(p, stop.x + stop.w / 2, stop.y + stop.h / 2);
    EXPECT_FALSE(p.Playing());
    EXPECT_EQ(stateChanges, 2);

    // The right end of the bar is the loudest, the left end silence, dragging follows the pointer.
    h.ClickOn(p, track.x + track.w - 1, track.y + track.h / 2);
    EXPECT_EQ(p.Volume(), 0);
    double x, y;
    testsupport::Headless::At(p, track.x + track.w / 2.0, track.y + track.h / 2.0, x, y);
    h.Down(x, y);
    EXPECT_EQ(p.Volume(), p.VolumeAt(track.x + track.w / 2.0));
    EXPECT_LT(p.Volume(), 0);
    h.Move(x - track.w / 2.0 - 2, y);
    h.Up(x - track.w / 2.0 - 2, y);
    EXPECT_EQ(p.Volume(), forms::kMusicVolumeMin);
    EXPECT_EQ(volumeChanges, 3);

    // A disabled container takes the strip's clicks away.
    form->Holder.SetEnabled(false);
    h.ClickOn(p, play.x + play.w / 2, play.y + play.h / 2);
    EXPECT_FALSE(p.Playing());
}

TEST_F(MusicPlayerTest, TheStripShowsWhetherTheTunePlays) {
    form->Show();
    forms::MusicPlayer& p = form->Player;
    const forms::IRect play = p.PlayButtonRect();
    double x, y;
    testsupport::Headless::At(p, play.x + play.w / 2, play.y + play.h / 2, x, y);
    h.Pump();
    const int32_t halted = h.Pixel(static_cast<int>(x), static_cast<int>(y));
    p.Play();
    h.Pump();
    const int32_t playing = h.Pixel(static_cast<int>(x), static_cast<int>(y));
    EXPECT_NE(halted, playing);
    EXPECT_EQ(playing, forms::RGB(0x2E, 0x9E, 0x2E)) << "the play sign is lit";
}

// The rest of the tune as SDL's disk driver wrote it, from byte `from`, as 16-bit samples.
std::vector<int16_t> Samples(const fs::path& file, uintmax_t from, uintmax_t to) {
    std::vector<int16_t> s((to - from) / 2);
    std::ifstream in(file, std::ios::binary);
    in.seekg(static_cast<std::streamoff>(from));
    in.read(reinterpret_cast<char*>(s.data()), static_cast<std::streamsize>(s.size() * 2));
    return s;
}

double Rms(const std::vector<int16_t>& s) {
    double acc = 0;
    for (int16_t v : s)
        acc += double(v) * v;
    return s.empty() ? 0 : std::sqrt(acc / double(s.size())) / 32768.0;
}

// Waits (in real time: the disk driver renders as fast as it can) until the file has grown by
// `bytes`, and returns its size.
uintmax_t Grow(const fs::path& file, uintmax_t bytes) {
    const uintmax_t start = fs::exists(file) ? fs::file_size(file) : 0;
    for (int i = 0; i < 1000; ++i) { // up to 20 s: a loaded machine renders slowly
        if (fs::exists(file) && fs::file_size(file) >= start + bytes) break;
        SDL_Delay(20);
    }
    return fs::exists(file) ? fs::file_size(file) : 0;
}

TEST(MusicPlayerSound, TheTuneIsHeardUntilSilencedOrHalted) {
    if (SDL_WasInit(SDL_INIT_AUDIO))
        GTEST_SKIP() << "audio is open already in this process; this test runs on its own";
    const fs::path out =
        fs::temp_directory_path() / ("wo_player_" + std::to_string(::getpid()) + ".raw");
    setenv("SDL_AUDIODRIVER", "disk", 1);
    setenv("SDL_DISKAUDIOFILE", out.c_str(), 1);
    setenv("SDL_DISKAUDIODELAY", "0", 1);
    {
        testsupport::Headless h;
        forms::DefaultInstance<PlayerForm> form;
        forms::MusicPlayer& p = form->Player;
        p.SetFileName(kTune);
        ASSERT_TRUE(p.Loaded()) << "is a General MIDI sound set installed? scripts/setup.sh";
        int freq = 0, channels = 0;
        Uint16 format = 0;
        ASSERT_TRUE(Mix_QuerySpec(&freq, &format, &channels));
        ASSERT_EQ(SDL_AUDIO_BITSIZE(format), 16);
        const uintmax_t second = uintmax_t(freq) * channels * 2;
        // Buffers already mixed when the state changes; generous, since a loaded machine may write
        // several of them late.
        const uintmax_t slack = second / 2;

        // Each stretch starts where the file stood once the change was made: what the driver
        // writes after that was mixed after it, but for the buffers in flight (the slack).
        auto size = [&] { return fs::exists(out) ? fs::file_size(out) : 0; };
        p.SetVolume(0);
        p.Play();
        const uintmax_t playedFrom = size(); // silence before: the device opened with the load
        const uintmax_t played = Grow(out, 2 * second);
        p.SetVolume(forms::kMusicVolumeMin);
        const uintmax_t silencedFrom = size();
        const uintmax_t silenced = Grow(out, second + slack);
        p.Stop();
        p.SetVolume(0);
        const uintmax_t haltedFrom = size();
        const uintmax_t halted = Grow(out, second + slack);
        p.Play(); // resumes
        const uintmax_t resumedFrom = size();
        const uintmax_t resumed = Grow(out, second + slack);
        form.Unload();
        Mix_HaltMusic();

        EXPECT_GT(Rms(Samples(out, playedFrom + slack, played)), 0.005)
            << "the tune rendered as silence";
        EXPECT_LT(Rms(Samples(out, silencedFrom + slack, silenced)), 0.001) << "volume -10000";
        EXPECT_LT(Rms(Samples(out, haltedFrom + slack, halted)), 0.001) << "halted";
        EXPECT_GT(Rms(Samples(out, resumedFrom + slack, resumed)), 0.01) << "Play resumes the tune";
    }
    fs::remove(out);
}

// The mixer plays a tune through a number of times and then ends it; the loop starts it again, so
// that the music goes on for as long as it is not halted. A tune of half a second, rendered by the
// disk driver as fast as it can in a fresh process, until far past the mixer's count of plays.
[[noreturn]] void PlayPastTheMixersCount(const fs::path& dir) {
    fs::create_directories(dir);
    const fs::path out = dir / "out.raw", tune = dir / "note.mid";
    // Middle C for a beat at the default tempo: half a second.
    const std::vector<uint8_t> note = {'M',  'T',  'h', 'd',  0,    0,    0,    6,   0,
                                       0,    0,    1,   0x01, 0xE0, 'M',  'T',  'r', 'k',
                                       0,    0,    0,   13,   0,    0x90, 60,   100, 0x83,
                                       0x60, 0x80, 60,  64,   0,    0xFF, 0x2F, 0};
    std::ofstream(tune, std::ios::binary)
        .write(reinterpret_cast<const char*>(note.data()),
               static_cast<std::streamsize>(note.size()));
    setenv("SDL_AUDIODRIVER", "disk", 1);
    setenv("SDL_DISKAUDIOFILE", out.c_str(), 1);
    setenv("SDL_DISKAUDIODELAY", "0", 1);
    std::string problems;
    {
        testsupport::Headless h;
        forms::DefaultInstance<PlayerForm> form;
        forms::MusicPlayer& p = form->Player;
        p.TuneDropped = [&](const std::string& why) { problems += "dropped: " + why + "\n"; };
        p.SetFileName(tune.string());
        p.Play();
        int freq = 0, channels = 0;
        Uint16 format = 0;
        Mix_QuerySpec(&freq, &format, &channels);
        const uintmax_t second = uintmax_t(freq) * channels * 2;
        // A hundred plays are fifty seconds, and the synthesiser lets the last notes fade for a
        // few more; by seventy seconds the tune must have started again.
        for (int i = 0; i < 30000 && (!fs::exists(out) || fs::file_size(out) < 70 * second); ++i) {
            h.Pump();
            SDL_Delay(1);
        }
        p.Stop();
        if (!p.Loaded()) problems += "the tune is no longer loaded\n";
        const double rms = Rms(Samples(out, 65 * second, 70 * second));
        if (!(rms > 0.005)) problems += "silent from 65 s to 70 s: rms " + std::to_string(rms);
        form.Unload();
        Mix_HaltMusic();
    }
    fs::remove_all(dir);
    testsupport::EndChild(problems);
}

TEST(MusicPlayerSound, ATuneTheMixerEndsStartsAgain) {
    GTEST_FLAG_SET(death_test_style, "threadsafe");
    const fs::path dir = fs::temp_directory_path() / ("wo_again_" + std::to_string(::getpid()));
    EXPECT_EXIT(PlayPastTheMixersCount(dir), ::testing::ExitedWithCode(0), "");
    fs::remove_all(dir);
}

} // namespace
