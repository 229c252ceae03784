// The options dialog as the shell sees it. Placeholder until the options dialog is built.
#include "options/animation_tab.h"
#include "options/options_dialog.h"
#include "shell/app_state.h"
#include "shell/placeholder_log.h"

std::unique_ptr<FrmOptionsForm> OptionsForm;

// Placeholder until the options dialog is built: no dialog opens, so the main window is handed
// back at once, as a closing dialog would.
void ShowOptionsDialog() {
    PlaceholderCalls().push_back("ShowOptionsDialog");
    PendingAction = paResume;
    EnableMainForm();
}

// Placeholder until the options dialog's Animation tab is built: the arrows beside the letter
// preview stay as they are.
void ShowPreviewArrows() {}
