#pragma once
// What check boxes and option buttons share: a windowed control with a caption beside its mark,
// back and fore colours and a font, that takes the focus and counts two quick presses as two.
#include "forms/control.h"

#include <string>

namespace forms {

class CaptionedControl : public Control, public FontProperties {
  public:
    const std::string& Caption() const { return caption_; }
    void SetCaption(const std::string& c);
    int32_t BackColor() const { return backColor_; }
    void SetBackColor(int32_t c);
    int32_t ForeColor() const { return foreColor_; }
    void SetForeColor(int32_t c);

    // Internal.
    bool TakesFocus() const override { return true; }
    bool TakesDblClick() const override { return false; }

  protected:
    explicit CaptionedControl(Container* container) : Control(container, true) {}
    void FontChanged() override { Invalidate(); }

    std::string caption_;
    int32_t backColor_ = 0xF0F0F0, foreColor_ = 0;
};

} // namespace forms
