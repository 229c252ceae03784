#pragma once
// The main window: the start-up form and the one working window, "Wise Owlet". It holds the
// controls of both activities (the tracing screen and the puzzle screen, each in its own holder),
// the menu and drawing buttons, the colour picker, three timers, seven sound channels and the
// picture lists. Its handlers only forward: the procedures of the subsystems own the behaviour,
// and the mouse events of the boards, labels and swatches first go to the board event router.
// Layout is done by code at run time (start-up and the two activity screens).
#include "forms/control_array.h"
#include "forms/default_instance.h"
#include "forms/form.h"
#include "forms/image.h"
#include "forms/image_list.h"
#include "forms/label.h"
#include "forms/picture_box.h"
#include "forms/sound_channel.h"
#include "forms/timer.h"

#include <cstdint>

class FrmMainForm : public forms::Form {
  public:
    FrmMainForm();

    // Public procedures: minimise and restore of the whole program.
    void FrmDeactivate();
    void FrmReactivate();

    // --- The two activity holders: 0 the tracing screen, 1 the puzzle screen.
    forms::ControlArray<forms::PictureBox> Pict_HolderLesson{this, 0, 1};

    // Tracing screen, inside Pict_HolderLesson(0).
    forms::PictureBox Picture_ShowBoard{&Pict_HolderLesson(0)};
    forms::ControlArray<forms::Image> ATImg_ShowBoard{&Picture_ShowBoard, 0, 0};
    forms::ControlArray<forms::Label> TrcLbl_Numbers{&Picture_ShowBoard, 0, 1}; // 1: shadow
    forms::PictureBox Picture_DrawBoard{&Pict_HolderLesson(0)};
    forms::PictureBox TrcPICT_HolderLabels{&Pict_HolderLesson(0)};
    // Tiles 0-29 behind the character labels; 30-33 are the hidden tile templates.
    forms::ControlArray<forms::Image> AT_Image_AlphaBG{&TrcPICT_HolderLabels, 0, 33};
    forms::ControlArray<forms::Label> Label_Alpha{&TrcPICT_HolderLabels, 0, 29};
    forms::ControlArray<forms::Label> TrcLbl_Word{this, 0, 1}; // 1: the word's shadow

    // Menu row and drawing row.
    forms::Image TRCImg_SMBackDrop{this};
    forms::PictureBox AppPict_HolderMenu{this};
    forms::ControlArray<forms::Image> TRCImg_Menu{&AppPict_HolderMenu, 0, 4};
    forms::PictureBox TrcPict_Menus{this};
    forms::ControlArray<forms::Image> TRCImg_SubMenu{&TrcPict_Menus, 0, 3};

    // Puzzle screen: the clock panel on the window, menu and coins inside Pict_HolderLesson(1).
    forms::PictureBox PuzPict_Clock{this};
    forms::Label PuzLbl_Clock{&PuzPict_Clock};
    forms::ControlArray<forms::Image> PuzImg_Arrow{&PuzPict_Clock, 0, 6}; // 5 unlit, 6 lit
    forms::PictureBox PuzPict_HolderMenu{&Pict_HolderLesson(1)};
    forms::ControlArray<forms::Image> PuzImg_Menu{&PuzPict_HolderMenu, 0, 2};
    forms::PictureBox PuzPict_HolderCoins{&Pict_HolderLesson(1)};
    forms::ControlArray<forms::Image> PuzImg_Coin{&PuzPict_HolderCoins, 0, 29};
    forms::ControlArray<forms::Label> PuzLbl_Coin{&PuzPict_HolderCoins, 0, 27};

    // Colour picker: swatches 0-11 in strip 1, 12-27 in strip 2, 28-39 in strip 3.
    forms::PictureBox AT_Picture_Holder_ColorPicker1{this};
    forms::PictureBox AT_Picture_Holder_ColorPicker2{this};
    forms::PictureBox AT_Picture_Holder_ColorPicker3{this};
    forms::ControlArray<forms::Image> AT_Image_ColorPicker{
        [this](int i) -> forms::Container* {
            return i <= 11   ? &AT_Picture_Holder_ColorPicker1
                   : i <= 27 ? &AT_Picture_Holder_ColorPicker2
                             : &AT_Picture_Holder_ColorPicker3;
        },
        0, 39};

    // Holder of the invisible controls: timers, sound channels, picture lists.
    forms::PictureBox AT_Picture_Holder_AlphaType{this};
    forms::Timer AT_TimerTMR{&AT_Picture_Holder_AlphaType}; // animation; off, interval 1
    forms::Timer ATTmr_MM{&AT_Picture_Holder_AlphaType};    // letter-by-letter reading
    forms::Timer PuzTmr{&AT_Picture_Holder_AlphaType};      // puzzle clock
    // 0 menu voices and effects, 1 speech, 2-4 colour-picker sounds, 5-6 unused.
    forms::Array<forms::SoundChannel, 0, 6> AT_MM_Alphabet;

    forms::ImageList PuzImgLst_Menu;
    forms::ImageList PuzImgLst_Menus;
    forms::ImageList TRCImgLst_SubMenu;
    forms::ImageList WOImgLst_Menu;
    forms::ImageList ATImgLst_MouseIcons;
    forms::ImageList AT_ImageList_ColorPickers;
    forms::ImageList ATImgLst_MouseCursors;

    // --- Form events.
    void Form_Load() override;
    void Form_Activate() override;
    void Form_Resize() override;
    void Form_KeyDown(int16_t& keyCode, int16_t shift) override;
    // The window's close request ends the program, through its one exit.
    void Form_QueryUnload(int16_t& cancel, int16_t unloadMode) override;
    void Form_Unload(int16_t& cancel) override;

    // --- Control events (Index first for control arrays).
    void AT_Image_ColorPicker_Click(int16_t Index);
    void AT_Image_ColorPicker_MouseMove(int16_t Index, int16_t Button, int16_t Shift, float X,
                                        float Y);
    void Picture_DrawBoard_MouseMove(int16_t Button, int16_t Shift, float X, float Y);
    void Picture_DrawBoard_MouseUp(int16_t Button, int16_t Shift, float X, float Y);
    void Picture_DrawBoard_Paint();
    void Picture_ShowBoard_MouseMove(int16_t Button, int16_t Shift, float X, float Y);
    void Picture_ShowBoard_MouseUp(int16_t Button, int16_t Shift, float X, float Y);
    void ATImg_ShowBoard_MouseUp(int16_t Index, int16_t Button, int16_t Shift, float X, float Y);
    void TrcLbl_Word_MouseMove(int16_t Index, int16_t Button, int16_t Shift, float X, float Y);
    void TrcLbl_Word_MouseUp(int16_t Index, int16_t Button, int16_t Shift, float X, float Y);
    void Label_Alpha_MouseMove(int16_t Index, int16_t Button, int16_t Shift, float X, float Y);
    void Label_Alpha_MouseUp(int16_t Index, int16_t Button, int16_t Shift, float X, float Y);
    void TRCImg_Menu_MouseDown(int16_t Index, int16_t Button, int16_t Shift, float X, float Y);
    void TRCImg_Menu_MouseMove(int16_t Index, int16_t Button, int16_t Shift, float X, float Y);
    void TRCImg_Menu_MouseUp(int16_t Index, int16_t Button, int16_t Shift, float X, float Y);
    void TRCImg_SubMenu_MouseDown(int16_t Index, int16_t Button, int16_t Shift, float X, float Y);
    void TRCImg_SubMenu_MouseMove(int16_t Index, int16_t Button, int16_t Shift, float X, float Y);
    void TRCImg_SubMenu_MouseUp(int16_t Index, int16_t Button, int16_t Shift, float X, float Y);
    void TRCImg_SMBackDrop_MouseMove(int16_t Button, int16_t Shift, float X, float Y);
    void PuzImg_Menu_MouseDown(int16_t Index, int16_t Button, int16_t Shift, float X, float Y);
    void PuzImg_Menu_MouseMove(int16_t Index, int16_t Button, int16_t Shift, float X, float Y);
    void PuzImg_Menu_MouseUp(int16_t Index, int16_t Button, int16_t Shift, float X, float Y);
    void PuzPict_HolderMenu_MouseMove(int16_t Button, int16_t Shift, float X, float Y);
    void PuzLbl_Coin_MouseMove(int16_t Index, int16_t Button, int16_t Shift, float X, float Y);
    void PuzLbl_Coin_MouseUp(int16_t Index, int16_t Button, int16_t Shift, float X, float Y);
    void AT_TimerTMR_Timer();
    void ATTmr_MM_Timer();
    void PuzTmr_Timer();

  private:
    void WordReadOut();
    void PlaceDesignControls();
    void LoadDesignPictures();
    void ConnectEvents();
};

inline forms::DefaultInstance<FrmMainForm> FrmMain;
