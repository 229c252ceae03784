// The options dialog's tabs that are not built yet: their pages stay empty, their sections stay
// as Settings holds them, and their OK and Cancel close the dialog without saving.
#include "options/animation_tab.h"
#include "options/frm_options.h"

// Placeholder until the Menu Buttons tab is built.
void FrmOptionsForm::MBLoadTab() {}
// Placeholder until the Menu Buttons tab is built.
void FrmOptionsForm::MBApply() {}
// Placeholder until the Menu Buttons tab is built.
void FrmOptionsForm::MBCommand(int16_t) {
    CloseOptions();
}
// Placeholder until the Menu Buttons tab is built.
void FrmOptionsForm::MBDefaults() {}

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

// Placeholder until the Animation tab is built.
void FrmOptionsForm::ANILoadTab() {}
// Placeholder until the Animation tab is built.
void FrmOptionsForm::ANIApply() {}
// Placeholder until the Animation tab is built.
void FrmOptionsForm::ANICommand(int16_t) {
    CloseOptions();
}
// Placeholder until the Animation tab is built.
void FrmOptionsForm::ANIDefaults() {}

// Placeholder until the Animation tab is built: the arrows beside the letter preview stay as
// they are.
void ShowPreviewArrows() {}
