#pragma once
// The options dialog as the rest of the program sees it.
#include "shell/forms_list.h"

#include <memory>

// The options dialog being shown: a fresh instance each time it is opened.
extern std::unique_ptr<FrmOptionsForm> OptionsForm;
