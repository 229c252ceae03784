// The voices of the menus, buttons and dialogs, the interface effects and the encouragement, all
// on sound channel 0; and the colour-picker sounds opened at start-up.
#include "forms/sound_channel.h"
#include "forms/timer.h"
#include "shell/frm_main.h"
#include "shell/sound_device.h"
#include "shell/sounds.h"
#include "shell/startup.h"
#include "shell/user_set.h"
#include "tracing/animation.h"

int16_t HoverGroup = 0;
int16_t HoverItem = 0;

namespace {

constexpr int16_t kVoices = 0;

bool Gate(int i) {
    return Settings.Speaking(i) != forms::vbFalse;
}

// Button voices keep quiet while a stroke is drawn or a word is read out.
bool TimersQuiet() {
    return !AnimTimerRunning() && !MMTimerRunning();
}

// A voice that is already playing goes on rather than starting over.
void PlayUnlessPlaying(int16_t item, const std::string& file) {
    if (file.empty() || IsMMPlayingFile(item, file)) return;
    PlayMMFile(item, file);
}

void PlayAfresh(int16_t item, const std::string& file) {
    if (!file.empty()) PlayMMFile(item, file);
}

} // namespace

void InitColorPickerSounds() {
    MMTimer = &FrmMain->ATTmr_MM;
    const char* const files[3] = {"\\ColPickMove.wav", "\\ColPickClick.wav",
                                  "\\ColPickClickMe.Wav"};
    for (int i = 0; i < 3; ++i) {
        forms::SoundChannel& channel = FrmMain->AT_MM_Alphabet(i + 2);
        channel.SetFileName(PathSoundsApp + files[i]);
        channel.SetCommand("Open");
    }
}

// The same pair twice in a row plays once, however long ago; (-9997, -9997) forgets the pair.
// The pair is remembered even while the voices are off.
void PlayHoverSound(int16_t group, int16_t item) {
    if (group == NoneCode && item == NoneCode) {
        HoverGroup = NoneCode;
        HoverItem = NoneCode;
        return;
    }
    if (group == HoverGroup && item == HoverItem) return;
    HoverGroup = group;
    HoverItem = item;
    if (!Gate(1)) return;
    PlayUnlessPlaying(kVoices, HoverSoundFile(group, item));
}

void PlayMainMenuSound(int16_t i) {
    if (!Gate(0) || !TimersQuiet()) return;
    PlayUnlessPlaying(kVoices, MainMenuSoundFile(i));
}

void PlaySubMenuSound(int16_t i) {
    if (!Gate(2) || !TimersQuiet()) return;
    PlayUnlessPlaying(kVoices, SubMenuSoundFile(i));
}

// Leaving the buttons (any value out of range) silences the voice.
void PlayPuzzleMenuSound(double v) {
    const std::string file = PuzzleMenuSoundFile(v);
    if (file.empty()) {
        StopMMDevice(kVoices);
        return;
    }
    PlayUnlessPlaying(kVoices, file);
}

void PlayUISound(int16_t code) {
    if (!Gate(4)) return;
    PlayAfresh(kVoices, UISoundFile(code));
}

void PlayEncouragement(int16_t code) {
    if (!Gate(5)) return;
    const double random = code < 1 ? forms::Rnd() : 0;
    PlayAfresh(kVoices, EncouragementFile(code, random));
}
