// Check boxes: the value, its click, and the sunken box with its tick.
#include "forms/check_box.h"

#include "forms/control_parts.h"
#include "forms/errors.h"
#include "forms/input.h"
#include "forms/label.h"

#include <cmath>

namespace forms {

CheckBox::CheckBox(Container* container) : CaptionedControl(container) {}

void CheckBox::SetValue(int v) {
    if (v < vbUnchecked || v > vbGrayed) Raise(errInvalidPropertyValue);
    if (v == value_) return;
    value_ = v;
    Invalidate();
    if (Click) Click();
}

IRect CheckBox::BoxRect() const {
    const int h = static_cast<int>(std::lround(Height()));
    return {0, (h - 13) / 2, 13, 13};
}

void CheckBox::OnMouseDown(int button, int, float, float) {
    if (button == vbLeftButton) pressed_ = true;
    Invalidate();
}
void CheckBox::OnMouseUp(int, int, float, float) {
    pressed_ = false;
    Invalidate();
}

void CheckBox::OnClick() {
    SetValue(value_ == vbUnchecked ? vbChecked : vbUnchecked);
}

void CheckBox::RaiseKeyDown(int16_t& keyCode, int16_t) {
    if (keyCode == vbKeySpace) OnClick();
}

void CheckBox::Draw(Canvas& target, const IRect& clip) {
    (void)clip;
    const IRect r = ScreenRect();
    target.FillRect(r, backColor_ & 0xFFFFFF);
    IRect box = BoxRect();
    box.x += r.x;
    box.y += r.y;
    const bool live = Enabled();
    target.FillRect(box, live && !pressed_ && value_ != vbGrayed ? parts::kWindow : parts::kFace);
    parts::SunkenEdge(target, box);
    if (value_ != vbUnchecked) {
        // The tick: a short stroke down to the right, then a long one up, three pixels thick.
        const int32_t ink = live && value_ == vbChecked ? 0x000000 : parts::kGreyText;
        const int x0 = box.x + 3, y0 = box.y + 5;
        for (int i = 0; i < 7; ++i) {
            const int y = i < 3 ? y0 + i : y0 + 4 - i + 2;
            target.FillRect({x0 + i, y, 1, 3}, ink);
        }
    }
    const std::string shown = StripAccessKeys(caption_);
    const int tx = r.x + 17, ty = r.y + (r.h - FontLineHeight(font_)) / 2;
    parts::Caption(target, tx, ty, font_, shown, live, foreColor_);
    if (HasFocus() && !shown.empty()) {
        const TextSize ts = MeasureText(font_, shown);
        parts::FocusRect(target, {tx - 2, ty - 1, ts.w + 4, FontLineHeight(font_) + 2});
    }
}

} // namespace forms
