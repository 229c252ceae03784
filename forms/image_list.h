#pragma once
// An image list: pictures numbered from 1, of one nominal size, with a mask colour that overlays
// leave out. Colours are the program's 0x00BBGGRR values; the high bits are kept as given and
// ignored when drawing.
#include "forms/canvas.h"

#include <string>
#include <vector>

namespace forms {

class ImageList {
  public:
    // The size of the list's pictures; 0 until set or until the first picture is added.
    int ImageWidth() const { return width_; }
    int ImageHeight() const { return height_; }
    void SetImageWidth(int w) { width_ = w; }
    void SetImageHeight(int h) { height_ = h; }
    int32_t MaskColor() const { return maskColor_; }
    void SetMaskColor(int32_t c) { maskColor_ = c; }
    // Shows through where a picture has no colour of its own (its transparent parts).
    int32_t BackColor() const { return backColor_; }
    void SetBackColor(int32_t c) { backColor_ = c; }
    bool UseMaskColor() const { return useMaskColor_; }
    void SetUseMaskColor(bool b) { useMaskColor_ = b; }

    // Appends a picture; returns its number. A null picture raises error 5.
    int Add(PicturePtr picture);
    // The picture numbered i (from 1); error 9 outside 1..Count().
    PicturePtr Picture(int i) const;
    int Count() const { return static_cast<int>(pictures_.size()); }
    void Clear() { pictures_.clear(); }

    // A new picture the size of picture `base`: the back colour, the base drawn over it opaque,
    // then picture `mark` on top except its pixels of the mask colour (all of it when
    // UseMaskColor is off). Error 9 for a number outside the list.
    PicturePtr Overlay(int base, int mark) const;

    // Replaces the pictures with those of a folder: 1.png, 2.png, ... (each also found as .bmp or
    // .jpg, names without regard to case) up to the highest number there. A number missing, or a
    // file that is no picture, gets an empty (transparent) picture, so that every other keeps its
    // number. Returns the count.
    int LoadFolder(const std::string& folder);

  private:
    std::vector<PicturePtr> pictures_;
    int width_ = 0, height_ = 0;
    int32_t maskColor_ = 0xC0C0C0; // the platform's default: light grey
    int32_t backColor_ = 0xFFFFFF;
    bool useMaskColor_ = true;
};

} // namespace forms
