// The lesson range from the settings, and the layout of one or two characters on the board.
#include "forms/errors.h"
#include "forms/lang.h"
#include "forms/picture_box.h"
#include "shell/user_set.h"
#include "tracing/alpha_data.h"
#include "tracing/animation.h"
#include "tracing/stroke_walk.h"
#include "tracing/trace_engine.h"

using forms::CInt;

namespace {

// The character code of a text's first character, as the platform's Asc: error 5 for no text.
int AscOf(const std::string& s) {
    if (s.empty()) forms::Raise(forms::errInvalidCall);
    return static_cast<unsigned char>(s[0]);
}

double Divide(double a, double b) {
    if (b == 0) forms::Raise(11); // division by zero
    return a / b;
}

} // namespace

void InitAlphaRange() {
    StopAnimTimer();
    switch (Settings.AlphabetType) {
    case 0:
        AlphaCur.Alpha = forms::UCase(Settings.AlphabetStart);
        AlphaCur2.Alpha = "";
        NumAlphas = 1;
        CurAlphaIdx = CInt(AscOf(Settings.AlphabetStart) - 'A');
        FirstAlphaIdx = CurAlphaIdx;
        LastAlphaIdx = CInt(AscOf(Settings.AlphabetEnd) - 'A');
        AlphaStep = 1;
        AlphaCur.BaseDivisor = 1.2f;
        CurAlphaNo = 1;
        break;
    case 1:
        AlphaCur.Alpha = forms::LCase(Settings.AlphabetStart);
        AlphaCur2.Alpha = "";
        NumAlphas = 1;
        CurAlphaIdx = CInt(AscOf(forms::LCase(Settings.AlphabetStart)) - 'a');
        FirstAlphaIdx = CurAlphaIdx;
        LastAlphaIdx = CInt(AscOf(forms::LCase(Settings.AlphabetEnd)) - 'a');
        AlphaStep = 1;
        AlphaCur.BaseDivisor = 1.3f;
        CurAlphaNo = 1;
        break;
    case 2:
        AlphaCur.Alpha = forms::UCase(Settings.AlphabetStart);
        AlphaCur2.Alpha = forms::LCase(Settings.AlphabetStart);
        NumAlphas = 2;
        CurAlphaIdx = CInt(AscOf(Settings.AlphabetStart) - 'A');
        FirstAlphaIdx = CurAlphaIdx;
        LastAlphaIdx = CInt(AscOf(Settings.AlphabetEnd) - 'A');
        AlphaStep = 1;
        AlphaCur.BaseDivisor = 1.3f;
        CurAlphaNo = 1;
        break;
    case 3:
        if (Settings.NumbersEnd < 31) {
            const std::string number = forms::CStr(Settings.NumbersStart);
            if (Settings.NumbersStart > 9) {
                AlphaCur.Alpha = forms::Left(number, 1);
                AlphaCur2.Alpha = forms::Right(number, 1);
                NumAlphas = 2;
            } else {
                AlphaCur.Alpha = number;
                AlphaCur2.Alpha = "";
                NumAlphas = 1;
            }
            CurAlphaIdx = CInt(Settings.NumbersStart - 1);
            FirstAlphaIdx = CurAlphaIdx;
            LastAlphaIdx = CInt(Settings.NumbersEnd - 1);
            AlphaStep = Settings.NumbersStep;
            CurAlphaNo = 1;
        }
        AlphaCur.BaseDivisor = 1.2f;
        break;
    default:
        break;
    }
    PrevAlphaIdx = CurAlphaIdx;
}

void InitAlphaData(AlphaData& rec1, AlphaData& rec2) {
    (void)rec2; // two characters are always the two live records
    forms::PictureBox& board = BoardOf(rec1);
    const double w = board.ScaleWidth();
    const double h = board.ScaleHeight();

    if (rec1.NumAlphasCopy == 1) {
        ResetAlphaRec(AlphaCur);
        FillAlphaData(rec1);
        rec1.OffsetX = CInt(w / 2 + rec1.OffsetX - rec1.AlphaWidth / 2.0);
        rec1.OffsetY = CInt(Divide(h, rec1.BaseDivisor) + rec1.OffsetY - rec1.AlphaHeight -
                            rec1.TrackWidth / 2.0);
        OffsetAlphaPoints(rec1.OffsetX, rec1.OffsetY, rec1);
        BuildCheckPoints(rec1);
        FindAlphaEnd(rec1);
    } else if (rec1.NumAlphasCopy == 2) {
        ResetAlphaRec(AlphaCur);
        ResetAlphaRec(AlphaCur2);
        FillAlphaData(AlphaCur);
        AlphaCur.OffsetY = CInt(Divide(h, AlphaCur.BaseDivisor) + AlphaCur.OffsetY -
                                AlphaCur.AlphaHeight - AlphaCur.TrackWidth / 2.0);
        FillAlphaData(AlphaCur2);
        const double h2 = BoardOf(AlphaCur2).ScaleHeight();
        // The first record's divisor serves both: they share one base line.
        AlphaCur2.OffsetY = CInt(Divide(h2, AlphaCur.BaseDivisor) + AlphaCur2.OffsetY -
                                 AlphaCur2.AlphaHeight - AlphaCur2.TrackWidth / 2.0);
        // Two strokes of no width ("11") would touch without a gap.
        const int16_t gap = (AlphaCur.AlphaWidth + AlphaCur2.AlphaWidth < 20) ? 20 : 0;
        const int16_t half = CInt(
            (gap + AlphaCur.AlphaWidth + AlphaCur2.AlphaWidth + AlphaCur.TrackWidth + 10) / 2.0);
        AlphaCur.OffsetX = CInt(w / 2 - half);
        AlphaCur2.OffsetX =
            CInt(AlphaCur.OffsetX + AlphaCur.AlphaWidth + AlphaCur.TrackWidth + 5 + gap);
        OffsetAlphaPoints(AlphaCur.OffsetX, AlphaCur.OffsetY, AlphaCur);
        OffsetAlphaPoints(AlphaCur2.OffsetX, AlphaCur2.OffsetY, AlphaCur2);
        BuildCheckPoints(AlphaCur);
        FindAlphaEnd(AlphaCur);
        BuildCheckPoints(AlphaCur2);
        FindAlphaEnd(AlphaCur2);
    }
}

void OffsetAlphaPoints(int16_t dx, int16_t dy, AlphaData& rec) {
    for (int s = 0; s <= MaxStroke; ++s) {
        for (int p = 1; p <= MaxPointEntry; ++p) {
            const int16_t x = rec.PointX(s, p);
            if (x == MarkNextStroke) break;
            if (x == MarkEndAlpha) {
                rec.LastStroke = static_cast<int16_t>(s);
                return;
            }
            rec.PointX(s, p) = CInt(x + dx);
            rec.PointY(s, p) = CInt(rec.PointY(s, p) + dy);
        }
    }
}

void ResetAlphaRec(AlphaData& rec) {
    AnimAlphaNo = 1;
    rec.ShowKeyDots = forms::vbFalse;
    rec.AlphaTraced = forms::vbFalse;
    rec.CurStroke = 0;
    rec.CurKey = 0;
    rec.CheckNext = 0;
    rec.PromptStroke = 0;
}

void FindAlphaEnd(AlphaData& rec) {
    for (int s = 0; s <= MaxStroke; ++s) {
        for (int p = 1; p <= MaxPointEntry; ++p) {
            if (rec.PointX(s, p) == MarkEndAlpha) {
                rec.EndStroke = static_cast<int16_t>(s);
                rec.EndPoint = static_cast<int16_t>(p);
                return;
            }
        }
    }
}

void BuildCheckPoints(AlphaData& rec) {
    rec.CheckNext = 0;
    int n = 0;
    for (int s = 0; s <= MaxStroke; ++s) {
        for (int k = 0; 2 * k + 1 <= MaxKeyEntry; ++k) {
            const int16_t entry = rec.KeyPoint(s, 2 * k);
            if (entry == MarkEndAlpha) {
                rec.CheckX(n) = MarkEndAlpha;
                return;
            }
            if (entry == MarkNextStroke) break;
            int16_t x = 0, y = 0;
            if (!KeyPairPoint(rec, s, k, x, y)) break;
            rec.CheckX(n) = x; // a list that would outgrow its table raises error 9
            rec.CheckY(n) = y;
            ++n;
        }
    }
    // A table without its end mark still ends the list.
    if (n <= MaxCheckEntry) rec.CheckX(n) = MarkEndAlpha;
}

int32_t GetKeyPointXY(const AlphaData& rec, int16_t stroke, int16_t entry) {
    const int point = rec.KeyPoint(stroke, entry + 1);
    const int16_t x = rec.PointX(stroke, point);
    const int16_t y = rec.PointY(stroke, point);
    return static_cast<int32_t>((static_cast<uint32_t>(static_cast<uint16_t>(y)) << 16) |
                                static_cast<uint16_t>(x));
}

void CopyMarkedPoints(const PointTable& srcX, const PointTable& srcY, PointTable& dstX,
                      PointTable& dstY) {
    for (int s = 0; s <= MaxStroke; ++s) {
        for (int p = 1; p <= MaxPointEntry; ++p) {
            const int16_t x = srcX(s, p);
            dstX(s, p) = x;
            if (x == MarkNextStroke) break;
            if (x == MarkEndAlpha) return;
            dstY(s, p) = srcY(s, p);
        }
    }
}

void CopyMarkedPoints2(const KeyTable& src, KeyTable& dst) {
    for (int s = 0; s <= MaxStroke; ++s) {
        for (int e = 1; e <= MaxKeyEntry; ++e) {
            const int16_t v = src(s, e);
            dst(s, e) = v;
            if (v == MarkNextStroke) break;
            if (v == MarkEndAlpha) return;
        }
    }
}
