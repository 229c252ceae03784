// The strip of character labels over their tiles: captions by alphabet type, colours by progress
// and lesson range, the layout over the tiles, speaking a character on hover and choosing one by
// a click.
#include "tracing/label_strip.h"

#include "forms/image.h"
#include "forms/label.h"
#include "forms/msgbox.h"
#include "forms/screen.h"
#include "shell/frm_main.h"
#include "shell/sound_device.h"
#include "shell/sounds.h"
#include "shell/startup.h"
#include "shell/user_set.h"
#include "tracing/animation.h"
#include "tracing/progress.h"
#include "tracing/trace_clicks.h"
#include "tracing/trace_engine.h"
#include "tracing/trace_router.h"
#include "tracing/trace_screen.h"

int16_t LabelIndexHot = NoneCode;
forms::Flag LabelRecolour = forms::vbFalse;

namespace {

constexpr int16_t kSpeech = 1;
constexpr int16_t kHoverPause = 1000;

bool Numbers() {
    return Settings.AlphabetType == 3;
}

// A step below 1 would never leave the range.
int RangeStep(int step) {
    return step < 1 ? 1 : step;
}

} // namespace

void FillAlphaLabels() {
    FrmMainForm& f = *FrmMain;
    const int16_t type = Settings.AlphabetType;
    if (type == 3) {
        for (int i = 0; i <= 29; ++i)
            f.Label_Alpha(i).SetCaption(forms::CStr(i + 1));
        return;
    }
    if (type < 0 || type > 2) return;
    for (int i = 0; i <= 25; ++i) {
        const std::string capital(1, static_cast<char>('A' + i));
        const std::string small(1, static_cast<char>('a' + i));
        f.Label_Alpha(i).SetCaption(type == 0 ? capital : type == 1 ? small : capital + small);
    }
}

void ColorAlphaLabels() {
    FrmMainForm& f = *FrmMain;
    for (int i = 0; i <= 29; ++i)
        f.Label_Alpha(i).SetForeColor(LabelColors(2));
    const int step = Numbers() ? RangeStep(AlphaStep) : 1;
    for (int i = FirstAlphaIdx; i <= LastAlphaIdx; i += step) {
        const bool done = AlphaDone(Settings.AlphabetType)(Settings.UserLevel)(i) != forms::vbFalse;
        f.Label_Alpha(i).SetForeColor(done ? LabelColors(1) : LabelColors(0));
        AlphaEnabled(i) = forms::vbTrue;
    }
    if (!Numbers())
        for (int i = 0; i <= 25; ++i)
            f.Label_Alpha(i).SetVisible(true);
}

void ShowAlphaLabels(forms::Flag show) {
    FrmMainForm& f = *FrmMain;
    for (int i = 0; i <= 29; ++i)
        f.Label_Alpha(i).SetVisible(show != forms::vbFalse && (Numbers() || i <= 25));
}

// The caption sits on its tile in a size that follows the tile's height; each alphabet type
// has its own nudge so that its characters look centred.
void ArrangeAlphaLabels() {
    FrmMainForm& f = *FrmMain;
    const float s = static_cast<float>(forms::Screen.TwipsPerPixelY() *
                                       f.AT_Image_AlphaBG(0).Height() * 0.03099);
    float size = s;
    double dx = 0, dy = 3;
    switch (Settings.AlphabetType) {
    case 1:
        dx = -1;
        dy = 1;
        break;
    case 2:
        size = s - 4;
        dy = 6;
        break;
    case 3:
        size = s - 1;
        break;
    default:
        break;
    }
    const int16_t points = forms::CInt(size);
    for (int i = 0; i <= 29; ++i) {
        const forms::Image& tile = f.AT_Image_AlphaBG(i);
        forms::Label& label = f.Label_Alpha(i);
        label.Move(tile.Left() + dx, tile.Top() + dy, tile.Width(), tile.Height());
        label.SetFontSize(points);
        label.SetFontName(FontName(0));
        label.SetFontBold(FontSubstituted(0) != forms::vbFalse);
    }
}

// Coming onto a label speaks its character once; the label shows its hover tile for a second.
void AlphaLabelMouseMove(int16_t index, int16_t button, int16_t shift, float x, float y) {
    if (ProcessTraceEvent(teLabelHover, index, button, shift, x, y)) return;
    forms::Label& label = FrmMain->Label_Alpha(index);
    if (IsMMDevicePlaying(kSpeech) || index == LabelIndexHot ||
        label.ForeColor() == LabelColors(2) || MMTimerRunning() || AnimTimerRunning())
        return;
    LabelRecolour = forms::vbTrue;
    UpdateAlphaLabel(index, forms::vbTrue);
    SpeakBasic(Numbers() ? label.Caption() : forms::Left(label.Caption(), 1));
    StartMMTimer(mmResume, kHoverPause);
    LabelIndexHot = index;
}

// A click chooses the character; with Shift it is also made not done, and with Shift and Ctrl
// (after a confirmation) the whole level starts over from the lesson's first character.
void AlphaLabelMouseUp(int16_t index, int16_t button, int16_t shift, float x, float y) {
    if (ProcessTraceEvent(teLabelClick, index, button, shift, x, y)) return;
    ClearAlphaHover();
    if (MMTimer != nullptr) MMTimer->SetEnabled(false);
    const int16_t type = Settings.AlphabetType;
    const int16_t level = Settings.UserLevel;
    switch (shift) {
    case 0:
        AlphaLabelClick(index, forms::vbFalse);
        break;
    case 1:
        AlphaDone(type)(level)(index) = forms::vbFalse;
        // The current character too: its label loses the finished colour and it starts again.
        ChooseAlphaLabel(index, forms::vbFalse);
        LevelDone(type)(level) = forms::vbFalse;
        LevelJustDone = forms::vbFalse;
        ResetAlphaRec(AlphaCur);
        ResetAlphaRec(AlphaCur2);
        RedrawAlpha();
        break;
    case 3: {
        const int answer = forms::MsgBox("This option will clear your current exercise.    \r\n"
                                         "Do you want to continue ? ",
                                         forms::vbOKCancel + forms::vbCritical, "Reset Level");
        if (answer == forms::vbOK) {
            SetLevelDone(type, level);
            RefreshAlphaLabels();
            // The lesson's first character, started afresh even when it is the current one.
            ChooseAlphaLabel(FirstAlphaIdx, forms::vbFalse);
        } else {
            AlphaLabelClick(index, forms::vbFalse);
        }
        break;
    }
    default:
        break;
    }
}
