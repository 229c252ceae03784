// The options dialog's tabs that are not built yet: their pages stay empty, their sections stay
// as Settings holds them, and their OK and Cancel close the dialog without saving.
#include "options/animation_tab.h"
#include "options/frm_options.h"

// Placeholder until the Colors tab is built.
void FrmOptionsForm::CALoadTab() {}
// Placeholder until the Colors tab is built.
void FrmOptionsForm::CAApply() {}
// Placeholder until the Colors tab is built.
void FrmOptionsForm::CACommand(int16_t) {
    CloseOptions();
}
// Placeholder until the Colors tab is built.
void FrmOptionsForm::CADefaults() {}

// Placeholder until the Animation tab's letter preview is built (it needs the Colors tab's
// preview letter): the picture stays empty.
void FrmOptionsForm::AniPict_Alpha_Paint(int16_t) {}
// Placeholder until the Animation tab's letter preview is built: Test animates nothing.
void FrmOptionsForm::CACmd_Test_Click() {}

// Placeholder until the Animation tab's letter preview is built: the arrows beside the letter
// preview stay as they are.
void ShowPreviewArrows() {}
