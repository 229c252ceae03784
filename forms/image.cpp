// Images: a picture at its own size, or stretched to the control.
#include "forms/image.h"

#include <algorithm>

namespace forms {

Image::Image(Container* container) : Control(container, false) {}

void Image::SetPicture(PicturePtr p) {
    picture_ = std::move(p);
    stretchedFrom_ = nullptr; // a new picture may sit where the old one was freed
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

const Canvas& Image::Stretched(int w, int h) {
    w = std::max(w, 0), h = std::max(h, 0);
    if (stretchedFrom_ != picture_.get() || stretched_.Width() != w || stretched_.Height() != h) {
        stretched_.Resize(w, h, 0);
        std::fill_n(stretched_.Pixels(), static_cast<size_t>(w) * h, 0u); // transparent
        stretched_.BlitScaled(picture_->Pixels(), IRect{0, 0, w, h});
        stretchedFrom_ = picture_.get();
    }
    return stretched_;
}

void Image::Draw(Canvas& target, const IRect& clip) {
    (void)clip;
    const IRect r = ScreenRect();
    if (picture_) {
        const Canvas& px = picture_->Pixels();
        const IRect inner{r.x + borderStyle_, r.y + borderStyle_, r.w - 2 * borderStyle_,
                          r.h - 2 * borderStyle_};
        if (stretch_) {
            const Canvas& scaled = Stretched(inner.w, inner.h);
            target.BlitBlend(scaled, IRect{0, 0, scaled.Width(), scaled.Height()}, inner.x,
                             inner.y);
        } else
            target.BlitBlend(px, IRect{0, 0, px.Width(), px.Height()}, inner.x, inner.y);
    }
    if (borderStyle_) target.FrameRect(r, 1, 0x000000);
}

} // namespace forms
