#pragma once
// Small helpers shared by the layout, the drawing and the animation: reading the marked stroke
// tables without ever stepping past their bounds, and the board a record is drawn on.
#include <cstdint>

#include "forms/errors.h"
#include "tracing/alpha_data.h"

namespace forms {
class PictureBox;
}

constexpr int32_t errObjectNotSet = 91;

inline bool IsStrokeMark(int16_t v) {
    return v == MarkNextStroke || v == MarkEndAlpha;
}

// The board of a record; a record without one raises error 91 as an unset object would.
inline forms::PictureBox& BoardOf(const AlphaData& rec) {
    if (rec.Board == nullptr) forms::Raise(errObjectNotSet);
    return *rec.Board;
}

// The point named by key pair k of the stroke. False when the pair stands at or beyond the
// stroke's mark, or names no point of the table.
inline bool KeyPairPoint(const KeyTable& keys, const PointTable& px, const PointTable& py,
                         int stroke, int k, int16_t& x, int16_t& y) {
    if (k < 0 || 2 * k + 1 > MaxKeyEntry) return false;
    if (IsStrokeMark(keys(stroke, 2 * k))) return false;
    const int point = keys(stroke, 2 * k + 1);
    if (point < 1 || point > MaxPointEntry) return false;
    x = px(stroke, point);
    y = py(stroke, point);
    return !IsStrokeMark(x);
}

inline bool KeyPairPoint(const AlphaData& rec, int stroke, int k, int16_t& x, int16_t& y) {
    return KeyPairPoint(rec.KeyPoint, rec.PointX, rec.PointY, stroke, k, x, y);
}
