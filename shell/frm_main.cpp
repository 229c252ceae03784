#include "shell/frm_main.h"

#include "forms/files.h"
#include "forms/lang.h"
#include "puzzle/puzzle.h"
#include "shell/app_state.h"
#include "shell/menu_buttons.h"
#include "shell/sounds.h"
#include "shell/startup.h"
#include "shell/user_set.h"
#include "tracing/alpha_data.h"
#include "tracing/animation.h"
#include "tracing/label_strip.h"
#include "tracing/trace_clicks.h"
#include "tracing/trace_engine.h"
#include "tracing/trace_router.h"

#include <string>

FrmMainForm::FrmMainForm() {
    SetName("FrmMain");
    SetCaption("Wise Owlet");
    // No title bar: the skin is the whole window, and the window is sized to the strips in it.
    SetBorderStyle(forms::vbBSNone);
    PlaceDesignControls();
    LoadDesignPictures();
    ConnectEvents();
}

void FrmMainForm::PlaceDesignControls() {
    // The word is drawn over its shadow.
    TrcLbl_Word(0).ZOrder(0);
    for (int i = 0; i <= 1; ++i) {
        TrcLbl_Word(i).SetBackStyle(0);
        TrcLbl_Word(i).SetAlignment(2);
        TrcLbl_Numbers(i).SetBackStyle(0);
        TrcLbl_Numbers(i).SetAlignment(2);
        // The number label's design height, from which the tracing screen centres it.
        TrcLbl_Numbers(i).SetHeight(72);
    }
    for (int i = 0; i <= 29; ++i) {
        Label_Alpha(i).SetBackStyle(0);
        Label_Alpha(i).SetAlignment(2);
    }
    for (int i = 30; i <= 33; ++i)
        AT_Image_AlphaBG(i).SetVisible(false);
    for (int i = 0; i <= 27; ++i) {
        PuzLbl_Coin(i).SetBackStyle(0);
        PuzLbl_Coin(i).SetAlignment(2);
    }
    PuzImg_Arrow(5).SetVisible(false);
    PuzImg_Arrow(6).SetVisible(false);
    PuzLbl_Clock.SetCaption("00:00");
    PuzLbl_Clock.SetForeColor(forms::RGB(255, 255, 0));
    PuzLbl_Clock.SetFontName("Courier New");
    PuzLbl_Clock.SetFontBold(true);
    PuzLbl_Clock.SetBackStyle(0);
    PuzPict_Clock.SetBackColor(forms::RGB(0, 51, 102));

    // The holder of the invisible controls. Its left edge also places the word label: at the
    // lesson holder's left the word stands centred over the show board's picture, in the skin's
    // free sky and clear of the menu row over the drawing board.
    AT_Picture_Holder_AlphaType.Move(49, 0, 1, 1);
    AT_Picture_Holder_AlphaType.SetVisible(false);

    AT_TimerTMR.SetEnabled(false);
    AT_TimerTMR.SetInterval(1);
    ATTmr_MM.SetEnabled(false);
    PuzTmr.SetEnabled(false);

    // Both activity screens stay hidden until an activity lays its screen out.
    Pict_HolderLesson(0).SetVisible(false);
    Pict_HolderLesson(1).SetVisible(false);
    PuzPict_Clock.SetVisible(false);
    TrcPict_Menus.SetVisible(false);
    TrcLbl_Word(0).SetVisible(false);
    TrcLbl_Word(1).SetVisible(false);
}

// The pictures of the lists ship beside the program, one folder per list, numbered from 1.
void FrmMainForm::LoadDesignPictures() {
    const std::string lists = forms::ProgramFolder() + "\\Images\\App\\Lists\\";
    auto load = [&](forms::ImageList& list, const char* name) {
        std::string folder = lists + name;
        if (forms::FolderExists(folder)) list.LoadFolder(folder);
    };
    load(PuzImgLst_Menu, "PuzImgLst_Menu");
    load(PuzImgLst_Menus, "PuzImgLst_Menus");
    load(TRCImgLst_SubMenu, "TRCImgLst_SubMenu");
    load(WOImgLst_Menu, "WOImgLst_Menu");
    load(ATImgLst_MouseIcons, "ATImgLst_MouseIcons");
    load(AT_ImageList_ColorPickers, "AT_ImageList_ColorPickers");
    load(ATImgLst_MouseCursors, "ATImgLst_MouseCursors");
    // The swatch marks are drawn on pure red, which counts as transparent.
    AT_ImageList_ColorPickers.SetMaskColor(forms::RGB(255, 0, 0));

    // Design-time pictures of single controls: Images\App\FrmMain_<control>[_<index>].png.
    const std::string app = forms::ProgramFolder() + "\\Images\\App\\FrmMain_";
    auto picture = [&](const std::string& name) -> forms::PicturePtr {
        const std::string file = app + name + ".png";
        return forms::FileExists(file) ? forms::LoadPicture(file) : nullptr;
    };
    for (int i = 30; i <= 33; ++i)
        AT_Image_AlphaBG(i).SetPicture(picture("AT_Image_AlphaBG_" + std::to_string(i)));
    TRCImg_SMBackDrop.SetPicture(picture("TRCImg_SMBackDrop"));
    PuzImg_Arrow(5).SetPicture(picture("PuzImg_Arrow_5"));
    PuzImg_Arrow(6).SetPicture(picture("PuzImg_Arrow_6"));
}

void FrmMainForm::ConnectEvents() {
    using I = int16_t;
    auto i16 = [](int v) { return static_cast<I>(v); };

    AT_Image_ColorPicker.Click = [this, i16](int index) { AT_Image_ColorPicker_Click(i16(index)); };
    AT_Image_ColorPicker.MouseMove = [this, i16](int index, int b, int s, float x, float y) {
        AT_Image_ColorPicker_MouseMove(i16(index), i16(b), i16(s), x, y);
    };
    Picture_DrawBoard.MouseMove = [this, i16](int b, int s, float x, float y) {
        Picture_DrawBoard_MouseMove(i16(b), i16(s), x, y);
    };
    Picture_DrawBoard.MouseUp = [this, i16](int b, int s, float x, float y) {
        Picture_DrawBoard_MouseUp(i16(b), i16(s), x, y);
    };
    Picture_DrawBoard.Paint = [this] { Picture_DrawBoard_Paint(); };
    Picture_ShowBoard.MouseMove = [this, i16](int b, int s, float x, float y) {
        Picture_ShowBoard_MouseMove(i16(b), i16(s), x, y);
    };
    Picture_ShowBoard.MouseUp = [this, i16](int b, int s, float x, float y) {
        Picture_ShowBoard_MouseUp(i16(b), i16(s), x, y);
    };
    ATImg_ShowBoard.MouseUp = [this, i16](int index, int b, int s, float x, float y) {
        ATImg_ShowBoard_MouseUp(i16(index), i16(b), i16(s), x, y);
    };
    TrcLbl_Word.MouseMove = [this, i16](int index, int b, int s, float x, float y) {
        TrcLbl_Word_MouseMove(i16(index), i16(b), i16(s), x, y);
    };
    TrcLbl_Word.MouseUp = [this, i16](int index, int b, int s, float x, float y) {
        TrcLbl_Word_MouseUp(i16(index), i16(b), i16(s), x, y);
    };
    Label_Alpha.MouseMove = [this, i16](int index, int b, int s, float x, float y) {
        Label_Alpha_MouseMove(i16(index), i16(b), i16(s), x, y);
    };
    Label_Alpha.MouseUp = [this, i16](int index, int b, int s, float x, float y) {
        Label_Alpha_MouseUp(i16(index), i16(b), i16(s), x, y);
    };
    TRCImg_Menu.MouseDown = [this, i16](int index, int b, int s, float x, float y) {
        TRCImg_Menu_MouseDown(i16(index), i16(b), i16(s), x, y);
    };
    TRCImg_Menu.MouseMove = [this, i16](int index, int b, int s, float x, float y) {
        TRCImg_Menu_MouseMove(i16(index), i16(b), i16(s), x, y);
    };
    TRCImg_Menu.MouseUp = [this, i16](int index, int b, int s, float x, float y) {
        TRCImg_Menu_MouseUp(i16(index), i16(b), i16(s), x, y);
    };
    TRCImg_SubMenu.MouseDown = [this, i16](int index, int b, int s, float x, float y) {
        TRCImg_SubMenu_MouseDown(i16(index), i16(b), i16(s), x, y);
    };
    TRCImg_SubMenu.MouseMove = [this, i16](int index, int b, int s, float x, float y) {
        TRCImg_SubMenu_MouseMove(i16(index), i16(b), i16(s), x, y);
    };
    TRCImg_SubMenu.MouseUp = [this, i16](int index, int b, int s, float x, float y) {
        TRCImg_SubMenu_MouseUp(i16(index), i16(b), i16(s), x, y);
    };
    TRCImg_SMBackDrop.MouseMove = [this, i16](int b, int s, float x, float y) {
        TRCImg_SMBackDrop_MouseMove(i16(b), i16(s), x, y);
    };
    PuzImg_Menu.MouseDown = [this, i16](int index, int b, int s, float x, float y) {
        PuzImg_Menu_MouseDown(i16(index), i16(b), i16(s), x, y);
    };
    PuzImg_Menu.MouseMove = [this, i16](int index, int b, int s, float x, float y) {
        PuzImg_Menu_MouseMove(i16(index), i16(b), i16(s), x, y);
    };
    PuzImg_Menu.MouseUp = [this, i16](int index, int b, int s, float x, float y) {
        PuzImg_Menu_MouseUp(i16(index), i16(b), i16(s), x, y);
    };
    PuzPict_HolderMenu.MouseMove = [this, i16](int b, int s, float x, float y) {
        PuzPict_HolderMenu_MouseMove(i16(b), i16(s), x, y);
    };
    PuzLbl_Coin.MouseMove = [this, i16](int index, int b, int s, float x, float y) {
        PuzLbl_Coin_MouseMove(i16(index), i16(b), i16(s), x, y);
    };
    PuzLbl_Coin.MouseUp = [this, i16](int index, int b, int s, float x, float y) {
        PuzLbl_Coin_MouseUp(i16(index), i16(b), i16(s), x, y);
    };
    AT_TimerTMR.Tick = [this] { AT_TimerTMR_Timer(); };
    ATTmr_MM.Tick = [this] { ATTmr_MM_Timer(); };
    PuzTmr.Tick = [this] { PuzTmr_Timer(); };
}

// --- Form events.

void FrmMainForm::Form_Load() {
    AppStartup();
}

void FrmMainForm::Form_Activate() {
    ChangeAppState(PendingAction);
}

void FrmMainForm::Form_Resize() {
    FrmReactivate();
}

void FrmMainForm::Form_KeyDown(int16_t&, int16_t) {}

void FrmMainForm::Form_QueryUnload(int16_t&, int16_t) {
    if (!ProgramEnding()) EndProgram();
}

void FrmMainForm::Form_Unload(int16_t&) {}

// --- Control events.

void FrmMainForm::AT_Image_ColorPicker_Click(int16_t Index) {
    ProcessTraceEvent(tePickerClick, Index, 0, 0, 0, 0);
}

void FrmMainForm::AT_Image_ColorPicker_MouseMove(int16_t Index, int16_t Button, int16_t Shift,
                                                 float X, float Y) {
    ProcessTraceEvent(tePickerHover, Index, Button, Shift, X, Y);
}

void FrmMainForm::Picture_DrawBoard_MouseMove(int16_t Button, int16_t Shift, float X, float Y) {
    ProcessTraceEvent(teBoardHover, 0, Button, Shift, X, Y);
}

void FrmMainForm::Picture_DrawBoard_MouseUp(int16_t Button, int16_t Shift, float X, float Y) {
    if (!ProcessTraceEvent(teBoardClick, 0, Button, Shift, X, Y)) TraceClick(Button, Shift, X, Y);
}

void FrmMainForm::Picture_DrawBoard_Paint() {
    if (Settings.LessonID == 0) RedrawAlpha();
}

void FrmMainForm::Picture_ShowBoard_MouseMove(int16_t Button, int16_t Shift, float X, float Y) {
    ProcessTraceEvent(teBoardHover, 0, Button, Shift, X, Y);
}

void FrmMainForm::Picture_ShowBoard_MouseUp(int16_t Button, int16_t Shift, float X, float Y) {
    if (!ProcessTraceEvent(teShowBoardClick, 0, Button, Shift, X, Y)) SpeakWord();
}

void FrmMainForm::ATImg_ShowBoard_MouseUp(int16_t, int16_t, int16_t, float, float) {
    SpeakWord();
}

void FrmMainForm::TrcLbl_Word_MouseMove(int16_t Index, int16_t Button, int16_t Shift, float X,
                                        float Y) {
    ProcessTraceEvent(teWordHover, Index, Button, Shift, X, Y);
}

void FrmMainForm::TrcLbl_Word_MouseUp(int16_t Index, int16_t Button, int16_t Shift, float X,
                                      float Y) {
    if (!ProcessTraceEvent(teWordClick, Index, Button, Shift, X, Y)) WordReadOut();
}

// Reads the word out letter by letter: the first letter now, one more every second.
void FrmMainForm::WordReadOut() {
    if (TraceAnim.AnimTimer && TraceAnim.AnimTimer->Enabled()) {
        TraceAnim.AnimTimer->SetEnabled(false);
        StopSpeakingNow();
        RedrawAlpha();
    }
    ClearAlphaHover();
    ATTmr_MM.SetEnabled(false);
    SpellPos = 0;
    std::string first = forms::Left(AlphaCur.Word, 1);
    TrcLbl_Word(0).SetCaption(first);
    TrcLbl_Word(1).SetCaption("");
    SpeakBasic(first);
    StartMMTimer(mmSpell, 1000);
}

void FrmMainForm::Label_Alpha_MouseMove(int16_t Index, int16_t Button, int16_t Shift, float X,
                                        float Y) {
    AlphaLabelMouseMove(Index, Button, Shift, X, Y);
}

void FrmMainForm::Label_Alpha_MouseUp(int16_t Index, int16_t Button, int16_t Shift, float X,
                                      float Y) {
    AlphaLabelMouseUp(Index, Button, Shift, X, Y);
}

void FrmMainForm::TRCImg_Menu_MouseDown(int16_t Index, int16_t, int16_t, float, float) {
    MenuMouseDown(Index);
}

void FrmMainForm::TRCImg_Menu_MouseMove(int16_t Index, int16_t, int16_t, float, float) {
    MenuMouseMove(Index);
}

void FrmMainForm::TRCImg_Menu_MouseUp(int16_t Index, int16_t Button, int16_t, float, float) {
    MenuMouseUp(Index, Button);
}

void FrmMainForm::TRCImg_SubMenu_MouseDown(int16_t Index, int16_t Button, int16_t Shift, float X,
                                           float Y) {
    SubMenuMouseDown(Index, Button, Shift, X, Y);
}

void FrmMainForm::TRCImg_SubMenu_MouseMove(int16_t Index, int16_t, int16_t, float, float) {
    SubMenuMouseMove(Index);
}

void FrmMainForm::TRCImg_SubMenu_MouseUp(int16_t Index, int16_t Button, int16_t Shift, float X,
                                         float Y) {
    SubMenuMouseUp(Index, Button, Shift, X, Y);
}

void FrmMainForm::TRCImg_SMBackDrop_MouseMove(int16_t, int16_t, float, float) {
    MenuUnhighlight();
    SubMenuUnhighlight();
}

void FrmMainForm::PuzImg_Menu_MouseDown(int16_t Index, int16_t, int16_t, float, float) {
    PuzMenuMouseDown(Index);
}

void FrmMainForm::PuzImg_Menu_MouseMove(int16_t Index, int16_t, int16_t, float, float) {
    PuzMenuHover(Index);
}

void FrmMainForm::PuzImg_Menu_MouseUp(int16_t Index, int16_t, int16_t, float, float) {
    PuzMenuMouseUp(Index);
}

void FrmMainForm::PuzPict_HolderMenu_MouseMove(int16_t, int16_t, float, float) {
    PuzMenuUnhover();
}

// Coins take no mouse while the board is being shuffled.
void FrmMainForm::PuzLbl_Coin_MouseMove(int16_t Index, int16_t Button, int16_t Shift, float X,
                                        float Y) {
    if (!PuzShuffling) CoinMouseMove(Index, Button, Shift, X, Y);
}

void FrmMainForm::PuzLbl_Coin_MouseUp(int16_t Index, int16_t Button, int16_t Shift, float X,
                                      float Y) {
    if (!PuzShuffling) CoinMouseUp(Index, Button, Shift, X, Y, forms::vbTrue);
}

void FrmMainForm::AT_TimerTMR_Timer() {
    AnimationTimerTick();
}

void FrmMainForm::ATTmr_MM_Timer() {
    MMTimerTick();
}

void FrmMainForm::PuzTmr_Timer() {
    PuzzleClockTick();
}
