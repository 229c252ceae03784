// Frames: a container with an etched border and its caption in the top edge.
#include "forms/frame.h"
#include "forms/label.h"

namespace forms {

Frame::Frame(Container* container) : Control(container, true) {}

Frame::~Frame() = default;

void Frame::SetCaption(const std::string& c) {
    caption_ = c;
    Invalidate();
}
void Frame::SetBackColor(int32_t c) {
    backColor_ = c;
    Invalidate();
}
void Frame::SetForeColor(int32_t c) {
    foreColor_ = c;
    Invalidate();
}
void Frame::SetBorderStyle(int s) {
    borderStyle_ = s ? 1 : 0;
    Invalidate();
}

double Frame::ClientScreenX() const {
    return ScreenRect().x;
}
double Frame::ClientScreenY() const {
    return ScreenRect().y;
}
IRect Frame::ClientClip() const {
    return VisibleRect();
}

void Frame::Draw(Canvas& target, const IRect& clip) {
    const IRect r = ScreenRect();
    target.FillRect(r, backColor_ & 0xFFFFFF);
    const std::string shown = StripAccessKeys(caption_);
    const int th = FontLineHeight(font_);
    if (borderStyle_) {
        const int top = r.y + (shown.empty() ? 0 : th / 2);
        const IRect box{r.x, top, r.w, r.y + r.h - top};
        target.FrameRect(IRect{box.x + 1, box.y + 1, box.w - 1, box.h - 1}, 1, 0xFFFFFF);
        target.FrameRect(IRect{box.x, box.y, box.w - 1, box.h - 1}, 1, 0x808080);
    }
    if (!shown.empty()) {
        const int w = MeasureText(font_, shown).w;
        target.FillRect(IRect{r.x + 6, r.y, w + 4, th}, backColor_ & 0xFFFFFF);
        DrawText(target, r.x + 8, r.y, font_, shown, foreColor_ & 0xFFFFFF);
    }
    DrawChildren(target, ClientClip().Intersect(clip));
}

} // namespace forms
