#pragma once
// A command button: a windowed push button with a caption, raising Click when pressed and
// released on it. Enter and Esc are the form's to map to its default and cancel buttons; the
// button takes no focus of its own.
#include "forms/control.h"

#include <string>

namespace forms {

class CommandButton : public Control, public FontProperties {
  public:
    explicit CommandButton(Container* container);

    const std::string& Caption() const { return caption_; }
    void SetCaption(const std::string& c);
    int32_t BackColor() const { return backColor_; }
    void SetBackColor(int32_t c);
    int32_t ForeColor() const { return foreColor_; }
    void SetForeColor(int32_t c);

    void Draw(Canvas& target, const IRect& clip) override;

  protected:
    void FontChanged() override { Invalidate(); }

  private:
    std::string caption_;
    int32_t backColor_ = 0xF0F0F0, foreColor_ = 0;
};

} // namespace forms
