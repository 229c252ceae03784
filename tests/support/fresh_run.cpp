#include "tests/support/fresh_run.h"

#include "forms/application.h"
#include "options/options_dialog.h"
#include "puzzle/puzzle.h"
#include "shell/app_state.h"
#include "shell/background_form.h"
#include "shell/debug_log.h"
#include "shell/menu_buttons.h"
#include "shell/password_dialog.h"
#include "shell/sounds.h"
#include "shell/startup.h"
#include "shell/user_set.h"
#include "tracing/animation.h"
#include "tracing/colour_picker.h"
#include "tracing/label_strip.h"
#include "tracing/progress.h"
#include "tracing/trace_router.h"
#include "tracing/trace_screen.h"

namespace testsupport {

void ResetProgramState() {
    forms::Application::SetTitle(""); // the program sets its title at start
    PendingAction = paShowActivity;
    AppMinimised = forms::vbFalse;
    FontName = forms::Array<std::string, 0, 2>{};
    FontSubstituted = forms::Array<forms::Flag, 0, 2>{};
    Settings = UserSet{};
    IniText.clear();
    DebugOn = forms::vbFalse;
    DebugText.clear();
    MMTimer = nullptr;
    MMTimerMode = 0;
    SpellPos = 0;
    HoverGroup = 0;
    HoverItem = 0;
    LabelRecolour = forms::vbFalse;
    LabelIndexHot = NoneCode;
    TraceAnim = TraceData{};
    AlphaOpt = AlphaData{}; // the options preview's letter, drawn on a dialog that is gone
    AlphaDone = AlphaDoneTable{};
    LevelDone = {};
    BoardsArranged = forms::vbFalse; // a fresh run lays the tracing screen out anew
    NumbersLabelReady = forms::vbFalse;
    BGFormShown = forms::vbFalse;
    PasswordAtStart = 0;
    PuzShuffling = forms::vbFalse;
    PuzTimer = nullptr;
    PuzScreenBuilt = forms::vbFalse;
    PuzArrowsPlaced = forms::vbFalse;
    PuzArrowPos = 5;
    PuzColorsSet = forms::vbFalse;
    PuzCompleted = forms::vbFalse;
    PuzLastCoinSent = forms::vbFalse;
    PuzMenuHot = 0;
    PuzMenuHotOn = forms::vbFalse;
    MenuHL = -9997;
    SubMenuHL = -9997;
    ColorPending = forms::vbFalse; // no colour picked, no hint given, no swatch marked
    HintState = -9997;
    PickedColor = PickedColorCopy = 0;
    HoverColor = PrevHoverColor = -9997;
    LastCoinHover = 0;
    // The dialog belongs to the runtime, which deletes it at the end of a run; forget any pointer
    // to it that an earlier run left.
    OptionsForm = nullptr;
}

} // namespace testsupport
