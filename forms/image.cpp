// Images: a picture at its own size, or stretched to the control.
#include "forms/image.h"

namespace forms {

Image::Image(Container* container) : Control(container, false) {}

void Image::SetPicture(PicturePtr p) {
    picture_ = std::move(p);
    if (!stretch_ && picture_)
        Move(kKeep, kKeep, picture_->Width() + 2 * borderStyle_,
             picture_->Height() + 2 * borderStyle_);
    Invalidate();
}

void Image::SetStretch(bool b) {
    if (stretch_ == b) return;
    stretch_ = b;
    if (!stretch_ && picture_)
        Move(kKeep, kKeep, picture_->Width() + 2 * borderStyle_,
             picture_->Height() + 2 * borderStyle_);
    Invalidate();
}

void Image::SetBorderStyle(int s) {
    borderStyle_ = s ? 1 : 0;
    if (!stretch_ && picture_)
        Move(kKeep, kKeep, picture_->Width() + 2 * borderStyle_,
             picture_->Height() + 2 * borderStyle_);
    Invalidate();
}

void Image::Draw(Canvas& target, const IRect& clip) {
    (void)clip;
    const IRect r = ScreenRect();
    if (picture_) {
        const Canvas& px = picture_->Pixels();
        const IRect inner{r.x + borderStyle_, r.y + borderStyle_, r.w - 2 * borderStyle_,
                          r.h - 2 * borderStyle_};
        if (stretch_)
            target.BlitScaled(px, inner, true);
        else
            target.BlitBlend(px, IRect{0, 0, px.Width(), px.Height()}, inner.x, inner.y);
    }
    if (borderStyle_) target.FrameRect(r, 1, 0x000000);
}

} // namespace forms
