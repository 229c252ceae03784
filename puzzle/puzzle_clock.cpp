// The puzzle clock and its row of running arrows, and the completion of a game.
#include "puzzle/puzzle_clock.h"

#include "forms/image.h"
#include "forms/label.h"
#include "forms/timer.h"
#include "puzzle/coin_board.h"
#include "shell/forms_list.h"
#include "shell/frm_main.h"
#include "shell/sounds.h"

#include <cstdio>

int16_t PuzArrowPos = 5;
forms::Flag PuzArrowsPlaced = forms::vbFalse;

namespace {

constexpr int16_t kUnlitArrow = 5, kLitArrow = 6;
constexpr int16_t kLastRowArrow = 4;
constexpr int16_t kPuzzleWellDone = 703;

// Days since 1970-01-01 of a civil date (proleptic Gregorian).
int64_t DaysFromCivil(int64_t y, int64_t m, int64_t d) {
    y -= m <= 2;
    const int64_t era = (y >= 0 ? y : y - 399) / 400;
    const int64_t yoe = y - era * 400;
    const int64_t doy = (153 * (m + (m > 2 ? -3 : 9)) + 2) / 5 + d - 1;
    const int64_t doe = yoe * 365 + yoe / 4 - yoe / 100 + doy;
    return era * 146097 + doe - 719468;
}

int64_t SecondsOf(const forms::DateTime& t) {
    return DaysFromCivil(t.year, t.month, t.day) * 86400 + t.hour * 3600 + t.minute * 60 + t.second;
}

} // namespace

void SetClockCaption(const std::string& text) {
    FrmMain->PuzLbl_Clock.SetCaption(text);
}

void StartClock(int16_t interval, int16_t mode) {
    ResetClock();
    if (PuzTimer == nullptr) return;
    PuzTimer->SetInterval(interval);
    PuzClockMode = mode;
    PuzTimer->SetEnabled(true);
}

void ResetClock() {
    if (PuzTimer != nullptr) PuzTimer->SetEnabled(false);
    AnimateClockArrows(forms::vbTrue);
    SetClockCaption("00:00");
}

std::string ElapsedClockText(const forms::DateTime& start, const forms::DateTime& now) {
    int64_t seconds = SecondsOf(now) - SecondsOf(start);
    if (seconds < 0) seconds = 0; // the system clock was set back: count from nothing
    char text[8];
    std::snprintf(text, sizeof text, "%02d:%02d", static_cast<int>(seconds / 60 % 60),
                  static_cast<int>(seconds % 60));
    return text;
}

void PuzzleClockTick() {
    if (PuzClockMode != pcCounting) return;
    SetClockCaption(ElapsedClockText(PuzStartTime, forms::Now()));
    AnimateClockArrows(forms::vbFalse);
}

void AnimateClockArrows(forms::Flag reset) {
    FrmMainForm& f = *FrmMain;
    const forms::PicturePtr unlit = f.PuzImg_Arrow(kUnlitArrow).Picture();
    if (!PuzArrowsPlaced) {
        for (int p = 0; p <= kLastRowArrow; ++p)
            f.PuzImg_Arrow(p).SetPicture(unlit);
        const double left = f.PuzLbl_Clock.Left() + f.PuzLbl_Clock.Width() + 2;
        const double width = f.PuzImg_Arrow(0).Width();
        for (int p = 0; p <= kLastRowArrow; ++p)
            f.PuzImg_Arrow(p).Move(p * width + left, f.PuzLbl_Clock.Top() + 3);
        PuzArrowsPlaced = forms::vbTrue;
    }
    if (PuzArrowPos < 0 || PuzArrowPos > kUnlitArrow) PuzArrowPos = kUnlitArrow;
    f.PuzImg_Arrow(PuzArrowPos).SetPicture(unlit);
    if (reset) return;
    PuzArrowPos = PuzArrowPos == 0 ? kLastRowArrow : static_cast<int16_t>(PuzArrowPos - 1);
    f.PuzImg_Arrow(PuzArrowPos).SetPicture(f.PuzImg_Arrow(kLitArrow).Picture());
}

void CheckPuzzleCompleted() {
    if (!IsPuzzleSolved() || PuzCompleted) return;
    FrmCompletionForm& dialog = *FrmCompletion;
    PlayEncouragement(kPuzzleWellDone);
    dialog.lbl_WellDone.SetCaption("Puzzle completed !\r\nTime taken - " +
                                   FrmMain->PuzLbl_Clock.Caption());
    if (PuzTimer != nullptr) PuzTimer->SetEnabled(false);
    dialog.Show();
    PuzCompleted = forms::vbTrue;
    AnimateClockArrows(forms::vbTrue);
}
