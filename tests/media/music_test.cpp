// Every tune plays through SDL_mixer with the sound set the program names (the small General
// MIDI set that the set-up installs): rendered by SDL's disk audio driver into a file, it is not
// silent.
#include "forms/files.h"
#include "forms/sound_font.h"

#include <SDL.h>
#include <SDL_mixer.h>

#include <cmath>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <gtest/gtest.h>
#include <vector>

namespace fs = std::filesystem;

class MediaMusic : public ::testing::TestWithParam<int> {};

TEST(MediaMusicSet, TheProgramNamesTheSmallSoundSet) {
    EXPECT_EQ(fs::path(forms::ChooseSoundFont(forms::SoundFontCandidates())).filename(),
              "TimGM6mb.sf2")
        << "timgm6mb-soundfont is installed by scripts/setup.sh";
}

TEST_P(MediaMusic, TuneRendersThroughTheMixerAndIsNotSilent) {
    const fs::path out = fs::temp_directory_path() / ("wo_music_" + std::to_string(::getpid()) +
                                                      "_" + std::to_string(GetParam()) + ".raw");
    // The disk driver writes what the mixer plays to a file; no delay between buffers, so the
    // test does not wait for the music in real time.
    setenv("SDL_AUDIODRIVER", "disk", 1);
    setenv("SDL_DISKAUDIOFILE", out.c_str(), 1);
    setenv("SDL_DISKAUDIODELAY", "0", 1);
    ASSERT_EQ(SDL_Init(SDL_INIT_AUDIO), 0) << SDL_GetError();
    ASSERT_EQ(Mix_OpenAudio(22050, AUDIO_S16SYS, 2, 1024), 0) << Mix_GetError();
    forms::ApplySoundFont();
    Mix_Init(MIX_INIT_MID);
    const std::string tune = forms::ResolvePath(std::string(WO_APP_DIR) + "/Music/Music" +
                                                std::to_string(GetParam()) + ".mid");
    Mix_Music* music = Mix_LoadMUS(tune.c_str());
    ASSERT_NE(music, nullptr) << Mix_GetError()
                              << " (is a General MIDI sound set installed? scripts/setup.sh)";
    EXPECT_EQ(Mix_GetMusicType(music), MUS_MID);
    ASSERT_EQ(Mix_PlayMusic(music, 0), 0) << Mix_GetError();
    // Let the mixer render a few seconds of the tune (fast: the driver does not wait).
    for (int i = 0; i < 40 && fs::exists(out) && fs::file_size(out) < 22050u * 4 * 4; ++i)
        SDL_Delay(100);
    SDL_Delay(300);
    Mix_HaltMusic();
    Mix_FreeMusic(music);
    Mix_CloseAudio();
    Mix_Quit();
    SDL_Quit();

    std::vector<int16_t> s(fs::exists(out) ? fs::file_size(out) / 2 : 0);
    std::ifstream(out, std::ios::binary)
        .read(reinterpret_cast<char*>(s.data()), static_cast<std::streamsize>(s.size() * 2));
    fs::remove(out);
    ASSERT_GT(s.size(), 22050u * 2) << "less than half a second rendered";
    double acc = 0;
    for (int16_t v : s)
        acc += double(v) * v;
    double rms = std::sqrt(acc / double(s.size())) / 32768.0;
    EXPECT_GT(rms, 0.01) << "the tune rendered as silence";
}

INSTANTIATE_TEST_SUITE_P(, MediaMusic, ::testing::Range(1, 7),
                         [](const auto& info) { return "Music" + std::to_string(info.param); });
