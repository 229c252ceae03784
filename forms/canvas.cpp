#include "forms/canvas.h"

#include <algorithm>
#include <cmath>
#include <cstring>

// Geometry of the pen. A shape covers the pixels whose sample point lies inside it. Pens of odd
// width sample at the pixel centre (coordinate 10 is pixel 10), pens of even width at the pixel's
// top-left corner (coordinate 10 is the edge between pixels 9 and 10), so that a pen of width w
// covers exactly w pixels across and its pattern is mirror-symmetric about the point drawn.

namespace forms {

namespace {

constexpr uint32_t kRgbMask = 0x00FFFFFFu;

inline bool Finite(double a, double b) {
    return std::isfinite(a) && std::isfinite(b);
}

// Offset added to a coordinate to compare it with pixel centres at i + 0.5.
inline double PenOffset(int width) {
    return (width & 1) ? 0.5 : 0.0;
}

// Pixels i with sample point i + 0.5 inside the closed interval [lo, hi], clamped to [cmin, cmax).
inline bool SpanPixels(double lo, double hi, int cmin, int cmax, int& i0, int& i1) {
    if (!(lo <= hi)) return false;
    double a = std::ceil(lo - 0.5);
    double b = std::floor(hi - 0.5);
    if (a < cmin) a = cmin;
    if (b > cmax - 1) b = cmax - 1;
    if (a > b) return false;
    i0 = static_cast<int>(a);
    i1 = static_cast<int>(b);
    return true;
}

inline uint32_t BlendOver(uint32_t d, uint32_t s, uint32_t a) {
    // s over d with coverage a (0-255); exact for a = 0 and a = 255.
    uint32_t da = d >> 24;
    if (da == 255) {
        uint32_t ia = 255 - a;
        uint32_t rb = ((s & 0xFF00FFu) * a + (d & 0xFF00FFu) * ia + 0x800080u);
        rb = ((rb + ((rb >> 8) & 0xFF00FFu)) >> 8) & 0xFF00FFu;
        uint32_t g = ((s & 0xFF00u) * a + (d & 0xFF00u) * ia + 0x8000u);
        g = ((g + ((g >> 8) & 0xFF00u)) >> 8) & 0xFF00u;
        return 0xFF000000u | rb | g;
    }
    // Destination with its own transparency: the general "over".
    uint32_t oa = a + (da * (255 - a) + 127) / 255;
    if (oa == 0) return 0;
    uint32_t wd = (da * (255 - a) + 127) / 255;
    auto ch = [&](int shift) {
        uint32_t sc = (s >> shift) & 0xFF, dc = (d >> shift) & 0xFF;
        return ((sc * a + dc * wd + oa / 2) / oa) << shift;
    };
    return (oa << 24) | ch(16) | ch(8) | ch(0);
}

} // namespace

IRect IRect::Intersect(const IRect& o) const {
    int x0 = std::max(x, o.x), y0 = std::max(y, o.y);
    int x1 = std::min(x + w, o.x + o.w), y1 = std::min(y + h, o.y + o.h);
    if (x1 <= x0 || y1 <= y0) return IRect{x0, y0, 0, 0};
    return IRect{x0, y0, x1 - x0, y1 - y0};
}

IRect IRect::Union(const IRect& o) const {
    if (o.Empty()) return *this;
    if (Empty()) return o;
    int x0 = std::min(x, o.x), y0 = std::min(y, o.y);
    int x1 = std::max(x + w, o.x + o.w), y1 = std::max(y + h, o.y + o.h);
    return IRect{x0, y0, x1 - x0, y1 - y0};
}

uint32_t ToPixel(int32_t color) {
    uint32_t c = static_cast<uint32_t>(color);
    return 0xFF000000u | ((c & 0xFFu) << 16) | (c & 0xFF00u) | ((c >> 16) & 0xFFu);
}

int32_t FromPixel(uint32_t p) {
    return static_cast<int32_t>(((p >> 16) & 0xFFu) | (p & 0xFF00u) | ((p & 0xFFu) << 16));
}

Canvas::Canvas(int w, int h, int32_t color) {
    Resize(w, h, color);
}

void Canvas::Resize(int w, int h, int32_t color) {
    w_ = std::max(w, 0);
    h_ = std::max(h, 0);
    if (w_ == 0 || h_ == 0) w_ = h_ = 0;
    px_.assign(static_cast<size_t>(w_) * h_, ToPixel(color));
    clip_ = IRect{0, 0, w_, h_};
}

int32_t Canvas::GetPixel(int x, int y) const {
    if (x < 0 || y < 0 || x >= w_ || y >= h_) return -1;
    return FromPixel(RawPixel(x, y));
}

void Canvas::SetPixel(int x, int y, int32_t color) {
    if (clip_.Contains(x, y)) px_[static_cast<size_t>(y) * w_ + x] = ToPixel(color);
}

void Canvas::SetClip(const IRect& r) {
    clip_ = r.Intersect(IRect{0, 0, w_, h_});
}

void Canvas::ClearClip() {
    clip_ = IRect{0, 0, w_, h_};
}

void Canvas::Fill(int32_t color) {
    FillRect(clip_, color);
}

void Canvas::FillRect(const IRect& r, int32_t color) {
    IRect c = r.Intersect(clip_);
    if (c.Empty()) return;
    uint32_t p = ToPixel(color);
    for (int y = c.y; y < c.y + c.h; ++y) {
        uint32_t* row = &px_[static_cast<size_t>(y) * w_ + c.x];
        std::fill(row, row + c.w, p);
    }
}

void Canvas::FrameRect(const IRect& r, int width, int32_t color) {
    if (r.Empty()) return;
    int t = std::max(width, 1);
    if (2 * t >= r.w || 2 * t >= r.h) {
        FillRect(r, color);
        return;
    }
    FillRect(IRect{r.x, r.y, r.w, t}, color);
    FillRect(IRect{r.x, r.y + r.h - t, r.w, t}, color);
    FillRect(IRect{r.x, r.y + t, t, r.h - 2 * t}, color);
    FillRect(IRect{r.x + r.w - t, r.y + t, t, r.h - 2 * t}, color);
}

// One-pixel line: Bresenham between the pixels nearest the end points. Lines reaching far outside
// the clip are first cut to it, so that absurd coordinates cost nothing.
static bool ClipSegment(double& x1, double& y1, double& x2, double& y2, double xmin, double ymin,
                        double xmax, double ymax) {
    double t0 = 0, t1 = 1, dx = x2 - x1, dy = y2 - y1;
    const double p[4] = {-dx, dx, -dy, dy};
    const double q[4] = {x1 - xmin, xmax - x1, y1 - ymin, ymax - y1};
    for (int i = 0; i < 4; ++i) {
        if (p[i] == 0) {
            if (q[i] < 0) return false;
        } else {
            double t = q[i] / p[i];
            if (p[i] < 0)
                t0 = std::max(t0, t);
            else
                t1 = std::min(t1, t);
        }
    }
    if (t0 > t1) return false;
    double ox = x1, oy = y1;
    x1 = ox + t0 * dx;
    y1 = oy + t0 * dy;
    x2 = ox + t1 * dx;
    y2 = oy + t1 * dy;
    return true;
}

void Canvas::Line(double x1, double y1, double x2, double y2, int width, int32_t color) {
    if (!Finite(x1, y1) || !Finite(x2, y2) || clip_.Empty()) return;
    if (width > 1) {
        Capsule(x1, y1, x2, y2, width, ToPixel(color));
        return;
    }
    const double margin = 4;
    if (!ClipSegment(x1, y1, x2, y2, clip_.x - margin, clip_.y - margin, clip_.x + clip_.w + margin,
                     clip_.y + clip_.h + margin))
        return;
    uint32_t p = ToPixel(color);
    int ax = static_cast<int>(std::floor(x1 + 0.5)), ay = static_cast<int>(std::floor(y1 + 0.5));
    int bx = static_cast<int>(std::floor(x2 + 0.5)), by = static_cast<int>(std::floor(y2 + 0.5));
    int dx = std::abs(bx - ax), dy = -std::abs(by - ay);
    int sx = ax < bx ? 1 : -1, sy = ay < by ? 1 : -1;
    int err = dx + dy;
    for (;;) {
        if (clip_.Contains(ax, ay)) px_[static_cast<size_t>(ay) * w_ + ax] = p;
        if (ax == bx && ay == by) break;
        int e2 = 2 * err;
        if (e2 >= dy) {
            err += dy;
            ax += sx;
        }
        if (e2 <= dx) {
            err += dx;
            ay += sy;
        }
    }
}

// The pixels within width / 2 of the segment: one span per row, found in closed form.
void Canvas::Capsule(double x1, double y1, double x2, double y2, int width, uint32_t p) {
    const double r = width * 0.5;
    const double off = PenOffset(width);
    x1 += off;
    y1 += off;
    x2 += off;
    y2 += off;
    const double dx = x2 - x1, dy = y2 - y1;
    const double len2 = dx * dx + dy * dy;
    const double len = std::sqrt(len2);
    double top = std::min(y1, y2) - r, bottom = std::max(y1, y2) + r;
    int j0, j1;
    if (!SpanPixels(top, bottom, clip_.y, clip_.y + clip_.h, j0, j1)) return;
    const int cx0 = clip_.x, cx1 = clip_.x + clip_.w;
    const double r2 = r * r;
    for (int j = j0; j <= j1; ++j) {
        const double sy = j + 0.5;
        double lo = HUGE_VAL, hi = -HUGE_VAL;
        // The two end discs.
        for (int e = 0; e < 2; ++e) {
            double ex = e ? x2 : x1, ey = e ? y2 : y1;
            double vy = sy - ey;
            double q = r2 - vy * vy;
            if (q >= 0) {
                double h = std::sqrt(q);
                lo = std::min(lo, ex - h);
                hi = std::max(hi, ex + h);
            }
        }
        // The band between them: projection in [0, len] and distance to the axis at most r.
        if (len > 0) {
            const double ux = dx / len, uy = dy / len;
            const double vy = sy - y1;
            // Projection t(x) = (x - x1) ux + vy uy; distance n(x) = (x - x1) uy - vy ux.
            double a = -HUGE_VAL, b = HUGE_VAL;
            auto clamp = [&](double k, double c, double mn, double mx) {
                // mn <= k * (x - x1) + c <= mx
                if (k == 0) {
                    if (c < mn || c > mx) a = HUGE_VAL;
                    return;
                }
                double u = (mn - c) / k, v = (mx - c) / k;
                if (u > v) std::swap(u, v);
                a = std::max(a, u);
                b = std::min(b, v);
            };
            clamp(ux, vy * uy, 0, len);
            clamp(uy, -vy * ux, -r, r);
            if (a <= b) {
                lo = std::min(lo, x1 + a);
                hi = std::max(hi, x1 + b);
            }
        }
        int i0, i1;
        if (!SpanPixels(lo, hi, cx0, cx1, i0, i1)) continue;
        uint32_t* row = &px_[static_cast<size_t>(j) * w_];
        std::fill(row + i0, row + i1 + 1, p);
    }
}

// Pixels whose sample point lies at a distance in [inner, outer] from the centre (inner < 0 gives a
// disc).
void Canvas::Ring(double cx, double cy, double inner, double outer, double off, uint32_t p) {
    if (!Finite(cx, cy) || !std::isfinite(outer) || outer < 0 || clip_.Empty()) return;
    cx += off;
    cy += off;
    int j0, j1;
    if (!SpanPixels(cy - outer, cy + outer, clip_.y, clip_.y + clip_.h, j0, j1)) return;
    const int cx0 = clip_.x, cx1 = clip_.x + clip_.w;
    const double o2 = outer * outer, in2 = inner > 0 ? inner * inner : -1;
    for (int j = j0; j <= j1; ++j) {
        const double vy = j + 0.5 - cy;
        const double q = o2 - vy * vy;
        if (q < 0) continue;
        const double ho = std::sqrt(q);
        uint32_t* row = &px_[static_cast<size_t>(j) * w_];
        const double qi = in2 - vy * vy;
        int i0, i1;
        if (qi <= 0) {
            if (SpanPixels(cx - ho, cx + ho, cx0, cx1, i0, i1))
                std::fill(row + i0, row + i1 + 1, p);
            continue;
        }
        const double hi = std::sqrt(qi);
        if (SpanPixels(cx - ho, cx - hi, cx0, cx1, i0, i1)) std::fill(row + i0, row + i1 + 1, p);
        if (SpanPixels(cx + hi, cx + ho, cx0, cx1, i0, i1)) std::fill(row + i0, row + i1 + 1, p);
    }
}

void Canvas::Dot(double x, double y, int width, int32_t color) {
    Line(x, y, x, y, width, color);
}

void Canvas::Circle(double cx, double cy, double r, int width, int32_t color) {
    if (!(r > 0)) {
        Dot(cx, cy, width, color);
        return;
    }
    int w = std::max(width, 1);
    Ring(cx, cy, r - w * 0.5, r + w * 0.5, PenOffset(w), ToPixel(color));
}

void Canvas::FillCircle(double cx, double cy, double r, int32_t color) {
    if (!(r >= 0)) return;
    // Centred on the pixel and reaching the outer edge of a one-pixel outline of the same radius.
    Ring(cx, cy, -1, r + 0.5, 0.5, ToPixel(color));
}

void Canvas::FillRoundRect(const IRect& r, int radius, int32_t color) {
    IRect c = r.Intersect(clip_);
    if (c.Empty()) return;
    double rad = std::clamp(radius, 0, std::min(r.w, r.h) / 2);
    uint32_t p = ToPixel(color);
    for (int y = c.y; y < c.y + c.h; ++y) {
        // Distance of the row's centre into the corner band, from the top or the bottom.
        double fromEdge = std::min(y + 0.5 - r.y, r.y + r.h - (y + 0.5));
        int inset = 0;
        if (fromEdge < rad) {
            double v = rad - fromEdge;
            inset =
                static_cast<int>(std::lround(rad - std::sqrt(std::max(0.0, rad * rad - v * v))));
        }
        int x0 = std::max(c.x, r.x + inset), x1 = std::min(c.x + c.w, r.x + r.w - inset);
        if (x1 <= x0) continue;
        uint32_t* row = &px_[static_cast<size_t>(y) * w_];
        std::fill(row + x0, row + x1, p);
    }
}

void Canvas::FillGradient(const IRect& r, int32_t top, int32_t bottom) {
    IRect c = r.Intersect(clip_);
    if (c.Empty()) return;
    uint32_t a = ToPixel(top), b = ToPixel(bottom);
    for (int y = c.y; y < c.y + c.h; ++y) {
        int t = r.h > 1 ? static_cast<int>((static_cast<int64_t>(y - r.y) * 255) / (r.h - 1)) : 0;
        uint32_t p = BlendOver(a, b, static_cast<uint32_t>(t));
        uint32_t* row = &px_[static_cast<size_t>(y) * w_];
        std::fill(row + c.x, row + c.x + c.w, p);
    }
}

// Clips a copy of srcRect (of src) to (dx, dy) on this canvas; returns false when nothing is left.
bool Canvas::ClipCopy(const Canvas& src, IRect& s, int& dx, int& dy) const {
    IRect in = s.Intersect(IRect{0, 0, src.w_, src.h_});
    dx += in.x - s.x;
    dy += in.y - s.y;
    IRect d = IRect{dx, dy, in.w, in.h}.Intersect(clip_);
    if (d.Empty()) return false;
    s = IRect{in.x + d.x - dx, in.y + d.y - dy, d.w, d.h};
    dx = d.x;
    dy = d.y;
    return true;
}

void Canvas::Blit(const Canvas& src, const IRect& srcRect, int dx, int dy) {
    IRect s = srcRect;
    if (!ClipCopy(src, s, dx, dy)) return;
    if (&src == this && dy > s.y) {
        // Moving down within one canvas: copy from the bottom so no row is overwritten first.
        for (int y = s.h - 1; y >= 0; --y)
            std::memmove(&px_[static_cast<size_t>(dy + y) * w_ + dx],
                         &px_[static_cast<size_t>(s.y + y) * w_ + s.x], s.w * sizeof(uint32_t));
        return;
    }
    for (int y = 0; y < s.h; ++y)
        std::memmove(&px_[static_cast<size_t>(dy + y) * w_ + dx],
                     &src.px_[static_cast<size_t>(s.y + y) * src.w_ + s.x], s.w * sizeof(uint32_t));
}

void Canvas::BlitMasked(const Canvas& src, const IRect& srcRect, int dx, int dy,
                        int32_t maskColor) {
    IRect s = srcRect;
    if (!ClipCopy(src, s, dx, dy)) return;
    const uint32_t key = ToPixel(maskColor) & kRgbMask;
    for (int y = 0; y < s.h; ++y) {
        uint32_t* d = &px_[static_cast<size_t>(dy + y) * w_ + dx];
        const uint32_t* sp = &src.px_[static_cast<size_t>(s.y + y) * src.w_ + s.x];
        for (int x = 0; x < s.w; ++x)
            if ((sp[x] & kRgbMask) != key) d[x] = sp[x];
    }
}

void Canvas::BlitBlend(const Canvas& src, const IRect& srcRect, int dx, int dy) {
    IRect s = srcRect;
    if (!ClipCopy(src, s, dx, dy)) return;
    for (int y = 0; y < s.h; ++y) {
        uint32_t* d = &px_[static_cast<size_t>(dy + y) * w_ + dx];
        const uint32_t* sp = &src.px_[static_cast<size_t>(s.y + y) * src.w_ + s.x];
        for (int x = 0; x < s.w; ++x) {
            uint32_t a = sp[x] >> 24;
            if (a == 255)
                d[x] = sp[x];
            else if (a != 0)
                d[x] = BlendOver(d[x], sp[x], a);
        }
    }
}

void Canvas::BlendMask(const uint8_t* mask, int w, int h, int pitch, int dx, int dy,
                       int32_t color) {
    if (!mask || w <= 0 || h <= 0) return;
    IRect d = IRect{dx, dy, w, h}.Intersect(clip_);
    if (d.Empty()) return;
    const uint32_t p = ToPixel(color);
    for (int y = d.y; y < d.y + d.h; ++y) {
        const uint8_t* m = mask + static_cast<ptrdiff_t>(y - dy) * pitch + (d.x - dx);
        uint32_t* row = &px_[static_cast<size_t>(y) * w_ + d.x];
        for (int x = 0; x < d.w; ++x) {
            uint32_t a = m[x];
            if (a == 255)
                row[x] = p;
            else if (a != 0)
                row[x] = BlendOver(row[x], p, a);
        }
    }
}

// Scaling: bilinear while the picture shrinks to no less than half its size, else the average of
// the source pixels under each destination pixel. Both work on premultiplied colour so that
// transparent pixels do not darken the edges.
void Canvas::BlitScaled(const Canvas& src, const IRect& dst, bool blend) {
    if (dst.Empty() || src.w_ == 0 || src.h_ == 0) return;
    IRect c = dst.Intersect(clip_);
    if (c.Empty()) return;
    if (dst.w == src.w_ && dst.h == src.h_) {
        if (blend)
            BlitBlend(src, IRect{0, 0, src.w_, src.h_}, dst.x, dst.y);
        else
            Blit(src, IRect{0, 0, src.w_, src.h_}, dst.x, dst.y);
        return;
    }
    const double fx = static_cast<double>(src.w_) / dst.w, fy = static_cast<double>(src.h_) / dst.h;
    const bool boxX = fx > 2.0, boxY = fy > 2.0;

    // Per destination column and row: the source taps and their weights (summing to kOne).
    constexpr uint32_t kOne = 4096;
    struct Taps {
        int first = 0, count = 0;
        size_t weights = 0; // index of the first weight
    };
    std::vector<uint32_t> weights;
    auto makeTaps = [&weights](int srcLen, int d0, int d1, double f, bool box) {
        std::vector<Taps> out;
        out.reserve(static_cast<size_t>(d1 - d0));
        for (int d = d0; d < d1; ++d) {
            Taps t;
            t.weights = weights.size();
            if (box) {
                double s0 = d * f, s1 = (d + 1) * f;
                int a = std::clamp(static_cast<int>(std::floor(s0)), 0, srcLen - 1);
                int b = std::clamp(static_cast<int>(std::ceil(s1)), a + 1, srcLen);
                t.first = a;
                t.count = b - a;
                double total = 0;
                for (int k = a; k < b; ++k)
                    total += std::max(std::min(s1, k + 1.0) - std::max(s0, 1.0 * k), 0.0);
                uint32_t given = 0;
                for (int k = a; k < b; ++k) {
                    double part = std::max(std::min(s1, k + 1.0) - std::max(s0, 1.0 * k), 0.0);
                    uint32_t w = k + 1 == b ? kOne - given
                                            : static_cast<uint32_t>(std::lround(
                                                  part / (total > 0 ? total : 1) * kOne));
                    w = std::min(w, kOne - given);
                    given += w;
                    weights.push_back(w);
                }
            } else {
                double s = (d + 0.5) * f - 0.5;
                int a = static_cast<int>(std::floor(s));
                double frac = s - a;
                if (a < 0) a = 0, frac = 0;
                if (a >= srcLen - 1) a = srcLen - 1, frac = 0;
                uint32_t w1 = static_cast<uint32_t>(std::lround(frac * kOne));
                t.first = a;
                t.count = w1 ? 2 : 1;
                weights.push_back(kOne - w1);
                if (w1) weights.push_back(w1);
            }
            out.push_back(t);
        }
        return out;
    };
    const std::vector<Taps> tx = makeTaps(src.w_, c.x - dst.x, c.x + c.w - dst.x, fx, boxX);
    const std::vector<Taps> ty = makeTaps(src.h_, c.y - dst.y, c.y + c.h - dst.y, fy, boxY);
    int window = 1;
    for (const Taps& t : ty)
        window = std::max(window, t.count);

    // Source rows filtered horizontally into premultiplied channels (alpha 8.8, colours as colour
    // times alpha), each computed once and kept in a ring while the rows below need it.
    const size_t rowLen = static_cast<size_t>(c.w) * 4;
    std::vector<uint32_t> ring(rowLen * static_cast<size_t>(window + 1));
    std::vector<int> ringRow(static_cast<size_t>(window + 1), -1);
    auto filteredRow = [&](int sy) -> const uint32_t* {
        size_t slot = static_cast<size_t>(sy) % ringRow.size();
        uint32_t* out = &ring[slot * rowLen];
        if (ringRow[slot] == sy) return out;
        ringRow[slot] = sy;
        const uint32_t* sr = &src.px_[static_cast<size_t>(sy) * src.w_];
        uint32_t all = 0xFF000000u;
        for (int x = tx.front().first; x < tx.back().first + tx.back().count; ++x)
            all &= sr[x];
        if (all == 0xFF000000u) {
            // An opaque row (the common case): no alpha to weigh.
            for (int i = 0; i < c.w; ++i) {
                const Taps& t = tx[static_cast<size_t>(i)];
                const uint32_t* w = &weights[t.weights];
                uint32_t r = 0, g = 0, b = 0;
                for (int k = 0; k < t.count; ++k) {
                    uint32_t p = sr[t.first + k], wk = w[k];
                    r += wk * ((p >> 16) & 0xFF);
                    g += wk * ((p >> 8) & 0xFF);
                    b += wk * (p & 0xFF);
                }
                out[4 * i + 0] = 65280;
                out[4 * i + 1] = (r * 255 + kOne / 2) >> 12;
                out[4 * i + 2] = (g * 255 + kOne / 2) >> 12;
                out[4 * i + 3] = (b * 255 + kOne / 2) >> 12;
            }
            return out;
        }
        for (int i = 0; i < c.w; ++i) {
            const Taps& t = tx[static_cast<size_t>(i)];
            const uint32_t* w = &weights[t.weights];
            uint32_t a = 0, r = 0, g = 0, b = 0;
            for (int k = 0; k < t.count; ++k) {
                uint32_t p = sr[t.first + k];
                uint32_t pa = p >> 24, wk = w[k];
                a += wk * pa;
                r += wk * (((p >> 16) & 0xFF) * pa);
                g += wk * (((p >> 8) & 0xFF) * pa);
                b += wk * ((p & 0xFF) * pa);
            }
            out[4 * i + 0] = (a + 8) >> 4; // alpha x 256
            out[4 * i + 1] = (r + kOne / 2) >> 12;
            out[4 * i + 2] = (g + kOne / 2) >> 12;
            out[4 * i + 3] = (b + kOne / 2) >> 12;
        }
        return out;
    };
    std::vector<uint32_t> acc(rowLen);
    for (int j = 0; j < c.h; ++j) {
        const Taps& t = ty[static_cast<size_t>(j)];
        std::fill(acc.begin(), acc.end(), 0);
        for (int k = 0; k < t.count; ++k) {
            const uint32_t* __restrict row = filteredRow(t.first + k);
            uint32_t* __restrict sum = acc.data();
            const uint32_t w = weights[t.weights + static_cast<size_t>(k)];
            for (size_t i = 0; i < rowLen; ++i)
                sum[i] += w * row[i];
        }
        uint32_t* d = &px_[static_cast<size_t>(c.y + j) * w_ + c.x];
        for (int i = 0; i < c.w; ++i) {
            const uint32_t a88 = (acc[4 * i] + kOne / 2) >> 12; // alpha x 256: 0..65280
            const uint32_t a = std::min<uint32_t>((a88 + 128) >> 8, 255);
            uint32_t px = 0;
            if (a88 >= 65280) {
                // Opaque: the colour channels are colour x 255.
                auto ch = [&](int n) { return (((acc[4 * i + n] + kOne / 2) >> 12) + 127) / 255; };
                px = 0xFF000000u | (ch(1) << 16) | (ch(2) << 8) | ch(3);
            } else if (a88 > 0) {
                const uint64_t inv = ((uint64_t{256} << 24) + a88 / 2) / a88; // 2^32 / alpha
                auto ch = [&](int n) {
                    uint64_t pm = (acc[4 * i + n] + kOne / 2) >> 12; // colour times alpha
                    return static_cast<uint32_t>(
                        std::min<uint64_t>((pm * inv + (1u << 23)) >> 24, 255));
                };
                px = (a << 24) | (ch(1) << 16) | (ch(2) << 8) | ch(3);
            }
            if (!blend || a == 255)
                d[i] = px;
            else if (a != 0)
                d[i] = BlendOver(d[i], px, a);
        }
    }
}

} // namespace forms
