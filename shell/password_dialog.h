#pragma once
// The password dialog that guards the start and the options dialog: what its callers set. The
// form itself is in shell/frm_password.h.
#include <cstdint>

// 1 when the dialog was opened by the start-up lock, 0 when it guards the options dialog.
extern int16_t PasswordAtStart;
