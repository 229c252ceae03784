#pragma once
// An option button: a round button with a caption. The option buttons of one container form a
// group: setting one clears the others. A click, or Space while it has the focus, selects it;
// the arrow keys select the next or previous button of its group and give it the focus. Setting
// Value to True from code raises Click, as a user's click does, only when it was not set; the
// buttons cleared by it raise nothing.
#include "forms/captioned_control.h"

#include <string>
#include <vector>

namespace forms {

class OptionButton : public CaptionedControl {
  public:
    explicit OptionButton(Container* container);

    bool Value() const { return value_; }
    void SetValue(bool v);

    // The option buttons of its container, in the container's order (itself included).
    std::vector<OptionButton*> Group() const;

    // Internal.
    void OnClick() override;
    void RaiseKeyDown(int16_t& keyCode, int16_t shift) override;
    void Draw(Canvas& target, const IRect& clip) override;

  private:
    bool value_ = false;
};

} // namespace forms
