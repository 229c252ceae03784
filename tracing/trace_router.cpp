// The board event router: decides from the event's code and the colour picker's state whether a
// mouse event is part of colouring, and performs it when it is.
#include "tracing/trace_router.h"

#include "forms/label.h"
#include "forms/sound_channel.h"
#include "puzzle/puzzle.h"
#include "shell/frm_main.h"
#include "shell/menu_buttons.h"
#include "shell/sound_device.h"
#include "shell/sounds.h"
#include "shell/user_set.h"
#include "tracing/alpha_data.h"
#include "tracing/animation.h"
#include "tracing/colour_picker.h"
#include "tracing/label_strip.h"
#include "tracing/progress.h"
#include "tracing/trace_engine.h"

int16_t LastCoinHover = 0;

namespace {

constexpr int16_t kUsPickerMove = 503;
constexpr int16_t kUsPickerClick = 504;
constexpr int16_t kUsHint = 505;

// The brush's tip, where the board's hit test looks, relative to the pointer's hot spot.
constexpr float kTipDX = -16, kTipDY = 16;

// The hint channel still plays its sound: no new hint over it.
bool HintChannelPlays() {
    return FrmMain->AT_MM_Alphabet(4).Mode() == forms::mciModePlay;
}

// One hint per kind of target until a swatch hover allows the next.
void HintOnce(int16_t kind, int16_t state) {
    if (HintChannelPlays() || HintState == kind) return;
    HintState = state;
    PlayUISound(kUsHint);
}

void BoardClick(float x, float y) {
    const float tx = x + kTipDX, ty = y + kTipDY;
    bool hit = false;
    if (NumAlphas == 1) {
        const auto tolerance = forms::CInt(AlphaCur.LineWidth / 2.0);
        hit = HitLetterStroke(tx, ty, tolerance, AlphaCur) != forms::vbFalse;
    } else {
        const int16_t tolerance = AlphaCur.LineWidth;
        hit = HitLetterStroke(tx, ty, tolerance, AlphaCur2) != forms::vbFalse ||
              HitLetterStroke(tx, ty, tolerance, AlphaCur) != forms::vbFalse;
    }
    ApplyPickedColor(hit ? ctLetter : ctBoard);
    SetDefaultCursors();
}

void CoinClick(int16_t index) {
    const int32_t picked = Palette(forms::CInt(PickedColor));
    if (Settings.UserLevel == ulLevel1) {
        if (FrmMain->PuzLbl_Coin(index).ForeColor() == PuzColorNormal)
            PuzColorNormal = picked;
        else
            PuzColorCorrect = picked;
        ApplyPickedColor(ctCoinsLevelI);
    } else {
        PuzColorNormal = picked;
        ApplyPickedColor(ctCoins);
    }
    SetDefaultCursorsPuzzle();
    SetDefaultCursors();
}

// The reset swatch carries the hover mark from now on, and a pick that still waits keeps its
// own mark.
void MarkResetSwatch() {
    HoverColor = kResetSwatch;
    ShowHoverSwatch();
    PrevHoverColor = kResetSwatch;
    if (ColorPending) ShowSelectedSwatch();
}

// The picked swatch clicked again while its colour waits: the pick is cancelled.
bool CancelsPick(int16_t index) {
    return ColorPending && forms::CInt(PickedColor) == index;
}

void CancelPick() {
    ShowPlainSwatch(PickedColor);
    HoverColor = PickedColor;
    PrevHoverColor = PickedColor;
    ShowHoverSwatch();
}

void Pick(int16_t index) {
    ColorPending = forms::vbTrue;
    PickedColor = index;
    ShowSelectedSwatch();
    PickedColorCopy = index;
}

void SwatchClickTracing(int16_t index) {
    StopAnimTimer();
    ClearAlphaHover();
    StopSpeakingNow();
    StopSpeaking(0);
    DrawAlphas(2, forms::vbFalse, 0);
    PlayUISound(kUsPickerClick);
    if (index == kResetSwatch) {
        for (int16_t target : {ctLetter, ctBoard, ctWord, ctLabelsToDo, ctLabelsDone})
            ResetColorTarget(target);
        HintState = -9997;
        MarkResetSwatch();
        DrawAlphas(2, forms::vbFalse, 0);
        StartHintTimer();
    } else if (CancelsPick(index)) {
        CancelPick();
        SetDefaultCursors();
        // The pick stopped the character's drawing; it starts again as after a reset.
        StartHintTimer();
    } else {
        SetPaintCursors();
        Pick(index);
    }
}

void SwatchClickPuzzle(int16_t index) {
    if (index == kResetSwatch) {
        PuzColorNormal = 0;
        PuzColorCorrect = 0xFFFF;
        ApplyPickedColor(Settings.UserLevel == ulLevel1 ? ctCoinsLevelI : ctCoins);
        // The picked swatch took the hover mark; it belongs to the reset swatch.
        MarkResetSwatch();
    } else if (CancelsPick(index)) {
        CancelPick();
        SetDefaultCursorsPuzzle();
        ColorPending = forms::vbFalse;
    } else {
        SetPaintCursorsPuzzle();
        Pick(index);
    }
}

} // namespace

forms::Flag ProcessTraceEvent(int16_t code, int16_t index, int16_t, int16_t, float x, float y) {
    if (Settings.LessonID == lsTracing) {
        MenuUnhighlight();
        SubMenuUnhighlight();
    }
    const bool swatchEvent = code == tePickerHover || code == tePickerClick;
    if (swatchEvent ? !Settings.AllowColor : !ColorPending) return forms::vbFalse;

    switch (code) {
    case teBoardHover:
        HintOnce(2, 2);
        break;
    case teBoardClick:
        BoardClick(x, y);
        break;
    case teLabelHover:
        LabelIndexHot = index;
        // The current character's label keeps sounding: 6 is never taken for a hint given.
        HintOnce(5, index == CurAlphaIdx ? 6 : 5);
        break;
    case teLabelClick:
        LabelIndexHot = index;
        ApplyPickedColor(AlphaDone(Settings.AlphabetType)(Settings.UserLevel)(index)
                             ? ctLabelsDone
                             : ctLabelsToDo);
        SetDefaultCursors();
        break;
    case teWordHover:
        HintOnce(3, 3);
        break;
    case teWordClick:
        ApplyPickedColor(ctWord);
        SetDefaultCursors();
        break;
    case tePickerHover:
        if (HoverColor == index || ColorPending) break;
        HoverColor = index;
        ShowHoverSwatch();
        PlayUISound(kUsPickerMove);
        HintState = 0;
        PrevHoverColor = index;
        break;
    case tePickerClick:
        if (Settings.LessonID == lsTracing)
            SwatchClickTracing(index);
        else if (Settings.LessonID == lsPuzzle)
            SwatchClickPuzzle(index);
        break;
    case teShowBoardClick:
        ApplyPickedColor(ctBoard);
        SetDefaultCursors();
        break;
    case teCoinHover:
        if (index != LastCoinHover && !IsMMDevicePlaying(0)) {
            LastCoinHover = index;
            PlayUISound(kUsHint);
        }
        break;
    case teCoinColor:
        CoinClick(index);
        break;
    default:
        break;
    }
    return forms::vbTrue;
}
