// Sliders: the value in its range, Change on every change, the thumb dragged or stepped.
#include "forms/slider.h"

#include "forms/control_parts.h"
#include "forms/errors.h"
#include "forms/input.h"

#include <algorithm>
#include <cmath>

namespace forms {

namespace {
constexpr int kThumbW = 11, kThumbH = 20, kEdge = 4; // the thumb, and room at both ends
} // namespace

Slider::Slider(Container* container) : Control(container, true) {}

void Slider::SetValue(int32_t v) {
    v = std::clamp(v, min_, max_);
    if (v == value_) return;
    value_ = v;
    Invalidate();
    if (Change) Change();
}

void Slider::SetMin(int32_t v) {
    if (v > max_) Raise(errInvalidPropertyValue);
    min_ = v;
    Invalidate();
    SetValue(value_);
}

void Slider::SetMax(int32_t v) {
    if (v < min_) Raise(errInvalidPropertyValue);
    max_ = v;
    Invalidate();
    SetValue(value_);
}

void Slider::SetLargeChange(int32_t v) {
    if (v < 0) Raise(errInvalidPropertyValue);
    largeChange_ = v;
}

void Slider::SetSmallChange(int32_t v) {
    if (v < 0) Raise(errInvalidPropertyValue);
    smallChange_ = v;
}

void Slider::SetTickFrequency(int32_t v) {
    tickFrequency_ = std::max<int32_t>(1, v);
    Invalidate();
}

double Slider::XOf(int32_t v) const {
    const double left = kEdge + kThumbW / 2.0;
    const double span = std::max(0.0, std::round(Width()) - 2 * left);
    if (max_ == min_) return left;
    return left + span * (v - min_) / static_cast<double>(max_ - min_);
}

int32_t Slider::ValueAt(double x) const {
    const double left = kEdge + kThumbW / 2.0;
    const double span = std::round(Width()) - 2 * left;
    if (span <= 0 || max_ == min_) return min_;
    const double v = min_ + (x - left) / span * (max_ - min_);
    return std::clamp(static_cast<int32_t>(std::lround(v)), min_, max_);
}

IRect Slider::ThumbRect() const {
    const int cx = static_cast<int>(std::lround(XOf(value_)));
    return {cx - kThumbW / 2, 2, kThumbW, kThumbH};
}

IRect Slider::ChannelRect() const {
    const int w = static_cast<int>(std::lround(Width()));
    return {kEdge, 2 + kThumbH / 2 - 2, w - 2 * kEdge, 4};
}

void Slider::OnMouseDown(int button, int, float x, float y) {
    if (button != vbLeftButton) return;
    const IRect t = ThumbRect();
    if (t.Contains(static_cast<int>(std::floor(x)), static_cast<int>(std::floor(y)))) {
        dragging_ = true;
        grab_ = x - XOf(value_);
        Invalidate();
        return;
    }
    if (x < t.x)
        SetValue(value_ - largeChange_);
    else if (x >= t.x + t.w)
        SetValue(value_ + largeChange_);
}

void Slider::OnMouseMove(int buttons, int, float x, float) {
    if (!dragging_ || !(buttons & vbLeftButton)) return;
    SetValue(ValueAt(x - grab_));
}

void Slider::OnMouseUp(int button, int, float, float) {
    if (button == vbLeftButton && dragging_) {
        dragging_ = false;
        Invalidate();
    }
}

void Slider::RaiseKeyDown(int16_t& keyCode, int16_t) {
    const int32_t was = value_;
    switch (keyCode) {
    case vbKeyLeft:
    case vbKeyUp:
        SetValue(value_ - smallChange_);
        break;
    case vbKeyRight:
    case vbKeyDown:
        SetValue(value_ + smallChange_);
        break;
    case vbKeyPageUp:
        SetValue(value_ - largeChange_);
        break;
    case vbKeyPageDown:
        SetValue(value_ + largeChange_);
        break;
    case vbKeyHome:
        SetValue(min_);
        break;
    case vbKeyEnd:
        SetValue(max_);
        break;
    default:
        break;
    }
    // A key that moved the thumb is a finished change by the user, as a click is: handlers
    // that store the value on Click see it either way.
    if (value_ != was && Click) Click();
}

void Slider::Draw(Canvas& target, const IRect& clip) {
    (void)clip;
    const IRect r = ScreenRect();
    target.FillRect(r, parts::kFace);
    const bool live = Enabled();
    IRect ch = ChannelRect();
    ch.x += r.x;
    ch.y += r.y;
    target.FillRect(ch, live ? parts::kWindow : parts::kFace);
    parts::SunkenEdge(target, ch);
    // Ticks below the thumb: at every TickFrequency values, thinned out where they would crowd.
    if (max_ > min_) {
        int64_t step = tickFrequency_;
        const double span = XOf(max_) - XOf(min_);
        while (span * step / (max_ - min_) < 3)
            step *= 2;
        const int ty = r.y + 2 + kThumbH + 2;
        for (int64_t v = min_; v <= max_; v += step)
            target.FillRect(
                {r.x + static_cast<int>(std::lround(XOf(static_cast<int32_t>(v)))), ty, 1, 4},
                0x000000);
        target.FillRect({r.x + static_cast<int>(std::lround(XOf(max_))), ty, 1, 4}, 0x000000);
    }
    // The thumb: a raised block with a point at the bottom.
    IRect t = ThumbRect();
    t.x += r.x;
    t.y += r.y;
    const int body = t.h - t.w / 2;
    const int32_t face = dragging_ ? 0xE0E0E0 : parts::kFace;
    // Outlined all round (grey above and left, dark below and right) with a light inner edge.
    target.FillRect({t.x, t.y, t.w, body}, face);
    target.FillRect({t.x, t.y, t.w, 1}, parts::kShade);
    target.FillRect({t.x, t.y, 1, body}, parts::kShade);
    target.FillRect({t.x + 1, t.y + 1, t.w - 2, 1}, parts::kLight);
    target.FillRect({t.x + 1, t.y + 1, 1, body - 1}, parts::kLight);
    target.FillRect({t.x + t.w - 1, t.y, 1, body}, parts::kDarkest);
    target.FillRect({t.x + t.w - 2, t.y + 1, 1, body - 1}, parts::kShade);
    const int half = t.w / 2;
    for (int i = 0; i <= half; ++i) {
        const int y = t.y + body + i;
        const int x0 = t.x + i, x1 = t.x + t.w - 1 - i;
        if (x1 > x0 + 1) target.FillRect({x0 + 2, y, x1 - x0 - 3, 1}, face);
        target.SetPixel(x0, y, parts::kShade);
        if (x1 > x0 + 1) target.SetPixel(x0 + 1, y, parts::kLight);
        target.SetPixel(x1, y, parts::kDarkest);
        if (x1 - 1 > x0 + 1) target.SetPixel(x1 - 1, y, parts::kShade);
    }
    if (!live) target.FillRect({t.x + 3, t.y + 3, t.w - 6, body - 4}, 0xD8D8D8);
    if (HasFocus()) parts::FocusRect(target, r);
}

} // namespace forms
