// The stroke animation: one straight segment a tick, chained by the animation's phase.
#include "tracing/animation.h"

#include "forms/picture_box.h"
#include "forms/timer.h"
#include "options/animation_tab.h"
#include "shell/user_set.h"
#include "tracing/progress.h"
#include "tracing/stroke_walk.h"
#include "tracing/trace_engine.h"

namespace {

// Draw step memory: the key pair looked for next, the key point marked last, whether one was
// marked in this stroke, and how often its dot was drawn again since.
int16_t KeyIndex = 0;
int16_t KeyX = 0;
int16_t KeyY = 0;
forms::Flag KeyShown = forms::vbFalse;
int16_t KeyRedraws = 0;

// Segment step memory.
forms::Flag SegStarted = forms::vbFalse;
int16_t SegPoint = 0;
int16_t SegEnd = 0;

// Key pair k of the animated stroke, from the copies.
bool AnimKeyPair(int stroke, int k, int16_t& x, int16_t& y) {
    return KeyPairPoint(TraceAnim.KeyPoint, TraceAnim.PointX, TraceAnim.PointY, stroke, k, x, y);
}

bool KeyPairAt(int stroke, int k, int16_t x, int16_t y) {
    int16_t kx = 0, ky = 0;
    return AnimKeyPair(stroke, k, kx, ky) && kx == x && ky == y;
}

// The x of a point of the copied tables; past the table's end it reads as the end mark.
int16_t AnimX(int stroke, int point) {
    return point > MaxPointEntry ? MarkEndAlpha : TraceAnim.PointX(stroke, point);
}

void Line(forms::PictureBox& board, int16_t x1, int16_t y1, int16_t x2, int16_t y2) {
    board.Line(x1, y1, x2, y2, board.ForeColor());
}

void StartStrokePrompt(AlphaData& rec, int16_t stroke) {
    TraceAnim.AnimStroke = stroke;
    TraceAnim.AnimPoint = 1;
    TraceAnim.AnimFlagB = forms::vbTrue;
    TraceAnim.AnimAllStrokes = forms::vbFalse;
    TraceAnim.AnimKind = akDemoStep;
    TraceAnim.AnimPhase = apIdle;
    StartAnimation(rec, TraceAnim);
}

void StartWholeCharacter(AlphaData& rec, int16_t phase) {
    TraceAnim.AnimStroke = 0;
    TraceAnim.AnimPoint = 1;
    TraceAnim.AnimFlagB = forms::vbFalse;
    TraceAnim.AnimAllStrokes = forms::vbTrue;
    TraceAnim.AnimKind = akDemoStep;
    TraceAnim.AnimPhase = phase;
    StartAnimation(rec, TraceAnim);
}

// The character being traced still waits for the child at Level II or III.
bool TracingStateShows() {
    return !IsAlphaDone(forms::vbFalse, 0) && Settings.UserLevel > 0;
}

void FinishCharacter() {
    StopAnimTimer();
    AfterAlphaTraced(forms::vbTrue, 0, 0, forms::vbFalse);
}

} // namespace

void ClearAnimStepMemory() {
    TraceAnim.AnimFlagA = forms::vbFalse;
    SegStarted = forms::vbFalse;
}

void StartAnimation(AlphaData& rec, TraceData& desc) {
    if (&desc != &TraceAnim) {
        TraceAnim.AnimTimer = desc.AnimTimer;
        TraceAnim.AnimStroke = desc.AnimStroke;
        TraceAnim.AnimPoint = desc.AnimPoint;
        TraceAnim.AnimFlagB = desc.AnimFlagB;
        TraceAnim.AnimAllStrokes = desc.AnimAllStrokes;
        TraceAnim.AnimKind = desc.AnimKind;
        TraceAnim.AnimPhase = desc.AnimPhase;
        TraceAnim.AnimInterval = desc.AnimInterval;
    }
    if (TraceAnim.AnimTimer == nullptr) forms::Raise(errObjectNotSet);
    TraceAnim.AnimTimer->SetInterval(TraceAnim.AnimInterval);
    CopyMarkedPoints(rec.PointX, rec.PointY, TraceAnim.PointX, TraceAnim.PointY);
    CopyMarkedPoints2(rec.KeyPoint, TraceAnim.KeyPoint);
    // A restart after an outside stop begins afresh: the draw step forgets its key points and the
    // segment step works out the new segment.
    ClearAnimStepMemory();
    TraceAnim.AnimTimer->SetEnabled(true);
}

void StartAnimationFor(AlphaData& rec, TraceData& desc) {
    StartAnimation(rec, desc);
}

void AnimationTimerTick() {
    switch (TraceAnim.AnimKind) {
    case akDemoStep:
        if (NumAlphas == 1) {
            AnimateStrokeDraw(AlphaCur);
        } else if (NumAlphas == 2) {
            if (CurAlphaNo == 1)
                AnimateStrokeDraw(AlphaCur);
            else if (CurAlphaNo == 2)
                AnimateStrokeDraw(AlphaCur2);
        }
        break;
    case akSegmentStep:
        if (CurAlphaNo == 1)
            AnimateSegmentStep(AlphaCur);
        else if (CurAlphaNo == 2)
            AnimateSegmentStep(AlphaCur2);
        break;
    case akPreviewStep:
        AnimateStrokeDraw(AlphaOpt);
        break;
    case akWaitDone:
        StopAnimTimer();
        AnimationNextStep(AlphaCur, TraceAnim);
        break;
    case akHintDone:
        StopAnimTimer();
        ShowAlpha(forms::vbFalse);
        break;
    case akPuzzleStep:
        StopAnimTimer();
        break;
    default:
        break;
    }
}

namespace {
// At a stroke's mark: on to the next stroke when the mark says one follows and all strokes are
// drawn, else the drawing ends.
void EndOfStroke(int16_t mark, int stroke) {
    if (mark == MarkNextStroke && TraceAnim.AnimAllStrokes && stroke < MaxStroke) {
        ++TraceAnim.AnimStroke;
        TraceAnim.AnimPoint = 1;
        TraceAnim.AnimFlagA = forms::vbFalse;
    } else {
        StopAnimTimer();
        KeyIndex = 0;
        KeyShown = forms::vbFalse;
    }
}
} // namespace

void AnimateStrokeDraw(AlphaData& rec) {
    forms::PictureBox& board = BoardOf(rec);
    if (!TraceAnim.AnimFlagA) {
        KeyIndex = 0;
        KeyShown = forms::vbFalse;
        KeyRedraws = 0;
        TraceAnim.AnimFlagA = forms::vbTrue;
    }
    const int stroke = TraceAnim.AnimStroke;
    const int point = TraceAnim.AnimPoint;
    const int16_t x = point < 1 ? MarkEndAlpha : AnimX(stroke, point);

    if (IsStrokeMark(x)) {
        // The stroke has no point left here (an empty table, or a start past the stroke's end):
        // it ends without drawing anything.
        EndOfStroke(x, stroke);
    } else {
        const int16_t y = TraceAnim.PointY(stroke, point);
        const int16_t nx = AnimX(stroke, point + 1);
        if (IsStrokeMark(nx)) {
            // The stroke's last point: a dot of the pen's width.
            Line(board, x, y, x, y);
            if (TraceAnim.AnimFlagB) {
                if (KeyPairAt(stroke, KeyIndex, x, y)) {
                    DrawDot(x, y, rec.ColorCircle, rec);
                    KeyShown = forms::vbTrue;
                }
                // The start of the stroke: the first point to click.
                DrawDot(TraceAnim.PointX(stroke, 1), TraceAnim.PointY(stroke, 1), rec.ColorCircleHL,
                        rec);
            }
            // The jump to the next stroke is not drawn.
            EndOfStroke(nx, stroke);
        } else {
            const int16_t ny = TraceAnim.PointY(stroke, point + 1);
            Line(board, x, y, nx, ny);
            // The line just drawn may cover the last key dot: draw it again for four segments.
            if (KeyShown && KeyX > 0 && KeyY > 0 && KeyRedraws < 4) {
                DrawDot(KeyX, KeyY, rec.ColorCircle, rec);
                ++KeyRedraws;
            }
            if (TraceAnim.AnimFlagB && KeyPairAt(stroke, KeyIndex, x, y)) {
                KeyX = x;
                KeyY = y;
                DrawDot(x, y, rec.ColorCircle, rec);
                KeyShown = forms::vbTrue;
                ++KeyIndex;
                KeyRedraws = 0;
            }
            ++TraceAnim.AnimPoint;
        }
    }
    if (!AnimTimerRunning()) AnimationNextStep(rec, TraceAnim);
}

void AnimateSegmentStep(AlphaData& rec) {
    forms::PictureBox& board = BoardOf(rec);
    const int stroke = TraceAnim.AnimStroke;
    const int k = TraceAnim.AnimPoint;
    if (!SegStarted) {
        SegPoint = 0;
        SegEnd = 0;
        int16_t sx = 0, sy = 0, ex = 0, ey = 0;
        const bool hasStart = AnimKeyPair(stroke, k, sx, sy);
        const bool hasEnd = AnimKeyPair(stroke, k + 1, ex, ey);
        for (int i = 1; i <= MaxPointEntry; ++i) {
            const int16_t x = TraceAnim.PointX(stroke, i);
            if (IsStrokeMark(x)) break; // what lies beyond the mark belongs to no stroke
            const int16_t y = TraceAnim.PointY(stroke, i);
            if (hasStart && x == sx && y == sy) SegPoint = static_cast<int16_t>(i);
            if (hasEnd && x == ex && y == ey) {
                SegEnd = static_cast<int16_t>(i);
                break;
            }
        }
        SegStarted = forms::vbTrue;
    }
    if (SegPoint >= 1 && SegPoint < SegEnd) {
        Line(board, TraceAnim.PointX(stroke, SegPoint), TraceAnim.PointY(stroke, SegPoint),
             TraceAnim.PointX(stroke, SegPoint + 1), TraceAnim.PointY(stroke, SegPoint + 1));
        ++SegPoint;
    } else {
        if (SegPoint >= 1) {
            const int16_t x = TraceAnim.PointX(stroke, SegPoint);
            const int16_t y = TraceAnim.PointY(stroke, SegPoint);
            Line(board, x, y, x, y);
            // The stroke goes on: dot the next point to click.
            if (!IsStrokeMark(AnimX(stroke, SegPoint + 1))) {
                int16_t nx = 0, ny = 0;
                if (AnimKeyPair(stroke, k + 2, nx, ny)) DrawDot(nx, ny, rec.ColorCircleHL, rec);
            }
        }
        StopAnimTimer();
        SegStarted = forms::vbFalse;
    }
    if (!AnimTimerRunning()) AnimationNextStep(rec, TraceAnim);
}

void AnimationNextStep(AlphaData& rec, TraceData& desc) {
    switch (desc.AnimPhase) {
    case apSegment:
        ++rec.CurKey;
        if (rec.KeyPoint(rec.CurStroke, 2 * rec.CurKey) == MarkNextStroke) {
            // The stroke is complete and another follows: prompt it.
            ++rec.CurStroke;
            rec.CurKey = 0;
            BoardOf(rec).SetForeColor(rec.ColorLinePrompt);
            StartStrokePrompt(rec, rec.CurStroke);
        }
        break;
    case apSegmentLast:
    case apSegmentSecondDone:
    case apDemoSecond:
        FinishCharacter();
        break;
    case apSegmentFirstDone:
        AlphaCur2.CurStroke = 0;
        AlphaCur.AlphaTraced = forms::vbTrue;
        AlphaCur2.CurKey = 0;
        CurAlphaNo = 2;
        BoardOf(AlphaCur2).SetForeColor(AlphaCur2.ColorLinePrompt);
        StartStrokePrompt(AlphaCur2, 0);
        break;
    case apPreview:
        StopAnimTimer();
        ShowPreviewArrows();
        break;
    case apDemoFirst:
        if (NumAlphas == 1) {
            FinishCharacter();
        } else {
            CurAlphaNo = 2;
            AlphaCur2.CurStroke = 0;
            AlphaCur2.CurKey = 0;
            BoardOf(AlphaCur2).SetForeColor(AlphaCur2.ColorLineHL);
            StartWholeCharacter(AlphaCur2, apDemoSecond);
        }
        break;
    case apWaitNext:
        StopAnimTimer();
        AfterAlphaTraced(forms::vbFalse, 500, 0, forms::vbFalse);
        break;
    case apDemoStart:
        StopAnimTimer();
        if (NumAlphas == 1) {
            if (TracingStateShows()) RedrawAlpha();
            AfterAlphaTraced(forms::vbFalse, 0, 0, forms::vbFalse);
        } else {
            // The second character follows; CurAlphaNo stays, the tables are AlphaCur2's.
            forms::PictureBox& board = BoardOf(AlphaCur2);
            board.SetForeColor(AlphaCur2.ColorLineHL);
            board.SetDrawWidth(AlphaCur2.LineWidth);
            StartWholeCharacter(AlphaCur2, apDemoNext);
        }
        break;
    case apDemoNext:
        if (TracingStateShows()) RedrawAlpha();
        StopAnimTimer();
        AfterAlphaTraced(forms::vbFalse, 0, 0, forms::vbFalse);
        break;
    default:
        break;
    }
}
