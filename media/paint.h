#pragma once
// Painting helpers of the media generator on top of forms::Canvas: anti-aliased coverage masks
// (rounded rectangles, circles, rings, polygons, thick lines), compositing with straight alpha,
// high-quality down-scaling, colour emoji and text from FreeType, and writing JPEG, PNG and BMP.
#include "forms/canvas.h"

#include <cstdint>
#include <string>
#include <vector>

namespace media {

// A colour with alpha: 0xAARRGGBB (the canvas's pixel layout).
constexpr uint32_t Rgb(int r, int g, int b, int a = 255) {
    return (uint32_t(a) << 24) | (uint32_t(r) << 16) | (uint32_t(g) << 8) | uint32_t(b);
}
uint32_t Mix(uint32_t a, uint32_t b, double t); // per channel, t = 0 gives a
uint32_t Shade(uint32_t c, double f);           // f < 1 darker, f > 1 lighter (towards white)
uint32_t WithAlpha(uint32_t c, int a);

// Coverage 0..255 per pixel, the size of the canvas it is painted on.
struct Mask {
    int w = 0, h = 0;
    std::vector<uint8_t> a;
    Mask(int w_, int h_) : w(w_), h(h_), a(static_cast<size_t>(w_) * h_, 0) {}
    uint8_t& at(int x, int y) { return a[static_cast<size_t>(y) * w + x]; }
    uint8_t at(int x, int y) const { return a[static_cast<size_t>(y) * w + x]; }
    void Add(const Mask& o);      // union
    void Subtract(const Mask& o); // this minus o
    void Intersect(const Mask& o);
    Mask Blurred(int radius) const;
    Mask Shifted(int dx, int dy) const;
};

Mask RoundRectMask(int w, int h, double x, double y, double rw, double rh, double radius);
Mask CircleMask(int w, int h, double cx, double cy, double r);
Mask EllipseMask(int w, int h, double cx, double cy, double rx, double ry);
Mask RingMask(int w, int h, double cx, double cy, double r, double width);
Mask PolygonMask(int w, int h, const std::vector<std::pair<double, double>>& pts);
Mask LineMask(int w, int h, double x1, double y1, double x2, double y2, double width);

// Compositing (source over) with straight alpha; the destination may be transparent.
void Over(forms::Canvas& c, int x, int y, uint32_t argb, int coverage = 255);
void Paint(forms::Canvas& c, const Mask& m, uint32_t argb);
void PaintVGradient(forms::Canvas& c, const Mask& m, uint32_t top, uint32_t bottom, int y0, int y1);
void PaintRadial(forms::Canvas& c, const Mask& m, uint32_t inner, uint32_t outer, double cx,
                 double cy, double r);
// A soft drop shadow of the mask.
void Shadow(forms::Canvas& c, const Mask& m, int dx, int dy, int blur, int alpha);

// A transparent canvas.
forms::Canvas Transparent(int w, int h);
// Area-averaging resize (premultiplied), good for large reductions.
forms::Canvas Resize(const forms::Canvas& src, int w, int h);
// Draws src (with alpha) over dst with its top-left at (x, y).
void Compose(forms::Canvas& dst, const forms::Canvas& src, int x, int y, int opacity = 255);
forms::Canvas Greyscale(const forms::Canvas& src, double fade);

// A colour emoji (Noto Color Emoji) as an alpha canvas of its natural size (136 x 128), for a
// sequence of code points (a flag or a variation selector may follow the first).
forms::Canvas Emoji(const std::vector<char32_t>& codepoints);
forms::Canvas Emoji(char32_t cp);
// An emoji fitted into a box, keeping its proportions, centred, with alpha.
forms::Canvas EmojiFit(char32_t cp, int w, int h);
// Draws an emoji scaled so that its height is size, centred on (cx, cy).
void DrawEmoji(forms::Canvas& c, char32_t cp, double cx, double cy, double size, int opacity = 255);

// Text in the generator's rounded face (Comfortaa Bold): its coverage as a mask the size of the
// canvas, with the text centred on (cx, cy) at the pixel size.
Mask TextMask(int w, int h, const std::string& text, double cx, double cy, double pixelSize);

// Writes by the extension: .jpg (quality 92), .png (with alpha), .bmp (24-bit).
void Save(const forms::Canvas& c, const std::string& path);

void ShutdownFonts();

} // namespace media
