#pragma once
// The tracing engine: the lesson (a range of characters and the current one), the layout of one or
// two characters on the drawing board, every way they are drawn, moving through the lesson and
// keeping the character labels of the strip coloured.
#include <cstdint>
#include <string>

#include "forms/lang.h"
#include "tracing/alpha_data.h"

// Lesson state.
inline int16_t CurAlphaIdx = 0;   // 0 to 29: letter index from "A" or "a", or number minus 1
inline int16_t PrevAlphaIdx = 0;  // current before the last move; its label is recoloured next
inline int16_t FirstAlphaIdx = 0; // the lesson range
inline int16_t LastAlphaIdx = 0;
inline int16_t AlphaStep = 1;   // 1 for letters, the numbers step for numbers
inline int16_t NumAlphas = 1;   // characters on the board, 1 or 2
inline int16_t CurAlphaNo = 1;  // which of the two is being traced (AlphaCur or AlphaCur2)
inline int16_t AnimAlphaNo = 1; // which of the two the help buttons act on

// Lesson and layout.
void InitAlphaRange();
// Resets, fills and lays out one character (rec1.NumAlphasCopy 1) or the two live records (2).
void InitAlphaData(AlphaData& rec1, AlphaData& rec2);
// Adds (dx, dy) to every point up to the end mark; sets LastStroke.
void OffsetAlphaPoints(int16_t dx, int16_t dy, AlphaData& rec);
void ResetAlphaRec(AlphaData& rec);
void FindAlphaEnd(AlphaData& rec);
void BuildCheckPoints(AlphaData& rec);
// The point of the key pair at entries (entry, entry + 1) of the stroke: x in the low 16 bits,
// y in the high 16 bits.
int32_t GetKeyPointXY(const AlphaData& rec, int16_t stroke, int16_t entry);
inline int16_t KeyPointX(int32_t xy) {
    return static_cast<int16_t>(static_cast<uint32_t>(xy) & 0xFFFFu);
}
inline int16_t KeyPointY(int32_t xy) {
    return static_cast<int16_t>(static_cast<uint32_t>(xy) >> 16);
}
// Copies point tables (both planes) or a key table stroke by stroke up to and including each
// stroke's mark; the key table from entry 1. Entries beyond a mark keep what they held.
void CopyMarkedPoints(const PointTable& srcX, const PointTable& srcY, PointTable& dstX,
                      PointTable& dstY);
void CopyMarkedPoints2(const KeyTable& src, KeyTable& dst);

// Starting and moving.
void ResetAlpha();
void ShowAlpha(forms::Flag noSpeech);
void DrawAlphaForTrace();
void RedrawAlpha();
void NextAlpha();
void PrevAlpha();

// Drawing. Mode 0 track and line, 1 track only, 2 line only; colour 0 means the record's own.
void DrawAlpha(AlphaData& rec, int16_t mode, forms::Flag cls, int32_t color);
void DrawAlphas(int16_t mode, forms::Flag cls, int32_t color);
void DrawAlphaOutline(forms::Flag cls, forms::Flag trackOnly, AlphaData& rec, int32_t color,
                      forms::Flag skipTrack);
void DrawStroke(AlphaData& rec, int32_t color);
void DrawStrokeRange(AlphaData& rec, int16_t stroke, int16_t toKey, int32_t color, int16_t width,
                     forms::Flag dots);
void DrawTraceProgress(AlphaData& rec);
void DrawCheckPoints(AlphaData& rec, forms::Flag allStrokes);
void DrawDot(int16_t x, int16_t y, int32_t color, AlphaData& rec);
void EmptyDrawProc(AlphaData& rec);

// Labels of the strip.
void SetAlphaLabelColour(int16_t index, forms::Flag skip);
void SetAlphaLabelFrame(int16_t index, forms::Flag reset);
void UpdateAlphaLabel(int16_t index, forms::Flag skip);
void ResetAlphaLabelFrames();
void ColourAlphaLabels();
void RefreshAlphaLabels();
void RefreshAlphaLabels2();

// The word of a character (of the whole number for numbers); also stored in word.
std::string GetAlphaWord(const std::string& character, std::string& word);
