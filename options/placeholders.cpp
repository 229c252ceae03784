// The options dialog's tabs that are not built yet: their pages stay empty, their sections stay
// as Settings holds them, and their OK and Cancel close the dialog without saving.
#include "options/frm_options.h"

// Placeholder until the Menu Buttons tab is built: its page stays empty.
void FrmOptionsForm::MBDisplayTab(int16_t) {}
// Placeholder until the Menu Buttons tab is built.
void FrmOptionsForm::MBApply() {}
// Placeholder until the Menu Buttons tab is built.
void FrmOptionsForm::MBCommand(int16_t) {
    CloseOptions();
}
// Placeholder until the Menu Buttons tab is built.
void FrmOptionsForm::MBDefaults() {}
