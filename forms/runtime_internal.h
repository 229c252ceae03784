#pragma once
// Hooks between the runtime's own files (not for the program).
#include "forms/backend.h"

#include <functional>

namespace forms::detail {

// While a filter is set, all input goes to it (a message box showing).
void SetInputFilter(std::function<void(const backend::InputEvent&)>* filter);
std::function<void(const backend::InputEvent&)>* InputFilter();
// Picture boxes under the area get a Paint (something that covered it went away).
void QueueUncoveredArea(const IRect& r);

} // namespace forms::detail
