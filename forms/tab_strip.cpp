// Tab strips: the tabs, the selection and its Click, and the tab row over the raised page.
#include "forms/tab_strip.h"

#include "forms/control_parts.h"
#include "forms/errors.h"
#include "forms/input.h"
#include "forms/label.h"

#include <algorithm>
#include <cmath>

namespace forms {

namespace {
constexpr int kTabPad = 12;  // caption to the tab's edges, both sides together
constexpr int kStandOut = 2; // the selected tab is that much larger all round
} // namespace

TabStrip::TabStrip(Container* container) : Control(container, true) {}

void TabStrip::CheckTab(int index) const {
    if (index < 1 || index > Tabs()) Raise(errInvalidArrayIndex);
}

void TabStrip::AddTab(const std::string& caption, int index) {
    if (index == 0) index = Tabs() + 1;
    if (index < 1 || index > Tabs() + 1) Raise(errInvalidArrayIndex);
    captions_.insert(captions_.begin() + (index - 1), caption);
    toolTips_.insert(toolTips_.begin() + (index - 1), std::string());
    if (selected_ == 0)
        selected_ = 1;
    else if (selected_ >= index)
        ++selected_;
    Invalidate();
}

void TabStrip::RemoveTab(int index) {
    CheckTab(index);
    captions_.erase(captions_.begin() + (index - 1));
    toolTips_.erase(toolTips_.begin() + (index - 1));
    if (selected_ > index || selected_ > Tabs()) --selected_;
    if (selected_ == 0 && Tabs() > 0) selected_ = 1;
    Invalidate();
}

void TabStrip::ClearTabs() {
    captions_.clear();
    toolTips_.clear();
    selected_ = 0;
    Invalidate();
}

const std::string& TabStrip::TabCaption(int index) const {
    CheckTab(index);
    return captions_[static_cast<size_t>(index - 1)];
}

void TabStrip::SetTabCaption(int index, const std::string& caption) {
    CheckTab(index);
    captions_[static_cast<size_t>(index - 1)] = caption;
    Invalidate();
}

const std::string& TabStrip::TabToolTipText(int index) const {
    CheckTab(index);
    return toolTips_[static_cast<size_t>(index - 1)];
}

void TabStrip::SetTabToolTipText(int index, const std::string& text) {
    CheckTab(index);
    toolTips_[static_cast<size_t>(index - 1)] = text;
}

void TabStrip::SetSelectedItem(int index) {
    if (index < 1 || index > Tabs()) Raise(errInvalidPropertyValue);
    if (index == selected_) return;
    selected_ = index;
    Invalidate();
    if (Click) Click();
}

int TabStrip::TabRowHeight() const {
    return FontLineHeight(font_) + 8;
}

std::vector<int> TabStrip::TabWidths() const {
    std::vector<int> w;
    int total = 0;
    for (const std::string& c : captions_) {
        w.push_back(MeasureText(font_, StripAccessKeys(c)).w + kTabPad);
        total += w.back();
    }
    const int room = static_cast<int>(std::lround(Width())) - 2 * kStandOut;
    if (total > room) {
        // First the captions come closer to their edges.
        for (int& x : w)
            x -= kTabPad / 2;
        total -= static_cast<int>(w.size()) * (kTabPad / 2);
    }
    if (total > room && total > 0) {
        // Too wide: every tab gives up room in proportion to its width.
        int used = 0;
        for (size_t i = 0; i < w.size(); ++i) {
            w[i] = i + 1 == w.size() ? room - used : w[i] * room / total;
            used += w[i];
        }
    }
    return w;
}

IRect TabStrip::TabRect(int index) const {
    CheckTab(index);
    const std::vector<int> w = TabWidths();
    int x = kStandOut;
    for (int i = 1; i < index; ++i)
        x += w[static_cast<size_t>(i - 1)];
    const int rowH = TabRowHeight();
    IRect r{x, kStandOut, w[static_cast<size_t>(index - 1)], rowH - kStandOut};
    if (index == selected_) r = {r.x - kStandOut, 0, r.w + 2 * kStandOut, rowH + 1};
    return r;
}

int TabStrip::TabAt(double x, double y) const {
    const int px = static_cast<int>(std::floor(x)), py = static_cast<int>(std::floor(y));
    // The selected tab stands over its neighbours.
    if (selected_ > 0 && TabRect(selected_).Contains(px, py)) return selected_;
    for (int i = 1; i <= Tabs(); ++i)
        if (TabRect(i).Contains(px, py)) return i;
    return 0;
}

void TabStrip::OnMouseDown(int button, int, float x, float y) {
    if (button != vbLeftButton) return;
    const int i = TabAt(x, y);
    if (i > 0) SetSelectedItem(i);
}

void TabStrip::RaiseKeyDown(int16_t& keyCode, int16_t shift) {
    if (Tabs() == 0 || shift != 0) return;
    if (keyCode == vbKeyLeft && selected_ > 1) SetSelectedItem(selected_ - 1);
    if (keyCode == vbKeyRight && selected_ < Tabs()) SetSelectedItem(selected_ + 1);
}

void TabStrip::Draw(Canvas& target, const IRect& clip) {
    const IRect r = ScreenRect();
    const int rowH = TabRowHeight();
    // The strip's own back shows around the tabs; the page is a raised panel below them.
    target.FillRect(r, parts::kFace);
    const IRect page{r.x, r.y + rowH, r.w, r.h - rowH};
    parts::RaisedEdge(target, page);
    const bool live = Enabled();
    auto drawTab = [&](int i) {
        IRect t = TabRect(i);
        t.x += r.x;
        t.y += r.y;
        const bool sel = i == selected_;
        target.FillRect(t, parts::kFace);
        // Light top and left with a cut corner, dark right; no bottom edge on the selected tab,
        // which opens into the page.
        target.FillRect({t.x + 2, t.y, t.w - 4, 1}, parts::kLight);
        target.FillRect({t.x, t.y + 2, 1, t.h - 2}, parts::kLight);
        target.SetPixel(t.x + 1, t.y + 1, parts::kLight);
        target.FillRect({t.x + t.w - 1, t.y + 2, 1, t.h - 2}, parts::kDarkest);
        target.FillRect({t.x + t.w - 2, t.y + 1, 1, t.h - 1}, parts::kShade);
        target.SetPixel(t.x + t.w - 2, t.y + 1, parts::kDarkest);
        if (sel) target.FillRect({t.x + 1, t.y + t.h - 1, t.w - 3, 1}, parts::kFace);
        const std::string shown = StripAccessKeys(captions_[static_cast<size_t>(i - 1)]);
        const TextSize ts = MeasureText(font_, shown);
        const int lh = FontLineHeight(font_);
        const int tx = t.x + std::max(3, (t.w - ts.w) / 2);
        const int ty = t.y + (sel ? 3 : 2) + (rowH - kStandOut - 2 - lh) / 2;
        const IRect inner{t.x + 2, t.y + 1, t.w - 4, t.h - 2};
        target.SetClip(inner.Intersect(clip));
        parts::Caption(target, tx, ty, font_, shown, live, 0x000000);
        if (sel && HasFocus())
            parts::FocusRect(target, {tx - 2, ty - 1, std::min(ts.w, inner.w - 2) + 4, lh + 2});
        target.SetClip(clip);
    };
    for (int i = 1; i <= Tabs(); ++i)
        if (i != selected_) drawTab(i);
    if (selected_ > 0) drawTab(selected_);
}

} // namespace forms
