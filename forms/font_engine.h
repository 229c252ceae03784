#pragma once
// Internal to forms/: the TrueType engine, started on first use. It needs no video subsystem, so
// fonts work under the dummy drivers and before the screen exists.

namespace forms {

bool EnsureFontEngine(); // false when the engine cannot start (text then measures by estimate)

} // namespace forms
