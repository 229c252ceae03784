#pragma once
// A list box: a windowed, sunken list of text items, one of which may be selected (ListIndex,
// -1 for none). A press on an item selects it (dragging with the button held follows the
// pointer); while it has the focus Up, Down, Home, End, PageUp and PageDown move the selection.
// A vertical scroll bar shows when the items do not fit. Setting ListIndex from code raises
// Click as a user's choice does, and only when it changes.
//
// Indices: List(i), RemoveItem(i) and AddItem at an index outside the items raise 381 (invalid
// property array index); a ListIndex outside -1..ListCount-1 raises 380 (invalid property
// value). Removing items moves ListIndex with its item (-1 when the item itself went) and raises
// no Click; so does Clear.
#include "forms/control.h"
#include "forms/control_parts.h"

#include <string>

namespace forms {

class ListBox : public Control, public FontProperties {
  public:
    explicit ListBox(Container* container);

    // index -1 adds at the end.
    void AddItem(const std::string& item, int index = -1);
    void RemoveItem(int index);
    void Clear();
    const std::string& List(int index) const { return items_.Item(index); }
    void SetList(int index, const std::string& item);
    int ListCount() const { return items_.Count(); }
    int ListIndex() const { return listIndex_; }
    void SetListIndex(int index);
    // The selected item's text, "" with none.
    std::string Text() const;
    // The first item shown.
    int TopIndex() const { return top_; }
    void SetTopIndex(int index);
    int32_t BackColor() const { return backColor_; }
    void SetBackColor(int32_t c);
    int32_t ForeColor() const { return foreColor_; }
    void SetForeColor(int32_t c);

    // Height of one item in pixels, and the item at a point of the control (-1 none).
    int ItemHeight() const;
    int ItemAt(double x, double y) const;
    // Items that fit at once.
    int VisibleCount() const;

    // Internal.
    bool TakesFocus() const override { return true; }
    bool TakesDblClick() const override { return false; }
    void OnMouseDown(int button, int shift, float x, float y) override;
    void OnMouseMove(int buttons, int shift, float x, float y) override;
    void OnMouseUp(int button, int shift, float x, float y) override;
    void OnClick() override {}
    void RaiseKeyDown(int16_t& keyCode, int16_t shift) override;
    void Draw(Canvas& target, const IRect& clip) override;

  protected:
    void FontChanged() override { Invalidate(); }

  private:
    parts::ScrollBar Bar() const;
    void ShowIndex(int index);

    parts::ItemList items_;
    int listIndex_ = -1, top_ = 0;
    bool selecting_ = false;
    int32_t backColor_ = 0xFFFFFF, foreColor_ = 0;
};

// Moves a selection by a key of the list keys (Up, Down, Home, End, PageUp, PageDown); returns
// the new index, or the old one for any other key.
int ListKeyStep(int index, int count, int page, int16_t keyCode);

} // namespace forms
