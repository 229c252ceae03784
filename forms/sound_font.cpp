#include "forms/sound_font.h"

#include <SDL_mixer.h>

#include <cstdlib>
#include <filesystem>

namespace forms {

const std::vector<std::string>& SoundFontCandidates() {
    static const std::vector<std::string> candidates = {
        "/usr/share/sounds/sf2/TimGM6mb.sf2",   // timgm6mb-soundfont, 6 MB
        "/usr/share/sounds/sf2/FluidR3_GM.sf2", // fluid-soundfont-gm, 148 MB
    };
    return candidates;
}

std::string ChooseSoundFont(const std::vector<std::string>& candidates) {
    std::error_code ec;
    for (const std::string& c : candidates)
        if (std::filesystem::is_regular_file(c, ec)) return c;
    return "";
}

std::string ApplySoundFont() {
    const char* fromUser = std::getenv("SDL_SOUNDFONTS");
    // A set named once stays named over the environment, so the user's choice is named too.
    const std::string chosen =
        fromUser && *fromUser ? std::string(fromUser) : ChooseSoundFont(SoundFontCandidates());
    Mix_SetSoundFonts(chosen.empty() ? nullptr : chosen.c_str());
    return chosen;
}

} // namespace forms
