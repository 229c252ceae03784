#pragma once
// A label: windowless text. Transparent (BackStyle 0) or opaque (1); a transparent label still
// takes the mouse over its whole rectangle. The caption breaks at CR LF and wraps at words when
// WordWrap is set; "&" marks an access key (hidden) and "&&" shows one ampersand.
#include "forms/control.h"

namespace forms {

constexpr int vbLeftJustify = 0, vbRightJustify = 1, vbCenter = 2;
constexpr int vbTransparent = 0, vbOpaque = 1;

class Label : public Control, public FontProperties {
  public:
    explicit Label(Container* container);

    const std::string& Caption() const { return caption_; }
    void SetCaption(const std::string& c);
    int32_t ForeColor() const { return foreColor_; }
    void SetForeColor(int32_t c);
    int32_t BackColor() const { return backColor_; }
    void SetBackColor(int32_t c);
    int BackStyle() const { return backStyle_; }
    void SetBackStyle(int s);
    int Alignment() const { return alignment_; }
    void SetAlignment(int a);
    bool WordWrap() const { return wordWrap_; }
    void SetWordWrap(bool b);
    // With AutoSize the label takes the size of its text (keeping its width when it wraps).
    bool AutoSize() const { return autoSize_; }
    void SetAutoSize(bool b);
    int BorderStyle() const { return borderStyle_; }
    void SetBorderStyle(int s);
    bool UseMnemonic() const { return useMnemonic_; }
    void SetUseMnemonic(bool b);

    // The caption as displayed: ampersands resolved, broken into lines for the current width.
    std::vector<std::string> DisplayLines() const;

    void Draw(Canvas& target, const IRect& clip) override;

  protected:
    void FontChanged() override;
    void Moved(bool resized) override;

  private:
    void Changed();
    void ApplyAutoSize();

    std::string caption_;
    int32_t foreColor_ = 0, backColor_ = 0xF0F0F0;
    int backStyle_ = vbOpaque, alignment_ = vbLeftJustify, borderStyle_ = 0;
    bool wordWrap_ = false, autoSize_ = false, useMnemonic_ = true, sizing_ = false;
};

// The caption text as shown: "&x" shows x, "&&" shows "&".
std::string StripAccessKeys(const std::string& caption);

} // namespace forms
