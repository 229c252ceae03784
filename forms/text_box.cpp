// Text boxes: a single-line entry with its text, a mask, and the keys it takes while focused.
#include "forms/text_box.h"

#include "forms/control_parts.h"
#include "forms/form.h"

#include <algorithm>

namespace forms {

TextBox::TextBox(Container* container) : Control(container, true) {}

void TextBox::SetText(const std::string& t) {
    // The box never holds more than MaxLength, whether typed or set.
    const std::string kept =
        maxLength_ > 0 && t.size() > static_cast<size_t>(maxLength_) ? t.substr(0, maxLength_) : t;
    if (kept == text_) return;
    text_ = kept;
    selStart_ = selLength_ = 0;
    Invalidate();
    if (Change) Change();
}

void TextBox::SetSelStart(int n) {
    const int size = static_cast<int>(text_.size());
    selStart_ = n < 0 ? 0 : (n > size ? size : n);
    if (selStart_ + selLength_ > size) selLength_ = size - selStart_;
    Invalidate();
}

void TextBox::SetSelLength(int n) {
    const int room = static_cast<int>(text_.size()) - selStart_;
    selLength_ = n < 0 ? 0 : (n > room ? room : n);
    Invalidate();
}

void TextBox::SetPasswordChar(const std::string& c) {
    passwordChar_ = c.substr(0, 1);
    Invalidate();
}

void TextBox::SetMaxLength(int n) {
    maxLength_ = n < 0 ? 0 : n;
    SetText(text_);
}

void TextBox::SetForeColor(int32_t c) {
    foreColor_ = c;
    Invalidate();
}

void TextBox::SetBackColor(int32_t c) {
    backColor_ = c;
    Invalidate();
}

void TextBox::SetBorderStyle(int s) {
    borderStyle_ = s ? 1 : 0;
    Invalidate();
}

std::string TextBox::DisplayText() const {
    if (passwordChar_.empty()) return text_;
    return std::string(text_.size(), passwordChar_[0]);
}

void TextBox::RaiseKeyDown(int16_t& keyCode, int16_t shift) {
    if (KeyDown) KeyDown(keyCode, shift);
}

void TextBox::RaiseKeyUp(int16_t& keyCode, int16_t shift) {
    if (KeyUp) KeyUp(keyCode, shift);
}

void TextBox::RaiseKeyPress(int16_t& keyAscii) {
    if (KeyPress) KeyPress(keyAscii);
    const int16_t key = keyAscii;
    const size_t start = static_cast<size_t>(selStart_), length = static_cast<size_t>(selLength_);
    const std::string before = text_.substr(0, start), after = text_.substr(start + length);
    if (key == 8) {
        if (length > 0) {
            selLength_ = 0;
            SetText(before + after);
        } else if (!text_.empty()) {
            SetText(text_.substr(0, text_.size() - 1));
        }
    } else if (key >= 32 && key != 127 && key <= 255) {
        const char c = static_cast<char>(key);
        if (maxLength_ == 0 || static_cast<int>(text_.size() - length) < maxLength_) {
            // Cleared first: the Change handler may select anew.
            selStart_ = selLength_ = 0;
            SetText(length > 0 ? before + c + after : text_ + c);
        }
    }
    // Enter, Esc and other control characters change nothing in a one-line box.
}

void TextBox::Draw(Canvas& target, const IRect& clip) {
    (void)clip;
    const IRect r = ScreenRect();
    target.FillRect(r, backColor_ & 0xFFFFFF);
    if (borderStyle_) {
        // Sunken: dark above and left, light below and right.
        target.FillRect({r.x, r.y, r.w, 1}, 0x808080);
        target.FillRect({r.x, r.y, 1, r.h}, 0x808080);
        target.FillRect({r.x, r.y + r.h - 1, r.w, 1}, 0xE3E3E3);
        target.FillRect({r.x + r.w - 1, r.y, 1, r.h}, 0xE3E3E3);
    }
    const int pad = 2 + borderStyle_;
    const int inner = r.w - 2 * pad - 2;
    // The end of the text stays in view, where the caret is.
    std::string shown = DisplayText();
    int cut = 0;
    while (!shown.empty() && MeasureText(font_, shown).w > inner) {
        shown.erase(0, 1);
        ++cut;
    }
    const int lh = FontLineHeight(font_);
    const int y = r.y + (r.h - lh) / 2;
    const int32_t colour = Enabled() ? foreColor_ & 0xFFFFFF : 0x808080;
    if (!shown.empty()) DrawText(target, r.x + pad, y, font_, shown, colour);
    // The selection of the focused box, white on the highlight colour.
    const int shownSize = static_cast<int>(shown.size());
    const int s0 = std::clamp(selStart_ - cut, 0, shownSize);
    const int s1 = std::clamp(selStart_ + selLength_ - cut, 0, shownSize);
    if (HasFocus() && Enabled() && s1 > s0) {
        const auto widthOf = [&](int n) {
            return n == 0 ? 0 : MeasureText(font_, shown.substr(0, static_cast<size_t>(n))).w;
        };
        const int x0 = r.x + pad + widthOf(s0), x1 = r.x + pad + widthOf(s1);
        target.FillRect({x0, y, x1 - x0, lh}, parts::kHighlight);
        const std::string part =
            shown.substr(static_cast<size_t>(s0), static_cast<size_t>(s1 - s0));
        DrawText(target, x0, y, font_, part, 0xFFFFFF);
    }
    if (HasFocus() && Enabled()) {
        const int cx = r.x + pad + (shown.empty() ? 0 : MeasureText(font_, shown).w) + 1;
        target.FillRect({cx, y, 1, lh}, colour);
    }
}

} // namespace forms
