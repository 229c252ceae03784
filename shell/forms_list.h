#pragma once
// The program's other forms. Each has one default instance, created on first use; the end of the
// program unloads them in a fixed order. Their screens and handlers arrive with their features;
// until then each is a bare form of its name.
#include "forms/forms.h"
#include "options/frm_options.h"
#include "shell/frm_background.h"
#include "shell/frm_completion.h"
#include "shell/frm_menu_alpha.h"
#include "shell/frm_menu_lessons.h"
#include "shell/frm_menu_level.h"
#include "shell/frm_menu_music.h"
#include "shell/frm_password.h"
#include "shell/placeholder_log.h"

#include <string>

// A form whose feature is not built yet: named, in its layer, and noting its unload.
class PlaceholderForm : public forms::Form {
  public:
    PlaceholderForm(const char* name, forms::FormLayer layer) {
        SetName(name);
        SetCaption(name);
        SetLayer(layer);
    }
    void Form_Unload(int16_t&) override { PlaceholderCalls().push_back("Unload " + Name()); }
};

inline forms::DefaultInstance<FrmOptionsForm> FrmOptions;
