// The options dialog as the shell sees it. Placeholder until the options dialog is built.
#include "options/options_dialog.h"

std::unique_ptr<FrmOptionsForm> OptionsForm;
