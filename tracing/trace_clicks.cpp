// Tracing clicks at the three skill levels, the hint and demonstration buttons, and the choice of
// a character in the label strip.
#include "tracing/trace_clicks.h"

#include "forms/label.h"
#include "forms/picture_box.h"
#include "forms/timer.h"
#include "shell/frm_main.h"
#include "shell/sounds.h"
#include "shell/user_set.h"
#include "tracing/animation.h"
#include "tracing/progress.h"
#include "tracing/stroke_walk.h"
#include "tracing/trace_engine.h"

std::string LastCheckAlpha;

namespace {

constexpr int32_t kHintYellow = 65535; // the Level II hint's disc while the button is held

// The record being traced, or none for counts the lesson never holds.
AlphaData* TracedRecord() {
    if (NumAlphas == 1 || (NumAlphas == 2 && CurAlphaNo == 1)) return &AlphaCur;
    if (NumAlphas == 2 && CurAlphaNo == 2) return &AlphaCur2;
    return nullptr;
}

bool WordTimerRunning() {
    return MMTimer != nullptr && MMTimer->Enabled();
}

// Key pair k of the record's current stroke, through GetKeyPointXY; false when the pair stands
// at or past the stroke's mark (an empty table, or a cursor beyond the stroke).
bool CurrentStrokeKey(const AlphaData& rec, int k, int16_t& x, int16_t& y) {
    int16_t px = 0, py = 0;
    if (!KeyPairPoint(rec, rec.CurStroke, k, px, py)) return false;
    const int32_t xy = GetKeyPointXY(rec, rec.CurStroke, static_cast<int16_t>(2 * k));
    x = KeyPointX(xy);
    y = KeyPointY(xy);
    return true;
}

// The pair after key k is the character's end mark (a pair past the table counts as one).
bool IsLastKey(const AlphaData& rec, int k) {
    const int entry = 2 * (k + 1);
    if (entry > MaxKeyEntry) return true;
    return rec.KeyPoint(rec.CurStroke, entry) == MarkEndAlpha;
}

// Stroke PromptStroke of the record in the colour, as DrawStroke draws the current stroke.
void DrawPromptStroke(AlphaData& rec, int32_t color) {
    const int16_t saved = rec.CurStroke;
    rec.CurStroke = rec.PromptStroke;
    try {
        DrawStroke(rec, color);
    } catch (...) {
        rec.CurStroke = saved;
        throw;
    }
    rec.CurStroke = saved;
}

// Check point n of the record; false past the table.
bool CheckPoint(const AlphaData& rec, int n, int16_t& x, int16_t& y) {
    if (n < 0 || n > MaxCheckEntry) return false;
    x = rec.CheckX(n);
    y = rec.CheckY(n);
    return true;
}

} // namespace

forms::Flag IsNearPoint(float x, float y, int16_t px, int16_t py, int16_t tolerance) {
    const float fx = static_cast<float>(px), fy = static_cast<float>(py);
    const float t = static_cast<float>(tolerance);
    return forms::ToFlag(fx - t < x && x < fx + t && fy - t < y && y < fy + t);
}

void TraceClick(int16_t button, int16_t shift, float x, float y) {
    switch (Settings.UserLevel) {
    case 0:
        StartAlphaDemo();
        break;
    case 1:
        if (AlphaData* rec = TracedRecord()) KeyPointsClick(button, shift, x, y, *rec);
        break;
    case 2:
        if (AlphaData* rec = TracedRecord()) CheckPointsClick(button, shift, x, y, *rec);
        break;
    default:
        break;
    }
}

void StartAlphaDemo() {
    StopAnimTimer();
    if (WordTimerRunning()) return;
    if (Settings.UserLevel == 0) SpeakSentence();
    TraceAnim.AnimStroke = 0;
    TraceAnim.AnimPoint = 1;
    TraceAnim.AnimFlagB = forms::vbFalse;
    TraceAnim.AnimFlagA = forms::vbFalse;
    if (TraceAnim.AnimTimer == nullptr) forms::Raise(errObjectNotSet);
    TraceAnim.AnimTimer->SetInterval(TraceAnim.AnimInterval);
    TraceAnim.AnimAllStrokes = forms::vbTrue;

    DrawAlphaOutline(forms::vbFalse, forms::vbTrue, AlphaCur, 0, forms::vbFalse);
    if (NumAlphas == 2)
        DrawAlphaOutline(forms::vbFalse, forms::vbTrue, AlphaCur2, 0, forms::vbFalse);
    CopyMarkedPoints(AlphaCur.PointX, AlphaCur.PointY, TraceAnim.PointX, TraceAnim.PointY);
    CopyMarkedPoints2(AlphaCur.KeyPoint, TraceAnim.KeyPoint);
    forms::PictureBox& board = BoardOf(AlphaCur);
    board.SetForeColor(AlphaCur.ColorLineHL);
    board.SetDrawWidth(AlphaCur.LineWidth);

    // Started without StartAnimation: the steps must forget what an earlier animation left.
    ClearAnimStepMemory();
    TraceAnim.AnimKind = akDemoStep;
    TraceAnim.AnimPhase = apDemoStart;
    TraceAnim.AnimTimer->SetEnabled(true);
}

void KeyPointsClick(int16_t, int16_t, float x, float y, AlphaData& rec) {
    if (AnimTimerRunning() || IsCurrentAlphaDone()) return;
    int16_t tx = 0, ty = 0;
    if (!CurrentStrokeKey(rec, rec.CurKey, tx, ty)) return;
    const bool last = IsLastKey(rec, rec.CurKey);
    if (!IsNearPoint(x, y, tx, ty, rec.DotSize)) return;

    if (rec.CurKey == 0) {
        if (last) {
            // A stroke of one key point ends the character (the dots of "i" and "j").
            DrawDot(tx, ty, rec.ColorLineHL, rec);
            AfterAlphaTraced(forms::vbTrue, 0, 0, forms::vbFalse);
        } else {
            DrawDot(tx, ty, rec.ColorCircle, rec);
            int16_t nx = 0, ny = 0;
            if (CurrentStrokeKey(rec, 1, nx, ny)) DrawDot(nx, ny, rec.ColorCircleHL, rec);
            ++rec.CurKey;
        }
        return;
    }

    // A later key point: the segment from the previous one is animated; the animation's end
    // moves the cursor on.
    forms::PictureBox& board = BoardOf(rec);
    board.SetForeColor(rec.ColorLineHL);
    board.SetDrawWidth(rec.LineWidth);
    TraceAnim.AnimStroke = rec.CurStroke;
    TraceAnim.AnimPoint = static_cast<int16_t>(rec.CurKey - 1);
    TraceAnim.AnimFlagB = forms::vbFalse;
    TraceAnim.AnimAllStrokes = forms::vbFalse;
    TraceAnim.AnimPhase = apSegment;
    TraceAnim.AnimKind = akSegmentStep;
    if (last) {
        AlphaCur.PromptStroke = 0;
        AlphaCur2.PromptStroke = 0;
        if (NumAlphas == 2 && CurAlphaNo == 1) {
            AnimAlphaNo = 2;
            TraceAnim.AnimPhase = apSegmentFirstDone;
        } else {
            AnimAlphaNo = 1;
            rec.AlphaTraced = forms::vbTrue;
            TraceAnim.AnimPhase = NumAlphas == 2 ? apSegmentSecondDone : apSegmentLast;
        }
    }
    StartAnimationFor(rec, TraceAnim);
}

void CheckPointsClick(int16_t, int16_t, float x, float y, AlphaData& rec) {
    if (rec.Alpha != LastCheckAlpha) {
        LastCheckAlpha = rec.Alpha;
        rec.CheckNext = 0;
    }
    int16_t cx = 0, cy = 0;
    if (!CheckPoint(rec, rec.CheckNext, cx, cy) || cx == MarkEndAlpha) return; // all clicked
    if (!IsNearPoint(x, y, cx, cy, rec.DotSize)) return;

    // A point shared by the end of one stroke and the start of the next is passed by one click.
    int16_t nx = 0, ny = 0;
    const bool shared = CheckPoint(rec, rec.CheckNext + 1, nx, ny) && nx == cx && ny == cy;
    rec.CheckNext = static_cast<int16_t>(rec.CheckNext + (shared ? 2 : 1));

    int16_t ex = 0, ey = 0;
    // A list that fills its whole table ends there too.
    const bool allClicked = !CheckPoint(rec, rec.CheckNext, ex, ey) || ex == MarkEndAlpha;
    if (!allClicked) return;
    if (NumAlphas == 1) {
        OnAlphaDone();
        RedrawAlpha();
        AfterAlphaTraced(forms::vbTrue, 0, 0, forms::vbFalse);
    } else if (NumAlphas == 2 && CurAlphaNo == 1) {
        DrawAlphaOutline(forms::vbFalse, forms::vbFalse, rec, 0, forms::vbFalse);
        rec.AlphaTraced = forms::vbTrue;
        CurAlphaNo = 2; // the next clicks go to the second character
    } else if (NumAlphas == 2 && CurAlphaNo == 2) {
        DrawAlphaOutline(forms::vbFalse, forms::vbFalse, rec, 0, forms::vbFalse);
        OnAlphaDone();
        AfterAlphaTraced(forms::vbTrue, 0, 0, forms::vbFalse);
    }
}

void PromptAlpha(int16_t a1, int16_t a2, float a3, float a4, int16_t mode, AlphaData& rec) {
    if (AnimTimerRunning()) return;
    if (mode != 1 && mode != 2) return;
    const bool press = mode == 1;
    const bool done = IsAlphaDone(forms::vbFalse, 0) != forms::vbFalse;
    switch (Settings.UserLevel) {
    case 0:
        press ? ShowCurrentStroke(rec) : ShowNextStroke(rec);
        break;
    case 1:
        if (done)
            press ? ShowCurrentStroke(rec) : ShowNextStroke(rec);
        else
            DrawNextKeyPoint(rec, press ? kHintYellow : AlphaCur.ColorCircleHL);
        break;
    case 2:
        if (done)
            press ? ShowCurrentStroke(rec) : ShowNextStroke(rec);
        else
            PromptCheckPoint(a1, a2, a3, a4, mode);
        break;
    default:
        break;
    }
}

void PromptCheckPoint(int16_t, int16_t, float, float, int16_t mode) {
    if (Settings.UserLevel != 2) return;
    AlphaData* rec = TracedRecord();
    if (rec == nullptr) return;
    // The release puts the point back in the dot colour: in the track's colour the point to
    // click next would vanish into the track.
    if (mode == 1)
        DrawNextCheckPoint(*rec, 0);
    else if (mode == 2)
        DrawNextCheckPoint2(*rec, 0);
}

void DrawNextKeyPoint(AlphaData& rec, int32_t color) {
    int16_t x = 0, y = 0;
    if (!CurrentStrokeKey(rec, rec.CurKey, x, y)) return;
    forms::PictureBox& board = BoardOf(AlphaCur);
    // A disc: outlined in the board's pen colour, filled with the hint's colour.
    board.SetFillStyle(forms::vbFSSolid);
    board.SetFillColor(color);
    board.SetDrawWidth(1);
    board.Circle(x, y, AlphaCur.DotSize / 2.0f);
}

void DrawNextCheckPoint(AlphaData& rec, int32_t color) {
    int16_t x = 0, y = 0;
    if (!CheckPoint(rec, rec.CheckNext, x, y) || x == MarkEndAlpha) return;
    DrawDot(x, y, color == 0 ? rec.ColorCircleHL : color, rec);
}

void DrawNextCheckPoint2(AlphaData& rec, int32_t color) {
    int16_t x = 0, y = 0;
    if (!CheckPoint(rec, rec.CheckNext, x, y) || x == MarkEndAlpha) return;
    DrawDot(x, y, color == 0 ? rec.ColorCircle : color, rec);
}

void ShowCurrentStroke(AlphaData& rec) {
    DrawPromptStroke(rec, rec.ColorHelp);
}

void ShowNextStroke(AlphaData& rec) {
    DrawPromptStroke(rec, rec.ColorLineHL);
    if (rec.PromptStroke >= rec.LastStroke) {
        rec.PromptStroke = 0;
        if (NumAlphas == 2) AnimAlphaNo = AnimAlphaNo == 1 ? 2 : 1;
    } else {
        ++rec.PromptStroke;
    }
}

void AlphaLabelClick(int16_t index, forms::Flag noSpeech) {
    if (index == CurAlphaIdx) return;
    ChooseAlphaLabel(index, noSpeech);
}

void ChooseAlphaLabel(int16_t index, forms::Flag noSpeech) {
    if (!AlphaEnabled(index)) return;
    StopAnimTimer();
    CurAlphaIdx = index;
    UpdateAlphaLabel(PrevAlphaIdx, forms::vbFalse);
    UpdateAlphaLabel(CurAlphaIdx, forms::vbFalse);
    PrevAlphaIdx = index;
    const std::string caption = forms::Trim(FrmMain->Label_Alpha(index).Caption());
    if (caption.size() == 1) {
        NumAlphas = 1;
        AlphaCur.Alpha = caption;
        AlphaCur2.Alpha = "";
    } else {
        NumAlphas = 2;
        AlphaCur.Alpha = forms::Left(caption, 1);
        AlphaCur2.Alpha = forms::Right(caption, 1);
    }
    ShowAlpha(noSpeech);
}
