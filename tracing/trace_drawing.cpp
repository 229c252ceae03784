// Drawing a character on its board: the thick track under the thin line, single strokes, the
// Level II progress and the key-point dots. Every line goes from the board's current point to a
// new point, so each stroke starts with a zero-length line at its first point.
#include "forms/picture_box.h"
#include "tracing/progress.h"
#include "tracing/stroke_walk.h"
#include "tracing/trace_engine.h"

namespace {

void MoveTo(forms::PictureBox& board, int16_t x, int16_t y) {
    board.SetCurrentX(x);
    board.SetCurrentY(y);
}

void LineTo(forms::PictureBox& board, int16_t x, int16_t y) {
    board.LineTo(x, y, board.ForeColor());
}

// One pass over every stroke from point 1 of stroke 0. The jump between strokes is not drawn.
// Returns false when the table has no end mark.
bool WalkStrokes(forms::PictureBox& board, const AlphaData& rec) {
    MoveTo(board, rec.PointX(0, 1), rec.PointY(0, 1));
    for (int s = 0; s <= MaxStroke; ++s) {
        for (int p = 1; p <= MaxPointEntry; ++p) {
            const int16_t x = rec.PointX(s, p);
            if (x == MarkEndAlpha) return true;
            if (x == MarkNextStroke) {
                if (s == MaxStroke) return true; // no stroke follows the last one
                MoveTo(board, rec.PointX(s + 1, 1), rec.PointY(s + 1, 1));
                break;
            }
            LineTo(board, x, rec.PointY(s, p));
        }
    }
    return false;
}

void SetPen(forms::PictureBox& board, int16_t width, int32_t color) {
    board.SetDrawWidth(width);
    board.SetForeColor(color);
}

void ZeroLineAtStart(forms::PictureBox& board, const AlphaData& rec) {
    const int16_t x = rec.PointX(0, 1);
    const int16_t y = rec.PointY(0, 1);
    if (IsStrokeMark(x)) return;
    board.Line(x, y, x, y, board.ForeColor());
}

// Dots at the key points of one stroke, in order, up to its last pair.
void DotKeyPoints(AlphaData& rec, int stroke, int32_t color) {
    for (int k = 0; 2 * k + 1 <= MaxKeyEntry; ++k) {
        int16_t x = 0, y = 0;
        if (!KeyPairPoint(rec, stroke, k, x, y)) break;
        DrawDot(x, y, color, rec);
    }
}

void DotNextKey(AlphaData& rec) {
    int16_t x = 0, y = 0;
    if (KeyPairPoint(rec, rec.CurStroke, rec.CurKey, x, y)) DrawDot(x, y, rec.ColorCircleHL, rec);
}

} // namespace

void EmptyDrawProc(AlphaData&) {}

void DrawAlpha(AlphaData& rec, int16_t mode, forms::Flag cls, int32_t color) {
    forms::PictureBox& board = BoardOf(rec);
    if (cls) {
        board.Cls();
        EmptyDrawProc(rec);
    }
    if (mode != 2) {
        SetPen(board, rec.TrackWidth, color != 0 ? color : rec.ColorLine);
        WalkStrokes(board, rec);
        if (mode == 1) return;
    }
    SetPen(board, rec.LineWidth, color != 0 ? color : rec.ColorLineHL);
    WalkStrokes(board, rec);
}

void DrawAlphas(int16_t mode, forms::Flag cls, int32_t color) {
    DrawAlpha(AlphaCur, mode, cls, color);
    if (NumAlphas != 1) DrawAlpha(AlphaCur2, mode, forms::vbFalse, color);
}

void DrawAlphaOutline(forms::Flag cls, forms::Flag trackOnly, AlphaData& rec, int32_t color,
                      forms::Flag skipTrack) {
    forms::PictureBox& board = BoardOf(rec);
    if (cls) {
        board.Cls();
        EmptyDrawProc(rec);
    }
    if (!skipTrack) {
        SetPen(board, rec.TrackWidth, rec.ColorLine);
        ZeroLineAtStart(board, rec);
        WalkStrokes(board, rec);
        if (trackOnly) return;
    }
    SetPen(board, rec.LineWidth, (color == 0 || color == -1) ? rec.ColorLineHL : color);
    ZeroLineAtStart(board, rec);
    WalkStrokes(board, rec);
}

void DrawStroke(AlphaData& rec, int32_t color) {
    forms::PictureBox& board = BoardOf(rec);
    const int s = rec.CurStroke;
    SetPen(board, rec.LineWidth, color);
    const int16_t x1 = rec.PointX(s, 1);
    if (!IsStrokeMark(x1)) {
        MoveTo(board, x1, rec.PointY(s, 1));
        for (int p = 1; p <= MaxPointEntry; ++p) {
            const int16_t x = rec.PointX(s, p);
            if (IsStrokeMark(x)) break;
            LineTo(board, x, rec.PointY(s, p));
        }
    }
    if (rec.ShowKeyDots) {
        DotKeyPoints(rec, s, rec.ColorCircle);
        int16_t x = 0, y = 0;
        if (KeyPairPoint(rec, rec.CurStroke, rec.CurKey, x, y) && x != 0 && y != 0)
            DrawDot(x, y, rec.ColorCircleHL, rec);
    }
}

void DrawStrokeRange(AlphaData& rec, int16_t stroke, int16_t toKey, int32_t color, int16_t width,
                     forms::Flag dots) {
    forms::PictureBox& board = BoardOf(rec);
    if (color == 0 || color == -9997) color = rec.ColorLineHL;
    if (width == 0) width = rec.LineWidth;
    int16_t endX = 0, endY = 0;
    bool hasEnd = false;
    if (toKey != 0) hasEnd = KeyPairPoint(rec, stroke, toKey, endX, endY);

    MoveTo(board, rec.PointX(stroke, 1), rec.PointY(stroke, 1));
    SetPen(board, width, color);
    for (int p = 1; p <= MaxPointEntry; ++p) {
        const int16_t x = rec.PointX(stroke, p);
        if (IsStrokeMark(x)) break;
        const int16_t y = rec.PointY(stroke, p);
        LineTo(board, x, y);
        if (hasEnd && x == endX && y == endY) break;
    }

    if (dots) {
        int k = 0;
        int16_t kx = 0, ky = 0;
        bool hasKey = KeyPairPoint(rec, stroke, k, kx, ky);
        for (int p = 1; hasKey && p <= MaxPointEntry; ++p) {
            const int16_t x = rec.PointX(stroke, p);
            if (IsStrokeMark(x)) break;
            if (x == kx && rec.PointY(stroke, p) == ky) {
                DrawDot(kx, ky, rec.ColorCircle, rec);
                ++k;
                hasKey = KeyPairPoint(rec, stroke, k, kx, ky);
            }
        }
        DotNextKey(rec);
    }
}

void DrawTraceProgress(AlphaData& rec) {
    if (IsCurrentAlphaDone()) {
        DrawAlpha(rec, 0, forms::vbFalse, 0);
        return;
    }
    for (int16_t s = 0; s < rec.CurStroke; ++s)
        DrawStrokeRange(rec, s, 0, rec.ColorLineHL, 0, forms::vbFalse);
    DrawStrokeRange(rec, rec.CurStroke, 0, rec.ColorLinePrompt, 0, forms::vbTrue);
    if (rec.CurKey > 1)
        DrawStrokeRange(rec, rec.CurStroke, rec.CurKey - 1, rec.ColorLineHL, 0, forms::vbFalse);
    DotNextKey(rec);
}

void DrawCheckPoints(AlphaData& rec, forms::Flag allStrokes) {
    const int last = allStrokes ? MaxStroke : 0;
    for (int s = 0; s <= last; ++s) {
        DotKeyPoints(rec, s, rec.ColorCircle);
        // The stroke after the one whose key list ends the character has no key points.
        for (int k = 0; k <= MaxKeyEntry; k += 2) {
            const int16_t entry = rec.KeyPoint(s, k);
            if (entry == MarkEndAlpha) return;
            if (entry == MarkNextStroke) break;
        }
    }
}

void DrawDot(int16_t x, int16_t y, int32_t color, AlphaData& rec) {
    forms::PictureBox& board = BoardOf(rec);
    const int width = board.DrawWidth();
    board.SetDrawWidth(rec.DotSize);
    board.Circle(x, y, 0, color);
    board.SetDrawWidth(width);
}
