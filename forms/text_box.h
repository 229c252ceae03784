#pragma once
// A text box: a windowed, single-line entry. It takes the keys while it has the focus (its form's
// ActiveControl): a press on it or SetFocus gives it the focus. Typed characters are appended at
// the end, Backspace removes the last one; while part of the text is selected (SelStart and
// SelLength, set from code) a typed character replaces it and Backspace deletes it. Text set from
// code or typed raises Change, and only when the text changes; a new text clears the selection.
// With a PasswordChar every character shows as that one. A MaxLength stops typing at that many
// characters and cuts text set from code (or already held) to it.
#include "forms/control.h"

#include <cstdint>
#include <functional>
#include <string>

namespace forms {

class TextBox : public Control, public FontProperties {
  public:
    explicit TextBox(Container* container);

    const std::string& Text() const { return text_; }
    void SetText(const std::string& t);
    // The first character of the string masks the text; empty shows the text itself.
    const std::string& PasswordChar() const { return passwordChar_; }
    void SetPasswordChar(const std::string& c);
    // 0: no limit.
    int MaxLength() const { return maxLength_; }
    void SetMaxLength(int n);
    int32_t ForeColor() const { return foreColor_; }
    void SetForeColor(int32_t c);
    int32_t BackColor() const { return backColor_; }
    void SetBackColor(int32_t c);
    // 0 none, 1 a sunken frame.
    int BorderStyle() const { return borderStyle_; }
    void SetBorderStyle(int s);
    // The selection, in characters from the start; set values are kept within the text.
    int SelStart() const { return selStart_; }
    void SetSelStart(int n);
    int SelLength() const { return selLength_; }
    void SetSelLength(int n);
    // The text as drawn: masked by PasswordChar.
    std::string DisplayText() const;

    // Events. KeyDown and KeyPress may set the key to 0 to swallow it.
    EventHandler Change;
    std::function<void(int16_t& keyCode, int16_t shift)> KeyDown;
    std::function<void(int16_t& keyCode, int16_t shift)> KeyUp;
    std::function<void(int16_t& keyAscii)> KeyPress;

    // Internal.
    bool TakesFocus() const override { return true; }
    void RaiseKeyDown(int16_t& keyCode, int16_t shift) override;
    void RaiseKeyUp(int16_t& keyCode, int16_t shift) override;
    void RaiseKeyPress(int16_t& keyAscii) override;
    void Draw(Canvas& target, const IRect& clip) override;

  protected:
    void FontChanged() override { Invalidate(); }

  private:
    std::string text_, passwordChar_;
    int maxLength_ = 0, borderStyle_ = 1;
    int selStart_ = 0, selLength_ = 0;
    int32_t foreColor_ = 0x000000, backColor_ = 0xFFFFFF;
};

} // namespace forms
