// Drawing pieces and the item list shared by the dialog controls.
#include "forms/control_parts.h"

#include "forms/errors.h"

#include <algorithm>

namespace forms::parts {

void SunkenEdge(Canvas& c, const IRect& r) {
    c.FillRect({r.x, r.y, r.w, 1}, kShade);
    c.FillRect({r.x, r.y, 1, r.h}, kShade);
    c.FillRect({r.x, r.y + r.h - 1, r.w, 1}, kLight);
    c.FillRect({r.x + r.w - 1, r.y, 1, r.h}, kLight);
    c.FillRect({r.x + 1, r.y + 1, r.w - 2, 1}, kDarkest);
    c.FillRect({r.x + 1, r.y + 1, 1, r.h - 2}, kDarkest);
    c.FillRect({r.x + 1, r.y + r.h - 2, r.w - 2, 1}, 0xE3E3E3);
    c.FillRect({r.x + r.w - 2, r.y + 1, 1, r.h - 2}, 0xE3E3E3);
}

void RaisedEdge(Canvas& c, const IRect& r) {
    c.FillRect({r.x, r.y, r.w, 1}, kLight);
    c.FillRect({r.x, r.y, 1, r.h}, kLight);
    c.FillRect({r.x, r.y + r.h - 1, r.w, 1}, kDarkest);
    c.FillRect({r.x + r.w - 1, r.y, 1, r.h}, kDarkest);
    c.FillRect({r.x + 1, r.y + r.h - 2, r.w - 2, 1}, kShade);
    c.FillRect({r.x + r.w - 2, r.y + 1, 1, r.h - 2}, kShade);
}

void FocusRect(Canvas& c, const IRect& r) {
    if (r.Empty()) return;
    for (int x = r.x; x < r.x + r.w; x += 2) {
        c.SetPixel(x, r.y, 0);
        c.SetPixel(x, r.y + r.h - 1, 0);
    }
    for (int y = r.y; y < r.y + r.h; y += 2) {
        c.SetPixel(r.x, y, 0);
        c.SetPixel(r.x + r.w - 1, y, 0);
    }
}

void Arrow(Canvas& c, const IRect& box, int dir, int size, int32_t color) {
    const int cx = box.x + box.w / 2, cy = box.y + box.h / 2;
    for (int i = 0; i < size; ++i) {
        const int half = size - 1 - i; // the wide end first
        const int len = 2 * half + 1;
        switch (dir) {
        case 0:
            c.FillRect({cx - half, cy - size / 2 + i, len, 1}, color);
            break;
        case 1:
            c.FillRect({cx - half, cy + size / 2 - i, len, 1}, color);
            break;
        case 2:
            c.FillRect({cx + size / 2 - i, cy - half, 1, len}, color);
            break;
        default:
            c.FillRect({cx - size / 2 + i, cy - half, 1, len}, color);
            break;
        }
    }
}

void Caption(Canvas& c, int x, int y, const FontSpec& f, const std::string& text, bool enabled,
             int32_t color) {
    if (text.empty()) return;
    if (enabled) {
        DrawText(c, x, y, f, text, color & 0xFFFFFF);
    } else {
        DrawText(c, x + 1, y + 1, f, text, kLight);
        DrawText(c, x, y, f, text, kGreyText);
    }
}

const std::string& ItemList::Item(int i) const {
    if (i < 0 || i >= Count()) Raise(errInvalidArrayIndex);
    return items_[static_cast<size_t>(i)];
}

void ItemList::SetItem(int i, const std::string& text) {
    if (i < 0 || i >= Count()) Raise(errInvalidArrayIndex);
    items_[static_cast<size_t>(i)] = text;
}

int ItemList::Add(const std::string& text, int index) {
    if (index == -1) index = Count();
    if (index < 0 || index > Count()) Raise(errInvalidArrayIndex);
    items_.insert(items_.begin() + index, text);
    return index;
}

void ItemList::Remove(int i) {
    if (i < 0 || i >= Count()) Raise(errInvalidArrayIndex);
    items_.erase(items_.begin() + i);
}

void ItemList::CheckListIndex(int i) const {
    if (i < -1 || i >= Count()) Raise(errInvalidPropertyValue);
}

IRect ScrollBar::ThumbRect() const {
    const int track = rect.h - 2 * kScrollBarWidth;
    if (total <= visible || track <= 8) return {};
    const int h = std::max(8, track * visible / total);
    const int y = rect.y + kScrollBarWidth + (track - h) * top / MaxTop();
    return {rect.x, y, rect.w, h};
}

void ScrollBar::Draw(Canvas& c) const {
    c.FillRect(rect, 0xE8E8E8);
    const IRect up{rect.x, rect.y, rect.w, kScrollBarWidth};
    const IRect down{rect.x, rect.y + rect.h - kScrollBarWidth, rect.w, kScrollBarWidth};
    const bool can = total > visible;
    for (const IRect& b : {up, down}) {
        c.FillRect(b, kFace);
        RaisedEdge(c, b);
    }
    Arrow(c, up, 1, 4, can ? 0 : kGreyText);
    Arrow(c, down, 0, 4, can ? 0 : kGreyText);
    const IRect t = ThumbRect();
    if (!t.Empty()) {
        c.FillRect(t, kFace);
        RaisedEdge(c, t);
    }
}

int ScrollBar::Pressed(int x, int y) const {
    (void)x;
    int t = top;
    if (y < rect.y + kScrollBarWidth)
        --t;
    else if (y >= rect.y + rect.h - kScrollBarWidth)
        ++t;
    else {
        const IRect th = ThumbRect();
        if (!th.Empty() && y < th.y) t -= visible;
        if (!th.Empty() && y >= th.y + th.h) t += visible;
    }
    return std::clamp(t, 0, MaxTop());
}

} // namespace forms::parts
