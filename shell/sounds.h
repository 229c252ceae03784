#pragma once
// Sounds and voices: every wave sound of the program is asked for here by a code or from the
// current character, and played on the main window's sound channels (0 menu voices and effects,
// 1 speech). Also the letter-by-letter reading of the word, and the show board's picture.
#include <cstdint>
#include <string>

#include "forms/lang.h"

namespace forms {
class Timer;
}

// Menu and dialog voice groups, and the items every group has.
constexpr int16_t sgLessons = 1;
constexpr int16_t sgMusic = 2;
constexpr int16_t sgLevel = 3;
constexpr int16_t sgAlphabet = 4;
constexpr int16_t sgCompletion = 1000;
constexpr int16_t sgPassWord = 2000;
constexpr int16_t siClose = 600;   // a close label
constexpr int16_t siHeading = 601; // a heading
constexpr int16_t scTraceDone = 700;
constexpr int16_t scPuzzleDone = 701;
constexpr int16_t scTraceWellDone = 702;
constexpr int16_t scPuzzleWellDone = 703;
constexpr int16_t scOK = 704;
constexpr int16_t spLock = 800;
constexpr int16_t spOK = 801;
constexpr int16_t spCancel = 802;
constexpr int16_t spPrompt = 803;
constexpr int16_t spPlease = 804;
constexpr int16_t spIncorrect = 805;
// Nothing remembered, nothing hovered.
constexpr int16_t NoneCode = -9997;

// Interface effects.
constexpr int16_t usMenuPress = 500;
constexpr int16_t usClose = 502;
constexpr int16_t usPickerMove = 503;
constexpr int16_t usPickerClick = 504;
constexpr int16_t usHint = 505;
constexpr int16_t usColorApplied = 506;

// Jobs of the reading timer's next tick.
constexpr float mmResume = 100; // put a hovered label back
constexpr float mmSpell = 101;  // read the next letter of the word

// The last (group, item) pair given to PlayHoverSound; (-9997, -9997) is nothing remembered.
extern int16_t HoverGroup;
extern int16_t HoverItem;

// The main window's letter-by-letter reading timer, kept at start-up.
extern forms::Timer* MMTimer;
extern float MMTimerMode; // mmResume or mmSpell
extern float SpellPos;    // position reached while reading the word, from 0
// The path of the last picture loaded into the show board.
extern std::string MMPicturePath;

// File names, built from the program's folders. An empty name: the code has no sound.
std::string HoverSoundFile(int16_t group, int16_t item);
std::string MainMenuSoundFile(int16_t i);
std::string SubMenuSoundFile(int16_t i);
std::string PuzzleMenuSoundFile(double v);
std::string UISoundFile(int16_t code);
std::string EncouragementFile(int16_t code, double random);
std::string BasicSpeechFile(const std::string& text);
std::string WordSpeechFile();
std::string SentenceSpeechFile();
std::string ShowBoardPictureFile();

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
// Stops speech; flag 0 also ends a letter-by-letter reading and shows the whole word again.
void StopSpeaking(int16_t flag);
void StopSpeakingNow();
void StartMMTimer(float mode, int16_t interval);
bool MMTimerRunning();
void MMTimerTick();
void ClearAlphaHover();
// Flag 0 speaks the sentence after the picture.
void ShowBoardPicture(int16_t flag);
