// Option buttons: one selected per container, and the round button drawn for it.
#include "forms/option_button.h"

#include "forms/control_parts.h"
#include "forms/input.h"
#include "forms/label.h"

#include <algorithm>

namespace forms {

OptionButton::OptionButton(Container* container) : CaptionedControl(container) {}

std::vector<OptionButton*> OptionButton::Group() const {
    std::vector<OptionButton*> out;
    if (!Parent()) return {const_cast<OptionButton*>(this)};
    for (Control* c : Parent()->Children())
        if (auto* o = dynamic_cast<OptionButton*>(c)) out.push_back(o);
    return out;
}

void OptionButton::SetValue(bool v) {
    if (v == value_) return;
    value_ = v;
    Invalidate();
    if (!v) return;
    for (OptionButton* o : Group())
        if (o != this && o->value_) {
            o->value_ = false;
            o->Invalidate();
        }
    if (Click) Click();
}

void OptionButton::OnClick() {
    SetValue(true);
}

void OptionButton::RaiseKeyDown(int16_t& keyCode, int16_t) {
    if (keyCode == vbKeySpace) {
        SetValue(true);
        return;
    }
    int step = 0;
    if (keyCode == vbKeyDown || keyCode == vbKeyRight) step = 1;
    if (keyCode == vbKeyUp || keyCode == vbKeyLeft) step = -1;
    if (step == 0) return;
    std::vector<OptionButton*> group = Group();
    std::erase_if(
        group, [this](OptionButton* o) { return o != this && (!o->Showing() || !o->Enabled()); });
    const auto it = std::find(group.begin(), group.end(), this);
    const int n = static_cast<int>(group.size());
    const int here = static_cast<int>(it - group.begin());
    OptionButton* next = group[static_cast<size_t>((here + step + n) % n)];
    next->SetFocus();
    next->SetValue(true);
}

void OptionButton::Draw(Canvas& target, const IRect& clip) {
    (void)clip;
    const IRect r = ScreenRect();
    target.FillRect(r, backColor_ & 0xFFFFFF);
    const double cx = r.x + 6, cy = r.y + (r.h - 1) / 2;
    const bool live = Enabled();
    // A sunken ring: dark outside, the well white (grey while disabled), the dot in the middle.
    target.FillCircle(cx, cy, 6, parts::kShade);
    target.FillCircle(cx, cy, 5, parts::kDarkest);
    target.FillCircle(cx, cy, 4, live ? parts::kWindow : parts::kFace);
    if (value_) target.FillCircle(cx, cy, 1.5, live ? 0x000000 : parts::kGreyText);
    const std::string shown = StripAccessKeys(caption_);
    const int tx = r.x + 17, ty = r.y + (r.h - FontLineHeight(font_)) / 2;
    parts::Caption(target, tx, ty, font_, shown, live, foreColor_);
    if (HasFocus() && !shown.empty()) {
        const TextSize ts = MeasureText(font_, shown);
        parts::FocusRect(target, {tx - 2, ty - 1, ts.w + 4, FontLineHeight(font_) + 2});
    }
}

} // namespace forms
