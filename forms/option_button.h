#pragma once
// An option button: a round button with a caption. The option buttons of one container form a
// group: setting one clears the others. A click, or Space while it has the focus, selects it;
// the arrow keys select the next or previous button of its group and give it the focus. Setting
// Value to True from code raises Click, as a user's click does, only when it was not set; the
// buttons cleared by it raise nothing.
#include "forms/control.h"

#include <string>
#include <vector>

namespace forms {

class OptionButton : public Control, public FontProperties {
  public:
    explicit OptionButton(Container* container);

    bool Value() const { return value_; }
    void SetValue(bool v);
    const std::string& Caption() const { return caption_; }
    void SetCaption(const std::string& c);
    int32_t BackColor() const { return backColor_; }
    void SetBackColor(int32_t c);
    int32_t ForeColor() const { return foreColor_; }
    void SetForeColor(int32_t c);

    // The option buttons of its container, in the container's order (itself included).
    std::vector<OptionButton*> Group() const;

    // Internal.
    bool TakesFocus() const override { return true; }
    bool TakesDblClick() const override { return false; }
    void OnClick() override;
    void RaiseKeyDown(int16_t& keyCode, int16_t shift) override;
    void Draw(Canvas& target, const IRect& clip) override;

  protected:
    void FontChanged() override { Invalidate(); }

  private:
    std::string caption_;
    bool value_ = false;
    int32_t backColor_ = 0xF0F0F0, foreColor_ = 0;
};

} // namespace forms
