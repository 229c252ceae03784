#pragma once
// A tab strip: a row of tabs with captions above a raised page. Tabs are numbered from 1;
// SelectedItem is the selected tab's number (0 while there are none; adding the first tab
// selects it). A press on a tab selects it; while the strip has the focus Left and Right select
// the previous and next tab. Selecting a tab from code or by the user raises Click, only when
// the selection changes. A tab number outside 1..Tabs raises 380 for SelectedItem and 381
// elsewhere.
//
// The tabs are as wide as their captions; when they do not fit in the strip's width they share
// it, their captions cut at the tab's edge.
#include "forms/control.h"

#include <string>
#include <vector>

namespace forms {

class TabStrip : public Control, public FontProperties {
  public:
    explicit TabStrip(Container* container);

    // index 0 adds at the end; otherwise the new tab gets that number.
    void AddTab(const std::string& caption, int index = 0);
    void RemoveTab(int index);
    void ClearTabs();
    int Tabs() const { return static_cast<int>(captions_.size()); }
    const std::string& TabCaption(int index) const;
    void SetTabCaption(int index, const std::string& caption);
    // A tab's own tool-tip text (kept, as every tool tip is; empty unless set).
    const std::string& TabToolTipText(int index) const;
    void SetTabToolTipText(int index, const std::string& text);
    int SelectedItem() const { return selected_; }
    void SetSelectedItem(int index);
    // The height of the row of tabs in pixels: the page starts below it.
    int TabRowHeight() const;
    // The tab's rectangle in the control's pixels (the selected one stands out by 2 pixels).
    IRect TabRect(int index) const;
    // The tab at a point of the control, 0 for none.
    int TabAt(double x, double y) const;

    // Internal.
    bool TakesFocus() const override { return true; }
    bool TakesDblClick() const override { return false; }
    void OnMouseDown(int button, int shift, float x, float y) override;
    void OnClick() override {}
    void RaiseKeyDown(int16_t& keyCode, int16_t shift) override;
    void Draw(Canvas& target, const IRect& clip) override;

  protected:
    void FontChanged() override { Invalidate(); }

  private:
    std::vector<int> TabWidths() const;
    void CheckTab(int index) const;

    std::vector<std::string> captions_, toolTips_;
    int selected_ = 0;
};

} // namespace forms
