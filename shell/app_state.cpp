#include "shell/app_state.h"

#include "forms/forms.h"
#include "puzzle/puzzle.h"
#include "shell/background_form.h"
#include "shell/forms_list.h"
#include "shell/frm_main.h"
#include "shell/startup.h"
#include "shell/user_set.h"
#include "tracing/animation.h"
#include "tracing/trace_engine.h"
#include "tracing/trace_screen.h"

int16_t PendingAction = paShowActivity;
forms::Flag AppMinimised = forms::vbFalse;

namespace {

constexpr int16_t bgNone = 3; // background option: no background form

void StartLesson(int16_t lesson) {
    if (lesson == lsTracing)
        StartTrace();
    else if (lesson == lsPuzzle)
        StartPuzzle();
}

void ResumeTracing() {
    FrmMainForm& main = *FrmMain;
    main.Picture_DrawBoard.Cls();
    if (BGFormShown && Settings.BGFormOpt == bgNone) FrmBackGround.Unload();
    // While the start-up password is asked for, the board is drawn but stays still.
    if (FrmPassWord.IsLoaded() && FrmPassWord->Visible()) {
        ResetAlpha();
        if (TraceAnim.AnimTimer && TraceAnim.AnimTimer->Enabled())
            TraceAnim.AnimTimer->SetEnabled(false);
        RedrawAlpha();
        DisableMainForm();
    } else {
        RedrawAlpha();
        ShowAlpha(0);
    }
}

void Minimise() {
    if (BGFormShown) {
        FrmBackGround->SetWindowState(1);
        FrmBackGround->Hide();
    }
    FrmMain->FrmDeactivate();
    FrmMain->SetWindowState(1);
    AppMinimised = forms::vbTrue;
}

} // namespace

void ChangeAppState(const int16_t& action) {
    // The action may be PendingAction itself: read it before the mailbox is emptied.
    const int16_t what = action;
    switch (what) {
    case paShowActivity:
        StartLesson(Settings.LessonID);
        break;
    case paResume:
        if (Settings.LessonID == lsTracing) ResumeTracing();
        break;
    case paMinimise:
        Minimise();
        break;
    case paTerminate:
        FrmMain->Hide();
        EndProgram();
    default:
        break;
    }
    PendingAction = paNone;
}

void FrmMainForm::FrmDeactivate() {
    if (TraceAnim.AnimTimer) TraceAnim.AnimTimer->SetEnabled(false);
    FrmMenuMusic->MM_Music.Stop();
}

void FrmMainForm::FrmReactivate() {
    if (!AppMinimised) return;
    if (BGFormShown) {
        FrmBackGround->SetWindowState(2);
        FrmBackGround->SetVisible(true);
        FrmBackGround->ZOrder(1);
    }
    if (Settings.MusicPlay == forms::vbTrue && !FrmMenuMusic->MM_Music.FileName().empty())
        FrmMenuMusic->MM_Music.Play();
    int16_t resume = paResume;
    ChangeAppState(resume);
    AppMinimised = forms::vbFalse;
}

void SelectLesson(const int16_t& lesson) {
    const int16_t chosen = lesson;
    CloseCurrentLesson();
    Settings.LessonID = chosen;
    StartLesson(chosen);
}

void CloseCurrentLesson() {
    if (Settings.LessonID == lsTracing)
        HideTraceScreen();
    else if (Settings.LessonID == lsPuzzle)
        HidePuzzle();
}

void DisableMainForm() {
    FrmMain->SetEnabled(false);
}

void EnableMainForm() {
    FrmMain->SetEnabled(true);
    FrmMain->SetFocus();
}
