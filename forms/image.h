#pragma once
// An image: a windowless picture. It takes the size of its picture unless Stretch is set, in
// which case the picture is scaled to the control's rectangle.
#include "forms/control.h"

namespace forms {

class Image : public Control {
  public:
    explicit Image(Container* container);

    PicturePtr Picture() const { return picture_; }
    void SetPicture(PicturePtr p);
    bool Stretch() const { return stretch_; }
    void SetStretch(bool b);
    int BorderStyle() const { return borderStyle_; }
    void SetBorderStyle(int s);

    void Draw(Canvas& target, const IRect& clip) override;

  private:
    // The stretched picture at the control's size, scaled once and kept until the picture or
    // the size changes: scaling costs far more than a copy, and a picture is repainted often.
    const Canvas& Stretched(int w, int h);

    PicturePtr picture_;
    Canvas stretched_;
    const forms::Picture* stretchedFrom_ = nullptr;
    bool stretch_ = false;
    int borderStyle_ = 0;
};

} // namespace forms
