#pragma once
// The stroke record of one character: what is drawn, how, where, and how far the child has got.
#include <cstdint>
#include <string>

#include "forms/errors.h"
#include "forms/lang.h"

namespace forms {
class PictureBox;
}

// Marks in a stroke's x table after its last point, and in its key table after its last pair.
constexpr int16_t MarkNextStroke = -9998;
constexpr int16_t MarkEndAlpha = -9999;

constexpr int MaxStroke = 4;      // strokes 0 to 4
constexpr int MaxPointEntry = 75; // points 1 to 74 and room for the mark
constexpr int MaxKeyEntry = 15;   // pairs at entries 0 to 13, the mark at 14 at the latest
constexpr int MaxCheckEntry = 15; // 12 key points at most, then the mark

// A table of 16-bit integers addressed (stroke, entry); both indices checked (error 9).
template <int HiStroke, int HiEntry> class StrokeTable {
  public:
    int16_t& operator()(int stroke, int entry) { return rows_(stroke)(entry); }
    const int16_t& operator()(int stroke, int entry) const { return rows_(stroke)(entry); }
    static constexpr int LastStrokeIndex() { return HiStroke; }
    static constexpr int LastEntryIndex() { return HiEntry; }
    void Clear() { *this = StrokeTable{}; }
    bool operator==(const StrokeTable&) const = default;

  private:
    forms::Array<forms::Array<int16_t, 0, HiEntry>, 0, HiStroke> rows_{};
};

using PointTable = StrokeTable<MaxStroke, MaxPointEntry>; // (0 To 4, 0 To 75)
using KeyTable = StrokeTable<MaxStroke, MaxKeyEntry>;     // (0 To 4, 0 To 15)
using CheckTable = forms::Array<int16_t, 0, MaxCheckEntry>;

struct AlphaData {
    int32_t ColorLine = 0;       // the thick track pass
    int32_t ColorLineHL = 0;     // the thin line pass and traced segments
    int32_t ColorLinePrompt = 0; // the Level II stroke prompt and the Level III guide line
    int32_t ColorCircle = 0;     // key-point and check-point dots
    int32_t ColorCircleHL = 0;   // the dot of the next key point to click
    int32_t ColorHelp = 0;       // the stroke help's current stroke
    int16_t TrackWidth = 0;
    int16_t LineWidth = 0;
    int16_t DotSize = 0; // a dot's diameter, also the hit tolerance of a click
    std::string Alpha;   // "A", "a", "7"; empty for none
    // After filling the design shift; after layout the board offset of every point.
    int16_t OffsetX = 0;
    int16_t OffsetY = 0;
    int16_t AlphaHeight = 0; // design size in glyph units
    int16_t AlphaWidth = 0;
    int16_t LastStroke = 0; // the stroke that holds the end mark, set by the layout
    std::string Word;
    std::string WordPrefix;    // nothing sets it: the word label shows the word alone
    int16_t NumAlphasCopy = 0; // 1 or 2 characters laid out together (read from the first record)
    int16_t PromptStroke = 0;
    int16_t CurStroke = 0; // Level II cursor: the stroke being traced
    int16_t CurKey = 0;    // Level II cursor: the next key pair of CurStroke
    int16_t EndStroke = 0; // where the end mark stands
    int16_t EndPoint = 0;
    int16_t CheckNext = 0; // Level III cursor
    CheckTable CheckX{};   // board units; CheckX holds the end mark after the last point
    CheckTable CheckY{};
    float BaseDivisor = 0; // board height / BaseDivisor is the base line
    forms::Flag ShowKeyDots = forms::vbFalse;
    forms::Flag AlphaTraced = forms::vbFalse;
    forms::PictureBox* Board = nullptr; // not owned
    PointTable PointX{};                // marks stand here only
    PointTable PointY{};
    KeyTable KeyPoint{}; // pairs: entry 2k the stroke, 2k + 1 a point number of it
};

// The live records: the first or only character, the second one, and the options preview.
extern AlphaData AlphaCur;
extern AlphaData AlphaCur2;
extern AlphaData AlphaOpt;

// Zeroes both planes of a point table (every stroke, every entry).
void ClearPointArray(PointTable& x, PointTable& y);

// Fills the record's points, key pairs, design size and design shift for rec.Alpha ("1" takes the
// table of "I"). Any other text gives an empty table ending at stroke 0, point 1 and entry 0 of
// the key table. Alpha itself is kept; no other field is written.
void FillAlphaData(AlphaData& rec);
