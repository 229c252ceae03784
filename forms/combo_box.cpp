// Combo boxes: the field, the items and the selection, and the drop-down list the runtime draws
// above every form while it is open (taking all input, as the platform's open list does).
#include "forms/combo_box.h"

#include "forms/application.h"
#include "forms/backend.h"
#include "forms/errors.h"
#include "forms/input.h"
#include "forms/list_box.h"
#include "forms/runtime_internal.h"
#include "forms/screen.h"
#include "forms/screen_internal.h"

#include <algorithm>
#include <cmath>

namespace forms {

class ComboBox::DropList {
  public:
    explicit DropList(ComboBox& box) : box_(box) {
        hot_ = box.listIndex_;
        bar_.total = box.ListCount();
        bar_.visible = box.DropCount();
        bar_.top = 0;
        if (hot_ >= bar_.visible) bar_.top = std::min(hot_, bar_.MaxTop());
        Layout();
        previous_ = detail::InputFilter();
        filter_ = [this](const backend::InputEvent& e) { Input(e); };
        detail::SetInputFilter(&filter_);
        overlay_ = detail::AddOverlay([this](Canvas& c, const IRect& clip) { Draw(c, clip); });
        Screen::Invalidate(rect_);
    }
    ~DropList() {
        if (detail::InputFilter() == &filter_) detail::SetInputFilter(previous_);
        detail::RemoveOverlay(overlay_);
        Screen::Invalidate(rect_);
        detail::QueueUncoveredArea(rect_);
    }
    const IRect& Rect() const { return rect_; }
    IRect ItemRect(int i) const {
        const int row = i - bar_.top;
        if (row < 0 || row >= bar_.visible || i >= bar_.total) return {};
        return {rect_.x + 1, rect_.y + 1 + row * ih_, ItemWidth(), ih_};
    }

  private:
    int ItemWidth() const {
        return rect_.w - 2 - (bar_.total > bar_.visible ? parts::kScrollBarWidth : 0);
    }
    void Layout() {
        const IRect r = box_.ScreenRect();
        ih_ = FontLineHeight(box_.font_) + 1;
        const int h = bar_.visible * ih_ + 2;
        int y = r.y + r.h;
        if (y + h > Screen::PixelHeight() && r.y - h >= 0) y = r.y - h;
        rect_ = {r.x, y, r.w, h};
        bar_.rect = {rect_.x + rect_.w - 1 - parts::kScrollBarWidth, rect_.y + 1,
                     parts::kScrollBarWidth, rect_.h - 2};
    }
    int ItemAt(double x, double y) const {
        for (int i = bar_.top; i < bar_.total; ++i)
            if (ItemRect(i).Contains(static_cast<int>(std::floor(x)),
                                     static_cast<int>(std::floor(y))))
                return i;
        return -1;
    }
    bool OnBar(double x, double y) const {
        return bar_.total > bar_.visible &&
               bar_.rect.Contains(static_cast<int>(std::floor(x)), static_cast<int>(std::floor(y)));
    }
    void Input(const backend::InputEvent& e) {
        using backend::InputEvent;
        Screen::Invalidate(rect_);
        switch (e.kind) {
        case InputEvent::MouseMove: {
            const int i = ItemAt(e.x, e.y);
            if (i >= 0) hot_ = i;
            break;
        }
        case InputEvent::MouseDown:
            if (e.button != 1) break;
            if (OnBar(e.x, e.y)) {
                bar_.top = bar_.Pressed(static_cast<int>(e.x), static_cast<int>(e.y));
            } else if (!rect_.Contains(static_cast<int>(std::floor(e.x)),
                                       static_cast<int>(std::floor(e.y)))) {
                box_.CloseUp(); // a press outside closes the list and goes nowhere else
            }
            break;
        case InputEvent::MouseUp: {
            if (e.button != 1 || OnBar(e.x, e.y)) break;
            const int i = ItemAt(e.x, e.y);
            if (i >= 0) Pick(i);
            break;
        }
        case InputEvent::KeyDown:
            if (e.keyCode == vbKeyEscape || e.keyCode == vbKeyF1 + 3 ||
                (e.keyCode == vbKeyUp && (e.shift & vbAltMask))) {
                box_.CloseUp();
            } else if (e.keyCode == vbKeyReturn) {
                if (hot_ >= 0)
                    Pick(hot_);
                else
                    box_.CloseUp();
            } else {
                hot_ = ListKeyStep(hot_, bar_.total, bar_.visible, e.keyCode);
                if (hot_ >= 0 && hot_ < bar_.top) bar_.top = hot_;
                if (hot_ >= bar_.top + bar_.visible) bar_.top = hot_ - bar_.visible + 1;
            }
            break;
        default:
            break;
        }
    }
    void Pick(int i) {
        ComboBox& box = box_;
        box.CloseUp(); // this list is gone from here on
        Application::Dispatch([&] { box.Choose(i); });
    }
    void Draw(Canvas& c, const IRect& clip) {
        if (rect_.Intersect(clip).Empty()) return;
        c.FillRect(rect_, parts::kWindow);
        c.FrameRect(rect_, 1, 0x000000);
        for (int i = bar_.top; i < bar_.total && i < bar_.top + bar_.visible; ++i) {
            const IRect ir = ItemRect(i);
            const bool hot = i == hot_;
            if (hot) c.FillRect(ir, parts::kHighlight);
            DrawText(c, ir.x + 2, ir.y, box_.font_, box_.items_.Item(i),
                     hot ? 0xFFFFFF : box_.foreColor_ & 0xFFFFFF);
        }
        if (bar_.total > bar_.visible) bar_.Draw(c);
    }

    ComboBox& box_;
    parts::ScrollBar bar_;
    IRect rect_;
    int ih_ = 16, hot_ = -1, overlay_ = 0;
    std::function<void(const backend::InputEvent&)> filter_;
    std::function<void(const backend::InputEvent&)>* previous_ = nullptr;
};

namespace {
// Lists closed from their own input handler are kept until it has returned.
std::vector<std::unique_ptr<void, void (*)(void*)>> g_closed;
} // namespace

ComboBox::ComboBox(Container* container) : Control(container, true) {}

ComboBox::~ComboBox() {
    dropped_.reset();
}

void ComboBox::AddItem(const std::string& item, int index) {
    const int at = items_.Add(item, index);
    if (listIndex_ >= at) ++listIndex_;
    CloseUp();
}

void ComboBox::RemoveItem(int index) {
    items_.Remove(index);
    if (listIndex_ == index)
        listIndex_ = -1;
    else if (listIndex_ > index)
        --listIndex_;
    if (style_ == vbComboDropdownList && listIndex_ < 0) text_.clear();
    CloseUp();
    Invalidate();
}

void ComboBox::Clear() {
    items_.Clear();
    listIndex_ = -1;
    text_.clear();
    CloseUp();
    Invalidate();
}

void ComboBox::SetList(int index, const std::string& item) {
    items_.SetItem(index, item);
    if (index == listIndex_) SetTextOnly(item);
    Invalidate();
}

void ComboBox::SetListIndex(int index) {
    items_.CheckListIndex(index);
    if (index == listIndex_) return;
    listIndex_ = index;
    text_ = index >= 0 ? items_.Item(index) : std::string();
    Invalidate();
    if (Click) Click();
}

void ComboBox::Choose(int index) {
    SetListIndex(index);
}

void ComboBox::SetTextOnly(const std::string& t) {
    if (t == text_) return;
    text_ = t;
    Invalidate();
    if (style_ == vbComboDropdown && Change) Change();
}

void ComboBox::SetText(const std::string& t) {
    int match = -1;
    for (int i = 0; i < ListCount() && match < 0; ++i)
        if (items_.Item(i) == t) match = i;
    if (style_ == vbComboDropdownList) {
        if (match < 0) Raise(errInvalidPropertyValue);
        SetListIndex(match);
        return;
    }
    listIndex_ = match;
    SetTextOnly(t);
}

void ComboBox::SetStyle(int s) {
    style_ = s == vbComboDropdownList ? vbComboDropdownList : vbComboDropdown;
    if (style_ == vbComboDropdownList)
        text_ = listIndex_ >= 0 ? items_.Item(listIndex_) : std::string();
    Invalidate();
}

void ComboBox::SetBackColor(int32_t c) {
    backColor_ = c;
    Invalidate();
}
void ComboBox::SetForeColor(int32_t c) {
    foreColor_ = c;
    Invalidate();
}

int ComboBox::DropCount() const {
    return std::clamp(ListCount(), 1, 8);
}

void ComboBox::DropDown() {
    if (dropped_ || !Showing() || !Enabled()) return;
    g_closed.clear();
    dropped_ = std::make_unique<DropList>(*this);
}

void ComboBox::CloseUp() {
    if (!dropped_) return;
    DropList* d = dropped_.release();
    // Its input handler may be the caller: the list is destroyed later, but gone from now on.
    d->~DropList();
    g_closed.emplace_back(static_cast<void*>(d), [](void* p) { ::operator delete(p); });
    Invalidate();
}

IRect ComboBox::DropRect() const {
    return dropped_ ? dropped_->Rect() : IRect{};
}

IRect ComboBox::DropItemRect(int i) const {
    return dropped_ ? dropped_->ItemRect(i) : IRect{};
}

IRect ComboBox::ButtonRect() const {
    const IRect r = ScreenRect();
    return {r.x + r.w - 2 - 17, r.y + 2, 17, r.h - 4};
}

void ComboBox::OnMouseDown(int button, int, float x, float) {
    if (button != vbLeftButton) return;
    const IRect b = ButtonRect();
    if (style_ == vbComboDropdown && ScreenRect().x + x < b.x) return; // into the field
    DropDown();
}

void ComboBox::ShowingChanged() {
    if (!Showing()) CloseUp();
}

void ComboBox::RaiseKeyDown(int16_t& keyCode, int16_t shift) {
    if (KeyDown) KeyDown(keyCode, shift);
    if (keyCode == vbKeyF1 + 3 || (keyCode == vbKeyDown && (shift & vbAltMask))) {
        DropDown();
        return;
    }
    const int i = ListKeyStep(listIndex_, ListCount(), 1, keyCode);
    if (i != listIndex_) SetListIndex(i);
}

void ComboBox::RaiseKeyPress(int16_t& keyAscii) {
    if (KeyPress) KeyPress(keyAscii);
    if (style_ != vbComboDropdown) return;
    const int16_t key = keyAscii;
    if (key == 8) {
        if (!text_.empty()) SetText(text_.substr(0, text_.size() - 1));
    } else if (key >= 32 && key != 127 && key <= 255) {
        SetText(text_ + static_cast<char>(key));
    }
}

void ComboBox::Draw(Canvas& target, const IRect& clip) {
    (void)clip;
    const IRect r = ScreenRect();
    const bool live = Enabled();
    target.FillRect(r, live ? backColor_ & 0xFFFFFF : parts::kFace);
    parts::SunkenEdge(target, r);
    const IRect b = ButtonRect();
    target.FillRect(b, parts::kFace);
    if (dropped_) {
        target.FrameRect(b, 1, parts::kShade);
    } else {
        parts::RaisedEdge(target, b);
    }
    parts::Arrow(target, b, 0, 4, live ? 0x000000 : parts::kGreyText);
    const IRect field{r.x + 3, r.y + 3, b.x - r.x - 4, r.h - 6};
    const int lh = FontLineHeight(font_);
    const int ty = r.y + (r.h - lh) / 2;
    const bool focused = HasFocus() && live;
    const bool highlight = focused && style_ == vbComboDropdownList;
    if (highlight) target.FillRect(field, parts::kHighlight);
    target.SetClip(field.Intersect(clip));
    const int32_t ink = !live ? parts::kGreyText : highlight ? 0xFFFFFF : foreColor_ & 0xFFFFFF;
    if (!text_.empty()) DrawText(target, field.x + 1, ty, font_, text_, ink);
    if (focused && style_ == vbComboDropdown) {
        const int cx = field.x + 1 + (text_.empty() ? 0 : MeasureText(font_, text_).w) + 1;
        target.FillRect({cx, ty, 1, lh}, ink);
    }
    target.SetClip(clip);
    if (highlight) parts::FocusRect(target, field);
}

} // namespace forms
