// The colour picker: palette, swatch strips and marks, the colour targets, the reset, the hit test
// on the letter, the pointers of the colouring mode and the wait before the character restarts.
#include "tracing/colour_picker.h"

#include "forms/image.h"
#include "forms/image_list.h"
#include "forms/label.h"
#include "forms/picture_box.h"
#include "forms/timer.h"
#include "puzzle/puzzle.h"
#include "shell/frm_main.h"
#include "shell/sounds.h"
#include "shell/user_set.h"
#include "tracing/alpha_data.h"
#include "tracing/animation.h"
#include "tracing/progress.h"
#include "tracing/trace_clicks.h"
#include "tracing/trace_engine.h"
#include "tracing/trace_screen.h"

forms::Array<int32_t, 0, 40> Palette{};
float PickedColor = 0;
float PickedColorCopy = 0;
float HoverColor = -9997;
float PrevHoverColor = -9997;
forms::Flag ColorPending = forms::vbFalse;
int16_t HintState = -9997;

namespace {

constexpr int kSwatchCount = 40;
constexpr int kHoverMark = 41;  // image of the swatch list drawn over the swatch under the pointer
constexpr int kPickedMark = 42; // and over the swatch picked
constexpr int32_t kMarkMaskColor = 255; // pure red: the parts of a mark that let the swatch show
constexpr int32_t kPaletteRelative = 0x02000000; // bit 25 of a colour value
constexpr int kHintWait = 2000;                  // ms before the character starts again
constexpr int kUsColorApplied = 506;

FrmMainForm& Main() {
    return *FrmMain;
}

// A swatch index held as a number; -1 for one that names no swatch (nothing marked yet).
int SwatchIndex(float value) {
    if (!(value >= 0 && value < kSwatchCount)) return -1;
    return forms::CInt(value);
}

// Picture n of a list, or none when the list does not hold it (a program folder without media).
forms::PicturePtr ListPicture(const forms::ImageList& list, int n) {
    return n >= 1 && n <= list.Count() ? list.Picture(n) : nullptr;
}

// The swatch gets its plain picture, or that picture with a mark over it.
void SetSwatch(int swatch, int mark = 0) {
    if (swatch < 0) return;
    forms::ImageList& list = Main().AT_ImageList_ColorPickers;
    const int plain = swatch + 1;
    forms::PicturePtr picture;
    if (mark == 0)
        picture = ListPicture(list, plain);
    else if (plain <= list.Count() && mark <= list.Count())
        picture = list.Overlay(plain, mark);
    if (picture) Main().AT_Image_ColorPicker(swatch).SetPicture(picture);
}

int32_t PickedValue() {
    return Palette(forms::CInt(PickedColor));
}

// Custom pointer with an icon of a list (the icon's centre is its hot spot, unless given).
template <class Target>
void SetIconPointer(Target& target, const forms::ImageList& list, int n, int hotX = -1,
                    int hotY = -1) {
    target.SetMouseIcon(ListPicture(list, n), hotX, hotY);
    target.SetMousePointer(forms::vbCustom);
}

// The hand over the word points with its fingertip.
constexpr int kHandHotX = 12, kHandHotY = 2;

void FillPalette() {
    // (red, green, blue) per slot. Slot 27 shows white, so it gives white.
    static const int rgb[kSwatchCount][3] = {
        {102, 0, 0},     {153, 0, 0},     {204, 0, 0},     {255, 0, 0},     {0, 102, 0},
        {0, 153, 0},     {0, 204, 0},     {0, 255, 0},     {0, 0, 102},     {0, 0, 153},
        {0, 0, 204},     {0, 0, 255},     {102, 102, 0},   {153, 153, 0},   {204, 204, 0},
        {255, 255, 0},   {102, 0, 102},   {153, 0, 153},   {204, 0, 204},   {255, 0, 255},
        {0, 102, 102},   {0, 153, 153},   {0, 204, 204},   {0, 255, 255},   {0, 0, 0},
        {102, 102, 102}, {225, 225, 225}, {255, 255, 255}, {255, 102, 0},   {255, 153, 0},
        {255, 153, 153}, {255, 0, 102},   {255, 0, 204},   {255, 102, 204}, {0, 102, 255},
        {0, 153, 255},   {102, 153, 255}, {102, 204, 102}, {153, 255, 153}, {0, 0, 0}};
    for (int i = 0; i < kSwatchCount; ++i)
        Palette(i) = forms::RGB(rgb[i][0], rgb[i][1], rgb[i][2]);
    Palette(40) = 0;
}

void LayOutStrips() {
    FrmMainForm& m = Main();
    auto& swatch = m.AT_Image_ColorPicker;
    forms::PictureBox& strip1 = m.AT_Picture_Holder_ColorPicker1;
    forms::PictureBox& strip2 = m.AT_Picture_Holder_ColorPicker2;
    forms::PictureBox& strip3 = m.AT_Picture_Holder_ColorPicker3;
    // Left: 0 to 11 top to bottom.
    strip1.Move(5, 10, 35, 443);
    for (int i = 0; i <= 11; ++i)
        swatch(i).Move(0, 37 * i, 35, 35);
    // Bottom, along the foot of the left strip: 12 at its start, then 13 to 27.
    strip2.Move(strip1.Left() + strip1.Width() + 4, strip1.Top() + swatch(11).Top(), 560, 36);
    swatch(12).Move(0, 0, 35, 35);
    for (int i = 13; i <= 27; ++i)
        swatch(i).Move(35 * (i - 12), 0, 35, 35);
    // Right: 28 at its start, then 29 to 39 top to bottom.
    strip3.Move(swatch(27).Left() + strip2.Left() + 4, strip1.Top(), strip1.Width(),
                strip1.Height());
    swatch(28).Move(0, 0, 35, 35);
    for (int i = 29; i <= 39; ++i)
        swatch(i).Move(0, 37 * (i - 28), 35, 35);
}

// The pointers the controls carry from the start: the character labels' and the coins' own paint
// pointer (shown only in the colouring mode) and the hand over the word.
void SetDesignPointers() {
    FrmMainForm& m = Main();
    const forms::PicturePtr brush = ListPicture(m.ATImgLst_MouseIcons, 2);
    for (int i = 0; i <= 29; ++i)
        m.Label_Alpha(i).SetMouseIcon(brush);
    for (int i = 0; i <= 27; ++i)
        m.PuzLbl_Coin(i).SetMouseIcon(brush);
    SetIconPointer(m.TrcLbl_Word(0), m.ATImgLst_MouseCursors, 1, kHandHotX, kHandHotY);
}

} // namespace

void InitColorPicker() {
    FillPalette();
    for (int i = 0; i < kSwatchCount; ++i)
        SetSwatch(i);
    LayOutStrips();
    SetDesignPointers();
}

// --- Marks.

void RestoreHoverSwatch() {
    SetSwatch(SwatchIndex(PrevHoverColor));
}

void ShowHoverSwatch() {
    RestoreHoverSwatch();
    forms::ImageList& list = Main().AT_ImageList_ColorPickers;
    list.SetMaskColor(kMarkMaskColor);
    list.SetBackColor(kMarkMaskColor);
    SetSwatch(SwatchIndex(HoverColor), kHoverMark);
}

void ShowPlainSwatch(float index) {
    SetSwatch(SwatchIndex(index));
}

void ShowSelectedSwatch() {
    SetSwatch(SwatchIndex(PickedColorCopy));
    SetSwatch(SwatchIndex(PickedColor), kPickedMark);
}

// --- Targets.

void ApplyPickedColor(int16_t target) {
    FrmMainForm& m = Main();
    const int32_t p = PickedValue();
    switch (target) {
    case ctLetter:
        AlphaCur.ColorLineHL = p;
        AlphaCur2.ColorLineHL = p;
        m.TrcLbl_Numbers(0).SetForeColor(p);
        DrawAlphas(2, forms::vbFalse, 0);
        StartHintTimer();
        break;
    case ctBoard:
        m.Picture_DrawBoard.SetBackColor(p | kPaletteRelative);
        m.Picture_ShowBoard.SetBackColor(m.Picture_DrawBoard.BackColor());
        RedrawAlpha();
        AfterAlphaTraced(forms::vbFalse, 0, 0, forms::vbFalse);
        break;
    case ctWord:
        m.TrcLbl_Word(0).SetForeColor(p);
        RedrawAlpha();
        AfterAlphaTraced(forms::vbFalse, 0, 0, forms::vbFalse);
        break;
    case ctLabelsToDo:
        LabelColors(0) = p;
        ColourAlphaLabels();
        HintState = 5;
        RedrawAlpha();
        StartHintTimer();
        break;
    case ctLabelsDone:
        LabelColors(1) = p;
        ColourAlphaLabels();
        RedrawAlpha();
        StartHintTimer();
        break;
    case ctCoins:
        FitCoinLabels();
        HintState = 5;
        break;
    case ctCoinsLevelI:
        ColourCoinsLevelII();
        HintState = 5;
        break;
    default:
        break;
    }
    m.SetMousePointer(forms::vbDefault);
    // The swatch takes the hover mark, and is remembered as the one marked: a swatch marked
    // before (the pointer's moves were ignored while the colour waited) goes plain.
    HoverColor = PickedColor;
    ShowHoverSwatch();
    PrevHoverColor = PickedColor;
    PlayUISound(kUsColorApplied);
}

void ResetColorTarget(int16_t target) {
    FrmMainForm& m = Main();
    switch (target) {
    case ctLetter:
        AlphaCur.ColorLineHL = Settings.ColorLineHL;
        AlphaCur2.ColorLineHL = Settings.ColorLineHL;
        m.TrcLbl_Numbers(0).SetForeColor(Settings.ColorLineHL);
        DrawAlphas(0, forms::vbTrue, 0);
        break;
    case ctBoard:
        for (AlphaData* rec : {&AlphaCur, &AlphaCur2})
            if (rec->Board != nullptr) rec->Board->SetBackColor(Settings.BGColor);
        if (AlphaCur.Board != nullptr)
            m.Picture_ShowBoard.SetBackColor(AlphaCur.Board->BackColor());
        DrawAlphas(0, forms::vbFalse, 0);
        break;
    case ctWord:
        m.TrcLbl_Word(0).SetForeColor(Settings.ColorWord);
        break;
    case ctLabelsToDo:
        LabelColors(0) = Settings.ColorText;
        LabelColors(1) = Settings.ColorTextHL;
        ColourAlphaLabels();
        break;
    case ctLabelsDone:
        LabelColors(1) = Settings.ColorTextHL;
        m.Label_Alpha(CurAlphaIdx)
            .SetForeColor(IsCurrentAlphaDone() ? Settings.ColorTextHL : Settings.ColorText);
        break;
    default:
        break;
    }
}

forms::Flag HitLetterStroke(float x, float y, int16_t tolerance, const AlphaData& rec) {
    for (int s = 0; s <= MaxStroke; ++s) {
        for (int p = 1; p <= MaxPointEntry; ++p) {
            const int16_t px = rec.PointX(s, p);
            if (px == MarkEndAlpha) return forms::vbFalse;
            if (px == MarkNextStroke) break;
            if (IsNearPoint(x, y, px, rec.PointY(s, p), tolerance)) return forms::vbTrue;
        }
    }
    return forms::vbFalse;
}

// --- Pointers.

void SetPaintCursors() {
    FrmMainForm& m = Main();
    SetIconPointer(m, m.ATImgLst_MouseIcons, 1);
    // The brush's tip lies 16 pixels left of and below the icon's centre, where the board's hit
    // test looks.
    SetIconPointer(m.Picture_DrawBoard, m.ATImgLst_MouseIcons, 2);
    SetIconPointer(m.TrcLbl_Word(0), m.ATImgLst_MouseIcons, 2);
    if (m.TrcLbl_Numbers(0).Visible()) {
        SetIconPointer(m.TrcLbl_Numbers(0), m.ATImgLst_MouseIcons, 2);
        SetIconPointer(m.Picture_ShowBoard, m.ATImgLst_MouseIcons, 2);
    }
    for (int i = 0; i <= 29; ++i)
        m.Label_Alpha(i).SetMousePointer(forms::vbCustom);
}

void SetDefaultCursors() {
    FrmMainForm& m = Main();
    m.SetMousePointer(forms::vbDefault);
    m.Picture_DrawBoard.SetMousePointer(forms::vbDefault);
    m.Picture_ShowBoard.SetMousePointer(forms::vbDefault);
    m.TrcLbl_Numbers(0).SetMousePointer(forms::vbDefault);
    m.TrcLbl_Numbers(1).SetMousePointer(forms::vbDefault);
    for (int i = 0; i <= 29; ++i)
        m.Label_Alpha(i).SetMousePointer(forms::vbDefault);
    SetIconPointer(m.TrcLbl_Word(0), m.ATImgLst_MouseCursors, 1, kHandHotX, kHandHotY);
    ColorPending = forms::vbFalse;
}

void SetPaintCursorsPuzzle() {
    FrmMainForm& m = Main();
    SetIconPointer(m, m.ATImgLst_MouseIcons, 1);
    for (int i = 0; i <= 27; ++i)
        m.PuzLbl_Coin(i).SetMousePointer(forms::vbCustom);
}

void SetDefaultCursorsPuzzle() {
    FrmMainForm& m = Main();
    m.SetMousePointer(forms::vbDefault);
    for (int i = 0; i <= 27; ++i)
        m.PuzLbl_Coin(i).SetMousePointer(forms::vbDefault);
}

// --- The wait.

void StartHintTimer() {
    if (TraceAnim.AnimTimer == nullptr) return;
    TraceAnim.AnimKind = akHintDone;
    TraceAnim.AnimTimer->SetInterval(kHintWait);
    TraceAnim.AnimTimer->SetEnabled(true);
}
