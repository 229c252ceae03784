#pragma once
// A shape: a windowless rectangle, square, oval, circle or rounded rectangle. It takes no mouse
// events (they go to what lies under it).
#include "forms/control.h"

namespace forms {

constexpr int vbShapeRectangle = 0, vbShapeSquare = 1, vbShapeOval = 2, vbShapeCircle = 3,
              vbShapeRoundedRectangle = 4, vbShapeRoundedSquare = 5;

class Shape : public Control {
  public:
    explicit Shape(Container* container);

    int ShapeKind() const { return shape_; }
    void SetShape(int s);
    int32_t BackColor() const { return backColor_; }
    void SetBackColor(int32_t c);
    int BackStyle() const { return backStyle_; } // 0 transparent, 1 opaque
    void SetBackStyle(int s);
    int32_t FillColor() const { return fillColor_; }
    void SetFillColor(int32_t c);
    int FillStyle() const { return fillStyle_; } // 0 solid, 1 transparent
    void SetFillStyle(int s);
    int32_t BorderColor() const { return borderColor_; }
    void SetBorderColor(int32_t c);
    int BorderWidth() const { return borderWidth_; }
    void SetBorderWidth(int w);
    int BorderStyle() const { return borderStyle_; } // 0 none, 1 solid
    void SetBorderStyle(int s);

    bool TakesMouse() const override { return false; }
    void Draw(Canvas& target, const IRect& clip) override;

  private:
    int shape_ = vbShapeRectangle, backStyle_ = 0, fillStyle_ = 1, borderWidth_ = 1,
        borderStyle_ = 1;
    int32_t backColor_ = 0xFFFFFF, fillColor_ = 0, borderColor_ = 0;
};

} // namespace forms
