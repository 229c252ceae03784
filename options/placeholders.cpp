// The options dialog's tabs that are not built yet: their pages stay empty, their sections stay
// as Settings holds them, and their OK and Cancel close the dialog without saving.
#include "options/frm_options.h"
