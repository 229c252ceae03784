#pragma once
// The options dialog as the rest of the program sees it.
#include "shell/forms_list.h"

// The options dialog being shown: a fresh instance each time it is opened, owned by the runtime,
// which destroys it (and its working copy) once it is unloaded; nullptr from its unload on.
extern FrmOptionsForm* OptionsForm;

// Creates a new options dialog into OptionsForm, shows it and gives it the focus. The main window
// is disabled meanwhile; the dialog gives it back when it closes.
void ShowOptionsDialog();
