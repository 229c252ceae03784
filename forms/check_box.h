#pragma once
// A check box: a windowed box with a caption at its right. Value 0 unchecked, 1 checked, 2 grey
// (checked but dimmed). A click (press and release on it, or Space while it has the focus)
// checks an unchecked box and clears a checked or grey one. Setting Value from code raises Click
// as a user's click does, and only when the value changes; a value outside 0..2 raises 380.
#include "forms/captioned_control.h"

#include <string>

namespace forms {

constexpr int vbUnchecked = 0, vbChecked = 1, vbGrayed = 2;

class CheckBox : public CaptionedControl {
  public:
    explicit CheckBox(Container* container);

    int Value() const { return value_; }
    void SetValue(int v);

    // The box in the control's pixels (13 x 13 at the left, centred vertically).
    IRect BoxRect() const;

    // Internal.
    void OnMouseDown(int button, int shift, float x, float y) override;
    void OnMouseUp(int button, int shift, float x, float y) override;
    void OnClick() override;
    void RaiseKeyDown(int16_t& keyCode, int16_t shift) override;
    void Draw(Canvas& target, const IRect& clip) override;

  private:
    int value_ = vbUnchecked;
    bool pressed_ = false;
};

} // namespace forms
