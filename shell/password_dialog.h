#pragma once
// The password dialog that guards the start and the options dialog.
#include <cstdint>

// 1 when the dialog was opened by the start-up lock, 0 when it guards the options dialog.
extern int16_t PasswordAtStart;
