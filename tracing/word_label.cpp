// The word label above the drawing board, and its shadow two pixels right of and below it.
#include "forms/label.h"
#include "forms/picture_box.h"
#include "shell/frm_main.h"
#include "tracing/alpha_data.h"
#include "tracing/label_strip.h"
#include "tracing/trace_engine.h"

namespace {

constexpr double kLetterWidth = 21;
constexpr double kWordTop = 10;

} // namespace

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
    if (word.Left() == left && word.Width() == width) return;
    word.SetLeft(left);
    word.SetTop(kWordTop);
    word.SetWidth(width);
    shadow.SetLeft(word.Left() + 2);
    shadow.SetTop(word.Top() + 2);
    shadow.SetWidth(word.Width());
}
