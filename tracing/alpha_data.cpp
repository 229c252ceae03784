#include "tracing/alpha_data.h"

#include "tracing/stroke_tables.h"

AlphaData AlphaCur;
AlphaData AlphaCur2;
AlphaData AlphaOpt;

void ClearPointArray(PointTable& x, PointTable& y) {
    x.Clear();
    y.Clear();
}

namespace {

// Writes one glyph's constants into the record; a glyph built on another writes that one first
// and turns its end mark into a next-stroke mark.
void FillFromGlyph(AlphaData& rec, const GlyphData& glyph) {
    int firstOwn = 0;
    if (glyph.base != 0) {
        const GlyphData* base = FindGlyph(std::string(1, glyph.base));
        if (base == nullptr || base->base != 0) forms::Raise(forms::errInvalidCall);
        FillFromGlyph(rec, *base);
        firstOwn = base->strokeCount;
        const int last = firstOwn - 1;
        rec.PointX(last, base->stroke[last].pointCount + 1) = MarkNextStroke;
    }
    rec.OffsetX = glyph.shiftX;
    rec.OffsetY = glyph.shiftY;
    rec.AlphaHeight = glyph.height;
    rec.AlphaWidth = glyph.width;
    const int strokes = glyph.strokeCount;
    for (int s = firstOwn; s < strokes; ++s) {
        const GlyphStroke& stroke = glyph.stroke[s];
        for (int p = 1; p <= stroke.pointCount; ++p) {
            rec.PointX(s, p) = stroke.point[p - 1].x;
            rec.PointY(s, p) = stroke.point[p - 1].y;
        }
        rec.PointX(s, stroke.pointCount + 1) = s + 1 < strokes ? MarkNextStroke : MarkEndAlpha;
        rec.PointY(s, stroke.pointCount + 1) = 0;
    }
    for (int s = 0; s < strokes; ++s) {
        const GlyphStroke& stroke = glyph.stroke[s];
        for (int k = 0; k < stroke.keyCount; ++k) {
            rec.KeyPoint(s, 2 * k) = static_cast<int16_t>(s);
            rec.KeyPoint(s, 2 * k + 1) = stroke.key[k];
        }
        rec.KeyPoint(s, 2 * stroke.keyCount) = s + 1 < strokes ? MarkNextStroke : MarkEndAlpha;
    }
}

} // namespace

void FillAlphaData(AlphaData& rec) {
    ClearPointArray(rec.PointX, rec.PointY);
    const GlyphData* glyph = FindGlyph(rec.Alpha);
    if (glyph == nullptr) {
        rec.PointX(0, 1) = MarkEndAlpha;
        rec.PointY(0, 1) = MarkEndAlpha;
        // The key table ends here too, so that nothing reads the key pairs of the character the
        // record held before.
        rec.KeyPoint(0, 0) = MarkEndAlpha;
        return;
    }
    FillFromGlyph(rec, *glyph);
}
