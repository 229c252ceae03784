#pragma once
// Sounds and voices: every wave sound of the program is asked for here by a code or from the
// current character, and played on the main window's sound channels (0 menu voices and effects,
// 1 speech). Also the letter-by-letter reading of the word.
#include <cstdint>
#include <string>

namespace forms {
class Timer;
}

// The main window's letter-by-letter reading timer, kept at start-up.
extern forms::Timer* MMTimer;
extern float MMTimerMode; // 100 resume a hovered label, 101 spell the word
extern float SpellPos;    // position reached while reading the word, from 0

void InitColorPickerSounds();
void PlayHoverSound(int16_t group, int16_t item);
void PlayMainMenuSound(int16_t i);
void PlaySubMenuSound(int16_t i);
void PlayPuzzleMenuSound(double v);
void PlayUISound(int16_t code);
void SpeakBasic(const std::string& text);
void SpeakWord();
void SpeakSentence();
void PlayEncouragement(int16_t code);
void StopSpeaking(int16_t flag);
void StopSpeakingNow();
void StartMMTimer(float mode, int16_t interval);
void MMTimerTick();
void ClearAlphaHover();
void ShowBoardPicture(int16_t flag);
