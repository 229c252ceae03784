#include "forms/captioned_control.h"

namespace forms {

void CaptionedControl::SetCaption(const std::string& c) {
    caption_ = c;
    Invalidate();
}
void CaptionedControl::SetBackColor(int32_t c) {
    backColor_ = c;
    Invalidate();
}
void CaptionedControl::SetForeColor(int32_t c) {
    foreColor_ = c;
    Invalidate();
}

} // namespace forms
