// Picture boxes: a container with its own persistent drawing surface.
#include "forms/picture_box.h"
#include "forms/application.h"
#include "forms/screen.h"

#include <algorithm>
#include <cmath>

namespace forms {
namespace {
int Round(double v) {
    return static_cast<int>(std::floor(v + 0.5));
}
} // namespace

PictureBox::PictureBox(Container* container) : Control(container, true) {
    ResizeSurface();
    ShowingChanged();
}

PictureBox::~PictureBox() {
    Application::CancelPaint(this);
}

double PictureBox::ScaleWidth() const {
    return std::max(0, Round(Width()) - 2 * borderStyle_);
}

double PictureBox::ScaleHeight() const {
    return std::max(0, Round(Height()) - 2 * borderStyle_);
}

double PictureBox::ClientScreenX() const {
    return ScreenRect().x + borderStyle_;
}

double PictureBox::ClientScreenY() const {
    return ScreenRect().y + borderStyle_;
}

IRect PictureBox::ClientClip() const {
    IRect r{static_cast<int>(ClientScreenX()), static_cast<int>(ClientScreenY()),
            static_cast<int>(ScaleWidth()), static_cast<int>(ScaleHeight())};
    return r.Intersect(VisibleRect());
}

void PictureBox::ClearSurface() {
    surface_.Fill(backColor_ & 0xFFFFFF);
    if (picture_) {
        const Canvas& px = picture_->Pixels();
        surface_.BlitBlend(px, IRect{0, 0, px.Width(), px.Height()}, 0, 0);
    }
}

void PictureBox::ResizeSurface() {
    const int w = static_cast<int>(ScaleWidth()), h = static_cast<int>(ScaleHeight());
    if (w == surface_.Width() && h == surface_.Height()) return;
    // What was drawn stays where it was; new area shows the back colour.
    Canvas old = std::move(surface_);
    surface_ = Canvas(w, h, backColor_ & 0xFFFFFF);
    if (picture_) {
        const Canvas& px = picture_->Pixels();
        surface_.BlitBlend(px, IRect{0, 0, px.Width(), px.Height()}, 0, 0);
    }
    if (old.Width() > 0 && old.Height() > 0)
        surface_.Blit(old, IRect{0, 0, old.Width(), old.Height()}, 0, 0);
}

void PictureBox::Moved(bool resized) {
    if (!resized) return;
    ResizeSurface();
    QueuePaint();
}

void PictureBox::QueuePaint() {
    if (Showing()) Application::QueuePaint(this);
}

void PictureBox::ShowingChanged() {
    const bool now = Showing();
    if (now && !wasShowing_) QueuePaint();
    wasShowing_ = now;
    NotifyChildrenShowing();
}

void PictureBox::Drew(double x1, double y1, double x2, double y2, double pad) {
    const double cx = ClientScreenX(), cy = ClientScreenY();
    const int l = static_cast<int>(std::floor(std::min(x1, x2) - pad + cx)) - 1;
    const int t = static_cast<int>(std::floor(std::min(y1, y2) - pad + cy)) - 1;
    const int r = static_cast<int>(std::ceil(std::max(x1, x2) + pad + cx)) + 2;
    const int b = static_cast<int>(std::ceil(std::max(y1, y2) + pad + cy)) + 2;
    Screen::Invalidate(IRect{l, t, r - l, b - t}.Intersect(ClientClip()));
}

void PictureBox::Cls() {
    ClearSurface();
    curX_ = curY_ = 0;
    Screen::Invalidate(ClientClip());
}

void PictureBox::Line(double x1, double y1, double x2, double y2, int32_t color) {
    surface_.Line(x1, y1, x2, y2, drawWidth_, DrawColor(color));
    curX_ = x2;
    curY_ = y2;
    Drew(x1, y1, x2, y2, drawWidth_ / 2.0 + 1);
}

void PictureBox::LineTo(double x, double y, int32_t color) {
    Line(curX_, curY_, x, y, color);
}

void PictureBox::Box(double x1, double y1, double x2, double y2, int32_t color, bool fill) {
    const int32_t c = DrawColor(color);
    if (fill) {
        const int l = Round(std::min(x1, x2)), t = Round(std::min(y1, y2));
        const int r = Round(std::max(x1, x2)), b = Round(std::max(y1, y2));
        surface_.FillRect(IRect{l, t, r - l + 1, b - t + 1}, c);
    } else {
        surface_.Line(x1, y1, x2, y1, drawWidth_, c);
        surface_.Line(x2, y1, x2, y2, drawWidth_, c);
        surface_.Line(x2, y2, x1, y2, drawWidth_, c);
        surface_.Line(x1, y2, x1, y1, drawWidth_, c);
    }
    curX_ = x2;
    curY_ = y2;
    Drew(x1, y1, x2, y2, drawWidth_ / 2.0 + 1);
}

void PictureBox::Circle(double x, double y, double radius, int32_t color) {
    const int32_t c = DrawColor(color);
    if (radius <= 0) {
        surface_.Dot(x, y, drawWidth_, c);
    } else {
        if (fillStyle_ == vbFSSolid) surface_.FillCircle(x, y, radius, fillColor_ & 0xFFFFFF);
        surface_.Circle(x, y, radius, drawWidth_, c);
    }
    curX_ = x;
    curY_ = y;
    const double pad = std::max(radius, 0.0) + drawWidth_ / 2.0 + 1;
    Drew(x, y, x, y, pad);
}

void PictureBox::PSet(double x, double y, int32_t color) {
    surface_.Dot(x, y, drawWidth_, DrawColor(color));
    curX_ = x;
    curY_ = y;
    Drew(x, y, x, y, drawWidth_ / 2.0 + 1);
}

int32_t PictureBox::Point(double x, double y) const {
    return surface_.GetPixel(static_cast<int>(std::floor(x)), static_cast<int>(std::floor(y)));
}

void PictureBox::Print(const std::string& text) {
    const int lh = FontLineHeight(font_);
    size_t start = 0;
    while (true) {
        size_t nl = text.find('\n', start);
        std::string line =
            text.substr(start, nl == std::string::npos ? std::string::npos : nl - start);
        if (!line.empty() && line.back() == '\r') line.pop_back();
        const TextSize ts = MeasureText(font_, line);
        DrawText(surface_, Round(curX_), Round(curY_), font_, line, foreColor_ & 0xFFFFFF);
        Drew(curX_, curY_, curX_ + ts.w, curY_ + lh, 1);
        curY_ += lh;
        curX_ = 0;
        if (nl == std::string::npos) break;
        start = nl + 1;
    }
}

double PictureBox::TextWidth(const std::string& text) const {
    return MeasureText(font_, text).w;
}

double PictureBox::TextHeight(const std::string& text) const {
    const int lines = 1 + static_cast<int>(std::count(text.begin(), text.end(), '\n'));
    return static_cast<double>(FontLineHeight(font_)) * lines;
}

void PictureBox::PaintPicture(const PicturePtr& pic, double x, double y, double w, double h) {
    if (!pic) return;
    const Canvas& px = pic->Pixels();
    const int dx = Round(x), dy = Round(y);
    if (w < 0 && h < 0) {
        surface_.BlitBlend(px, IRect{0, 0, px.Width(), px.Height()}, dx, dy);
        w = px.Width();
        h = px.Height();
    } else {
        if (w < 0) w = px.Width();
        if (h < 0) h = px.Height();
        surface_.BlitScaled(px, IRect{dx, dy, Round(w), Round(h)}, true);
    }
    Drew(x, y, x + w, y + h, 1);
}

void PictureBox::SetDrawWidth(int w) {
    drawWidth_ = std::max(1, w);
}

void PictureBox::SetBackColor(int32_t c) {
    if (c == backColor_) return;
    backColor_ = c;
    ClearSurface();
    Invalidate();
    QueuePaint();
}

void PictureBox::SetBorderStyle(int s) {
    s = s ? 1 : 0;
    if (s == borderStyle_) return;
    borderStyle_ = s;
    ResizeSurface();
    Invalidate();
    QueuePaint();
}

void PictureBox::SetPicture(PicturePtr p) {
    picture_ = std::move(p);
    if (autoSize_ && picture_)
        Move(kKeep, kKeep, picture_->Width() + 2 * borderStyle_,
             picture_->Height() + 2 * borderStyle_);
    ClearSurface();
    Invalidate();
}

void PictureBox::SetAutoSize(bool b) {
    autoSize_ = b;
    if (autoSize_ && picture_)
        Move(kKeep, kKeep, picture_->Width() + 2 * borderStyle_,
             picture_->Height() + 2 * borderStyle_);
}

void PictureBox::Draw(Canvas& target, const IRect& clip) {
    const IRect r = ScreenRect();
    if (borderStyle_) target.FrameRect(r, 1, 0x000000);
    const IRect client = ClientClip().Intersect(clip);
    if (client.Empty()) return;
    const IRect saved = target.Clip();
    target.SetClip(client);
    const int cx = static_cast<int>(ClientScreenX()), cy = static_cast<int>(ClientScreenY());
    target.Blit(surface_, IRect{client.x - cx, client.y - cy, client.w, client.h}, client.x,
                client.y);
    DrawChildren(target, client);
    target.SetClip(saved);
}

} // namespace forms
