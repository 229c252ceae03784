// The options dialog as the shell sees it. Placeholder until the options dialog is built.
#include "options/animation_tab.h"
#include "options/options_dialog.h"

std::unique_ptr<FrmOptionsForm> OptionsForm;

// Placeholder until the options dialog's Animation tab is built: the arrows beside the letter
// preview stay as they are.
void ShowPreviewArrows() {}
