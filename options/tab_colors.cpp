// The options dialog's Colors tab: the colours of the tracing screen and of the background form,
// and whether the child may recolour things with the colour picker. The selected target is
// pointed at by a pair of arrows in a live preview (the letter drawn by the tracing engine, the
// word labels, or a small copy of the background form); the swatch shows its colour and opens
// the colour dialog.
#include "forms/files.h"
#include "forms/lang.h"
#include "options/frm_options.h"
#include "shell/app_state.h"
#include "shell/background_form.h"
#include "shell/frm_background.h"
#include "shell/settings_file.h"
#include "shell/startup.h"
#include "shell/user_set.h"
#include "tracing/animation.h"
#include "tracing/colour_picker.h"
#include "tracing/trace_engine.h"

#include <algorithm>
#include <string>

using forms::CInt;

namespace {

// The colour targets, in list order.
enum ColorTarget : int16_t {
    ctgBGForm = 0,
    ctgBGAlpha = 1,
    ctgBGAlphaShadow = 2,
    ctgLetter = 3,
    ctgOutline = 4,
    ctgPromptLine = 5,
    ctgPromptCircle = 6,
    ctgHelp = 7,
    ctgBoard = 8,
    ctgWord = 9,
    ctgWordShadow = 10,
    ctgDone = 11,
    ctgToDo = 12,
    ctgLast = ctgToDo
};
const char* const kTargetTexts[] = {"Background Color",
                                    "Background Alphabet",
                                    "Background Alphabet Shadow",
                                    "Alphabet",
                                    "Alphabet Outline",
                                    "Alphabet  Prompt Line",
                                    "Alphabet Prompt Circle",
                                    "Alphabet Help",
                                    "Alphabet Backgound",
                                    "Word ",
                                    "Word Shadow",
                                    "Completed Alphabets",
                                    "Incomplete Alphabets"};
const char* const kWordCaptions[] = {"Apple", "Apple", "Aa ", "Bb Cc Dd"};

bool IsBackgroundTarget(int t) {
    return t >= ctgBGForm && t <= ctgBGAlphaShadow;
}
bool IsLetterTarget(int t) {
    return t >= ctgLetter && t <= ctgBoard;
}
bool IsWordTarget(int t) {
    return t >= ctgWord && t <= ctgToDo;
}

// Arrows of the symbol face: the letter and word views' points down and right, its tip by the
// label's right and bottom edges; the background view's points up and left from its top left.
const char* const kArrowDownRight = "\xE4";
const char* const kArrowUpLeft = "\xE1";
const char* const kSymbolFace = "Wingdings 2";

const int32_t kButtonFace = forms::RGB(240, 240, 240);
const int32_t kBackgroundPreviewBoard = forms::RGB(0, 0, 112);

// Pixel places inside the holder: the list on the left with the swatch and the two boxes under
// it, the previews on the right at the holder's full height (the word labels stand below the
// middle of the letter display).
constexpr double kListWidth = 152;
constexpr double kPreviewGap = 4;

// The pixel point of a point of the preview letter.
void LetterPoint(const AlphaData& rec, int stroke, int point, int16_t& x, int16_t& y) {
    x = rec.PointX(stroke, point);
    y = rec.PointY(stroke, point);
}
void LetterKeyPoint(const AlphaData& rec, int16_t stroke, int16_t entry, int16_t& x, int16_t& y) {
    const int32_t xy = GetKeyPointXY(rec, stroke, entry);
    x = KeyPointX(xy);
    y = KeyPointY(xy);
}

// A point aimed at a word label, kept within the label so that a smaller label than the
// offsets were made for is still the one pointed at.
void PointInto(const forms::Label& l, double dx, double dy, int16_t& x, int16_t& y) {
    const double right = l.Left() + std::max(1.0, l.Width() - 4);
    const double bottom = l.Top() + std::max(1.0, l.Height() - 4);
    x = CInt(std::min(l.Left() + dx, right));
    y = CInt(std::min(l.Top() + dy, bottom));
}

} // namespace

void FrmOptionsForm::BuildColorsTab() {
    CAFrm_Holder.SetCaption("Colors");
    CAFrm_Holder.SetFontName("Arial");
    CAFrm_Holder.Move(6, 4, 296, 254);
    CAPict_Holder.SetBorderStyle(0);
    CAPict_Holder.SetBackColor(kButtonFace);

    CAList_Color.SetFontName("Arial");
    CAList_Color.SetFontSize(8);
    for (const char* text : kTargetTexts)
        CAList_Color.AddItem(text);
    CAPict_ColorPick.SetBorderStyle(1);
    CAPict_ColorPick.SetToolTipText("Click to choose the color");
    CALbl_Color(0).SetCaption("Allow color changing");
    CALbl_Color(1).SetCaption("Arrow");
    for (int i = 0; i <= 1; ++i) {
        CALbl_Color(i).SetFontName("Arial");
        CALbl_Color(i).SetFontSize(8);
        CALbl_Color(i).SetBackStyle(forms::vbTransparent);
    }
    // The arrows show until the box is cleared; the choice is not kept in the settings.
    CAChk_AllowJr(1).SetValue(forms::vbChecked);

    CAPict_AlphaDisplay(0).SetBorderStyle(1);
    const bool bold = FontSubstituted(0) != forms::vbFalse;
    for (int i = 0; i <= 3; ++i) {
        forms::Label& l = CALbl_Word(i);
        l.SetCaption(kWordCaptions[i]);
        l.SetFontName(::FontName(0));
        l.SetFontBold(bold);
        l.SetFontSize(i <= 1 ? 20 : 12);
        l.SetBackStyle(forms::vbTransparent);
        l.SetAutoSize(true);
        l.SetVisible(false);
    }
    CALbl_Word(1).ZOrder(1); // the shadow behind the word

    CAfrm_BGDisplay.SetBorderStyle(0);
    CAfrm_BGDisplay.SetCaption("");
    CAfrm_BGDisplay.SetVisible(false);
    for (int i = 0; i <= 3; ++i) {
        const std::string pair =
            std::string(1, static_cast<char>('A' + i)) + static_cast<char>('a' + i);
        CAimg_BGDisplay(i).SetStretch(true);
        for (forms::Label* l : {&CAlbl_Alpha(i), &CAlbl_AlphaShdw(i)}) {
            l->SetCaption(pair);
            l->SetFontName(::FontName(1));
            l->SetBackStyle(forms::vbTransparent);
        }
    }
    for (int i = 0; i <= 3; ++i) {
        forms::Label& a = CAlbl_Arrow(i);
        a.SetCaption(i <= 1 ? kArrowDownRight : kArrowUpLeft);
        a.SetFontName(kSymbolFace);
        a.SetFontSize(14);
        a.SetBackStyle(forms::vbTransparent);
        a.SetAutoSize(true);
        // The copy 2 pixels to the right in black over the white one: the arrow shows on dark
        // and light colours alike.
        a.SetForeColor(i % 2 == 0 ? forms::RGB(255, 255, 255) : 0);
        a.SetVisible(false);
    }
    // The letter is laid out on the display when the settings are read, before the display step.
    CALayoutTab();
}

void FrmOptionsForm::CALayoutTab() {
    // The holder takes the frame's height less its caption: the word labels stand below the
    // middle of the letter display and need the room.
    CAPict_Holder.Move(10, 20, 0.95 * CAFrm_Holder.Width(), CAFrm_Holder.Height() - 26);
    // All 13 targets show at once.
    const double listHeight = CAList_Color.ItemHeight() * (ctgLast + 1) + 4;
    CAList_Color.Move(0, 0, kListWidth, listHeight);
    CAPict_ColorPick.Move(0, listHeight + 3, 60, 20);
    CAChk_AllowJr(1).Move(68, listHeight + 5, 16, 16);
    CALbl_Color(1).Move(86, listHeight + 5, kListWidth - 86, 16);
    CAChk_AllowJr(0).Move(0, listHeight + 25, 16, 16);
    CALbl_Color(0).Move(18, listHeight + 25, kListWidth - 18, 16);
    CAPict_AlphaDisplay(0).Move(kListWidth + kPreviewGap, 0,
                                CAPict_Holder.Width() - kListWidth - kPreviewGap,
                                CAPict_Holder.Height());
}

void FrmOptionsForm::CALoadTab() {
    CAReadSettings();
    CADisplayTab();
    CAList_Color.SetListIndex(ctgBGForm);
}

void FrmOptionsForm::CAReadSettings() {
    SectionBackGroundColor(umCopy, OptSettings, Settings);
    SectionWordColors(umCopy, OptSettings, Settings);
    SectionLabelColors(umCopy, OptSettings, Settings);
    SectionAlphabetColors(umCopy, OptSettings, Settings);
    SectionAllowColorChanging(umCopy, OptSettings, Settings);
    SectionBGFormColors(umCopy, OptSettings, Settings);
    CAPreviewAlpha.Board = &CAPict_AlphaDisplay(0);
    CARedrawAlphaDisplay(CAPreviewAlpha, OptSettings);
}

void FrmOptionsForm::CARedrawAlphaDisplay(AlphaData& rec, const UserSet& settings) {
    InitDrawStyle(rec, settings);
    rec.BaseDivisor = 1.2f;
    rec.Alpha = "A";
    rec.NumAlphasCopy = 1;
    // The animation's tables are left alone: the preview's Test takes its own copy, so that a
    // running animation keeps its letter.
    InitAlphaData(rec, rec);
}

void FrmOptionsForm::CADisplayTab() {
    // 1. The holder, the list and the previews.
    CALayoutTab();
    forms::PictureBox& display = CAPict_AlphaDisplay(0);

    // 2. The word preview on the letter display; "Aa " and "Bb Cc Dd" read as one line.
    const double w = display.ScaleWidth(), h = display.ScaleHeight();
    CALbl_Word(0).Move(w / 2 - 50, h / 2 + 60);
    CALbl_Word(1).Move(CALbl_Word(0).Left() + 4, CALbl_Word(0).Top() + 4);
    // The pair keeps within the display: the second label follows the first where the first
    // would start left of it.
    const double pairLeft = std::max(2.0, CALbl_Word(0).Left() - CALbl_Word(2).Width());
    CALbl_Word(2).Move(pairLeft, CALbl_Word(0).Top());
    CALbl_Word(3).Move(std::max(CALbl_Word(0).Left(), pairLeft + CALbl_Word(2).Width()),
                       CALbl_Word(0).Top());
    CALbl_Word(0).SetForeColor(OptSettings.ColorWord);
    CALbl_Word(1).SetForeColor(OptSettings.ColorWordShadow);
    CALbl_Word(2).SetForeColor(OptSettings.ColorTextHL);
    CALbl_Word(3).SetForeColor(OptSettings.ColorText);
    for (int i = 0; i <= 3; ++i)
        CALbl_Word(i).SetVisible(false);

    // 3. Colour changing allowed.
    CAChk_AllowJr(0).SetValue(OptSettings.AllowColor != 0 ? forms::vbChecked : forms::vbUnchecked);

    // 4. The background preview over the letter display.
    CAShowBGDisplay();
}

void FrmOptionsForm::CAShowBGDisplay() {
    const forms::PictureBox& display = CAPict_AlphaDisplay(0);
    CAfrm_BGDisplay.Move(display.Left(), display.Top(), display.Width(), display.Height());
    CAfrm_BGDisplay.SetBackColor(OptSettings.BGFormColor);
    // A small copy of the background form's top left: its first four pictures, placed by its
    // own metrics and scaled so that the four stand in the preview side by side.
    const double margin = BGMetrics(2), top = BGMetrics(3), gap = BGMetrics(4);
    const double pw = BGMetrics(6), ph = BGMetrics(7);
    const double row = 2 * margin + 4 * pw + 3 * gap;
    const double scale = row > 0 ? std::min(1.0, CAfrm_BGDisplay.Width() / row) : 1.0;
    for (int i = 0; i <= 3; ++i) {
        forms::Image& img = CAimg_BGDisplay(i);
        if (BGFormShown != 0 && FrmBackGround.IsLoaded()) {
            img.SetPicture(FrmBackGround->BGimg_Background(i).Picture());
        } else {
            // A missing picture leaves its place empty: the preview is no reason to stop.
            const std::string file = PathImages + "\\" + static_cast<char>('A' + i) + ".jpg";
            if (forms::FileExists(file)) img.SetPicture(forms::LoadPicture(file));
        }
        img.Move(scale * (margin + i * (gap + pw)), scale * top, scale * pw, scale * ph);
        forms::Label& letter = CAlbl_Alpha(i);
        forms::Label& shadow = CAlbl_AlphaShdw(i);
        const double points = std::max(1.0, scale * ph / 3.5);
        letter.Move(img.Left(), img.Top(), img.Width(), img.Height());
        shadow.Move(img.Left() + 2, img.Top() + 2, img.Width(), img.Height());
        letter.SetFontSize(points);
        shadow.SetFontSize(points);
        letter.SetForeColor(OptSettings.BGFormColorAlpha);
        shadow.SetForeColor(OptSettings.BGFormColorAlphaShdw);
    }
}

void FrmOptionsForm::CAList_Color_Click() {
    CAHLSelection();
}

void FrmOptionsForm::CAHLSelection() {
    CAStopPreviewAnimation();
    const int16_t t = static_cast<int16_t>(CAList_Color.ListIndex());
    const AlphaData& a = CAPreviewAlpha;
    int16_t x = 0, y = 0;
    if (IsBackgroundTarget(t)) {
        const forms::Image& first = CAimg_BGDisplay(0);
        // The offset of the shadow target shrinks with the copy.
        const double shadowStep = 20 * (BGMetrics(6) > 0 ? first.Width() / BGMetrics(6) : 1);
        switch (t) {
        case ctgBGForm:
            x = CInt(CAimg_BGDisplay(3).Left() + CAimg_BGDisplay(3).Width() / 2);
            y = CInt(CAimg_BGDisplay(1).Top() + 1.07 * CAimg_BGDisplay(1).Height());
            break;
        case ctgBGAlpha:
            x = CInt(first.Left());
            y = CInt(first.Top());
            break;
        default:
            x = CInt(first.Left() + shadowStep);
            y = CInt(first.Top() + shadowStep);
            break;
        }
        CAShowBackgroundPreview(x, y);
    } else if (IsLetterTarget(t)) {
        switch (t) {
        case ctgLetter:
            LetterPoint(a, 0, 5, x, y);
            break;
        case ctgOutline:
            LetterPoint(a, 1, 10, x, y);
            break;
        case ctgPromptLine:
            LetterPoint(a, 0, 8, x, y);
            break;
        case ctgPromptCircle:
            LetterKeyPoint(a, 0, 2, x, y);
            break;
        case ctgHelp:
            LetterPoint(a, 0, 10, x, y);
            break;
        default:
            LetterKeyPoint(a, 1, 0, x, y);
            x = CInt(x - 50);
            y = CInt(y + 40);
            break;
        }
        CAPositionArrows(x, y);
        CAShowLetterPreview();
    } else if (IsWordTarget(t)) {
        switch (t) {
        case ctgWord:
            PointInto(CALbl_Word(0), 12, 11, x, y);
            break;
        case ctgWordShadow:
            PointInto(CALbl_Word(1), 1, 40, x, y);
            break;
        case ctgDone:
            PointInto(CALbl_Word(2), 35, 12, x, y);
            break;
        default:
            PointInto(CALbl_Word(3), 10, 12, x, y);
            break;
        }
        CAPositionArrows(x, y);
        CAPict_AlphaDisplay(0).SetBackColor(kButtonFace);
        CAfrm_BGDisplay.SetVisible(false);
        const bool wordPair = t <= ctgWordShadow;
        CALbl_Word(0).SetVisible(wordPair);
        CALbl_Word(1).SetVisible(wordPair);
        CALbl_Word(2).SetVisible(!wordPair);
        CALbl_Word(3).SetVisible(!wordPair);
    }

    // The swatch shows the target's present colour.
    int32_t c = 0;
    switch (t) {
    case ctgBGForm:
        c = OptSettings.BGFormColor;
        break;
    case ctgBGAlpha:
        c = OptSettings.BGFormColorAlpha;
        break;
    case ctgBGAlphaShadow:
        c = OptSettings.BGFormColorAlphaShdw;
        break;
    case ctgLetter:
        c = a.ColorLineHL;
        break;
    case ctgOutline:
        c = a.ColorLine;
        break;
    case ctgPromptLine:
        c = a.ColorLinePrompt;
        break;
    case ctgPromptCircle:
        c = a.ColorCircleHL;
        break;
    case ctgHelp:
        c = a.ColorHelp;
        break;
    case ctgBoard:
        c = OptSettings.BGColor;
        break;
    case ctgWord:
        c = OptSettings.ColorWord;
        break;
    case ctgWordShadow:
        c = OptSettings.ColorWordShadow;
        break;
    case ctgDone:
        c = OptSettings.ColorTextHL;
        break;
    case ctgToDo:
        c = OptSettings.ColorText;
        break;
    default:
        return;
    }
    CAPict_ColorPick.SetBackColor(c);
}

void FrmOptionsForm::CAStopPreviewAnimation() {
    if (!AnimTimerRunning()) return;
    StopAnimTimer();
    if (CAChk_AllowJr(1).Value() == forms::vbChecked) CAlbl_Arrow(0).SetVisible(true);
}

void FrmOptionsForm::CAPositionArrows(int16_t x, int16_t y) {
    if (!CAlbl_Arrow(0).Visible()) CADrawPreviewLetter();
    forms::Label& a0 = CAlbl_Arrow(0);
    forms::Label& a1 = CAlbl_Arrow(1);
    a0.SetVisible(false);
    a1.SetVisible(false);
    // The tip of the arrow on the point.
    a0.Move(x - a0.Width() + 4, y - a0.Height() + 6);
    a1.Move(a0.Left() + 2, a0.Top());
    a0.SetVisible(true);
    a1.SetVisible(true);
}

void FrmOptionsForm::CAShowBackgroundPreview(int16_t x, int16_t y) {
    CAPict_AlphaDisplay(0).SetBackColor(kBackgroundPreviewBoard);
    // Arrows 0 and 1 go out of sight on the letter display, under the background preview.
    CAPositionArrows(200, 200);
    for (int i = 0; i <= 3; ++i)
        CALbl_Word(i).SetVisible(false);
    CAlbl_Arrow(2).SetVisible(false);
    CAlbl_Arrow(3).SetVisible(false);
    CAlbl_Arrow(2).Move(x, y);
    CAlbl_Arrow(3).Move(CAlbl_Arrow(2).Left() + 2, CAlbl_Arrow(2).Top());
    CAlbl_Arrow(2).SetVisible(true);
    CAlbl_Arrow(3).SetVisible(true);
    CAfrm_BGDisplay.SetVisible(true);
}

void FrmOptionsForm::CAShowLetterPreview() {
    for (int i = 0; i <= 3; ++i)
        if (CALbl_Word(i).Visible()) CALbl_Word(i).SetVisible(false);
    if (CAfrm_BGDisplay.Visible()) CAfrm_BGDisplay.SetVisible(false);
    forms::PictureBox& display = CAPict_AlphaDisplay(0);
    if (display.BackColor() != OptSettings.BGColor)
        display.SetBackColor(OptSettings.BGColor); // cleared: its Paint draws the letter
    else
        CADrawPreviewLetter(); // the same board: the letter of this target over the last one
}

void FrmOptionsForm::CAPict_AlphaDisplay_Paint(int16_t) {
    CADrawPreviewLetter();
}

void FrmOptionsForm::CADrawPreviewLetter() {
    const int t = CAList_Color.ListIndex();
    if (!IsLetterTarget(t) || CAPreviewAlpha.Board == nullptr) return;
    AlphaData& a = CAPreviewAlpha;
    DrawAlpha(a, (t == ctgLetter || t == ctgBoard) ? 0 : 1, forms::vbFalse, 0);
    switch (t) {
    case ctgOutline:
    case ctgPromptLine:
        // The stroke prompt as the tracing screen draws it, with its key points.
        a.CurKey = 1;
        DrawStrokeRange(a, 0, 0, a.ColorLinePrompt, 0, forms::vbTrue);
        break;
    case ctgPromptCircle:
        // The circle of the point to click next: the second key point, where the arrow points,
        // also when this target is chosen straight from the list.
        a.CurKey = 1;
        a.ShowKeyDots = forms::vbTrue;
        DrawStroke(a, a.ColorLinePrompt);
        break;
    case ctgHelp:
        a.ShowKeyDots = forms::vbFalse;
        DrawStroke(a, a.ColorHelp);
        break;
    default:
        break;
    }
}

void FrmOptionsForm::CASelectNextTarget() {
    const int next = CAList_Color.ListIndex() + 1;
    CAList_Color.SetListIndex(next > ctgLast ? ctgBGForm : next);
}

void FrmOptionsForm::CAPict_ColorPick_Click() {
    CAPickColor();
}

void FrmOptionsForm::CAPickColor() {
    CommonDialog.SetCancelError(true);
    try {
        CommonDialog.ShowColor();
    } catch (const forms::RuntimeError&) {
        return; // Cancel, or the dialog failed: nothing changes
    }
    const int32_t c = CommonDialog.Color();
    AlphaData& a = CAPreviewAlpha;
    switch (CAList_Color.ListIndex()) {
    case ctgBGForm:
        OptSettings.BGFormColor = c;
        CAfrm_BGDisplay.SetBackColor(c);
        break;
    case ctgBGAlpha:
        OptSettings.BGFormColorAlpha = c;
        for (int i = 0; i <= 3; ++i)
            CAlbl_Alpha(i).SetForeColor(c);
        break;
    case ctgBGAlphaShadow:
        OptSettings.BGFormColorAlphaShdw = c;
        for (int i = 0; i <= 3; ++i)
            CAlbl_AlphaShdw(i).SetForeColor(c);
        break;
    case ctgLetter:
        OptSettings.ColorLineHL = a.ColorLineHL = c;
        break;
    case ctgOutline:
        // The outline and the check-point discs share the colour.
        OptSettings.ColorLine = a.ColorLine = c;
        OptSettings.ColorCircle = a.ColorCircle = c;
        break;
    case ctgPromptLine:
        OptSettings.ColorLinePrompt = a.ColorLinePrompt = c;
        break;
    case ctgPromptCircle:
        OptSettings.ColorCircleHL = a.ColorCircleHL = c;
        break;
    case ctgHelp:
        OptSettings.ColorHelp = a.ColorHelp = c;
        break;
    case ctgBoard:
        OptSettings.BGColor = c;
        CAPict_AlphaDisplay(0).SetBackColor(c);
        break;
    case ctgWord:
        OptSettings.ColorWord = c;
        CALbl_Word(0).SetForeColor(c);
        break;
    case ctgWordShadow:
        OptSettings.ColorWordShadow = c;
        CALbl_Word(1).SetForeColor(c);
        break;
    case ctgDone:
        OptSettings.ColorTextHL = c;
        CALbl_Word(2).SetForeColor(c);
        break;
    case ctgToDo:
        OptSettings.ColorText = c;
        CALbl_Word(3).SetForeColor(c);
        break;
    default:
        break;
    }
    CAHLSelection();
}

void FrmOptionsForm::CAChk_AllowJr_Click(int16_t index) {
    const bool ticked = CAChk_AllowJr(index).Value() == forms::vbChecked;
    if (index == 0) {
        OptSettings.AllowColor = forms::ToFlag(ticked);
    } else if (index == 1) {
        for (int i = 0; i <= 3; ++i)
            CAlbl_Arrow(i).SetVisible(ticked);
    }
    CADrawPreviewLetter();
}

void FrmOptionsForm::CASaveSettings() {
    SectionAlphabetColors(umCopy, Settings, OptSettings);
    SectionBackGroundColor(umCopy, Settings, OptSettings);
    SectionWordColors(umCopy, Settings, OptSettings);
    SectionLabelColors(umCopy, Settings, OptSettings);
    SectionAllowColorChanging(umCopy, Settings, OptSettings);
    SectionBGFormColors(umCopy, Settings, OptSettings);
    SectionBGFormColors(umApply, Settings, Settings);
    // The restart below lays the tracing screen out again but keeps the boards' and the word's
    // colours: they are shown here, at once.
    SectionBackGroundColor(umApply, Settings, Settings);
    SectionWordColors(umApply, Settings, Settings);
    InitDrawStyle(AlphaCur, OptSettings);
    InitDrawStyle(AlphaCur2, OptSettings);
    ChangeAppState(paShowActivity);
    PendingAction = paResume;
    SaveSettingsFile(forms::vbTrue);
    // The Animation tab's letter takes the new colours; its own edits wait for its Apply.
    ANIShowPreviewLetter();
    if (Settings.AllowColor == forms::vbFalse) RestoreHoverSwatch();
}

void FrmOptionsForm::CAApply() {
    CASaveSettings();
}

void FrmOptionsForm::CACommand(int16_t index) {
    if (index == 2) CASaveSettings();
    CloseOptions();
}

void FrmOptionsForm::CADefaults() {
    if (!ConfirmDefaults("Colors")) return;
    SectionBackGroundColor(umDefaults, OptSettings, OptSettings);
    SectionWordColors(umDefaults, OptSettings, OptSettings);
    SectionLabelColors(umDefaults, OptSettings, OptSettings);
    SectionAlphabetColors(umDefaults, OptSettings, OptSettings);
    SectionAllowColorChanging(umDefaults, OptSettings, OptSettings);
    SectionBGFormColors(umDefaults, OptSettings, OptSettings);
    CADisplayTab();
    CARedrawAlphaDisplay(CAPreviewAlpha, OptSettings);
    CAHLSelection();
}
