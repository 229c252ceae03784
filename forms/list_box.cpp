// List boxes: the items, the selection and its Click, scrolling, and the list drawn in its well.
#include "forms/list_box.h"

#include "forms/errors.h"
#include "forms/input.h"

#include <algorithm>
#include <cmath>

namespace forms {

int ListKeyStep(int index, int count, int page, int16_t keyCode) {
    if (count == 0) return index;
    int i = index;
    switch (keyCode) {
    case vbKeyUp:
        i = index < 0 ? 0 : index - 1;
        break;
    case vbKeyDown:
        i = index + 1;
        break;
    case vbKeyHome:
        i = 0;
        break;
    case vbKeyEnd:
        i = count - 1;
        break;
    case vbKeyPageUp:
        i = index - std::max(1, page - 1);
        break;
    case vbKeyPageDown:
        i = index + std::max(1, page - 1);
        break;
    default:
        return index;
    }
    return std::clamp(i, 0, count - 1);
}

ListBox::ListBox(Container* container) : Control(container, true) {}

void ListBox::AddItem(const std::string& item, int index) {
    const int at = items_.Add(item, index);
    if (listIndex_ >= at) ++listIndex_;
    Invalidate();
}

void ListBox::RemoveItem(int index) {
    items_.Remove(index);
    if (listIndex_ == index)
        listIndex_ = -1;
    else if (listIndex_ > index)
        --listIndex_;
    top_ = std::min(top_, Bar().MaxTop());
    Invalidate();
}

void ListBox::Clear() {
    items_.Clear();
    listIndex_ = -1;
    top_ = 0;
    Invalidate();
}

void ListBox::SetList(int index, const std::string& item) {
    items_.SetItem(index, item);
    Invalidate();
}

void ListBox::SetListIndex(int index) {
    items_.CheckListIndex(index);
    if (index == listIndex_) return;
    listIndex_ = index;
    ShowIndex(index);
    Invalidate();
    if (Click) Click();
}

std::string ListBox::Text() const {
    return listIndex_ < 0 ? std::string() : items_.Item(listIndex_);
}

void ListBox::SetTopIndex(int index) {
    if (index < 0 || (index >= ListCount() && ListCount() > 0)) Raise(errInvalidPropertyValue);
    top_ = std::min(index, Bar().MaxTop());
    Invalidate();
}

void ListBox::SetBackColor(int32_t c) {
    backColor_ = c;
    Invalidate();
}
void ListBox::SetForeColor(int32_t c) {
    foreColor_ = c;
    Invalidate();
}

int ListBox::ItemHeight() const {
    return FontLineHeight(font_) + 1;
}

int ListBox::VisibleCount() const {
    const int inner = static_cast<int>(std::lround(Height())) - 4;
    return std::max(1, inner / ItemHeight());
}

parts::ScrollBar ListBox::Bar() const {
    parts::ScrollBar b;
    const IRect r = ScreenRect();
    b.rect = {r.x + r.w - 2 - parts::kScrollBarWidth, r.y + 2, parts::kScrollBarWidth, r.h - 4};
    b.total = ListCount();
    b.visible = VisibleCount();
    b.top = top_;
    return b;
}

void ListBox::ShowIndex(int index) {
    if (index < 0) return;
    const int visible = VisibleCount();
    if (index < top_) top_ = index;
    if (index >= top_ + visible) top_ = index - visible + 1;
}

int ListBox::ItemAt(double x, double y) const {
    const int w = static_cast<int>(std::lround(Width()));
    const bool bar = ListCount() > VisibleCount();
    if (x < 2 || x >= w - 2 - (bar ? parts::kScrollBarWidth : 0) || y < 2) return -1;
    const int row = static_cast<int>(std::floor((y - 2) / ItemHeight()));
    if (row >= VisibleCount()) return -1;
    const int i = top_ + row;
    return i < ListCount() ? i : -1;
}

void ListBox::OnMouseDown(int button, int, float x, float y) {
    if (button != vbLeftButton) return;
    const parts::ScrollBar bar = Bar();
    const IRect r = ScreenRect();
    if (bar.total > bar.visible && x >= bar.rect.x - r.x) {
        top_ = bar.Pressed(r.x + static_cast<int>(x), r.y + static_cast<int>(y));
        Invalidate();
        return;
    }
    selecting_ = true;
    const int i = ItemAt(x, y);
    if (i >= 0) SetListIndex(i);
}

void ListBox::OnMouseMove(int buttons, int, float x, float y) {
    if (!selecting_ || !(buttons & vbLeftButton)) return;
    const double h = std::lround(Height());
    if (y < 2 && top_ > 0) --top_;
    if (y >= h - 2 && top_ < Bar().MaxTop()) ++top_;
    const double row = std::clamp<double>(y, 2, h - 3);
    const int i = ItemAt(std::min<double>(x, 3), row);
    if (i >= 0) SetListIndex(i);
    Invalidate();
}

void ListBox::OnMouseUp(int, int, float, float) {
    selecting_ = false;
}

void ListBox::RaiseKeyDown(int16_t& keyCode, int16_t) {
    const int i = ListKeyStep(listIndex_, ListCount(), VisibleCount(), keyCode);
    if (i != listIndex_) SetListIndex(i);
}

void ListBox::Draw(Canvas& target, const IRect& clip) {
    const IRect r = ScreenRect();
    target.FillRect(r, backColor_ & 0xFFFFFF);
    parts::SunkenEdge(target, r);
    const parts::ScrollBar bar = Bar();
    const bool hasBar = bar.total > bar.visible;
    const int textW = r.w - 4 - (hasBar ? parts::kScrollBarWidth : 0);
    const IRect inner{r.x + 2, r.y + 2, textW, r.h - 4};
    target.SetClip(inner.Intersect(clip));
    const int ih = ItemHeight();
    const bool live = Enabled();
    for (int i = top_, y = inner.y; i < ListCount() && y < inner.y + inner.h; ++i, y += ih) {
        const bool sel = i == listIndex_;
        if (sel)
            target.FillRect({inner.x, y, inner.w, ih}, live ? parts::kHighlight : parts::kFace);
        const int32_t ink = !live ? parts::kGreyText : sel ? 0xFFFFFF : foreColor_ & 0xFFFFFF;
        DrawText(target, inner.x + 2, y, font_, items_.Item(i), ink);
        if (sel && HasFocus()) parts::FocusRect(target, {inner.x, y, inner.w, ih});
    }
    target.SetClip(clip);
    if (hasBar) bar.Draw(target);
}

} // namespace forms
