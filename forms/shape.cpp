// Shapes: rectangles, squares, ovals, circles and rounded rectangles, drawn, never hit.
#include "forms/shape.h"

#include <algorithm>
#include <cmath>

namespace forms {
namespace {

// An ellipse inside the rectangle, filled row by row.
void FillEllipse(Canvas& c, const IRect& r, int32_t color) {
    const double rx = r.w / 2.0, ry = r.h / 2.0;
    const double cx = r.x + rx, cy = r.y + ry;
    for (int y = r.y; y < r.y + r.h; ++y) {
        const double dy = (y + 0.5 - cy) / ry;
        if (std::abs(dy) > 1) continue;
        const double half = rx * std::sqrt(1 - dy * dy);
        const int x0 = static_cast<int>(std::lround(cx - half));
        const int x1 = static_cast<int>(std::lround(cx + half));
        if (x1 > x0) c.FillRect(IRect{x0, y, x1 - x0, 1}, color);
    }
}

void EllipseOutline(Canvas& c, const IRect& r, int width, int32_t color) {
    const double rx = (r.w - width) / 2.0, ry = (r.h - width) / 2.0;
    const double cx = r.x + r.w / 2.0, cy = r.y + r.h / 2.0;
    const int steps = std::max(16, static_cast<int>((rx + ry) * 2));
    double px = cx + rx, py = cy;
    for (int i = 1; i <= steps; ++i) {
        const double t = 2 * M_PI * i / steps;
        const double nx = cx + rx * std::cos(t), ny = cy + ry * std::sin(t);
        c.Line(px, py, nx, ny, width, color);
        px = nx;
        py = ny;
    }
}

} // namespace

Shape::Shape(Container* container) : Control(container, false) {}

void Shape::SetShape(int s) {
    shape_ = std::clamp(s, 0, 5);
    Invalidate();
}
void Shape::SetBackColor(int32_t c) {
    backColor_ = c;
    Invalidate();
}
void Shape::SetBackStyle(int s) {
    backStyle_ = s ? 1 : 0;
    Invalidate();
}
void Shape::SetFillColor(int32_t c) {
    fillColor_ = c;
    Invalidate();
}
void Shape::SetFillStyle(int s) {
    fillStyle_ = s;
    Invalidate();
}
void Shape::SetBorderColor(int32_t c) {
    borderColor_ = c;
    Invalidate();
}
void Shape::SetBorderWidth(int w) {
    borderWidth_ = std::max(1, w);
    Invalidate();
}
void Shape::SetBorderStyle(int s) {
    borderStyle_ = s ? 1 : 0;
    Invalidate();
}

void Shape::Draw(Canvas& target, const IRect& clip) {
    (void)clip;
    IRect r = ScreenRect();
    if (shape_ == vbShapeSquare || shape_ == vbShapeCircle || shape_ == vbShapeRoundedSquare) {
        const int side = std::min(r.w, r.h);
        r = IRect{r.x + (r.w - side) / 2, r.y + (r.h - side) / 2, side, side};
    }
    const bool oval = shape_ == vbShapeOval || shape_ == vbShapeCircle;
    const bool round = shape_ == vbShapeRoundedRectangle || shape_ == vbShapeRoundedSquare;
    const int radius = std::min(r.w, r.h) / 6;
    auto fill = [&](int32_t color) {
        if (oval)
            FillEllipse(target, r, color & 0xFFFFFF);
        else if (round)
            target.FillRoundRect(r, radius, color & 0xFFFFFF);
        else
            target.FillRect(r, color & 0xFFFFFF);
    };
    if (backStyle_ == 1) fill(backColor_);
    if (fillStyle_ == 0) fill(fillColor_);
    if (borderStyle_) {
        if (oval)
            EllipseOutline(target, r, borderWidth_, borderColor_ & 0xFFFFFF);
        else
            target.FrameRect(r, borderWidth_, borderColor_ & 0xFFFFFF);
    }
}

} // namespace forms
