#pragma once
// Software drawing on a pixel buffer: the one drawing layer under the screen, the forms, the
// picture boxes and the generated media. Colours in this interface are the program's 0x00BBGGRR
// values (only the low 24 bits are used); pixels in memory are 0xAARRGGBB.
#include <cstdint>
#include <memory>
#include <string>
#include <vector>

namespace forms {

struct IRect {
    int x = 0, y = 0, w = 0, h = 0;
    bool Empty() const { return w <= 0 || h <= 0; }
    IRect Intersect(const IRect& o) const;
    IRect Union(const IRect& o) const; // the bounding box; an empty side is ignored
    bool Contains(int px, int py) const { return px >= x && py >= y && px < x + w && py < y + h; }
    bool operator==(const IRect&) const = default;
};

uint32_t ToPixel(int32_t color);   // 0x00BBGGRR -> opaque 0xFFRRGGBB
int32_t FromPixel(uint32_t pixel); // 0xAARRGGBB -> 0x00BBGGRR

class Canvas {
  public:
    Canvas() = default;
    Canvas(int w, int h, int32_t color = 0);
    int Width() const { return w_; }
    int Height() const { return h_; }
    // Resizing clears to the colour.
    void Resize(int w, int h, int32_t color);
    uint32_t* Pixels() { return px_.data(); }
    const uint32_t* Pixels() const { return px_.data(); }
    int32_t GetPixel(int x, int y) const; // -1 outside
    void SetPixel(int x, int y, int32_t color);
    uint32_t RawPixel(int x, int y) const { return px_[static_cast<size_t>(y) * w_ + x]; }

    // Drawing is clipped to the clip rectangle (the whole canvas by default).
    void SetClip(const IRect& r);
    void ClearClip();
    IRect Clip() const { return clip_; }

    void Fill(int32_t color); // the clip rectangle
    void FillRect(const IRect& r, int32_t color);
    void FrameRect(const IRect& r, int width, int32_t color);
    // Lines of width > 1 have round ends and joins: a zero-length line is a round dot of the
    // width. Width 0 or 1 draws a one-pixel line between the pixels nearest the end points.
    // A pen of odd width is centred on the pixel at a whole coordinate, one of even width on that
    // pixel's top-left corner, so a pen of width w is w pixels across and mirror-symmetric.
    void Line(double x1, double y1, double x2, double y2, int width, int32_t color);
    void Dot(double x, double y, int width, int32_t color);
    // Outline of a circle of radius r drawn with a pen of the width; radius 0 is a dot.
    void Circle(double cx, double cy, double r, int width, int32_t color);
    // Centred on the pixel (cx, cy), reaching the outer edge of a one-pixel outline of radius r.
    void FillCircle(double cx, double cy, double r, int32_t color);
    void FillRoundRect(const IRect& r, int radius, int32_t color);
    // Vertical gradient from top colour to bottom colour.
    void FillGradient(const IRect& r, int32_t top, int32_t bottom);

    // Copies: opaque, skipping a mask colour, blending with the source's alpha, and scaled with
    // smooth filtering into a destination rectangle. The opaque and masked copies take the source
    // pixels as they are, alpha included; the mask colour is compared on red, green and blue only.
    void Blit(const Canvas& src, const IRect& srcRect, int dx, int dy);
    void BlitMasked(const Canvas& src, const IRect& srcRect, int dx, int dy, int32_t maskColor);
    void BlitBlend(const Canvas& src, const IRect& srcRect, int dx, int dy);
    // Scaling costs a few nanoseconds a pixel: keep the result where a picture is shown
    // stretched again and again.
    void BlitScaled(const Canvas& src, const IRect& dst, bool blend = false);
    // Blends a coverage mask (0-255 per pixel, w x h) in the colour: how text is drawn.
    void BlendMask(const uint8_t* mask, int w, int h, int pitch, int dx, int dy, int32_t color);

  private:
    void Capsule(double x1, double y1, double x2, double y2, int width, uint32_t pixel);
    void Ring(double cx, double cy, double inner, double outer, double offset, uint32_t pixel);
    bool ClipCopy(const Canvas& src, IRect& srcRect, int& dx, int& dy) const;

    int w_ = 0, h_ = 0;
    std::vector<uint32_t> px_;
    IRect clip_;
};

// A loaded picture: shared and immutable.
class Picture {
  public:
    explicit Picture(Canvas pixels) : pixels_(std::move(pixels)) {}
    int Width() const { return pixels_.Width(); }
    int Height() const { return pixels_.Height(); }
    const Canvas& Pixels() const { return pixels_; }

  private:
    Canvas pixels_;
};
using PicturePtr = std::shared_ptr<const Picture>;

// JPEG, BMP and PNG (path through ResolvePath). A missing file raises 53, one that is not a
// picture 481. An empty path gives no picture (nullptr), which clears a control's picture.
PicturePtr LoadPicture(const std::string& path);
PicturePtr MakePicture(Canvas pixels);
// Writes JPEG (.jpg, .jpeg), BMP (.bmp) or else PNG (used by the media generator and screenshots).
// Error 75 when the file cannot be written.
void SavePicture(const Canvas& c, const std::string& path);

} // namespace forms
