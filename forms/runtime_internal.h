#pragma once
// Hooks between the runtime's own files (not for the program).
#include "forms/backend.h"
#include "forms/screen_internal.h"

#include <functional>

namespace forms::detail {

// While a filter is set, all input goes to it (a message box showing).
void SetInputFilter(std::function<void(const backend::InputEvent&)>* filter);
std::function<void(const backend::InputEvent&)>* InputFilter();
// Picture boxes under the area get a Paint (something that covered it went away).
void QueueUncoveredArea(const IRect& r);
// Runs a modal box of the runtime's (a message box, the colour dialog): drawn over everything by
// paint, taking all input through input, while DoEvents turns until done says so. However it
// returns, the box is taken away and what it covered (rect, read at the end) is painted again.
void RunModalOverlay(const IRect& rect, OverlayPainter paint,
                     std::function<void(const backend::InputEvent&)> input,
                     const std::function<bool()>& done);

// Runs the task once the program's first screen is shown (the end of Run's start-up), or now when
// no start-up is under way: what the first screen does not need (the audio device, the music)
// does not delay it.
void WhenStarted(std::function<void()> task);
bool Starting();
// Hands a task from another thread (the mixer's) to the loop: the next pass runs it on the
// loop's thread, once however often it was handed meanwhile, and a waiting loop wakes for it.
void RunOnLoop(void (*task)());
// A moment a waiting loop must wake at though no timer is due (a sound ending), by its owner; a
// new moment replaces the owner's earlier one, -1 clears it.
void SetWakeAt(const void* owner, int64_t ms);

} // namespace forms::detail
