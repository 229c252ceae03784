// Procedures and state of shell features that are not built yet. Each stands in, doing nothing
// or the least the callers rely on, until its feature replaces it.
#include "shell/background_form.h"
#include "shell/frm_main.h"
#include "shell/menu_buttons.h"
#include "shell/music_menu.h"
#include "shell/password_dialog.h"
#include "shell/placeholder_log.h"
#include "shell/settings_apply.h"
#include "shell/sounds.h"
#include "shell/startup.h"

#include <sstream>

std::vector<std::string>& PlaceholderCalls() {
    static std::vector<std::string> calls;
    return calls;
}

std::vector<std::string>& PlaceholderArgs() {
    static std::vector<std::string> args;
    return args;
}

std::string MouseArgsText(int button, int shift, float x, float y) {
    std::ostringstream text;
    text << button << ' ' << shift << ' ' << x << ' ' << y;
    return text.str();
}

// --- Sounds and voices. Placeholders until sounds and voices are built.
forms::Timer* MMTimer = nullptr;
float MMTimerMode = 0;
float SpellPos = 0;

// Placeholder until sounds and voices are built: keeps the reading timer and opens the three
// colour-picker sounds, so that the end of the program closes what start-up opened.
void InitColorPickerSounds() {
    MMTimer = &FrmMain->ATTmr_MM;
    const char* const files[3] = {"\\ColPickMove.wav", "\\ColPickClick.wav",
                                  "\\ColPickClickMe.Wav"};
    for (int i = 0; i < 3; ++i) {
        FrmMain->AT_MM_Alphabet(i + 2).SetFileName(PathSoundsApp + files[i]);
        FrmMain->AT_MM_Alphabet(i + 2).SetCommand("Open");
    }
}
// Placeholder until sounds and voices are built.
void PlayHoverSound(int16_t, int16_t) {}
// Placeholder until sounds and voices are built.
void PlayMainMenuSound(int16_t) {}
// Placeholder until sounds and voices are built.
void PlaySubMenuSound(int16_t) {}
// Placeholder until sounds and voices are built.
void PlayPuzzleMenuSound(double) {}
// Placeholder until sounds and voices are built.
void PlayUISound(int16_t) {}
// Placeholder until sounds and voices are built.
void SpeakBasic(const std::string& text) {
    PlaceholderCalls().push_back("SpeakBasic " + text);
}
// Placeholder until sounds and voices are built.
void SpeakWord() {
    PlaceholderCalls().push_back("SpeakWord");
}
// Placeholder until sounds and voices are built.
void SpeakSentence() {}
// Placeholder until sounds and voices are built.
void PlayEncouragement(int16_t) {}
// Placeholder until sounds and voices are built.
void StopSpeaking(int16_t) {}
// Placeholder until sounds and voices are built.
void StopSpeakingNow() {
    PlaceholderCalls().push_back("StopSpeakingNow");
}
// Placeholder until sounds and voices are built.
void StartMMTimer(float mode, int16_t interval) {
    PlaceholderCalls().push_back("StartMMTimer " + std::to_string(static_cast<int>(mode)) + " " +
                                 std::to_string(interval));
}
// Placeholder until sounds and voices are built.
void MMTimerTick() {
    PlaceholderCalls().push_back("MMTimerTick");
}
// Placeholder until sounds and voices are built.
void ClearAlphaHover() {
    PlaceholderCalls().push_back("ClearAlphaHover");
}
// Placeholder until sounds and voices are built.
void ShowBoardPicture(int16_t) {}

// --- Main-window menu buttons. Placeholders until the menu buttons are built.
void ApplyMenuButtons() {}
void ApplySubMenuButtons() {}
void ArrangeSubMenuButtons(forms::Flag) {}
void MenuMouseDown(int16_t index) {
    PlaceholderCalls().push_back("MenuMouseDown " + std::to_string(index));
}
void MenuMouseMove(int16_t index) {
    PlaceholderCalls().push_back("MenuMouseMove " + std::to_string(index));
}
void MenuMouseUp(int16_t index, int16_t button) {
    PlaceholderCalls().push_back("MenuMouseUp " + std::to_string(index) + " " +
                                 std::to_string(button));
}
void SubMenuMouseDown(int16_t index, int16_t, int16_t, float, float) {
    PlaceholderCalls().push_back("SubMenuMouseDown " + std::to_string(index));
}
void SubMenuMouseMove(int16_t index) {
    PlaceholderCalls().push_back("SubMenuMouseMove " + std::to_string(index));
}
void SubMenuMouseUp(int16_t index, int16_t, int16_t, float, float) {
    PlaceholderCalls().push_back("SubMenuMouseUp " + std::to_string(index));
}
void MenuUnhighlight() {
    PlaceholderCalls().push_back("MenuUnhighlight");
}
void SubMenuUnhighlight() {
    PlaceholderCalls().push_back("SubMenuUnhighlight");
}

// --- Background form. Placeholders until the background form is built.
forms::Flag BGFormShown = forms::vbFalse;
void CalcBGLetterSizes() {}
void ApplyBGFormOption(const UserSet&) {}
// (FrmBackGround.InitBGColor, InitBGColorAlpha, InitBGColorAlphaShdw)
void ApplyBGFormColors(int32_t, int32_t, int32_t) {}

// --- Password dialog. Placeholder until the password dialog is built.
int16_t PasswordAtStart = 0;

// --- Music menu. Placeholders until the music menu is built.
// (FrmMenuMusic.InitMusicPlayState)
void ApplyMusicPlayState(int16_t, int16_t, forms::Flag) {}
void MusicPlayerHalt() {
    PlaceholderCalls().push_back("MusicPlayerHalt");
}
std::string MusicPlayerFileName() {
    return "";
}
void MusicPlayerPlay() {
    PlaceholderCalls().push_back("MusicPlayerPlay");
}
