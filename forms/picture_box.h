#pragma once
// A picture box: a windowed container that is also a persistent drawing surface. What is drawn on
// it stays until Cls or a change of BackColor, which both clear it to the back colour (and its
// Picture, when it has one). Paint is raised (queued, after the current handler) when the box is
// first shown, uncovered, resized or its back colour changes; never every frame.
#include "forms/control.h"

namespace forms {

// Fill styles.
constexpr int vbFSSolid = 0, vbFSTransparent = 1;

class PictureBox : public Control, public Container, public FontProperties {
  public:
    explicit PictureBox(Container* container);
    ~PictureBox() override;

    EventHandler Paint;

    // Drawing. Colours are 0x00BBGGRR; -1 (the default) means ForeColor. Coordinates are pixels
    // of the box. The current point follows the platform's rules: Line to a point draws from the
    // current point; every Line leaves the current point at its end; Circle and PSet move it to
    // their point; Cls sets it to (0, 0).
    void Cls();
    void Line(double x1, double y1, double x2, double y2, int32_t color = -1);
    void LineTo(double x, double y, int32_t color = -1);
    // A rectangle between the corners: outlined, or filled with the colour when fill is set.
    void Box(double x1, double y1, double x2, double y2, int32_t color = -1, bool fill = false);
    // Radius 0 draws a round dot of DrawWidth. Otherwise the outline in the colour, filled with
    // FillColor when FillStyle is solid.
    void Circle(double x, double y, double radius, int32_t color = -1);
    void PSet(double x, double y, int32_t color = -1);
    int32_t Point(double x, double y) const; // -1 outside
    // Text at the current point, which then moves to the start of the next line.
    void Print(const std::string& text);
    double TextWidth(const std::string& text) const;
    double TextHeight(const std::string& text) const;
    // Copies a picture into the surface (scaled to w x h when given).
    void PaintPicture(const PicturePtr& pic, double x, double y, double w = -1, double h = -1);

    double CurrentX() const { return curX_; }
    double CurrentY() const { return curY_; }
    void SetCurrentX(double x) { curX_ = x; }
    void SetCurrentY(double y) { curY_ = y; }
    int DrawWidth() const { return drawWidth_; }
    void SetDrawWidth(int w); // at least 1
    int32_t ForeColor() const { return foreColor_; }
    void SetForeColor(int32_t c) { foreColor_ = c; }
    int32_t FillColor() const { return fillColor_; }
    void SetFillColor(int32_t c) { fillColor_ = c; }
    int FillStyle() const { return fillStyle_; }
    void SetFillStyle(int s) { fillStyle_ = s; }
    int32_t BackColor() const { return backColor_; }
    void SetBackColor(int32_t c);
    bool AutoRedraw() const { return autoRedraw_; }
    void SetAutoRedraw(bool b) { autoRedraw_ = b; } // the surface persists either way
    // 0 none, 1 a one-pixel frame inside the box.
    int BorderStyle() const { return borderStyle_; }
    void SetBorderStyle(int s);
    PicturePtr Picture() const { return picture_; }
    void SetPicture(PicturePtr p);
    bool AutoSize() const { return autoSize_; }
    void SetAutoSize(bool b);
    double ScaleWidth() const;
    double ScaleHeight() const;

    // The persistent surface (the client area), for tests and tools.
    const Canvas& Surface() const { return surface_; }

    // Internal.
    Container* AsContainer() override { return this; }
    Form* OwnerForm() const override { return Control::OwnerForm(); }
    double ClientScreenX() const override;
    double ClientScreenY() const override;
    IRect ClientClip() const override;
    bool Showing() const override { return Control::Showing(); }
    void Draw(Canvas& target, const IRect& clip) override;
    void ShowingChanged() override;
    void QueuePaint(); // asks for a Paint after the current handler

  protected:
    void Moved(bool resized) override;

  private:
    int32_t DrawColor(int32_t color) const { return (color == -1 ? foreColor_ : color) & 0xFFFFFF; }
    void ClearSurface();
    void ResizeSurface();
    void Drew(double x1, double y1, double x2, double y2, double pad);

    Canvas surface_;
    double curX_ = 0, curY_ = 0;
    int drawWidth_ = 1, fillStyle_ = vbFSTransparent, borderStyle_ = 0;
    int32_t foreColor_ = 0, fillColor_ = 0, backColor_ = 0xF0F0F0;
    bool autoRedraw_ = false, autoSize_ = false, wasShowing_ = false;
    PicturePtr picture_;
};

} // namespace forms
