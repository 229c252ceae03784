#pragma once
// The General MIDI sound set the music player gives SDL_mixer. A small set keeps the program
// small (SDL_mixer reads the whole SoundFont into memory for every tune it loads); the large one
// is the fallback, and without either SDL_mixer plays MIDI through its Timidity decoder.
#include <string>
#include <vector>

namespace forms {

// The SoundFonts looked for, in order of preference.
const std::vector<std::string>& SoundFontCandidates();
// The first candidate that is a file, "" when none is.
std::string ChooseSoundFont(const std::vector<std::string>& candidates);
// Names the sound set to SDL_mixer before a tune loads and returns it: SDL_SOUNDFONTS when the
// environment sets it (the user's choice), else the chosen candidate; "" leaves SDL_mixer to its
// own search and its Timidity fallback.
std::string ApplySoundFont();

} // namespace forms
