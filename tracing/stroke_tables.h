#pragma once
// The fixed stroke data of every character, kept as one table that a single fill reads.
#include <cstdint>
#include <span>
#include <string>

constexpr int MaxGlyphStrokes = 5;
constexpr int MaxGlyphPoints = 74;
constexpr int MaxGlyphKeys = 7;

struct GlyphPoint {
    int16_t x;
    int16_t y;
    bool operator==(const GlyphPoint&) const = default;
};

// A stroke drawn as evenly spaced points on a straight line keeps how it was described, so that
// its expansion can be checked; points is 0 for a stroke given point by point.
struct GlyphLine {
    int16_t points;
    int16_t x1, y1, x2, y2;
};

struct GlyphStroke {
    GlyphLine line;
    int16_t pointCount; // 0 when the stroke comes from the base character
    GlyphPoint point[MaxGlyphPoints];
    int16_t keyCount;
    int16_t key[MaxGlyphKeys]; // point numbers, counted from 1
};

struct GlyphData {
    char alpha;
    char base; // a character whose strokes come first ("Q" is an "O" with a tail), or 0
    int16_t height, width;
    int16_t shiftX, shiftY;
    int16_t strokeCount; // the base's strokes included
    GlyphStroke stroke[MaxGlyphStrokes];
};

// Every character with strokes, "1" excluded (it shares the table of "I").
std::span<const GlyphData> GlyphTable();

// The glyph whose table fills a record for this text ("1" gives "I"), or nullptr when it has none.
// The comparison is exact and case-sensitive.
const GlyphData* FindGlyph(const std::string& alpha);
