#pragma once
// The one animation timer of the tracing screen (the main window's AT_TimerTMR): each tick draws
// one segment of a stroke, or ends a wait. What a tick does is chosen by TraceAnim.AnimKind; what
// follows the end of an animation by TraceAnim.AnimPhase.
#include <cstdint>

#include "forms/lang.h"
#include "forms/timer.h"
#include "tracing/alpha_data.h"

// What the next tick does.
enum AnimKindCode : int16_t {
    akDemoStep = 1,    // a draw step on the character being traced
    akSegmentStep = 2, // a step of a Level II segment
    akPreviewStep = 4, // a draw step on the options preview
    akWaitDone = 5,    // the auto-play wait is over
    akHintDone = 6,    // the wait after a colour was applied is over
    akPuzzleStep = 502 // the puzzle shuffle's one-tick wait
};

// What follows when an animation ends.
enum AnimPhaseCode : int16_t {
    apSegment = 300,
    apSegmentLast = 301,
    apSegmentFirstDone = 302,
    apSegmentSecondDone = 303,
    apPreview = 304,
    apDemoFirst = 400,
    apDemoSecond = 401,
    apWaitNext = 402,
    apDemoStart = 500,
    apDemoNext = 501,
    apIdle = -9997
};

struct TraceData {
    int16_t AnimInterval = 40;                   // ms between the ticks of a drawing animation
    forms::Flag AnimFlagA = forms::vbFalse;      // False: the next draw tick starts a stroke
    forms::Flag AnimFlagB = forms::vbFalse;      // mark key points while drawing (stroke prompt)
    int16_t AnimKind = 0;                        // AnimKindCode
    int16_t AnimPhase = apIdle;                  // AnimPhaseCode
    forms::Timer* AnimTimer = nullptr;           // the main window's animation timer, not owned
    int16_t AnimStroke = 0;                      // stroke being drawn
    int16_t AnimPoint = 0;                       // draw step: next point; segment step: key pair
    forms::Flag AnimAllStrokes = forms::vbFalse; // go on with the next stroke after a -9998
    PointTable PointX{};                         // copies of the animated character's tables
    PointTable PointY{};
    KeyTable KeyPoint{};
};

inline TraceData TraceAnim;

// Takes the descriptor's fields (not AnimFlagA), the record's tables, and starts the timer.
void StartAnimation(AlphaData& rec, TraceData& desc);
void StartAnimationFor(AlphaData& rec, TraceData& desc);
// The body of the animation timer's tick.
void AnimationTimerTick();
void AnimateStrokeDraw(AlphaData& rec);
void AnimateSegmentStep(AlphaData& rec);
void AnimationNextStep(AlphaData& rec, TraceData& desc);

// Whether an animation (or a wait) runs, and stopping it; both safe before the timer is taken.
inline bool AnimTimerRunning() {
    return TraceAnim.AnimTimer != nullptr && TraceAnim.AnimTimer->Enabled();
}
inline void StopAnimTimer() {
    if (TraceAnim.AnimTimer != nullptr) TraceAnim.AnimTimer->SetEnabled(false);
}
// Forgets the step memory, as a start does; for starters that set the fields themselves.
void ClearAnimStepMemory();
