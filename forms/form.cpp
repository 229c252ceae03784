// Top-level forms: loading and unloading, showing, activation, window state, border and caption,
// and drawing of the form with its controls.
#include "forms/form.h"
#include "forms/application.h"
#include "forms/default_instance.h"
#include "forms/screen.h"
#include "forms/text.h"

#include <algorithm>
#include <cmath>

namespace forms {
namespace {
int Round(double v) {
    return static_cast<int>(std::floor(v + 0.5));
}
constexpr int32_t kFrameColor = 0xC0C0C0;
constexpr int32_t kFrameDark = 0x404040;
constexpr int32_t kCaptionActive = 0x800000;   // navy
constexpr int32_t kCaptionInactive = 0x808080; // grey
} // namespace

void AdoptForm(Form* f, std::function<void()> onUnloaded) {
    f->SetOwnedByRuntime(std::move(onUnloaded));
    f->Load();
}

Form::Form() {
    font_.name = "Arial";
    font_.size = 8.25;
    Application::RegisterForm(this);
}

Form::~Form() {
    // Children still attached (members destroyed after the form's own destructor) are orphaned by
    // the container; here the form leaves the runtime's lists.
    Application::UnregisterForm(this);
}

void Form::SetOwnedByRuntime(std::function<void()> onUnloaded) {
    runtimeOwned_ = true;
    onUnloaded_ = std::move(onUnloaded);
}

void Form::Load() {
    if (loaded_) return;
    loaded_ = true;
    resizedOnce_ = false;
    Application::HandlerScope scope;
    Form_Load();
}

namespace {
std::function<void(const std::string&)>& UnloadObserver() {
    static std::function<void(const std::string&)> observer;
    return observer;
}
} // namespace

void SetFormUnloadObserver(std::function<void(const std::string& name)> observer) {
    UnloadObserver() = std::move(observer);
}

void Form::Unload() {
    if (!loaded_ || unloading_) return;
    unloading_ = true;
    int16_t cancel = 0;
    try {
        Application::HandlerScope scope;
        Form_QueryUnload(cancel, vbFormCode);
        if (cancel == 0) Form_Unload(cancel);
    } catch (...) {
        unloading_ = false;
        throw;
    }
    unloading_ = false;
    if (cancel != 0 || !loaded_) return;
    const bool wasShowing = Showing();
    const IRect r = ScreenRect();
    loaded_ = false;
    visible_ = false;
    NotifyChildrenShowing();
    if (wasShowing || Application::ActiveForm() == this) Application::FormHidden(this);
    Screen::Invalidate(r);
    windowState_ = vbNormal;
    if (UnloadObserver()) UnloadObserver()(Name());
    if (onUnloaded_) {
        auto cb = std::move(onUnloaded_);
        onUnloaded_ = nullptr;
        cb();
    }
    // Last: a form of the runtime's may be destroyed here and then.
    if (runtimeOwned_) Application::Retire(this);
}

void Form::Show(int modal) {
    if (!loaded_) {
        Load();
        if (!loaded_) return;
    }
    if (!visible_) {
        visible_ = true;
        Application::RaiseZOrder(this, 0);
        Invalidate();
        ShowingChanged();
        if (!resizedOnce_) {
            resizedOnce_ = true;
            Application::HandlerScope scope;
            Form_Resize();
        }
    } else {
        Application::RaiseZOrder(this, 0);
    }
    if (!loaded_) return;
    if (enabled_ && windowState_ != vbMinimized) Application::QueueActivate(this);
    if (modal) {
        // Every other form waits until this one is hidden or unloaded.
        std::vector<Form*> disabled;
        for (Form* f : Application::Forms())
            if (f != this && f->Enabled()) {
                f->enabled_ = false;
                disabled.push_back(f);
            }
        struct Restore {
            std::vector<Form*>& forms;
            ~Restore() {
                std::vector<Form*> live = Application::Forms();
                for (Form* f : forms)
                    if (std::find(live.begin(), live.end(), f) != live.end()) f->enabled_ = true;
            }
        } restore{disabled};
        while (loaded_ && visible_)
            Application::DoEvents();
    }
}

void Form::Hide() {
    if (!loaded_) Load();
    if (!visible_) return;
    const bool wasShowing = Showing();
    visible_ = false;
    ShowingChanged();
    if (wasShowing || Application::ActiveForm() == this) Application::FormHidden(this);
}

void Form::SetVisible(bool v) {
    // Making a shown form visible again leaves its place and the active window alone; Show is
    // what raises and activates it.
    if (v && loaded_ && visible_) return;
    if (v)
        Show();
    else
        Hide();
}

void Form::SetEnabled(bool e) {
    if (enabled_ == e) return;
    enabled_ = e;
}

void Form::SetFocus() {
    if (!loaded_ || !visible_ || !enabled_) return;
    Application::RaiseZOrder(this, 0);
    Application::QueueActivate(this);
}

void Form::SetActiveControl(Control* c) {
    if (c == activeControl_) return;
    if (c && (c->OwnerForm() != this || !c->TakesFocus())) return;
    Control* old = activeControl_;
    if (old) old->Invalidate();
    activeControl_ = c;
    if (c) c->Invalidate();
    // The old control's handler may move the focus on; the new one hears of it only if it still
    // has it.
    if (old && old->LostFocus) old->LostFocus();
    if (c && activeControl_ == c && c->GotFocus) c->GotFocus();
}

void Form::SetWindowState(int state) {
    if (state < vbNormal || state > vbMaximized || state == windowState_) return;
    const int old = windowState_;
    const IRect before = ScreenRect();
    if (old == vbNormal) {
        normalLeft_ = left_;
        normalTop_ = top_;
        normalWidth_ = width_;
        normalHeight_ = height_;
    }
    if (state == vbMinimized) preMinimizedState_ = old;
    windowState_ = state;
    if (state == vbMaximized) {
        left_ = top_ = 0;
        width_ = Screen::PixelWidth() * Screen::TwipsPerPixelX();
        height_ = Screen::PixelHeight() * Screen::TwipsPerPixelY();
    } else if (state == vbNormal && old == vbMaximized) {
        left_ = normalLeft_;
        top_ = normalTop_;
        width_ = normalWidth_;
        height_ = normalHeight_;
    }
    if (loaded_ && visible_) {
        Screen::Invalidate(before);
        Invalidate();
        if (state == vbMinimized) {
            Application::FormHidden(this, true);
            if (Application::ShownForms().empty()) Application::WindowIconify(true);
        } else if (old == vbMinimized) {
            Application::WindowIconify(false);
        }
        ShowingChanged();
    }
    if (loaded_) {
        Application::HandlerScope scope;
        Form_Resize();
    }
}

void Form::LeaveMinimized() {
    if (windowState_ != vbMinimized) return;
    SetWindowState(preMinimizedState_ == vbMinimized ? vbNormal : preMinimizedState_);
}

void Form::SetCaption(const std::string& c) {
    if (caption_ == c) return;
    caption_ = c;
    if (borderStyle_ != vbBSNone) Invalidate();
}

void Form::SetBorderStyle(int style) {
    style = style == vbBSNone ? vbBSNone : vbFixedSingle;
    if (style == borderStyle_) return;
    borderStyle_ = style;
    Invalidate();
    ShowingChanged();
}

void Form::SetPicture(PicturePtr p) {
    picture_ = std::move(p);
    Invalidate();
}

void Form::SetBackColor(int32_t c) {
    if (backColor_ == c) return;
    backColor_ = c;
    Invalidate();
}

void Form::ZOrder(int position) {
    Application::RaiseZOrder(this, position == 0 ? 0 : 1);
}

void Form::SetLayer(FormLayer layer) {
    layer_ = layer;
    Application::RaiseZOrder(this, 0);
}

void Form::SetMouseIcon(PicturePtr icon, int hotX, int hotY) {
    mouseIcon_ = std::move(icon);
    hotX_ = hotX >= 0 ? hotX : (mouseIcon_ ? mouseIcon_->Width() / 2 : 0);
    hotY_ = hotY >= 0 ? hotY : (mouseIcon_ ? mouseIcon_->Height() / 2 : 0);
    Application::UpdateCursor();
}

void Form::Move(double left, double top, double width, double height) {
    const IRect before = ScreenRect();
    const double ow = width_, oh = height_;
    if (!std::isnan(left)) left_ = left;
    if (!std::isnan(top)) top_ = top;
    if (!std::isnan(width)) width_ = std::max(0.0, width);
    if (!std::isnan(height)) height_ = std::max(0.0, height);
    if (Showing()) {
        Screen::Invalidate(before);
        Invalidate();
        Application::FormMoved(this, before);
    }
    if (loaded_ && (ow != width_ || oh != height_)) {
        if (Showing()) ShowingChanged();
        Application::HandlerScope scope;
        Form_Resize();
    }
}

double Form::ScaleWidth() const {
    const int border = borderStyle_ == vbBSNone ? 0 : 2 * kFormBorder;
    return std::max(0, Round(width_ / Screen::TwipsPerPixelX()) - border);
}

double Form::ScaleHeight() const {
    const int border = borderStyle_ == vbBSNone ? 0 : 2 * kFormBorder + kFormCaption;
    return std::max(0, Round(height_ / Screen::TwipsPerPixelY()) - border);
}

void Form::Refresh() {
    Invalidate();
    Screen::Update();
}

IRect Form::ScreenRect() const {
    return IRect{Round(left_ / Screen::TwipsPerPixelX()), Round(top_ / Screen::TwipsPerPixelY()),
                 Round(width_ / Screen::TwipsPerPixelX()),
                 Round(height_ / Screen::TwipsPerPixelY())};
}

double Form::ClientScreenX() const {
    return Round(left_ / Screen::TwipsPerPixelX()) + (borderStyle_ == vbBSNone ? 0 : kFormBorder);
}

double Form::ClientScreenY() const {
    return Round(top_ / Screen::TwipsPerPixelY()) +
           (borderStyle_ == vbBSNone ? 0 : kFormBorder + kFormCaption);
}

IRect Form::ClientClip() const {
    if (!Showing()) return {};
    IRect r{static_cast<int>(ClientScreenX()), static_cast<int>(ClientScreenY()),
            static_cast<int>(ScaleWidth()), static_cast<int>(ScaleHeight())};
    return r.Intersect(IRect{0, 0, Screen::PixelWidth(), Screen::PixelHeight()});
}

bool Form::Showing() const {
    return loaded_ && visible_ && windowState_ != vbMinimized;
}

void Form::Invalidate() {
    if (Showing()) Screen::Invalidate(ScreenRect());
}

void Form::ShowingChanged() {
    NotifyChildrenShowing();
}

void Form::Draw(Canvas& target, const IRect& clip) {
    const IRect fr = ScreenRect();
    const IRect all = fr.Intersect(clip);
    if (all.Empty()) return;
    const IRect saved = target.Clip();
    target.SetClip(all);
    if (borderStyle_ != vbBSNone) {
        target.FillRect(fr, kFrameColor);
        target.FrameRect(fr, 1, kFrameDark);
        const IRect bar{fr.x + kFormBorder, fr.y + kFormBorder, fr.w - 2 * kFormBorder,
                        kFormCaption};
        const bool active = Application::ActiveForm() == this;
        target.FillRect(bar, active ? kCaptionActive : kCaptionInactive);
        if (!caption_.empty()) {
            FontSpec f{"Arial", 8.25, true, false};
            const int th = FontLineHeight(f);
            IRect textClip = bar.Intersect(all);
            target.SetClip(textClip);
            DrawText(target, bar.x + 4, bar.y + (bar.h - th) / 2, f, caption_, 0xFFFFFF);
            target.SetClip(all);
        }
    }
    const IRect client = ClientClip().Intersect(all);
    if (!client.Empty()) {
        target.SetClip(client);
        target.FillRect(client, backColor_ & 0xFFFFFF);
        if (picture_) {
            const Canvas& px = picture_->Pixels();
            target.BlitBlend(px, IRect{0, 0, px.Width(), px.Height()},
                             static_cast<int>(ClientScreenX()), static_cast<int>(ClientScreenY()));
        }
        DrawChildren(target, client);
    }
    target.SetClip(saved);
}

Control* Form::HitTest(double sx, double sy) {
    const IRect client = ClientClip();
    if (!client.Contains(static_cast<int>(std::floor(sx)), static_cast<int>(std::floor(sy))))
        return nullptr;
    return HitChild(sx, sy);
}

} // namespace forms
