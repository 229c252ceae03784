// What applying the settings changes on the main window and the animation record. Settings are
// applied to the screens that exist: without a main window there is nothing to colour.
#include "shell/frm_main.h"
#include "shell/settings_apply.h"
#include "tracing/alpha_data.h"
#include "tracing/animation.h"
#include "tracing/trace_screen.h"

void ApplyAnimInterval(int16_t interval) {
    TraceAnim.AnimInterval = interval;
}

void ApplyWordColors(int32_t color, int32_t shadowColor) {
    FrmMainForm* main = FrmMain.Peek();
    if (!main) return;
    main->TrcLbl_Word(0).SetForeColor(color);
    main->TrcLbl_Word(1).SetForeColor(shadowColor);
    main->TrcLbl_Word(0).SetCaption(AlphaCur.Word);
    main->TrcLbl_Word(1).SetCaption(AlphaCur.Word);
}

void ApplyLabelColors() {
    ResetTraceColors();
}

void ApplyBoardColors(int32_t color) {
    FrmMainForm* main = FrmMain.Peek();
    if (!main) return;
    main->Picture_DrawBoard.SetBackColor(color);
    main->Picture_ShowBoard.SetBackColor(color);
}
