#pragma once
// A check box: a windowed box with a caption at its right. Value 0 unchecked, 1 checked, 2 grey
// (checked but dimmed). A click (press and release on it, or Space while it has the focus)
// checks an unchecked box and clears a checked or grey one. Setting Value from code raises Click
// as a user's click does, and only when the value changes; a value outside 0..2 raises 380.
#include "forms/control.h"

#include <string>

namespace forms {

constexpr int vbUnchecked = 0, vbChecked = 1, vbGrayed = 2;

class CheckBox : public Control, public FontProperties {
  public:
    explicit CheckBox(Container* container);

    int Value() const { return value_; }
    void SetValue(int v);
    const std::string& Caption() const { return caption_; }
    void SetCaption(const std::string& c);
    int32_t BackColor() const { return backColor_; }
    void SetBackColor(int32_t c);
    int32_t ForeColor() const { return foreColor_; }
    void SetForeColor(int32_t c);

    // The box in the control's pixels (13 x 13 at the left, centred vertically).
    IRect BoxRect() const;

    // Internal.
    bool TakesFocus() const override { return true; }
    bool TakesDblClick() const override { return false; }
    void OnMouseDown(int button, int shift, float x, float y) override;
    void OnMouseUp(int button, int shift, float x, float y) override;
    void OnClick() override;
    void RaiseKeyDown(int16_t& keyCode, int16_t shift) override;
    void Draw(Canvas& target, const IRect& clip) override;

  protected:
    void FontChanged() override { Invalidate(); }

  private:
    std::string caption_;
    int value_ = vbUnchecked;
    bool pressed_ = false;
    int32_t backColor_ = 0xF0F0F0, foreColor_ = 0;
};

} // namespace forms
