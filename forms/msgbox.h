#pragma once
// Message boxes. In the program a modal box drawn by the runtime over everything: buttons by
// mouse, Enter for the default (first) button, Esc for Cancel (or OK when it is the only one);
// timers keep ticking meanwhile, other input waits. Closing it raises no Activate.
// Tests install a responder that answers instead; every box is also recorded in a log.
#include <array>
#include <functional>
#include <string>
#include <vector>

namespace forms {

// Buttons.
constexpr int vbOKOnly = 0, vbOKCancel = 1, vbAbortRetryIgnore = 2, vbYesNoCancel = 3, vbYesNo = 4,
              vbRetryCancel = 5;
// Icons.
constexpr int vbCritical = 16, vbQuestion = 32, vbExclamation = 48, vbInformation = 64;
// Default button.
constexpr int vbDefaultButton1 = 0, vbDefaultButton2 = 256, vbDefaultButton3 = 512;
// Results.
constexpr int vbOK = 1, vbCancel = 2, vbAbort = 3, vbRetry = 4, vbIgnore = 5, vbYes = 6, vbNo = 7;

int MsgBox(const std::string& prompt, int buttons = vbOKOnly, const std::string& title = "");

struct MsgBoxRecord {
    std::string prompt;
    int buttons = 0; // the style value as given
    std::string title;
    int ButtonSet() const { return buttons & 15; }
    int Icon() const { return buttons & 0x70; }
    int answer = 0;
};

// The results a box of this style offers, first the default one.
std::vector<int> MsgBoxResults(int buttons);

// The responder answers a box instead of showing it (tests). Empty restores the real box.
void SetMsgBoxResponder(std::function<int(const MsgBoxRecord&)> responder);
// Every box shown or answered since the last clear.
const std::vector<MsgBoxRecord>& MsgBoxLog();
void ClearMsgBoxLog();

// Internal: whether a real box is showing (input goes to it alone), and where the buttons of the
// topmost one are on the screen (x, y, w, h each), left to right.
bool MsgBoxShowing();
std::vector<std::array<int, 4>> MsgBoxButtonRects();

} // namespace forms
