// Procedures and state of shell features that are not built yet. Each stands in, doing nothing
// or the least the callers rely on, until its feature replaces it.
#include "shell/background_form.h"
#include "shell/frm_main.h"
#include "shell/password_dialog.h"
#include "shell/placeholder_log.h"
#include "shell/settings_apply.h"
#include "shell/startup.h"

#include <sstream>

std::vector<std::string>& PlaceholderCalls() {
    static std::vector<std::string> calls;
    return calls;
}

std::vector<std::string>& PlaceholderArgs() {
    static std::vector<std::string> args;
    return args;
}

std::string MouseArgsText(int button, int shift, float x, float y) {
    std::ostringstream text;
    text << button << ' ' << shift << ' ' << x << ' ' << y;
    return text.str();
}

// --- Background form. Placeholders until the background form is built.
forms::Flag BGFormShown = forms::vbFalse;
void CalcBGLetterSizes() {}
void ApplyBGFormOption(const UserSet&) {}
// (FrmBackGround.InitBGColor, InitBGColorAlpha, InitBGColorAlphaShdw)
void ApplyBGFormColors(int32_t, int32_t, int32_t) {}

// --- Password dialog. Placeholder until the password dialog is built.
int16_t PasswordAtStart = 0;
