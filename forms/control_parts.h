#pragma once
// Pieces the dialog controls share (not for the program): 3-D edges, the dotted focus rectangle,
// arrow glyphs, the item list of list and combo boxes, and the vertical scroll bar of a list.
#include "forms/canvas.h"
#include "forms/text.h"

#include <string>
#include <vector>

namespace forms::parts {

// Colours of the standard controls (0x00BBGGRR).
constexpr int32_t kFace = 0xF0F0F0, kLight = 0xFFFFFF, kShade = 0xA0A0A0, kDark = 0x696969,
                  kDarkest = 0x404040, kWindow = 0xFFFFFF, kHighlight = 0xD77800,
                  kGreyText = 0x808080;

// A sunken well (list, check box): dark above and left, light below and right, two pixels deep.
void SunkenEdge(Canvas& c, const IRect& r);
// A raised face (buttons, thumbs): light above and left, dark below and right.
void RaisedEdge(Canvas& c, const IRect& r);
// Every other pixel of the rectangle's outline, as the platform marks the focused control.
void FocusRect(Canvas& c, const IRect& r);
// A filled triangle pointing down (dir 0), up (1), left (2) or right (3), centred in the box.
void Arrow(Canvas& c, const IRect& box, int dir, int size, int32_t color);
// Caption text, etched grey when disabled.
void Caption(Canvas& c, int x, int y, const FontSpec& f, const std::string& text, bool enabled,
             int32_t color);

// The items of a list or combo box, with the platform's index rules: item indices out of range
// raise 381, a ListIndex outside -1..count-1 raises 380.
class ItemList {
  public:
    int Count() const { return static_cast<int>(items_.size()); }
    const std::string& Item(int i) const;
    void SetItem(int i, const std::string& text);
    // Inserts at index (count: at the end; -1 means the end). Returns the new item's index.
    int Add(const std::string& text, int index);
    void Remove(int i);
    void Clear() { items_.clear(); }
    void CheckListIndex(int i) const;

  private:
    std::vector<std::string> items_;
};

// A vertical scroll bar: arrows at both ends, a thumb in between.
struct ScrollBar {
    IRect rect;      // the whole bar on the screen
    int total = 0;   // items
    int visible = 1; // items shown at once
    int top = 0;     // first item shown
    int MaxTop() const { return total > visible ? total - visible : 0; }
    IRect ThumbRect() const;
    void Draw(Canvas& c) const;
    // The new first item for a press at a screen point: arrows scroll one, the track a page.
    int Pressed(int x, int y) const;
};
constexpr int kScrollBarWidth = 16;

} // namespace forms::parts
