#pragma once
// The options dialog: six tabs over the working copy OptSettings. Each tab reads its sections
// from Settings when the dialog opens, edits only the working copy, and writes its sections back,
// applies them and rewrites the settings file when its own Apply or OK is pressed.
#include "forms/check_box.h"
#include "forms/combo_box.h"
#include "forms/command_button.h"
#include "forms/common_dialog.h"
#include "forms/control_array.h"
#include "forms/form.h"
#include "forms/frame.h"
#include "forms/image.h"
#include "forms/label.h"
#include "forms/list_box.h"
#include "forms/option_button.h"
#include "forms/picture_box.h"
#include "forms/shape.h"
#include "forms/slider.h"
#include "forms/tab_strip.h"
#include "forms/text_box.h"
#include "shell/user_set.h"
#include "tracing/alpha_data.h"

#include <cstdint>
#include <string>

class SettingsSaveError;

// The texts of the defaults question: the tab's line, then the question.
std::string DefaultsPrompt(const std::string& tabName);

class FrmOptionsForm : public forms::Form {
  public:
    FrmOptionsForm();

    // Menu button whose settings the Menu Buttons tab shows, and the one shown before.
    int16_t MBButtonIndex = 0;
    int16_t MBPrevButtonIndex = 0;
    // The working copy of the settings: every control of every tab reads and writes this copy
    // only, and it goes with the dialog.
    UserSet OptSettings;

    // --- The frame.
    forms::TabStrip Tabs_Options{this};
    forms::ControlArray<forms::Frame> OptionsFrm{this, 0, 5};
    forms::PictureBox OptPict_Holder{this};
    forms::ControlArray<forms::CommandButton> OptCmd_Commands{&OptPict_Holder, 0, 3};

    // --- General tab (page 0).
    forms::ControlArray<forms::Frame> WOfrm_Holder{&OptionsFrm(0), 0, 3};
    forms::ControlArray<forms::TextBox> WOTxt_PW{&WOfrm_Holder(0), 0, 1};
    forms::ControlArray<forms::CheckBox> WOChk_PW{&WOfrm_Holder(0), 0, 2};
    forms::ControlArray<forms::Label> WOlbl_General{
        [this](int i) -> forms::Container* { return i < 5 ? &WOfrm_Holder(0) : &WOfrm_Holder(3); },
        0, 7};
    forms::ComboBox WOcmbo_BackGround{&WOfrm_Holder(1)};
    forms::PictureBox WO_PictTitleBar{&WOfrm_Holder(2)};
    forms::ControlArray<forms::Image> WOImg_CBox{&WO_PictTitleBar, 0, 1};
    forms::ControlArray<forms::OptionButton> WOOpt_ClearLevels{&WOfrm_Holder(3), 0, 2};

    // --- Menu Buttons tab (page 1): the strip of button pictures, the selected button's help,
    // and one settings frame per button, all in one place. The settings frames' array also
    // holds the Animation tab's frame (6).
    forms::PictureBox MB_PictHolder{&OptionsFrm(1)};
    forms::ControlArray<forms::Image> MBImg_Buttons{&MB_PictHolder, 0, 4};
    forms::Shape MBShp_HL{&MB_PictHolder};
    forms::ControlArray<forms::Frame> MBFrm_MenuButtons{&OptionsFrm(1), {3}};
    forms::ControlArray<forms::Label> MBlbl_ButtonDesc{&MBFrm_MenuButtons(3), 0, 1};
    forms::ControlArray<forms::Frame> MBFrm_Holder{
        [this](int i) -> forms::Container* { return i <= 4 ? &OptionsFrm(1) : &OptionsFrm(4); },
        {0, 1, 2, 3, 4, 6}};
    forms::ControlArray<forms::Label> MBLbl_MusicOpt{[this](int i) -> forms::Container* {
                                                         switch (i) {
                                                         case 10:
                                                             return &MBFrm_Holder(0);
                                                         case 100:
                                                             return &MBFrm_Holder(1);
                                                         case 5:
                                                             return &MBFrm_Holder(3);
                                                         case 8:
                                                             return &MBFrm_Holder(4);
                                                         default:
                                                             return &MBFrm_Holder(2);
                                                         }
                                                     },
                                                     {0, 1, 2, 3, 4, 5, 6, 7, 8, 10, 100}};
    forms::ComboBox MBCmbo_Lessons{&MBFrm_Holder(1)};
    forms::CheckBox MBChk_Choice{&MBFrm_Holder(1)};
    forms::ControlArray<forms::CheckBox> MBChk_MusicOpt{&MBFrm_Holder(2), 0, 2};
    forms::ComboBox MBCmbo_Instrument{&MBFrm_Holder(2)};
    forms::Slider MBSldr_MusicVol{&MBFrm_Holder(2)};
    forms::ComboBox MBCmbo_Level{&MBFrm_Holder(3)};
    forms::CheckBox MBChk_Level{&MBFrm_Holder(3)};
    forms::ComboBox MBCmbo_AlphaType{&MBFrm_Holder(4)};
    forms::CheckBox MBChk_AlphaType{&MBFrm_Holder(4)};
    forms::ControlArray<forms::Label> MBLbl_AlphaType{&MBFrm_Holder(4), 0, 2};
    forms::ControlArray<forms::TextBox> MBTxt_AlphaType{&MBFrm_Holder(4), 0, 2};

    // --- Drawing Buttons tab (page 2).
    forms::PictureBox SMnuPict_Holder{&OptionsFrm(2)};
    forms::Image SMnu_Img{&SMnuPict_Holder};
    forms::ControlArray<forms::CheckBox> SMnuChk_Display{&OptionsFrm(2), 0, 3};
    forms::ControlArray<forms::Label> SMnuLbl_General{&OptionsFrm(2), 0, 5};

    // --- Animation tab (page 4), in the Menu Buttons tab's frame array.
    forms::Slider CASldr_TimerSpeed{&MBFrm_Holder(6)};
    forms::ControlArray<forms::Label> ANI_lblGeneral{&MBFrm_Holder(6), 0, 2};
    forms::ControlArray<forms::PictureBox> AniPict_Alpha{&MBFrm_Holder(6), 1, 1};
    forms::CommandButton CACmd_Test{&MBFrm_Holder(6)};
    forms::ControlArray<forms::CheckBox> MBChk_AutoPlay{&MBFrm_Holder(6), 1, 2};
    forms::ControlArray<forms::Label> MBLbl_AutoPlay{&MBFrm_Holder(6), 0, 5};
    forms::Slider MBSldr_AutoPlayInterval{&MBFrm_Holder(6)};

    // --- Speaking tab (page 5).
    forms::Frame Frame2{&OptionsFrm(5)};
    forms::ControlArray<forms::CheckBox> SPKChk_Choices{&Frame2, 0, 6};
    forms::ControlArray<forms::Label> SPKLbl_General{&Frame2, 0, 10};

    // --- Colors tab (page 3): the list of colour targets and the swatch beside the previews: the
    // letter display (the letter or the word labels on it) and, over it, a small copy of the
    // background form. Arrows 0 and 1 point on the letter display, 2 and 3 on the background.
    forms::Frame CAFrm_Holder{&OptionsFrm(3)};
    forms::PictureBox CAPict_Holder{&CAFrm_Holder};
    forms::ListBox CAList_Color{&CAPict_Holder};
    forms::PictureBox CAPict_ColorPick{&CAPict_Holder};
    forms::ControlArray<forms::CheckBox> CAChk_AllowJr{&CAPict_Holder, 0, 1};
    forms::ControlArray<forms::Label> CALbl_Color{&CAPict_Holder, 0, 1};
    forms::ControlArray<forms::PictureBox> CAPict_AlphaDisplay{&CAPict_Holder, 0, 0};
    forms::ControlArray<forms::Label> CALbl_Word{&CAPict_AlphaDisplay(0), 0, 3};
    forms::Frame CAfrm_BGDisplay{&CAPict_Holder};
    forms::ControlArray<forms::Image> CAimg_BGDisplay{&CAfrm_BGDisplay, 0, 3};
    forms::ControlArray<forms::Label> CAlbl_AlphaShdw{&CAfrm_BGDisplay, 0, 3};
    forms::ControlArray<forms::Label> CAlbl_Alpha{&CAfrm_BGDisplay, 0, 3};
    forms::ControlArray<forms::Label> CAlbl_Arrow{
        [this](int i) -> forms::Container* {
            return i <= 1 ? static_cast<forms::Container*>(&CAPict_AlphaDisplay(0))
                          : &CAfrm_BGDisplay;
        },
        0, 3};
    forms::CommonDialog CommonDialog{this};
    // The letter the Colors tab draws, always the capital A.
    AlphaData CAPreviewAlpha;

    // --- Events.
    void Form_Load() override;
    void Form_Activate() override;
    void Form_KeyDown(int16_t& keyCode, int16_t shift) override;
    void Form_Unload(int16_t& cancel) override;
    void OptCmd_Commands_Click(int16_t index);
    void Tabs_Options_Click();

    void WOChk_PW_Click(int16_t index);
    void WOcmbo_BackGround_Click();
    void WOImg_CBox_Click(int16_t index);
    void MBImg_Buttons_Click(int16_t index);
    void MBChk_Choice_Click();
    void MBChk_Level_Click();
    void MBChk_AlphaType_Click();
    void MBChk_MusicOpt_Click(int16_t index);
    void MBCmbo_Lessons_Click();
    void MBCmbo_Level_Click();
    void MBCmbo_AlphaType_Click();
    void MBCmbo_Instrument_Click();
    void MBSldr_MusicVol_Click();
    void MBTxt_AlphaType_Change(int16_t index);
    void MBTxt_AlphaType_GotFocus(int16_t index);
    void MBTxt_AlphaType_LostFocus(int16_t index);
    void SMnuChk_Display_Click(int16_t index);
    void CASldr_TimerSpeed_Change();
    void ANI_lblGeneral_MouseUp(int16_t index);
    void AniPict_Alpha_MouseUp(int16_t index);
    void AniPict_Alpha_Paint(int16_t index);
    void CACmd_Test_Click();
    void MBChk_AutoPlay_Click(int16_t index);
    void MBSldr_AutoPlayInterval_Click();
    void SPKChk_Choices_Click(int16_t index);
    void CAList_Color_Click();
    void CAPict_ColorPick_Click();
    void CAPict_AlphaDisplay_Paint(int16_t index);
    void CAChk_AllowJr_Click(int16_t index);

  private:
    void ConnectEvents();
    void InitOptions();
    void LayoutOptionsFrame();
    void OptCmdClick(int16_t index);
    // A tab's save that could not write the settings: the message, and Settings and the running
    // screens back to what the settings file holds (before: Settings as it was).
    void ReportFailedSave(const SettingsSaveError& e, const UserSet& before);
    void CloseOptions();
    // The defaults question of a tab; true when answered OK.
    bool ConfirmDefaults(const std::string& tabName);

    // General tab.
    void BuildGeneralTab();
    void WOLoadTab();
    void WOReadSettings();
    void WODisplayTab();
    void WOValidateSave(int16_t& failed);
    void WOApply();
    void WOCommand(int16_t index);
    void WODefaults();

    // Menu Buttons tab.
    void BuildMenuButtonsTab();
    void MBLoadTab();
    void MBReadSettings();
    void MBDisplayTab(int16_t index);
    void MBLayoutTab();
    void MBEnableMusicControls(bool enabled);
    void MBValidateRange(std::string& message);
    void MBValidateSave(int16_t& failed);
    void MBShowAlphaTypeSamples(UserSet& rec);
    void MBSetButtonImages(int16_t index);
    void MBShowButtonDesc(int16_t index);
    void MBHideHolder(int16_t index);
    void MBMusicDisplayVol(int16_t& volume);
    void MBTxt_SelectAll(int16_t index);
    void MBApply();
    void MBCommand(int16_t index);
    void MBDefaults();
    void MBPutMusicBack();

    // Drawing Buttons tab.
    void BuildDrawingTab();
    void SMnuLoadTab();
    void SMnuReadSettings();
    void SMnuDisplayTab();
    void SMnuSaveSettings();
    void SMnuApply();
    void SMnuCommand(int16_t index);
    void SMnuDefaults();

    // Colors tab.
    void BuildColorsTab();
    void CALoadTab();
    void CAReadSettings();
    void CADisplayTab();
    void CAShowBGDisplay();
    void CALayoutTab();
    void CASaveSettings();
    void CAApply();
    void CACommand(int16_t index);
    void CADefaults();
    void CAHLSelection();
    void CAPickColor();
    void CASelectNextTarget();
    void CADrawPreviewLetter();
    void CAPositionArrows(int16_t x, int16_t y);
    void CAShowBackgroundPreview(int16_t x, int16_t y);
    void CAShowLetterPreview();
    void CAStopPreviewAnimation();
    void CARedrawAlphaDisplay(AlphaData& rec, const UserSet& settings);

    // Animation tab.
    void BuildAnimationTab();
    void ANILoadTab();
    void ANIReadSettings();
    void ANIDisplayTab();
    void ANIShowPreviewLetter();
    void ANIShowSpeed();
    void MBAutoPlayDisplayDelay();
    void ANISaveSettings();
    void ANIApply();
    void ANICommand(int16_t index);
    void ANIDefaults();

    // Speaking tab.
    void BuildSpeakingTab();
    void SPKLoadTab();
    void SPKReadSettings();
    void SPKDisplayTab();
    void SPKSaveSettings();
    void SPKApply();
    void SPKCommand(int16_t index);
    void SPKDefaults();
};
