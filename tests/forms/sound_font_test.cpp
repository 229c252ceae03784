// The General MIDI sound set the music player names: the first that is there, the user's own
// through SDL_SOUNDFONTS, none (SDL_mixer's Timidity fallback) when none is there.
#include "forms/sound_font.h"

#include <SDL_mixer.h>

#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <unistd.h>

namespace {

namespace fs = std::filesystem;

struct ChoiceCase {
    const char* name;
    std::vector<bool> present; // which candidates exist, in order
    int expected;              // index of the chosen one, -1 none
};

class SoundFontChoiceTest : public ::testing::TestWithParam<ChoiceCase> {
  protected:
    void SetUp() override {
        dir_ = fs::temp_directory_path() /
               ("wo_sf_" + std::to_string(::getpid()) + "_" + GetParam().name);
        fs::create_directories(dir_);
    }
    void TearDown() override { fs::remove_all(dir_); }
    fs::path dir_;
};

TEST_P(SoundFontChoiceTest, TheFirstSoundFontThatIsThereIsChosen) {
    const ChoiceCase& c = GetParam();
    std::vector<std::string> candidates;
    for (size_t i = 0; i < c.present.size(); ++i) {
        const fs::path p = dir_ / ("set" + std::to_string(i) + ".sf2");
        if (c.present[i]) std::ofstream(p) << "RIFF";
        candidates.push_back(p.string());
    }
    // A folder of a candidate's name is no sound set.
    fs::create_directories(dir_ / "folder.sf2");
    candidates.insert(candidates.begin(), (dir_ / "folder.sf2").string());
    const std::string chosen = forms::ChooseSoundFont(candidates);
    EXPECT_EQ(chosen, c.expected < 0 ? "" : candidates[static_cast<size_t>(c.expected) + 1]);
}

INSTANTIATE_TEST_SUITE_P(, SoundFontChoiceTest,
                         ::testing::Values(ChoiceCase{"SmallSetThere", {true, true}, 0},
                                           ChoiceCase{"OnlyTheLargeSet", {false, true}, 1},
                                           ChoiceCase{"NoSetAtAll", {false, false}, -1}),
                         [](const auto& info) { return std::string(info.param.name); });

TEST(SoundFontTest, TheSmallSetComesFirstAndTheLargeOneIsTheFallback) {
    const auto& c = forms::SoundFontCandidates();
    ASSERT_EQ(c.size(), 2u);
    EXPECT_EQ(fs::path(c[0]).filename(), "TimGM6mb.sf2");
    EXPECT_EQ(fs::path(c[1]).filename(), "FluidR3_GM.sf2");
}

TEST(SoundFontTest, TheProgramNamesTheChosenSetToTheMixerUnlessTheUserNamedOne) {
    const char* old = std::getenv("SDL_SOUNDFONTS");
    const std::string saved = old ? old : "";
    unsetenv("SDL_SOUNDFONTS");
    const std::string chosen = forms::ApplySoundFont();
    EXPECT_EQ(chosen, forms::ChooseSoundFont(forms::SoundFontCandidates()));
    if (!chosen.empty()) {
        ASSERT_NE(Mix_GetSoundFonts(), nullptr);
        EXPECT_EQ(std::string(Mix_GetSoundFonts()), chosen);
    }
    setenv("SDL_SOUNDFONTS", "/somewhere/own.sf2", 1);
    EXPECT_EQ(forms::ApplySoundFont(), "/somewhere/own.sf2");
    EXPECT_STREQ(Mix_GetSoundFonts(), "/somewhere/own.sf2");
    if (old)
        setenv("SDL_SOUNDFONTS", saved.c_str(), 1);
    else
        unsetenv("SDL_SOUNDFONTS");
}

} // namespace
