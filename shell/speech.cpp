// Speech on sound channel 1: a character's name, its word and its sentence.
#include "forms/timer.h"
#include "shell/sound_device.h"
#include "shell/sounds.h"
#include "shell/user_set.h"
#include "tracing/animation.h"
#include "tracing/label_strip.h"

namespace {

constexpr int16_t kSpeech = 1;

bool SpeechOn() {
    return Settings.Speaking(3) != forms::vbFalse;
}

} // namespace

void SpeakBasic(const std::string& text) {
    if (!SpeechOn()) return;
    PlayMMFile(kSpeech, BasicSpeechFile(text));
}

// Asked for by clicks on the picture; a word already being said goes on.
void SpeakWord() {
    if (!SpeechOn() || AnimTimerRunning() || MMTimerRunning()) return;
    const std::string file = WordSpeechFile();
    if (file.empty() || IsMMPlayingFile(kSpeech, file)) return;
    PlayMMFile(kSpeech, file);
}

void SpeakSentence() {
    if (!SpeechOn()) return;
    PlayMMFile(kSpeech, SentenceSpeechFile());
}

void StopSpeaking(int16_t flag) {
    StopMMDevice(kSpeech);
    if (flag != 0) return;
    if (MMTimer != nullptr) MMTimer->SetEnabled(false);
    ShowWord();
}

void StopSpeakingNow() {
    StopSpeaking(0);
}
