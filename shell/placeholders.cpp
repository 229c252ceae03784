// Stand-ins for procedures that other parts of the program build.
#include "forms/errors.h"
#include "shell/debug_log.h"
#include "shell/settings_apply.h"
#include "shell/startup.h"
#include "shell/user_set.h"

#include <exception>

// Placeholder until start-up and its paths are built.
std::string AppPath;
std::string PathSettingsFile;
std::string PathDebugFile;

// Placeholder until start-up and the program's end are built.
void EndProgram() {
    try {
        DumpDebugAll();
    } catch (const std::exception&) {
        // The program ends all the same.
    }
    forms::EndProcess(0);
}
// Placeholder until start-up and the program's end are built.
void TerminateApp() {
    EndProgram();
}

// Placeholder until the stroke animation is built (TraceAnim.AnimInterval := interval).
void ApplyAnimInterval(int16_t) {}
// Placeholder until the main window and the word label are built (TrcLbl_Word(0) and (1) text
// colours, then both captions := the current word).
void ApplyWordColors(int32_t, int32_t) {}
// Placeholder until the tracing screen is built (ResetTraceColors).
void ApplyLabelColors() {}
// Placeholder until the main window is built (Picture_DrawBoard and Picture_ShowBoard back
// colour).
void ApplyBoardColors(int32_t) {}
// Placeholder until the music menu is built (FrmMenuMusic.InitMusicPlayState).
void ApplyMusicPlayState(int16_t, int16_t, forms::Flag) {}
// Placeholder until the main-window menu buttons are built.
void ApplyMenuButtons() {}
// Placeholder until the main-window menu buttons are built.
void ApplySubMenuButtons() {}
// Placeholder until the background form is built.
void ApplyBGFormOption(const UserSet&) {}
// Placeholder until the background form is built (FrmBackGround.InitBGColor, InitBGColorAlpha,
// InitBGColorAlphaShdw).
void ApplyBGFormColors(int32_t, int32_t, int32_t) {}
// Placeholder until the background form is built.
forms::Flag BGFormShown = forms::vbFalse;
