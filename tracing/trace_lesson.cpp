// Starting a character at the current level and drawing the board again for its state.
#include "forms/picture_box.h"
#include "forms/timer.h"
#include "shell/sounds.h"
#include "shell/user_set.h"
#include "tracing/animation.h"
#include "tracing/label_strip.h"
#include "tracing/progress.h"
#include "tracing/stroke_walk.h"
#include "tracing/trace_engine.h"

namespace {

// The character at the current index is finished at the current type and level.
bool CurrentDone() {
    return IsCurrentAlphaDone() != forms::vbFalse;
}

void StartTraceAnimation(int32_t foreColor, forms::Flag markKeys, forms::Flag allStrokes,
                         int16_t phase) {
    forms::PictureBox& board = BoardOf(AlphaCur);
    board.SetForeColor(foreColor);
    board.SetDrawWidth(AlphaCur.LineWidth);
    TraceAnim.AnimStroke = AlphaCur.CurStroke;
    TraceAnim.AnimPoint = 1;
    TraceAnim.AnimFlagB = markKeys;
    TraceAnim.AnimAllStrokes = allStrokes;
    TraceAnim.AnimKind = akDemoStep;
    TraceAnim.AnimPhase = phase;
    StartAnimationFor(AlphaCur, TraceAnim);
}

// Level III: the track with the thin guide over it.
void DrawTrackAndGuide(AlphaData& rec, forms::Flag cls) {
    DrawAlpha(rec, 1, cls, rec.ColorLine);
    DrawAlpha(rec, 2, forms::vbFalse, rec.ColorLinePrompt);
}

// The Level I drawing of a character is under way (not a wait of the same timer).
bool LevelOneDrawingRuns() {
    if (!AnimTimerRunning() || TraceAnim.AnimKind != akDemoStep) return false;
    const int16_t phase = TraceAnim.AnimPhase;
    return phase == apDemoFirst || phase == apDemoSecond || phase == apDemoStart ||
           phase == apDemoNext;
}

// The tracks, and the line as far as the running drawing has come: the first character whole
// when the drawing has moved on to the second, the animated one up to its current point.
void DrawLevelOneSoFar() {
    DrawAlphas(1, forms::vbFalse, 0);
    const bool second = NumAlphas == 2 &&
                        (TraceAnim.AnimPhase == apDemoSecond || TraceAnim.AnimPhase == apDemoNext);
    if (second) DrawAlpha(AlphaCur, 2, forms::vbFalse, 0);
    AlphaData& rec = second ? AlphaCur2 : AlphaCur;
    for (int16_t s = 0; s < TraceAnim.AnimStroke && s <= MaxStroke; ++s)
        DrawStrokeRange(rec, s, 0, rec.ColorLineHL, 0, forms::vbFalse);
    const int stroke = TraceAnim.AnimStroke;
    if (stroke < 0 || stroke > MaxStroke) return;
    forms::PictureBox& board = BoardOf(rec);
    board.SetForeColor(rec.ColorLineHL);
    board.SetDrawWidth(rec.LineWidth);
    board.SetCurrentX(rec.PointX(stroke, 1));
    board.SetCurrentY(rec.PointY(stroke, 1));
    for (int p = 1; p <= TraceAnim.AnimPoint && p <= MaxPointEntry; ++p) {
        const int16_t x = rec.PointX(stroke, p);
        if (IsStrokeMark(x)) break;
        board.LineTo(x, rec.PointY(stroke, p), rec.ColorLineHL);
    }
}

// Keeps the pen of a board: an animation that runs on draws on in its own colour and width.
class PenKeeper {
  public:
    explicit PenKeeper(forms::PictureBox* board) : board_(board) {
        if (board_ != nullptr) {
            color_ = board_->ForeColor();
            width_ = board_->DrawWidth();
        }
    }
    ~PenKeeper() {
        if (board_ != nullptr) {
            board_->SetForeColor(color_);
            board_->SetDrawWidth(width_);
        }
    }
    PenKeeper(const PenKeeper&) = delete;
    PenKeeper& operator=(const PenKeeper&) = delete;

  private:
    forms::PictureBox* board_;
    int32_t color_ = 0;
    int width_ = 1;
};

} // namespace

void ResetAlpha() {
    AlphaCur.NumAlphasCopy = NumAlphas;
    CurAlphaNo = 1;
    AlphaCur.AlphaTraced = forms::vbFalse;
    AlphaCur2.AlphaTraced = forms::vbFalse;
    StopAnimTimer();
    if (MMTimer != nullptr) MMTimer->SetEnabled(false);
    ShowWord();
    InitAlphaData(AlphaCur, AlphaCur2);
}

void ShowAlpha(forms::Flag noSpeech) {
    ResetAlpha();
    if (Settings.UserLevel == 0 || !IsAlphaDone(forms::vbFalse, 0)) {
        DrawAlphaForTrace();
        ShowBoardPicture(noSpeech);
        return;
    }
    // Already finished at Level II or III: shown whole, then the lesson moves on.
    DrawAlphas(0, forms::vbTrue, 0);
    ShowBoardPicture(noSpeech);
    AfterAlphaTraced(forms::vbFalse, 0, 1000, forms::vbFalse);
}

void DrawAlphaForTrace() {
    if (NumAlphas != 1 && NumAlphas != 2) return;
    switch (Settings.UserLevel) {
    case 0:
        DrawAlpha(AlphaCur, 1, forms::vbTrue, 0);
        if (NumAlphas == 2) DrawAlpha(AlphaCur2, 1, forms::vbFalse, 0);
        StartTraceAnimation(AlphaCur.ColorLineHL, forms::vbFalse, forms::vbTrue, apDemoFirst);
        break;
    case 1:
        DrawAlpha(AlphaCur, 1, forms::vbTrue, 0);
        if (NumAlphas == 2) DrawAlpha(AlphaCur2, 1, forms::vbFalse, 0);
        StartTraceAnimation(AlphaCur.ColorLinePrompt, forms::vbTrue, forms::vbFalse, apIdle);
        break;
    case 2:
        DrawTrackAndGuide(AlphaCur, forms::vbTrue);
        if (NumAlphas == 2) DrawTrackAndGuide(AlphaCur2, forms::vbFalse);
        DrawCheckPoints(AlphaCur, forms::vbTrue);
        if (NumAlphas == 2) DrawCheckPoints(AlphaCur2, forms::vbTrue);
        break;
    default:
        break;
    }
}

void RedrawAlpha() {
    if (NumAlphas != 1 && NumAlphas != 2) return;
    const bool two = NumAlphas == 2;
    const PenKeeper pen(AlphaCur.Board);
    switch (Settings.UserLevel) {
    case 0:
        if (LevelOneDrawingRuns()) {
            DrawLevelOneSoFar();
            break;
        }
        DrawAlpha(AlphaCur, 0, forms::vbFalse, 0);
        if (two) DrawAlpha(AlphaCur2, 0, forms::vbFalse, 0);
        break;
    case 1:
        if (CurrentDone()) {
            DrawAlphas(0, forms::vbFalse, 0);
        } else {
            DrawAlphas(1, forms::vbFalse, 0);
            if (two && AlphaCur.AlphaTraced) {
                DrawAlpha(AlphaCur, 0, forms::vbFalse, 0);
                DrawTraceProgress(AlphaCur2);
            } else {
                DrawTraceProgress(AlphaCur);
            }
        }
        break;
    case 2:
        if (CurrentDone()) {
            DrawAlpha(AlphaCur, 0, forms::vbFalse, 0);
            if (two) DrawAlpha(AlphaCur2, 0, forms::vbFalse, 0);
        } else if (!two) {
            DrawTrackAndGuide(AlphaCur, forms::vbTrue);
            DrawCheckPoints(AlphaCur, forms::vbTrue);
        } else if (!AlphaCur.AlphaTraced) {
            DrawTrackAndGuide(AlphaCur, forms::vbTrue);
            DrawTrackAndGuide(AlphaCur2, forms::vbFalse);
            DrawCheckPoints(AlphaCur, forms::vbTrue);
            DrawCheckPoints(AlphaCur2, forms::vbTrue);
        } else {
            DrawAlpha(AlphaCur, 0, forms::vbFalse, 0);
            DrawTrackAndGuide(AlphaCur2, forms::vbFalse);
            DrawCheckPoints(AlphaCur2, forms::vbTrue);
        }
        break;
    default:
        break;
    }
}
