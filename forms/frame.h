#pragma once
// A frame: a windowed container with an etched border and a caption in its top edge.
#include "forms/control.h"

namespace forms {

class Frame : public Control, public Container, public FontProperties {
  public:
    explicit Frame(Container* container);
    ~Frame() override;

    const std::string& Caption() const { return caption_; }
    void SetCaption(const std::string& c);
    int32_t BackColor() const { return backColor_; }
    void SetBackColor(int32_t c);
    int32_t ForeColor() const { return foreColor_; }
    void SetForeColor(int32_t c);
    int BorderStyle() const { return borderStyle_; } // 0 none, 1 etched with caption
    void SetBorderStyle(int s);

    Container* AsContainer() override { return this; }
    Form* OwnerForm() const override { return Control::OwnerForm(); }
    double ClientScreenX() const override;
    double ClientScreenY() const override;
    IRect ClientClip() const override;
    bool Showing() const override { return Control::Showing(); }
    void Draw(Canvas& target, const IRect& clip) override;
    void ShowingChanged() override { NotifyChildrenShowing(); }

  protected:
    void FontChanged() override { Invalidate(); }

  private:
    std::string caption_;
    int32_t backColor_ = 0xF0F0F0, foreColor_ = 0;
    int borderStyle_ = 1;
};

} // namespace forms
