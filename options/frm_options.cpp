#include "options/frm_options.h"

#include "forms/default_instance.h"
#include "forms/msgbox.h"
#include "forms/screen.h"
#include "options/options_dialog.h"
#include "shell/app_state.h"
#include "shell/frm_main.h"
#include "shell/frm_menu_music.h"
#include "shell/settings_file.h"
#include "shell/startup.h"
#include "shell/user_set.h"
#include "tracing/animation.h"

#include <algorithm>
#include <cstdlib>
#include <vector>

FrmOptionsForm* OptionsForm = nullptr;

namespace {

const char* const kTabCaptions[] = {"General", "Menu Buttons", "Drawing Buttons",
                                    "Colors",  "Animation",    "Speaking"};
const char* const kButtonCaptions[] = {"&Defaults", "&Apply", "&OK", "&Cancel"};
constexpr int16_t kKeyTab = 9, kShiftCtrl = 2;

} // namespace

std::string DefaultsPrompt(const std::string& tabName) {
    return "This option will load default values for the " + tabName + " Tab.    \r\n" +
           "Do you want to load default values ? ";
}

void ShowOptionsDialog() {
    // The old instance, if any, went when it was unloaded; the new one reads Settings afresh.
    auto* dialog = new FrmOptionsForm;
    OptionsForm = dialog;
    forms::AdoptForm(dialog, [dialog] {
        if (OptionsForm == dialog) OptionsForm = nullptr;
    });
    OptionsForm->Show();
    OptionsForm->SetFocus();
}

FrmOptionsForm::FrmOptionsForm() {
    SetName("FrmOptions");
    SetCaption("Options");
    SetLayer(forms::FormLayer::Dialog);
    SetBorderStyle(1);
    SetFontName("Arial");
    // Ctrl+Tab changes tabs whichever control has the focus.
    SetKeyPreview(true);

    Tabs_Options.SetFontName("Arial");
    Tabs_Options.SetFontSize(7);
    for (const char* caption : kTabCaptions)
        Tabs_Options.AddTab(caption);
    Tabs_Options.SetTabToolTipText(4, "Colors and Animation");
    for (int i = 0; i <= 5; ++i) {
        OptionsFrm(i).SetCaption("");
        OptionsFrm(i).SetFontName("Arial");
    }
    OptPict_Holder.SetBorderStyle(0);
    for (int i = 0; i <= 3; ++i) {
        OptCmd_Commands(i).SetCaption(kButtonCaptions[i]);
        OptCmd_Commands(i).SetFontName("Arial");
        OptCmd_Commands(i).SetFontSize(8);
    }
    BuildGeneralTab();
    BuildMenuButtonsTab();
    BuildDrawingTab();
    BuildAnimationTab();
    BuildSpeakingTab();
    BuildColorsTab();
    ConnectEvents();
}

void FrmOptionsForm::ConnectEvents() {
    Tabs_Options.Click = [this] { Tabs_Options_Click(); };
    OptCmd_Commands.Click = [this](int i) { OptCmd_Commands_Click(static_cast<int16_t>(i)); };
    WOChk_PW.Click = [this](int i) { WOChk_PW_Click(static_cast<int16_t>(i)); };
    WOcmbo_BackGround.Click = [this] { WOcmbo_BackGround_Click(); };
    WOImg_CBox.Click = [this](int i) { WOImg_CBox_Click(static_cast<int16_t>(i)); };
    SMnuChk_Display.Click = [this](int i) { SMnuChk_Display_Click(static_cast<int16_t>(i)); };
    MBImg_Buttons.Click = [this](int i) { MBImg_Buttons_Click(static_cast<int16_t>(i)); };
    MBChk_Choice.Click = [this] { MBChk_Choice_Click(); };
    MBChk_Level.Click = [this] { MBChk_Level_Click(); };
    MBChk_AlphaType.Click = [this] { MBChk_AlphaType_Click(); };
    MBChk_MusicOpt.Click = [this](int i) { MBChk_MusicOpt_Click(static_cast<int16_t>(i)); };
    MBCmbo_Lessons.Click = [this] { MBCmbo_Lessons_Click(); };
    MBCmbo_Level.Click = [this] { MBCmbo_Level_Click(); };
    MBCmbo_AlphaType.Click = [this] { MBCmbo_AlphaType_Click(); };
    MBCmbo_Instrument.Click = [this] { MBCmbo_Instrument_Click(); };
    MBSldr_MusicVol.Click = [this] { MBSldr_MusicVol_Click(); };
    MBTxt_AlphaType.Change = [this](int i) { MBTxt_AlphaType_Change(static_cast<int16_t>(i)); };
    MBTxt_AlphaType.GotFocus = [this](int i) { MBTxt_AlphaType_GotFocus(static_cast<int16_t>(i)); };
    MBTxt_AlphaType.LostFocus = [this](int i) {
        MBTxt_AlphaType_LostFocus(static_cast<int16_t>(i));
    };
    CASldr_TimerSpeed.Change = [this] { CASldr_TimerSpeed_Change(); };
    ANI_lblGeneral.MouseUp = [this](int i, int, int, float, float) {
        ANI_lblGeneral_MouseUp(static_cast<int16_t>(i));
    };
    AniPict_Alpha.MouseUp = [this](int i, int, int, float, float) {
        AniPict_Alpha_MouseUp(static_cast<int16_t>(i));
    };
    AniPict_Alpha.Paint = [this](int i) { AniPict_Alpha_Paint(static_cast<int16_t>(i)); };
    CACmd_Test.Click = [this] { CACmd_Test_Click(); };
    MBChk_AutoPlay.Click = [this](int i) { MBChk_AutoPlay_Click(static_cast<int16_t>(i)); };
    // The slider's mouse-up runs its click.
    MBSldr_AutoPlayInterval.Click = [this] { MBSldr_AutoPlayInterval_Click(); };
    SPKChk_Choices.Click = [this](int i) { SPKChk_Choices_Click(static_cast<int16_t>(i)); };
    CAList_Color.Click = [this] { CAList_Color_Click(); };
    CAPict_ColorPick.Click = [this] { CAPict_ColorPick_Click(); };
    CAPict_AlphaDisplay.Paint = [this](int i) {
        CAPict_AlphaDisplay_Paint(static_cast<int16_t>(i));
    };
    CAChk_AllowJr.Click = [this](int i) { CAChk_AllowJr_Click(static_cast<int16_t>(i)); };
    // A click on any part of a preview steps to the next colour target.
    const auto next = [this] { CASelectNextTarget(); };
    const auto nextOf = [this](int) { CASelectNextTarget(); };
    CAfrm_BGDisplay.Click = next;
    CAimg_BGDisplay.Click = nextOf;
    CAlbl_Alpha.Click = nextOf;
    CAlbl_AlphaShdw.Click = nextOf;
    CAlbl_Arrow.Click = nextOf;
    CALbl_Word.Click = nextOf;
    CAPict_AlphaDisplay.MouseUp = [this](int, int, int, float, float) { CASelectNextTarget(); };
}

void FrmOptionsForm::Form_Load() {
    InitOptions();
}

void FrmOptionsForm::InitOptions() {
    // The dialog's size first, so that the strip and its pages have room to be laid out in;
    // centred on the screen, as the other dialogs are.
    Move((forms::Screen::Width() - 5100) / 2, (forms::Screen::Height() - 5670) / 2, 5100, 5670);
    Tabs_Options.Move(8, 6, ScaleWidth() - 16, ScaleHeight() - 6 - 8 - 28 - 16);
    const int row = Tabs_Options.TabRowHeight();
    for (int i = 0; i <= Tabs_Options.Tabs() - 1; ++i) {
        OptionsFrm(i).Move(Tabs_Options.Left() + 4, Tabs_Options.Top() + row + 6,
                           Tabs_Options.Width() - 10, Tabs_Options.Height() - row - 12);
        OptionsFrm(i).SetVisible(true);
    }
    WOLoadTab();
    MBLoadTab();
    SMnuLoadTab();
    CALoadTab();
    ANILoadTab();
    SPKLoadTab();
    PendingAction = paShowActivity;
    Tabs_Options_Click();
    LayoutOptionsFrame();
}

void FrmOptionsForm::LayoutOptionsFrame() {
    OptPict_Holder.Move(Tabs_Options.Left(), Tabs_Options.Top() + Tabs_Options.Height() + 1,
                        Tabs_Options.Width(), 44);
    const int w = static_cast<int>((OptPict_Holder.Width() - 33) / 4);
    for (int i = 0; i <= 3; ++i)
        OptCmd_Commands(i).Move(1 + i * (w + 10), 8, w, 28);
}

void FrmOptionsForm::Tabs_Options_Click() {
    for (int i = 0; i <= Tabs_Options.Tabs() - 1; ++i) {
        if (i == Tabs_Options.SelectedItem() - 1)
            OptionsFrm(i).ZOrder(0);
        else
            OptionsFrm(i).ZOrder(1);
    }
}

void FrmOptionsForm::OptCmd_Commands_Click(int16_t index) {
    OptCmdClick(index);
}

void FrmOptionsForm::OptCmdClick(int16_t index) {
    using Proc = void (FrmOptionsForm::*)();
    using CmdProc = void (FrmOptionsForm::*)(int16_t);
    struct TabProcs {
        Proc defaults, apply;
        CmdProc command;
    };
    static const TabProcs procs[] = {
        {&FrmOptionsForm::WODefaults, &FrmOptionsForm::WOApply, &FrmOptionsForm::WOCommand},
        {&FrmOptionsForm::MBDefaults, &FrmOptionsForm::MBApply, &FrmOptionsForm::MBCommand},
        {&FrmOptionsForm::SMnuDefaults, &FrmOptionsForm::SMnuApply, &FrmOptionsForm::SMnuCommand},
        {&FrmOptionsForm::CADefaults, &FrmOptionsForm::CAApply, &FrmOptionsForm::CACommand},
        {&FrmOptionsForm::ANIDefaults, &FrmOptionsForm::ANIApply, &FrmOptionsForm::ANICommand},
        {&FrmOptionsForm::SPKDefaults, &FrmOptionsForm::SPKApply, &FrmOptionsForm::SPKCommand},
    };
    const int tab = Tabs_Options.SelectedItem();
    if (tab < 1 || tab > 6) return;
    const TabProcs& p = procs[tab - 1];
    // Every tab's Apply and OK end in the settings file's write; when that fails, the dialog
    // stays open with the working copy as it was edited.
    const UserSet before = Settings;
    const std::string textBefore = IniText;
    try {
        switch (index) {
        case 0:
            (this->*p.defaults)();
            break;
        case 1:
            (this->*p.apply)();
            break;
        case 2:
        case 3:
            (this->*p.command)(index);
            break;
        default:
            break;
        }
    } catch (const SettingsSaveError& e) {
        if (!e.SettingsWritten()) IniText = textBefore;
        ReportFailedSave(e, before);
    }
}

void FrmOptionsForm::ReportFailedSave(const SettingsSaveError& e, const UserSet& before) {
    if (e.SettingsWritten()) {
        // Only the reminder failed: the settings are saved and stay applied.
        forms::MsgBox("The settings were saved, but the password reminder could not be "
                      "written:\r\n" +
                          e.File() + "\r\n" + e.Reason() + ".",
                      forms::vbExclamation | forms::vbOKOnly, "Wise Owlet");
        return;
    }
    // Settings goes back to what the file still holds, and what the save applied is undone, so
    // the running program never shows settings that a restart would lose.
    const int16_t lesson = Settings.LessonID;
    const std::vector<SectionProc> changed = RestoreSettings(before);
    const auto has = [&](SectionProc s) {
        return std::find(changed.begin(), changed.end(), s) != changed.end();
    };
    // The Colors save gave the letter and the label strip their colours by starting the activity
    // again; so does the undoing.
    const bool colours = has(SectionAlphabetColors) || has(SectionLabelColors);
    if (lesson != before.LessonID) {
        Settings.LessonID = lesson; // the activity running, which is the one to close
        SelectLesson(before.LessonID);
    } else if (has(SectionStartEnd) || has(SectionUserLevel) || has(SectionAlphabetType) ||
               colours) {
        ChangeAppState(paShowActivity);
        PendingAction = paResume;
    }
    forms::MsgBox("The settings could not be saved to\r\n" + e.File() + "\r\n" + e.Reason() +
                      ".\r\nThe settings file was not changed.",
                  forms::vbExclamation | forms::vbOKOnly, "Wise Owlet");
}

bool FrmOptionsForm::ConfirmDefaults(const std::string& tabName) {
    return forms::MsgBox(DefaultsPrompt(tabName), forms::vbOKCancel | forms::vbQuestion,
                         "Defaults") == forms::vbOK;
}

void FrmOptionsForm::CloseOptions() {
    if (FrmMain.IsLoaded()) EnableMainForm();
    Hide();
    Unload();
}

void FrmOptionsForm::Form_Activate() {
    if (FrmMain.IsLoaded()) DisableMainForm();
    PendingAction = paResume;
    // The music menu follows the working copy; only Apply or OK make its instrument the live one.
    if (FrmMenuMusic.IsLoaded()) {
        const int current = std::atoi(FrmMenuMusic->GetMusicInstrument().c_str());
        if (current != OptSettings.Instrument)
            FrmMenuMusic->PreviewInstrument(OptSettings.Instrument, OptSettings.MusicPlay);
    }
}

void FrmOptionsForm::Form_Unload(int16_t&) {
    // A letter preview still running would go on drawing on this dialog's picture after it went.
    if (TraceAnim.AnimKind == akPreviewStep) StopAnimTimer();
    if (AlphaOpt.Board == &AniPict_Alpha(1)) AlphaOpt.Board = nullptr;
    // However the dialog closes, the music is as the live settings say; not at the program's end,
    // which closes the music itself.
    if (!ProgramEnding()) MBPutMusicBack();
    if (FrmMain.IsLoaded() && FrmMain->Visible()) EnableMainForm();
}

void FrmOptionsForm::Form_KeyDown(int16_t& keyCode, int16_t shift) {
    if (keyCode != kKeyTab || shift != kShiftCtrl) return;
    const int next = Tabs_Options.SelectedItem() + 1;
    Tabs_Options.SetSelectedItem(next > Tabs_Options.Tabs() ? 1 : next);
    keyCode = 0;
}
