// Command buttons: a raised face with its caption centred.
#include "forms/command_button.h"

#include "forms/label.h"

namespace forms {

CommandButton::CommandButton(Container* container) : Control(container, true) {}

void CommandButton::SetCaption(const std::string& c) {
    caption_ = c;
    Invalidate();
}

void CommandButton::SetBackColor(int32_t c) {
    backColor_ = c;
    Invalidate();
}

void CommandButton::SetForeColor(int32_t c) {
    foreColor_ = c;
    Invalidate();
}

void CommandButton::Draw(Canvas& target, const IRect& clip) {
    (void)clip;
    const IRect r = ScreenRect();
    target.FillRect(r, backColor_ & 0xFFFFFF);
    const int32_t light = 0xFFFFFF, shade = 0xA0A0A0, dark = 0x404040;
    target.FillRect({r.x, r.y, r.w, 1}, light);
    target.FillRect({r.x, r.y, 1, r.h}, light);
    target.FillRect({r.x, r.y + r.h - 1, r.w, 1}, dark);
    target.FillRect({r.x + r.w - 1, r.y, 1, r.h}, dark);
    target.FillRect({r.x + 1, r.y + r.h - 2, r.w - 2, 1}, shade);
    target.FillRect({r.x + r.w - 2, r.y + 1, 1, r.h - 2}, shade);
    const std::string shown = StripAccessKeys(caption_);
    if (shown.empty()) return;
    const TextSize size = MeasureText(font_, shown);
    const int x = r.x + (r.w - size.w) / 2;
    const int y = r.y + (r.h - FontLineHeight(font_)) / 2;
    if (Enabled()) {
        DrawText(target, x, y, font_, shown, foreColor_ & 0xFFFFFF);
    } else {
        DrawText(target, x + 1, y + 1, font_, shown, 0xFFFFFF);
        DrawText(target, x, y, font_, shown, 0x808080);
    }
}

} // namespace forms
