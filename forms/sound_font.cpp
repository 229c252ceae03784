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
    if (fromUser && *fromUser) return fromUser; // SDL_mixer reads it itself
    const std::string chosen = ChooseSoundFont(SoundFontCandidates());
    Mix_SetSoundFonts(chosen.empty() ? nullptr : chosen.c_str());
    return chosen;
}

} // namespace forms
