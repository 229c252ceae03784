#pragma once
// The colour dialog. ShowColor shows a modal colour picker drawn by the runtime above every form:
// a grid of colours, the colour chosen so far beside the colour it started with, and OK and
// Cancel. A press on a colour picks it, a double press picks it and answers OK; the arrow keys
// move the pick through the grid, Enter answers OK and Esc Cancel. Timers keep ticking meanwhile,
// forms get no input, and closing it raises no Activate.
//
// OK sets Color to the picked colour (to Color as it was when none was picked). Cancel leaves
// Color as it was and, when CancelError is set, raises error 32755 (errCancel).
//
// Tests install a responder that answers instead: it gets Color as the dialog opens and returns
// the chosen colour, or nullopt for Cancel.
#include "forms/control.h"

#include <array>
#include <cstdint>
#include <functional>
#include <optional>
#include <vector>

namespace forms {

class CommonDialog {
  public:
    // The container is where the form holds it; the dialog itself shows nothing until ShowColor.
    explicit CommonDialog(Container* container = nullptr) { (void)container; }

    bool CancelError() const { return cancelError_; }
    void SetCancelError(bool b) { cancelError_ = b; }
    int32_t Color() const { return color_; }
    void SetColor(int32_t c) { color_ = c; }
    int32_t Flags() const { return flags_; }
    void SetFlags(int32_t f) { flags_ = f; }
    void ShowColor();

  private:
    bool cancelError_ = false;
    int32_t color_ = 0, flags_ = 0;
};

void SetColorDialogResponder(std::function<std::optional<int32_t>(int32_t color)> responder);

// The colours of the grid, row by row (kColorColumns to a row).
constexpr int kColorColumns = 8;
const std::vector<int32_t>& ColorDialogPalette();

// Internal: whether the dialog shows, and where its parts are on the screen (x, y, w, h): the
// grid's cells in palette order, then the OK and Cancel buttons.
bool ColorDialogShowing();
std::vector<std::array<int, 4>> ColorDialogCellRects();
std::array<int, 4> ColorDialogButtonRect(bool ok);

} // namespace forms
