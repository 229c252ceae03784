#include "media/paint.h"

#include <SDL.h>
#include <SDL_image.h>
#include <ft2build.h>
#include <mutex>
#include FT_FREETYPE_H

#include <algorithm>
#include <cmath>
#include <map>
#include <stdexcept>

namespace media {

namespace {

int A(uint32_t c) {
    return c >> 24;
}
int R(uint32_t c) {
    return (c >> 16) & 0xFF;
}
int G(uint32_t c) {
    return (c >> 8) & 0xFF;
}
int B(uint32_t c) {
    return c & 0xFF;
}

uint8_t Coverage(double signedDistance) {
    double v = 0.5 - signedDistance;
    return static_cast<uint8_t>(std::lround(std::clamp(v, 0.0, 1.0) * 255));
}

double RoundRectDistance(double px, double py, double cx, double cy, double hw, double hh,
                         double r) {
    double qx = std::abs(px - cx) - (hw - r);
    double qy = std::abs(py - cy) - (hh - r);
    double ox = std::max(qx, 0.0), oy = std::max(qy, 0.0);
    return std::sqrt(ox * ox + oy * oy) + std::min(std::max(qx, qy), 0.0) - r;
}

struct Box {
    int x0, y0, x1, y1;
};

// The pixels a shape with these extents can touch, within the mask.
Box Bounds(int w, int h, double x0, double y0, double x1, double y1) {
    return {std::clamp(static_cast<int>(std::floor(x0)) - 2, 0, w),
            std::clamp(static_cast<int>(std::floor(y0)) - 2, 0, h),
            std::clamp(static_cast<int>(std::ceil(x1)) + 2, 0, w),
            std::clamp(static_cast<int>(std::ceil(y1)) + 2, 0, h)};
}

} // namespace

uint32_t Mix(uint32_t a, uint32_t b, double t) {
    auto m = [t](int x, int y) { return static_cast<int>(std::lround(x + (y - x) * t)); };
    return Rgb(m(R(a), R(b)), m(G(a), G(b)), m(B(a), B(b)), m(A(a), A(b)));
}

uint32_t Shade(uint32_t c, double f) {
    if (f <= 1)
        return Rgb(static_cast<int>(R(c) * f), static_cast<int>(G(c) * f),
                   static_cast<int>(B(c) * f), A(c));
    return Mix(c, WithAlpha(0xFFFFFFFF, A(c)), std::min(1.0, f - 1));
}

uint32_t WithAlpha(uint32_t c, int a) {
    return (c & 0xFFFFFF) | (uint32_t(std::clamp(a, 0, 255)) << 24);
}

void Mask::Add(const Mask& o) {
    for (size_t i = 0; i < a.size(); ++i)
        a[i] = static_cast<uint8_t>(std::min(255, a[i] + o.a[i]));
}
void Mask::Subtract(const Mask& o) {
    for (size_t i = 0; i < a.size(); ++i)
        a[i] = static_cast<uint8_t>(a[i] * (255 - o.a[i]) / 255);
}
void Mask::Intersect(const Mask& o) {
    for (size_t i = 0; i < a.size(); ++i)
        a[i] = static_cast<uint8_t>(a[i] * o.a[i] / 255);
}

Mask Mask::Blurred(int radius) const {
    if (radius <= 0) return *this;
    // Three box passes approximate a gaussian.
    Mask cur = *this, tmp(w, h);
    for (int pass = 0; pass < 3; ++pass) {
        for (int y = 0; y < h; ++y)
            for (int x = 0; x < w; ++x) {
                int sum = 0, n = 0;
                for (int k = -radius; k <= radius; ++k) {
                    int xx = x + k;
                    if (xx >= 0 && xx < w) sum += cur.at(xx, y);
                    ++n;
                }
                tmp.at(x, y) = static_cast<uint8_t>(sum / n);
            }
        for (int y = 0; y < h; ++y)
            for (int x = 0; x < w; ++x) {
                int sum = 0, n = 0;
                for (int k = -radius; k <= radius; ++k) {
                    int yy = y + k;
                    if (yy >= 0 && yy < h) sum += tmp.at(x, yy);
                    ++n;
                }
                cur.at(x, y) = static_cast<uint8_t>(sum / n);
            }
    }
    return cur;
}

Mask Mask::Shifted(int dx, int dy) const {
    Mask out(w, h);
    for (int y = 0; y < h; ++y)
        for (int x = 0; x < w; ++x) {
            int sx = x - dx, sy = y - dy;
            if (sx >= 0 && sy >= 0 && sx < w && sy < h) out.at(x, y) = at(sx, sy);
        }
    return out;
}

Mask RoundRectMask(int w, int h, double x, double y, double rw, double rh, double radius) {
    Mask m(w, h);
    double cx = x + rw / 2, cy = y + rh / 2;
    radius = std::min({radius, rw / 2, rh / 2});
    const Box b = Bounds(w, h, x, y, x + rw, y + rh);
    for (int py = b.y0; py < b.y1; ++py)
        for (int px = b.x0; px < b.x1; ++px)
            m.at(px, py) =
                Coverage(RoundRectDistance(px + 0.5, py + 0.5, cx, cy, rw / 2, rh / 2, radius));
    return m;
}

Mask CircleMask(int w, int h, double cx, double cy, double r) {
    return EllipseMask(w, h, cx, cy, r, r);
}

Mask EllipseMask(int w, int h, double cx, double cy, double rx, double ry) {
    Mask m(w, h);
    const Box b = Bounds(w, h, cx - rx, cy - ry, cx + rx, cy + ry);
    for (int py = b.y0; py < b.y1; ++py)
        for (int px = b.x0; px < b.x1; ++px) {
            double dx = (px + 0.5 - cx) / rx, dy = (py + 0.5 - cy) / ry;
            double d = std::sqrt(dx * dx + dy * dy);
            // Distance in pixels, approximately, along the smaller radius.
            m.at(px, py) = Coverage((d - 1) * std::min(rx, ry));
        }
    return m;
}

Mask RingMask(int w, int h, double cx, double cy, double r, double width) {
    Mask m(w, h);
    const double o = r + width / 2;
    const Box b = Bounds(w, h, cx - o, cy - o, cx + o, cy + o);
    for (int py = b.y0; py < b.y1; ++py)
        for (int px = b.x0; px < b.x1; ++px) {
            double d = std::hypot(px + 0.5 - cx, py + 0.5 - cy);
            m.at(px, py) = Coverage(std::abs(d - r) - width / 2);
        }
    return m;
}

Mask PolygonMask(int w, int h, const std::vector<std::pair<double, double>>& pts) {
    Mask m(w, h);
    const int ss = 4;
    const size_t n = pts.size();
    double x0 = 1e9, y0 = 1e9, x1 = -1e9, y1 = -1e9;
    for (auto [px, py] : pts) {
        x0 = std::min(x0, px), y0 = std::min(y0, py), x1 = std::max(x1, px), y1 = std::max(y1, py);
    }
    const Box b = Bounds(w, h, x0, y0, x1, y1);
    for (int py = b.y0; py < b.y1; ++py)
        for (int px = b.x0; px < b.x1; ++px) {
            int inside = 0;
            for (int sy = 0; sy < ss; ++sy)
                for (int sx = 0; sx < ss; ++sx) {
                    double x = px + (sx + 0.5) / ss, y = py + (sy + 0.5) / ss;
                    bool in = false;
                    for (size_t i = 0, j = n - 1; i < n; j = i++) {
                        auto [xi, yi] = pts[i];
                        auto [xj, yj] = pts[j];
                        if ((yi > y) != (yj > y) && x < (xj - xi) * (y - yi) / (yj - yi) + xi)
                            in = !in;
                    }
                    inside += in;
                }
            m.at(px, py) = static_cast<uint8_t>(inside * 255 / (ss * ss));
        }
    return m;
}

Mask LineMask(int w, int h, double x1, double y1, double x2, double y2, double width) {
    Mask m(w, h);
    double dx = x2 - x1, dy = y2 - y1, len2 = dx * dx + dy * dy;
    const Box b = Bounds(w, h, std::min(x1, x2) - width, std::min(y1, y2) - width,
                         std::max(x1, x2) + width, std::max(y1, y2) + width);
    for (int py = b.y0; py < b.y1; ++py)
        for (int px = b.x0; px < b.x1; ++px) {
            double x = px + 0.5, y = py + 0.5;
            double t = len2 > 0 ? std::clamp(((x - x1) * dx + (y - y1) * dy) / len2, 0.0, 1.0) : 0;
            double d = std::hypot(x - (x1 + t * dx), y - (y1 + t * dy));
            m.at(px, py) = Coverage(d - width / 2);
        }
    return m;
}

void Over(forms::Canvas& c, int x, int y, uint32_t argb, int coverage) {
    if (x < 0 || y < 0 || x >= c.Width() || y >= c.Height()) return;
    int sa = A(argb) * coverage / 255;
    if (sa <= 0) return;
    uint32_t& d = c.Pixels()[static_cast<size_t>(y) * c.Width() + x];
    int da = A(d);
    int oa = sa + da * (255 - sa) / 255;
    if (oa <= 0) {
        d = 0;
        return;
    }
    auto ch = [&](int s, int dd) { return (s * sa + dd * da * (255 - sa) / 255) / oa; };
    d = Rgb(ch(R(argb), R(d)), ch(G(argb), G(d)), ch(B(argb), B(d)), oa);
}

void Paint(forms::Canvas& c, const Mask& m, uint32_t argb) {
    for (int y = 0; y < std::min(m.h, c.Height()); ++y)
        for (int x = 0; x < std::min(m.w, c.Width()); ++x)
            if (m.at(x, y)) Over(c, x, y, argb, m.at(x, y));
}

void PaintVGradient(forms::Canvas& c, const Mask& m, uint32_t top, uint32_t bottom, int y0,
                    int y1) {
    for (int y = 0; y < std::min(m.h, c.Height()); ++y) {
        double t = y1 > y0 ? std::clamp((y - y0) / double(y1 - y0), 0.0, 1.0) : 0;
        uint32_t col = Mix(top, bottom, t);
        for (int x = 0; x < std::min(m.w, c.Width()); ++x)
            if (m.at(x, y)) Over(c, x, y, col, m.at(x, y));
    }
}

void PaintRadial(forms::Canvas& c, const Mask& m, uint32_t inner, uint32_t outer, double cx,
                 double cy, double r) {
    for (int y = 0; y < std::min(m.h, c.Height()); ++y)
        for (int x = 0; x < std::min(m.w, c.Width()); ++x)
            if (m.at(x, y)) {
                double t = std::clamp(std::hypot(x + 0.5 - cx, y + 0.5 - cy) / r, 0.0, 1.0);
                Over(c, x, y, Mix(inner, outer, t), m.at(x, y));
            }
}

void Shadow(forms::Canvas& c, const Mask& m, int dx, int dy, int blur, int alpha) {
    Mask s = m.Shifted(dx, dy).Blurred(blur);
    Paint(c, s, Rgb(0, 0, 0, alpha));
}

forms::Canvas Transparent(int w, int h) {
    forms::Canvas c(w, h, 0);
    std::fill(c.Pixels(), c.Pixels() + static_cast<size_t>(w) * h, 0u);
    return c;
}

forms::Canvas Resize(const forms::Canvas& src, int w, int h) {
    forms::Canvas out = Transparent(w, h);
    const double sx = double(src.Width()) / w, sy = double(src.Height()) / h;
    for (int y = 0; y < h; ++y)
        for (int x = 0; x < w; ++x) {
            double x0 = x * sx, x1 = (x + 1) * sx, y0 = y * sy, y1 = (y + 1) * sy;
            double acc[4] = {0, 0, 0, 0}, area = 0;
            // With enlargement the footprint is smaller than a source pixel: sample bilinearly.
            if (sx < 1 || sy < 1) {
                double fx = std::clamp((x + 0.5) * sx - 0.5, 0.0, src.Width() - 1.0);
                double fy = std::clamp((y + 0.5) * sy - 0.5, 0.0, src.Height() - 1.0);
                int ix = static_cast<int>(fx), iy = static_cast<int>(fy);
                double tx = fx - ix, ty = fy - iy;
                for (int k = 0; k < 4; ++k) {
                    int px = std::min(ix + (k & 1), src.Width() - 1);
                    int py = std::min(iy + (k >> 1), src.Height() - 1);
                    double wgt = ((k & 1) ? tx : 1 - tx) * ((k >> 1) ? ty : 1 - ty);
                    uint32_t p = src.RawPixel(px, py);
                    double a = A(p) / 255.0;
                    acc[0] += R(p) * a * wgt;
                    acc[1] += G(p) * a * wgt;
                    acc[2] += B(p) * a * wgt;
                    acc[3] += a * wgt;
                }
                area = 1;
            } else {
                for (int py = static_cast<int>(y0); py < std::min<double>(y1, src.Height()); ++py)
                    for (int px = static_cast<int>(x0); px < std::min<double>(x1, src.Width());
                         ++px) {
                        double wx = std::min<double>(px + 1, x1) - std::max<double>(px, x0);
                        double wy = std::min<double>(py + 1, y1) - std::max<double>(py, y0);
                        double wgt = wx * wy;
                        uint32_t p = src.RawPixel(px, py);
                        double a = A(p) / 255.0;
                        acc[0] += R(p) * a * wgt;
                        acc[1] += G(p) * a * wgt;
                        acc[2] += B(p) * a * wgt;
                        acc[3] += a * wgt;
                        area += wgt;
                    }
            }
            if (area <= 0 || acc[3] <= 0) continue;
            double a = acc[3] / area;
            out.Pixels()[static_cast<size_t>(y) * w + x] =
                Rgb(static_cast<int>(std::lround(acc[0] / acc[3])),
                    static_cast<int>(std::lround(acc[1] / acc[3])),
                    static_cast<int>(std::lround(acc[2] / acc[3])),
                    static_cast<int>(std::lround(a * 255)));
        }
    return out;
}

void Compose(forms::Canvas& dst, const forms::Canvas& src, int x, int y, int opacity) {
    for (int sy = 0; sy < src.Height(); ++sy)
        for (int sx = 0; sx < src.Width(); ++sx)
            Over(dst, x + sx, y + sy, src.RawPixel(sx, sy), opacity);
}

forms::Canvas Greyscale(const forms::Canvas& src, double fade) {
    forms::Canvas out = src;
    for (int i = 0; i < src.Width() * src.Height(); ++i) {
        uint32_t p = src.Pixels()[i];
        int l = (R(p) * 30 + G(p) * 59 + B(p) * 11) / 100;
        l = static_cast<int>(l + (200 - l) * fade);
        out.Pixels()[i] = Rgb(l, l, l, A(p));
    }
    return out;
}

namespace {

struct FontLib {
    FT_Library lib = nullptr;
    FT_Face emoji = nullptr;
    FT_Face text = nullptr;
    std::map<std::vector<char32_t>, forms::Canvas> cache;
    FontLib() {
        if (FT_Init_FreeType(&lib)) throw std::runtime_error("FreeType did not start");
    }
    FT_Face Emoji() {
        if (!emoji) {
            if (FT_New_Face(lib, "/usr/share/fonts/truetype/noto/NotoColorEmoji.ttf", 0, &emoji))
                throw std::runtime_error("Noto Color Emoji is missing (fonts-noto-color-emoji)");
            if (FT_Select_Size(emoji, 0))
                throw std::runtime_error("Noto Color Emoji has no bitmap size");
        }
        return emoji;
    }
    FT_Face Text() {
        if (!text &&
            FT_New_Face(lib, "/usr/share/fonts/truetype/comfortaa/Comfortaa-Bold.ttf", 0, &text))
            throw std::runtime_error("Comfortaa is missing (fonts-comfortaa)");
        return text;
    }
    void Close() {
        cache.clear();
        if (emoji) FT_Done_Face(emoji);
        if (text) FT_Done_Face(text);
        if (lib) FT_Done_FreeType(lib);
        emoji = text = nullptr;
        lib = nullptr;
    }
};

FontLib& Fonts() {
    static FontLib f;
    return f;
}

} // namespace

void ShutdownFonts() {
    Fonts().Close();
}

forms::Canvas Emoji(const std::vector<char32_t>& cps) {
    auto& fl = Fonts();
    auto it = fl.cache.find(cps);
    if (it != fl.cache.end()) return it->second;
    FT_Face face = fl.Emoji();
    FT_UInt glyph = FT_Get_Char_Index(face, cps.at(0));
    if (!glyph) throw std::runtime_error("no emoji for U+" + std::to_string(unsigned(cps[0])));
    if (FT_Load_Glyph(face, glyph, FT_LOAD_COLOR) ||
        FT_Render_Glyph(face->glyph, FT_RENDER_MODE_NORMAL))
        throw std::runtime_error("emoji did not load");
    const FT_Bitmap& bm = face->glyph->bitmap;
    if (bm.pixel_mode != FT_PIXEL_MODE_BGRA)
        throw std::runtime_error("emoji is not a colour bitmap");
    forms::Canvas c = Transparent(static_cast<int>(bm.width), static_cast<int>(bm.rows));
    for (unsigned y = 0; y < bm.rows; ++y)
        for (unsigned x = 0; x < bm.width; ++x) {
            const uint8_t* p = bm.buffer + y * bm.pitch + x * 4; // premultiplied BGRA
            int a = p[3];
            if (!a) continue;
            auto un = [a](int v) { return std::min(255, v * 255 / a); };
            c.Pixels()[y * bm.width + x] = Rgb(un(p[2]), un(p[1]), un(p[0]), a);
        }
    fl.cache.emplace(cps, c);
    return c;
}

forms::Canvas Emoji(char32_t cp) {
    return Emoji(std::vector<char32_t>{cp});
}

forms::Canvas EmojiFit(char32_t cp, int w, int h) {
    forms::Canvas e = Emoji(cp);
    double s = std::min(double(w) / e.Width(), double(h) / e.Height());
    int ew = std::max(1, static_cast<int>(std::lround(e.Width() * s)));
    int eh = std::max(1, static_cast<int>(std::lround(e.Height() * s)));
    forms::Canvas out = Transparent(w, h);
    Compose(out, Resize(e, ew, eh), (w - ew) / 2, (h - eh) / 2);
    return out;
}

void DrawEmoji(forms::Canvas& c, char32_t cp, double cx, double cy, double size, int opacity) {
    forms::Canvas e = Emoji(cp);
    int eh = std::max(1, static_cast<int>(std::lround(size)));
    int ew = std::max(1, static_cast<int>(std::lround(size * e.Width() / e.Height())));
    Compose(c, Resize(e, ew, eh), static_cast<int>(std::lround(cx - ew / 2.0)),
            static_cast<int>(std::lround(cy - eh / 2.0)), opacity);
}

Mask TextMask(int w, int h, const std::string& text, double cx, double cy, double pixelSize) {
    FT_Face face = Fonts().Text();
    FT_Set_Pixel_Sizes(face, 0, static_cast<FT_UInt>(std::lround(pixelSize)));
    // Measure: advance width and the ink's vertical extent.
    int penTotal = 0, top = -100000, bottom = 100000;
    for (unsigned char ch : text) {
        if (FT_Load_Char(face, ch, FT_LOAD_RENDER)) continue;
        penTotal += static_cast<int>(face->glyph->advance.x >> 6);
        top = std::max(top, face->glyph->bitmap_top);
        bottom =
            std::min(bottom, face->glyph->bitmap_top - static_cast<int>(face->glyph->bitmap.rows));
    }
    Mask m(w, h);
    if (penTotal == 0) return m;
    int pen = static_cast<int>(std::lround(cx - penTotal / 2.0));
    int baseline = static_cast<int>(std::lround(cy + (top + bottom) / 2.0));
    for (unsigned char ch : text) {
        if (FT_Load_Char(face, ch, FT_LOAD_RENDER)) continue;
        const FT_Bitmap& bm = face->glyph->bitmap;
        int ox = pen + face->glyph->bitmap_left, oy = baseline - face->glyph->bitmap_top;
        for (unsigned y = 0; y < bm.rows; ++y)
            for (unsigned x = 0; x < bm.width; ++x) {
                int px = ox + static_cast<int>(x), py = oy + static_cast<int>(y);
                if (px >= 0 && py >= 0 && px < w && py < h)
                    m.at(px, py) = static_cast<uint8_t>(
                        std::min(255, m.at(px, py) + bm.buffer[y * bm.pitch + x]));
            }
        pen += static_cast<int>(face->glyph->advance.x >> 6);
    }
    return m;
}

void Save(const forms::Canvas& c, const std::string& path) {
    static std::once_flag once;
    std::call_once(once, [] { IMG_Init(IMG_INIT_PNG | IMG_INIT_JPG); });
    SDL_Surface* s =
        SDL_CreateRGBSurfaceWithFormat(0, c.Width(), c.Height(), 32, SDL_PIXELFORMAT_ARGB8888);
    if (!s) throw std::runtime_error(SDL_GetError());
    for (int y = 0; y < c.Height(); ++y)
        std::copy(c.Pixels() + static_cast<size_t>(y) * c.Width(),
                  c.Pixels() + static_cast<size_t>(y + 1) * c.Width(),
                  reinterpret_cast<uint32_t*>(static_cast<uint8_t*>(s->pixels) + y * s->pitch));
    std::string ext = path.substr(path.find_last_of('.') + 1);
    std::transform(ext.begin(), ext.end(), ext.begin(),
                   [](unsigned char ch) { return std::tolower(ch); });
    int rc = 0;
    if (ext == "png") {
        rc = IMG_SavePNG(s, path.c_str());
    } else {
        // JPEG and BMP keep no alpha: the pictures written so are opaque.
        SDL_Surface* rgb = SDL_ConvertSurfaceFormat(s, SDL_PIXELFORMAT_RGB24, 0);
        if (!rgb) {
            SDL_FreeSurface(s);
            throw std::runtime_error(SDL_GetError());
        }
        rc = ext == "bmp" ? SDL_SaveBMP(rgb, path.c_str()) : IMG_SaveJPG(rgb, path.c_str(), 92);
        SDL_FreeSurface(rgb);
    }
    SDL_FreeSurface(s);
    if (rc != 0) throw std::runtime_error("cannot write " + path + ": " + SDL_GetError());
}

} // namespace media
