// Labels: text with alignment, line breaks at CR LF, word wrap and access-key ampersands.
#include "forms/label.h"

#include <algorithm>
#include <cmath>

namespace forms {

std::string StripAccessKeys(const std::string& caption) {
    std::string out;
    out.reserve(caption.size());
    for (size_t i = 0; i < caption.size(); ++i) {
        if (caption[i] == '&') {
            if (i + 1 < caption.size() && caption[i + 1] == '&') {
                out += '&';
                ++i;
            }
            continue; // a single "&" marks the access key and is not shown
        }
        out += caption[i];
    }
    return out;
}

namespace {

int Round(double v) {
    return static_cast<int>(std::floor(v + 0.5));
}

} // namespace

Label::Label(Container* container) : Control(container, false) {}

std::vector<std::string> Label::DisplayLines() const {
    std::vector<std::string> raw = SplitTextLines(caption_);
    std::vector<std::string> out;
    const int width = Round(Width()) - 2 * borderStyle_;
    for (std::string& l : raw) {
        std::string shown = useMnemonic_ ? StripAccessKeys(l) : l;
        if (wordWrap_)
            WrapTextLine(font_, shown, width, out);
        else
            out.push_back(shown);
    }
    return out;
}

void Label::ApplyAutoSize() {
    if (!autoSize_ || sizing_) return;
    sizing_ = true;
    const std::vector<std::string> lines = DisplayLines();
    const int lh = FontLineHeight(font_);
    int w = 0;
    for (const auto& l : lines)
        w = std::max(w, MeasureText(font_, l).w);
    const double h = static_cast<double>(lh) * static_cast<double>(lines.size()) + 2 * borderStyle_;
    if (wordWrap_)
        Move(kKeep, kKeep, kKeep, h);
    else
        Move(kKeep, kKeep, w + 2 * borderStyle_, h);
    sizing_ = false;
}

void Label::Changed() {
    ApplyAutoSize();
    Invalidate();
}

void Label::SetCaption(const std::string& c) {
    if (caption_ == c) return;
    caption_ = c;
    Changed();
}
void Label::SetForeColor(int32_t c) {
    if (foreColor_ == c) return;
    foreColor_ = c;
    Invalidate();
}
void Label::SetBackColor(int32_t c) {
    if (backColor_ == c) return;
    backColor_ = c;
    Invalidate();
}
void Label::SetBackStyle(int s) {
    backStyle_ = s ? vbOpaque : vbTransparent;
    Invalidate();
}
void Label::SetAlignment(int a) {
    alignment_ = (a >= 0 && a <= 2) ? a : vbLeftJustify;
    Invalidate();
}
void Label::SetWordWrap(bool b) {
    if (wordWrap_ == b) return;
    wordWrap_ = b;
    Changed();
}
void Label::SetAutoSize(bool b) {
    if (autoSize_ == b) return;
    autoSize_ = b;
    Changed();
}
void Label::SetBorderStyle(int s) {
    borderStyle_ = s ? 1 : 0;
    Changed();
}
void Label::SetUseMnemonic(bool b) {
    useMnemonic_ = b;
    Changed();
}
void Label::FontChanged() {
    Changed();
}
void Label::Moved(bool resized) {
    if (resized && wordWrap_) ApplyAutoSize();
}

void Label::Draw(Canvas& target, const IRect& clip) {
    (void)clip;
    const IRect r = ScreenRect();
    if (backStyle_ == vbOpaque) target.FillRect(r, backColor_ & 0xFFFFFF);
    if (borderStyle_) target.FrameRect(r, 1, 0x000000);
    const int lh = FontLineHeight(font_);
    int y = r.y + borderStyle_;
    const int inner = r.w - 2 * borderStyle_;
    for (const std::string& line : DisplayLines()) {
        if (!line.empty()) {
            const int w = MeasureText(font_, line).w;
            int x = r.x + borderStyle_;
            if (alignment_ == vbRightJustify) x += inner - w;
            if (alignment_ == vbCenter) x += (inner - w) / 2;
            if (Enabled()) {
                DrawText(target, x, y, font_, line, foreColor_ & 0xFFFFFF);
            } else {
                // Disabled text is drawn etched, as the platform does.
                DrawText(target, x + 1, y + 1, font_, line, 0xFFFFFF);
                DrawText(target, x, y, font_, line, 0x808080);
            }
        }
        y += lh;
    }
}

} // namespace forms
