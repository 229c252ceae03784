#pragma once
// A combo box: a text field with a drop-down button, and a list the runtime draws below it (above
// when the screen has no room below) when the button is pressed. Style 0 (drop-down combo): the
// field takes typed text while it has the focus (Change), and the button opens the list; style 2
// (drop-down list): the field shows the selected item and a press anywhere opens the list.
//
// In the open list the pointer highlights an item and a release on it chooses it (so does a
// press and drag from the field); Up and Down move the highlight, Enter chooses, Esc closes. A
// press outside closes it. While the box has the focus and the list is closed, Up and Down choose
// the previous or next item, F4 or Alt+Down opens the list.
//
// Choosing an item, or setting ListIndex from code, sets Text to the item and raises Click only
// when the selection changes. Index rules and removal are those of the list box (381 for an item
// index, 380 for a ListIndex out of range).
#include "forms/control.h"
#include "forms/control_parts.h"

#include <functional>
#include <memory>
#include <string>

namespace forms {

constexpr int vbComboDropdown = 0, vbComboDropdownList = 2;

class ComboBox : public Control, public FontProperties {
  public:
    explicit ComboBox(Container* container);
    ~ComboBox() override;

    void AddItem(const std::string& item, int index = -1);
    void RemoveItem(int index);
    void Clear();
    const std::string& List(int index) const { return items_.Item(index); }
    void SetList(int index, const std::string& item);
    int ListCount() const { return items_.Count(); }
    int ListIndex() const { return listIndex_; }
    void SetListIndex(int index);
    // The field's text. Style 0: any text (the selection becomes the item of that text, or -1);
    // style 2: the text of an item, which is selected, else error 380.
    const std::string& Text() const { return text_; }
    void SetText(const std::string& t);
    int Style() const { return style_; }
    void SetStyle(int s);
    int32_t BackColor() const { return backColor_; }
    void SetBackColor(int32_t c);
    int32_t ForeColor() const { return foreColor_; }
    void SetForeColor(int32_t c);

    // The drop-down list.
    bool DroppedDown() const { return dropped_ != nullptr; }
    void DropDown();
    void CloseUp();
    // Where the open list is on the screen, and the screen rectangle of its item i (empty when
    // not shown).
    IRect DropRect() const;
    IRect DropItemRect(int i) const;
    // Items the open list shows at once (at most 8).
    int DropCount() const;

    // Events: Change when the text changes by typing or SetText.
    EventHandler Change;
    std::function<void(int16_t& keyCode, int16_t shift)> KeyDown;
    std::function<void(int16_t& keyAscii)> KeyPress;

    // Internal.
    bool TakesFocus() const override { return true; }
    bool TakesDblClick() const override { return false; }
    void OnMouseDown(int button, int shift, float x, float y) override;
    void OnClick() override {}
    void RaiseKeyDown(int16_t& keyCode, int16_t shift) override;
    void RaiseKeyPress(int16_t& keyAscii) override;
    void Draw(Canvas& target, const IRect& clip) override;
    void ShowingChanged() override;

  protected:
    void FontChanged() override { Invalidate(); }

  private:
    class DropList;
    void Choose(int index); // the user chose an item
    void SetTextOnly(const std::string& t);
    IRect ButtonRect() const; // screen

    parts::ItemList items_;
    std::unique_ptr<DropList> dropped_;
    std::string text_;
    int listIndex_ = -1, style_ = vbComboDropdown;
    int32_t backColor_ = 0xFFFFFF, foreColor_ = 0;
};

} // namespace forms
