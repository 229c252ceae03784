// Controls and containers: geometry, visibility, order, and drawing and hit testing of children.
#include "forms/control.h"
#include "forms/application.h"
#include "forms/form.h"
#include "forms/screen.h"

#include <algorithm>
#include <cmath>

namespace forms {
namespace {
int Round(double v) {
    return static_cast<int>(std::floor(v + 0.5));
}
} // namespace

// --- Font properties -----------------------------------------------------------------------

void FontProperties::SetFontName(const std::string& name) {
    if (font_.name == name) return;
    font_.name = name;
    FontChanged();
}
void FontProperties::SetFontSize(double points) {
    if (points <= 0 || font_.size == points) return;
    font_.size = points;
    FontChanged();
}
void FontProperties::SetFontBold(bool b) {
    if (font_.bold == b) return;
    font_.bold = b;
    FontChanged();
}
void FontProperties::SetFontItalic(bool b) {
    if (font_.italic == b) return;
    font_.italic = b;
    FontChanged();
}
void FontProperties::SetFont(const FontSpec& f) {
    if (font_ == f) return;
    font_ = f;
    FontChanged();
}

// --- Container -------------------------------------------------------------------------------

Container::~Container() {
    // Children that outlive their container (declared before it) are orphaned, not left dangling.
    for (Control* c : children_)
        c->container_ = nullptr;
}

void Container::AddChild(Control* c) {
    if (c->Windowed()) {
        children_.push_back(c);
        return;
    }
    auto firstWindowed =
        std::find_if(children_.begin(), children_.end(), [](Control* x) { return x->Windowed(); });
    children_.insert(firstWindowed, c);
}

void Container::RemoveChild(Control* c) {
    std::erase(children_, c);
}

void Container::MoveChild(Control* c, int position) {
    RemoveChild(c);
    const bool w = c->Windowed();
    if (position == 0) {
        // Front of its group: windowless ones end where the windowed start.
        if (w) {
            children_.push_back(c);
        } else {
            auto it = std::find_if(children_.begin(), children_.end(),
                                   [](Control* x) { return x->Windowed(); });
            children_.insert(it, c);
        }
    } else {
        if (w) {
            auto it = std::find_if(children_.begin(), children_.end(),
                                   [](Control* x) { return x->Windowed(); });
            children_.insert(it, c);
        } else {
            children_.insert(children_.begin(), c);
        }
    }
}

void Container::DrawChildren(Canvas& target, const IRect& clip) {
    const IRect saved = target.Clip();
    for (Control* c : children_) {
        if (!c->Visible()) continue;
        IRect vr = c->VisibleRect().Intersect(clip);
        if (vr.Empty()) continue;
        target.SetClip(vr);
        c->Draw(target, vr);
    }
    target.SetClip(saved);
}

Control* Container::HitChild(double sx, double sy) {
    const int px = static_cast<int>(std::floor(sx)), py = static_cast<int>(std::floor(sy));
    for (auto it = children_.rbegin(); it != children_.rend(); ++it) {
        Control* c = *it;
        if (!c->Visible() || !c->Enabled()) continue;
        if (!c->VisibleRect().Contains(px, py)) continue;
        if (Container* sub = c->AsContainer()) {
            if (sub->ClientClip().Contains(px, py)) {
                if (Control* hit = sub->HitChild(sx, sy)) return hit;
            }
            return c;
        }
        if (!c->TakesMouse()) continue;
        return c;
    }
    return nullptr;
}

void Container::NotifyChildrenShowing() {
    for (Control* c : std::vector<Control*>(children_))
        c->ShowingChanged();
}

// --- Control ---------------------------------------------------------------------------------

Control::Control(Container* container, bool windowed) : container_(container), windowed_(windowed) {
    if (container_) container_->AddChild(this);
}

Control::~Control() {
    Invalidate();
    Application::ControlGone(this);
    if (container_) container_->RemoveChild(this);
}

void Control::Move(double left, double top, double width, double height) {
    const IRect before = VisibleRect();
    const double ow = width_, oh = height_;
    if (!std::isnan(left)) left_ = left;
    if (!std::isnan(top)) top_ = top;
    if (!std::isnan(width)) width_ = std::max(0.0, width);
    if (!std::isnan(height)) height_ = std::max(0.0, height);
    const bool resized = Round(ow) != Round(width_) || Round(oh) != Round(height_);
    if (before == VisibleRect() && !resized && ow == width_ && oh == height_) {
        // Moved by less than a pixel: nothing shows differently.
        Moved(false);
        return;
    }
    Screen::Invalidate(before);
    Invalidate();
    Moved(resized);
}

void Control::SetVisible(bool v) {
    if (visible_ == v) return;
    Invalidate();
    visible_ = v;
    Invalidate();
    ShowingChanged();
}

void Control::SetEnabled(bool e) {
    if (enabled_ == e) return;
    enabled_ = e;
    Invalidate();
}

void Control::ZOrder(int position) {
    if (!container_) return;
    container_->MoveChild(this, position == 0 ? 0 : 1);
    Invalidate();
}

void Control::SetMousePointer(int p) {
    mousePointer_ = p;
    Application::UpdateCursor();
}

void Control::SetMouseIcon(PicturePtr icon, int hotX, int hotY) {
    mouseIcon_ = std::move(icon);
    hotX_ = hotX >= 0 ? hotX : (mouseIcon_ ? mouseIcon_->Width() / 2 : 0);
    hotY_ = hotY >= 0 ? hotY : (mouseIcon_ ? mouseIcon_->Height() / 2 : 0);
    Application::UpdateCursor();
}

void Control::SetFocus() {
    Form* f = OwnerForm();
    if (!f || !TakesFocus()) return;
    f->SetActiveControl(this);
    f->SetFocus();
}

bool Control::HasFocus() const {
    Form* f = OwnerForm();
    return f && f->ActiveControl() == this;
}

Form* Control::OwnerForm() const {
    return container_ ? container_->OwnerForm() : nullptr;
}

void Control::Refresh() {
    Invalidate();
    Screen::Update();
}

double Control::ScreenX() const {
    return (container_ ? container_->ClientScreenX() : 0) + left_;
}

double Control::ScreenY() const {
    return (container_ ? container_->ClientScreenY() : 0) + top_;
}

IRect Control::ScreenRect() const {
    const int x = Round(ScreenX()), y = Round(ScreenY());
    return IRect{x, y, Round(width_), Round(height_)};
}

bool Control::Showing() const {
    return visible_ && container_ && container_->Showing();
}

IRect Control::VisibleRect() const {
    if (!Showing()) return {};
    return ScreenRect().Intersect(container_->ClientClip());
}

void Control::Invalidate() {
    Screen::Invalidate(VisibleRect());
}

} // namespace forms
