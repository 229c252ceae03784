#pragma once
// The program's other forms. Each has one default instance, created on first use; the end of the
// program unloads them in a fixed order.
#include "forms/forms.h"
#include "options/frm_options.h"
#include "shell/frm_background.h"
#include "shell/frm_completion.h"
#include "shell/frm_menu_alpha.h"
#include "shell/frm_menu_lessons.h"
#include "shell/frm_menu_level.h"
#include "shell/frm_menu_music.h"
#include "shell/frm_password.h"

#include <string>

inline forms::DefaultInstance<FrmOptionsForm> FrmOptions;
