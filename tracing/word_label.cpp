// The word label above the drawing board, and its shadow two pixels right of and below it.
#include "forms/image.h"
#include "forms/label.h"
#include "forms/picture_box.h"
#include "forms/screen.h"
#include "forms/text.h"
#include "shell/frm_main.h"
#include "tracing/alpha_data.h"
#include "tracing/label_strip.h"
#include "tracing/trace_engine.h"

#include <algorithm>
#include <limits>

namespace {

constexpr double kLetterWidth = 21;
constexpr double kWordTop = 10;
constexpr double kShadowOffset = 2;

// The left edge of the menu row to the right of the word (its backdrop comes first, then the
// buttons' holder), which would hide the end of a word running under it; none when no part of the
// row lies to the right.
double MenuRowLeft(const FrmMainForm& f, double wordLeft) {
    double limit = std::numeric_limits<double>::infinity();
    for (const forms::Control* c : {static_cast<const forms::Control*>(&f.TRCImg_SMBackDrop),
                                    static_cast<const forms::Control*>(&f.AppPict_HolderMenu)})
        if (c->Visible() && c->Left() > wordLeft) limit = std::min(limit, c->Left());
    return limit;
}

} // namespace

double StandardWordFontSize() {
    return 2 * forms::Screen.TwipsPerPixelY();
}

// The word is shown on the main window that exists; the engine also runs on boards of its own.
void ShowWord() {
    GetAlphaWord(AlphaCur.Alpha, AlphaCur.Word);
    FrmMainForm* f = FrmMain.Peek();
    if (f == nullptr) return;
    f->TrcLbl_Word(0).SetCaption(AlphaCur.Word);
    f->TrcLbl_Word(1).SetCaption(AlphaCur.Word);
    PlaceWordLabel();
}

// Centred over the drawing board by its length, and never over the first swatch strip.
void PlaceWordLabel() {
    FrmMainForm& f = *FrmMain;
    const double n = static_cast<double>(AlphaCur.Word.size());
    double left = (6 - n / 2) * kLetterWidth + (f.AT_Picture_Holder_AlphaType.Left() - 8);
    const forms::PictureBox& strip = f.AT_Picture_Holder_ColorPicker1;
    if (left < strip.Left() + strip.Width()) left = strip.Left() + strip.Width() + 2;
    const double width = (n + 1) * kLetterWidth;
    forms::Label& word = f.TrcLbl_Word(0);
    forms::Label& shadow = f.TrcLbl_Word(1);
    // A word of another length at the same place still needs its own width.
    if (word.Left() != left || word.Width() != width) {
        word.SetLeft(left);
        word.SetTop(kWordTop);
        word.SetWidth(width);
        shadow.SetLeft(word.Left() + kShadowOffset);
        shadow.SetTop(word.Top() + kShadowOffset);
        shadow.SetWidth(word.Width());
    }
    FitWordLabel();
}

// The place by length counts 21 pixels a letter; a face with wider letters would lose the word's
// ends past the label's edges or under the menu row. Such a word gets the label up to the row and,
// where it still does not fit, a smaller size. The left edge stays.
void FitWordLabel() {
    FrmMainForm* f = FrmMain.Peek();
    if (f == nullptr) return;
    forms::Label& word = f->TrcLbl_Word(0);
    forms::Label& shadow = f->TrcLbl_Word(1);
    forms::FontSpec font = word.Font();
    font.size = StandardWordFontSize();
    // The word centred in the label, with its shadow beside it.
    auto span = [&] { return forms::MeasureText(font, AlphaCur.Word).w + 2 * kShadowOffset; };
    double width = word.Width();
    const double limit = MenuRowLeft(*f, word.Left());
    if (span() > width || word.Left() + (width + span()) / 2 > limit) {
        if (limit != std::numeric_limits<double>::infinity()) width = limit - word.Left();
        const double step = forms::Screen.TwipsPerPixelY() / 20; // one pixel
        const double smallest = StandardWordFontSize() / 2;
        while (span() > width && font.size - step >= smallest)
            font.size -= step;
    }
    for (forms::Label* label : {&word, &shadow}) {
        label->SetWidth(width);
        label->SetFontSize(font.size);
    }
}
