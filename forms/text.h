#pragma once
// Text in a font face of the registry. Sizes are points, fractions allowed; they become pixels as
// points x 20 / twips per pixel (the screen's vertical twips per pixel).
#include "forms/canvas.h"

#include <string>
#include <vector>

namespace forms {

struct FontSpec {
    std::string name = "Arial";
    double size = 8.25; // points
    bool bold = false;
    bool italic = false;
    bool operator==(const FontSpec&) const = default;
};

struct TextSize {
    int w = 0, h = 0;
};

// Text is the program's single-byte Western code page text.
TextSize MeasureText(const FontSpec& font, const std::string& text);
int FontLineHeight(const FontSpec& font);
// Draws one line with its top-left at (x, y).
void DrawText(Canvas& c, int x, int y, const FontSpec& font, const std::string& text,
              int32_t color);

// Breaks a text at CR LF (and a lone CR or LF) into lines.
std::vector<std::string> SplitTextLines(const std::string& s);
// Greedy word wrap of one line to the width, appending to out; a word wider than the width stands
// on its own line.
void WrapTextLine(const FontSpec& font, const std::string& line, int width,
                  std::vector<std::string>& out);

} // namespace forms
