// The options dialog's Menu Buttons tab: which main-menu buttons the child may use, and each
// button's own settings: the activity, the background music, the level, the alphabet type and the
// range a lesson covers. The music controls act on the music player at once, before Apply; OK and
// Cancel put the player back as the live settings have it.
#include "forms/lang.h"
#include "forms/msgbox.h"
#include "options/frm_options.h"
#include "shell/app_state.h"
#include "shell/frm_main.h"
#include "shell/frm_menu_music.h"
#include "shell/menu_buttons.h"
#include "shell/settings_file.h"
#include "shell/user_set.h"

#include <string>

namespace {

struct ButtonHelp {
    const char* title;
    const char* description;
    const char* suggestion;
};

const ButtonHelp kButtonHelp[] = {
    {"Options Button",
     "The options button brings up the current dialog box. "
     "Program settings can be changed with this button. "
     "This button is password protected and the password can be changed from the General Tab. ",
     ""},
    {"Lessons Button",
     "There are several lessons and games in the Wise Owlet suite. "
     "This button allows your child to pick a favourite lesson/game. ",
     "Suggested values. Button-On "},
    {"Music Instruments Button",
     "Music button allows a child to pick a favorite tune. "
     "It also teaches a child to interact with the computer. ",
     "Suggested values. Button-On,  Music feature-On"},
    {"Skills Level Button",
     "Depending on a childs age and skills, there are three levels to choose from. "
     "Level I is for novice kids. "
     "Level II is the intermediate level and level III for the expert child. ",
     "Suggested values. Button-On  Level-As desired"},
    {"Alphabet Type Button",
     "There are four options for the alpha type button. "
     "Capital, small, mixed case and numbers. "
     "Start and end define exercises over a given range. "
     "Step is for number multiples. ",
     "Suggested values. Button-Off  Excercise-As desired"},
};

const char* const kLessons[] = {"Alphabets", "Puzzle"};
const char* const kInstruments[] = {"Drum",    "Saxophone", "Guitar", "Caribbean Drums",
                                    "Trumpet", "Banjo"};
const char* const kLevels[] = {"Novice ( Level -1 )", "Intermediate ( Level - 2 )",
                               "Expert Level ( Level - 3 )"};
const char* const kAlphaTypes[] = {"Capital Alphabets ( A - Z )", "Small case Alphabets ( a- z )",
                                   "Mixed case Alphabets ( Aa-Zz )", "Numbers ( 1 - 30 )"};

struct LabelText {
    int index;
    const char* text;
};
const LabelText kMusicOptLabels[] = {
    {0, "Junior can access music button. "},
    {1, "Play background music"},
    {2, "Junior can access volume control"},
    {3, "+"},
    {4, "-"},
    {5, "Junior can access level button."},
    {6, "Volume"},
    {7, "Instrument"},
    {8, "Junior can access alphabet button."},
    {10, "The options button is not available to junior."},
    {100, "Junior can access lesson/games button"},
};
const char* const kRangeLabels[] = {"Start", "End", "Step"};

constexpr int kButtonSize = 35;  // the pictures of the main window's menu row
constexpr int kButtonPitch = 55; // the strip spreads the five over its width
constexpr int kHighlightGap = 3; // the frame stands this far round the selected picture
constexpr int kOnPictures = 1, kOffPictures = 16;
constexpr int32_t kHighlightOn = 0xFFFF; // yellow
const int32_t kHighlightOff = forms::RGB(153, 153, 153);

forms::Flag Checked(const forms::CheckBox& box) {
    return box.Value() == forms::vbChecked ? forms::vbTrue : forms::vbFalse;
}
int CheckOf(forms::Flag f) {
    return f != 0 ? forms::vbChecked : forms::vbUnchecked;
}
// A list takes a stored choice only when it has that item, so that a damaged settings file
// cannot end the program here.
void Select(forms::ComboBox& list, int index) {
    if (index >= 0 && index < list.ListCount()) list.SetListIndex(index);
}
bool IsAlphabet(const std::string& text) {
    if (text.size() != 1) return false;
    const char c = text[0];
    return (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z');
}
// The code of a letter bound's first character, upper-cased so that small and capital bounds
// compare by the letter; 0 for a bound with no character.
int BoundCode(const std::string& bound) {
    const std::string t = forms::Trim(bound);
    return t.empty() ? 0 : static_cast<unsigned char>(forms::UCase(t.substr(0, 1))[0]);
}
bool MusicMenuLoaded() {
    return FrmMenuMusic.IsLoaded();
}

} // namespace

void FrmOptionsForm::BuildMenuButtonsTab() {
    MB_PictHolder.SetBorderStyle(1);
    MB_PictHolder.SetBackColor(forms::RGB(240, 240, 240));
    MBShp_HL.SetBorderWidth(2);
    MBFrm_MenuButtons(3).SetFontName("Arial");
    for (int i = 0; i <= 4; ++i) {
        MBFrm_Holder(i).SetCaption("");
        MBFrm_Holder(i).SetFontName("Arial");
    }
    for (int i = 0; i <= 1; ++i) {
        MBlbl_ButtonDesc(i).SetWordWrap(true);
        MBlbl_ButtonDesc(i).SetFontName("Arial");
        MBlbl_ButtonDesc(i).SetFontSize(8);
        MBlbl_ButtonDesc(i).SetBackStyle(forms::vbTransparent);
    }
    for (const LabelText& l : kMusicOptLabels) {
        forms::Label& label = MBLbl_MusicOpt(l.index);
        label.SetCaption(l.text);
        label.SetFontName("Arial");
        label.SetFontSize(8);
        label.SetBackStyle(forms::vbTransparent);
    }
    for (int i = 0; i <= 2; ++i) {
        MBLbl_AlphaType(i).SetCaption(kRangeLabels[i]);
        MBLbl_AlphaType(i).SetFontName("Arial");
        MBLbl_AlphaType(i).SetFontSize(8);
        MBLbl_AlphaType(i).SetBackStyle(forms::vbTransparent);
        MBTxt_AlphaType(i).SetFontName("Arial");
        MBTxt_AlphaType(i).SetFontSize(8);
    }
    auto fill = [](forms::ComboBox& list, auto& items) {
        for (const char* item : items)
            list.AddItem(item);
        list.SetStyle(forms::vbComboDropdownList);
        list.SetFontName("Arial");
        list.SetFontSize(8);
    };
    fill(MBCmbo_Lessons, kLessons);
    fill(MBCmbo_Instrument, kInstruments);
    fill(MBCmbo_Level, kLevels);
    fill(MBCmbo_AlphaType, kAlphaTypes);
    MBSldr_MusicVol.SetMin(1);
    MBSldr_MusicVol.SetMax(10);
    MBSldr_MusicVol.SetLargeChange(1);
    MBSldr_MusicVol.SetSmallChange(1);
    MBSldr_MusicVol.SetTickFrequency(1);
}

void FrmOptionsForm::MBLoadTab() {
    MBReadSettings();
    MBDisplayTab(MBButtonIndex);
}

// The music menu follows the working copy's instrument while the dialog is active, so the copy
// must hold the live one from the start.
void FrmOptionsForm::MBReadSettings() {
    SectionMenuButtons(umCopy, OptSettings, Settings);
    SectionUserLevel(umCopy, OptSettings, Settings);
    SectionAlphabetType(umCopy, OptSettings, Settings);
    SectionMusic(umCopy, OptSettings, Settings);
    SectionLessonInfo(umCopy, OptSettings, Settings);
    SectionStartEnd(umCopy, OptSettings, Settings);
}

// The strip of pictures on top (in the order of the main window's row: the options button
// rightmost), the selected button's help under it, and the settings frames, all in one place,
// at the bottom.
void FrmOptionsForm::MBLayoutTab() {
    MB_PictHolder.Move(6, 4, 296, 47);
    for (int i = 0; i <= 4; ++i)
        MBImg_Buttons(i).Move(23 + (4 - i) * kButtonPitch, 5, kButtonSize, kButtonSize);
    MBFrm_MenuButtons(3).Move(6, 54, 296, 86);
    MBlbl_ButtonDesc(0).Move(8, 15, 280, 54);
    MBlbl_ButtonDesc(1).Move(8, 69, 280, 14);
    for (int i = 0; i <= 4; ++i) {
        MBFrm_Holder(i).Move(6, 143, 296, 110);
        MBFrm_Holder(i).SetVisible(false);
    }

    MBLbl_MusicOpt(10).Move(10, 20, 276, 32);

    MBCmbo_Lessons.Move(10, 20, 200, 22);
    MBChk_Choice.Move(10, 52, 16, 16);
    MBLbl_MusicOpt(100).Move(30, 52, 256, 16);

    for (int i = 0; i <= 2; ++i) {
        MBChk_MusicOpt(i).Move(10, 10 + i * 17, 16, 16);
        MBLbl_MusicOpt(i).Move(30, 10 + i * 17, 256, 16);
    }
    MBLbl_MusicOpt(7).Move(10, 64, 60, 16);
    MBCmbo_Instrument.Move(76, 60, 150, 22);
    MBLbl_MusicOpt(6).Move(10, 88, 60, 16);
    MBLbl_MusicOpt(4).Move(70, 88, 8, 16);
    MBSldr_MusicVol.Move(80, 83, 150, 24);
    MBLbl_MusicOpt(3).Move(234, 88, 10, 16);

    MBCmbo_Level.Move(10, 20, 220, 22);
    MBChk_Level.Move(10, 52, 16, 16);
    MBLbl_MusicOpt(5).Move(30, 52, 256, 16);

    MBCmbo_AlphaType.Move(10, 16, 220, 22);
    MBChk_AlphaType.Move(10, 44, 16, 16);
    MBLbl_MusicOpt(8).Move(30, 44, 256, 16);
    for (int i = 0; i <= 2; ++i) {
        MBLbl_AlphaType(i).Move(10 + i * 92, 76, 32, 16);
        MBTxt_AlphaType(i).Move(44 + i * 92, 72, 44, 22);
    }
}

void FrmOptionsForm::MBDisplayTab(int16_t index) {
    MBLayoutTab();
    for (int16_t i = 4; i >= 0; --i)
        MBSetButtonImages(i);

    int16_t volume = OptSettings.Volume;
    if (MusicMenuLoaded()) {
        FrmMenuMusic->MM_Music.SetVolume(OptSettings.Volume);
        volume = static_cast<int16_t>(FrmMenuMusic->MM_Music.Volume());
    }
    MBMusicDisplayVol(volume);
    Select(MBCmbo_Instrument, OptSettings.Instrument);
    if (MusicMenuLoaded()) volume = static_cast<int16_t>(FrmMenuMusic->MM_Music.Volume());
    MBMusicDisplayVol(volume);
    MBChk_MusicOpt(0).SetValue(CheckOf(OptSettings.MenuButton(mnMusic)));
    MBChk_MusicOpt(2).SetValue(CheckOf(OptSettings.MusicChange));
    MBChk_MusicOpt(1).SetValue(CheckOf(OptSettings.MusicPlay));
    MBEnableMusicControls(OptSettings.MusicPlay != 0);

    Select(MBCmbo_AlphaType, OptSettings.AlphabetType);
    MBShowAlphaTypeSamples(OptSettings);
    MBChk_AlphaType.SetValue(CheckOf(OptSettings.MenuButton(mnAlphaType)));
    Select(MBCmbo_Level, OptSettings.UserLevel);
    MBChk_Level.SetValue(CheckOf(OptSettings.MenuButton(mnLevel)));
    MBChk_Choice.SetValue(CheckOf(OptSettings.MenuButton(mnChoice)));
    Select(MBCmbo_Lessons, OptSettings.LessonID);

    MBButtonIndex = index == mnOptions ? static_cast<int16_t>(mnAlphaType) : index;
    MBSetButtonImages(MBButtonIndex);
    MBShowButtonDesc(MBButtonIndex);
}

void FrmOptionsForm::MBEnableMusicControls(bool enabled) {
    MBChk_MusicOpt(0).SetEnabled(enabled);
    MBChk_MusicOpt(2).SetEnabled(enabled);
    MBLbl_MusicOpt(6).SetEnabled(enabled);
    MBLbl_MusicOpt(7).SetEnabled(enabled);
    MBSldr_MusicVol.SetEnabled(enabled);
    MBCmbo_Instrument.SetEnabled(enabled);
}

void FrmOptionsForm::MBMusicDisplayVol(int16_t& volume) {
    MBSldr_MusicVol.SetValue(static_cast<int32_t>(forms::RoundHalfEven(volume / 300.0 + 10)));
}

void FrmOptionsForm::MBSldr_MusicVol_Click() {
    const int32_t volume = (MBSldr_MusicVol.Value() - 10) * 300;
    if (MusicMenuLoaded()) {
        FrmMenuMusic->MM_Music.SetVolume(volume);
        OptSettings.Volume = static_cast<int16_t>(FrmMenuMusic->MM_Music.Volume());
    } else {
        OptSettings.Volume = static_cast<int16_t>(volume);
    }
}

void FrmOptionsForm::MBSetButtonImages(int16_t index) {
    const forms::Image& button = MBImg_Buttons(index);
    MBShp_HL.Move(button.Left() - kHighlightGap, button.Top() - kHighlightGap,
                  kButtonSize + 2 * kHighlightGap, kButtonSize + 2 * kHighlightGap);
    const bool on = OptSettings.MenuButton(index) != 0;
    MBShp_HL.SetBorderColor(on ? kHighlightOn : kHighlightOff);
    if (!FrmMain.IsLoaded()) return;
    const forms::ImageList& list = FrmMain->WOImgLst_Menu;
    const int n = index + (on ? kOnPictures : kOffPictures);
    MBImg_Buttons(index).SetPicture(n <= list.Count() ? list.Picture(n) : nullptr);
}

void FrmOptionsForm::MBShowButtonDesc(int16_t index) {
    const ButtonHelp& help = kButtonHelp[index];
    MBFrm_MenuButtons(3).SetCaption(help.title);
    MBlbl_ButtonDesc(0).SetCaption(help.description);
    MBlbl_ButtonDesc(1).SetCaption(help.suggestion);
    MBFrm_Holder(index).SetVisible(true);
}

void FrmOptionsForm::MBHideHolder(int16_t index) {
    MBFrm_Holder(index).SetVisible(false);
}

void FrmOptionsForm::MBImg_Buttons_Click(int16_t index) {
    MBSetButtonImages(index);
    MBPrevButtonIndex = MBButtonIndex;
    MBButtonIndex = index;
    MBHideHolder(MBPrevButtonIndex);
    MBShowButtonDesc(MBButtonIndex);
}

void FrmOptionsForm::MBChk_Choice_Click() {
    OptSettings.MenuButton(mnChoice) = Checked(MBChk_Choice);
    MBSetButtonImages(MBButtonIndex);
}

void FrmOptionsForm::MBChk_Level_Click() {
    OptSettings.MenuButton(mnLevel) = Checked(MBChk_Level);
    MBSetButtonImages(MBButtonIndex);
}

void FrmOptionsForm::MBChk_AlphaType_Click() {
    OptSettings.MenuButton(mnAlphaType) = Checked(MBChk_AlphaType);
    MBSetButtonImages(MBButtonIndex);
}

void FrmOptionsForm::MBCmbo_Lessons_Click() {
    OptSettings.LessonID = static_cast<int16_t>(MBCmbo_Lessons.ListIndex());
}

void FrmOptionsForm::MBCmbo_Level_Click() {
    OptSettings.UserLevel = static_cast<int16_t>(MBCmbo_Level.ListIndex());
}

void FrmOptionsForm::MBCmbo_AlphaType_Click() {
    OptSettings.AlphabetType = static_cast<int16_t>(MBCmbo_AlphaType.ListIndex());
    MBShowAlphaTypeSamples(OptSettings);
}

void FrmOptionsForm::MBChk_MusicOpt_Click(int16_t index) {
    switch (index) {
    case 0:
        OptSettings.MenuButton(mnMusic) = Checked(MBChk_MusicOpt(0));
        MBSetButtonImages(MBButtonIndex);
        break;
    case 1:
        if (MBChk_MusicOpt(1).Value() == forms::vbChecked) {
            OptSettings.MusicPlay = forms::vbTrue;
            MBEnableMusicControls(true);
            if (MBChk_MusicOpt(0).Value() == forms::vbChecked) {
                OptSettings.MenuButton(mnMusic) = forms::vbTrue;
                MBSetButtonImages(MBButtonIndex);
            }
            if (MusicMenuLoaded()) FrmMenuMusic->MM_Music.Play();
        } else {
            OptSettings.MusicPlay = forms::vbFalse;
            MBEnableMusicControls(false);
            OptSettings.MenuButton(mnMusic) = forms::vbFalse;
            MBSetButtonImages(MBButtonIndex);
            if (MusicMenuLoaded()) FrmMenuMusic->MM_Music.Stop();
        }
        break;
    case 2:
        OptSettings.MusicChange = Checked(MBChk_MusicOpt(2));
        if (MusicMenuLoaded()) FrmMenuMusic->InitMusicInterActSt(OptSettings.MusicChange);
        break;
    default:
        break;
    }
}

// The pick is heard at once on the music menu; the live instrument changes only with this tab's
// Apply or OK, and closing the dialog puts the live one back.
void FrmOptionsForm::MBCmbo_Instrument_Click() {
    const int16_t instrument = static_cast<int16_t>(MBCmbo_Instrument.ListIndex());
    OptSettings.Instrument = instrument;
    if (MusicMenuLoaded()) FrmMenuMusic->PreviewInstrument(instrument, Checked(MBChk_MusicOpt(1)));
}

void FrmOptionsForm::MBShowAlphaTypeSamples(UserSet& rec) {
    const bool numbers = OptSettings.AlphabetType == atNumbers;
    if (!numbers) {
        const auto sample = [this](const std::string& bound) {
            const std::string first = bound.substr(0, 1);
            switch (OptSettings.AlphabetType) {
            case atCapitals:
                return forms::UCase(first);
            case atSmall:
                return forms::LCase(first);
            default:
                return forms::UCase(first) + forms::LCase(first);
            }
        };
        MBTxt_AlphaType(0).SetText(sample(rec.AlphabetStart));
        MBTxt_AlphaType(1).SetText(sample(rec.AlphabetEnd));
    } else {
        MBTxt_AlphaType(0).SetText(std::to_string(rec.NumbersStart));
        MBTxt_AlphaType(1).SetText(std::to_string(rec.NumbersEnd));
        MBTxt_AlphaType(2).SetText(std::to_string(rec.NumbersStep));
    }
    MBTxt_AlphaType(2).SetEnabled(numbers);
    MBLbl_AlphaType(2).SetEnabled(numbers);
}

void FrmOptionsForm::MBTxt_AlphaType_Change(int16_t index) {
    const std::string text = MBTxt_AlphaType(index).Text();
    if (OptSettings.AlphabetType == atNumbers) {
        std::string message;
        if (!text.empty() && forms::IsNumeric(text)) {
            const double value = forms::CDbl(text);
            if (value < 1 || value > 30) {
                message = "Please enter a number from 1 - 30 ";
            } else {
                const int16_t n = forms::CInt(value);
                if (index == 0) OptSettings.NumbersStart = n;
                if (index == 1) OptSettings.NumbersEnd = n;
                if (index == 2) OptSettings.NumbersStep = n;
            }
        } else if (!text.empty()) {
            message = "Please enter a number.";
        }
        if (!message.empty()) {
            forms::MsgBox(message);
            MBShowAlphaTypeSamples(OptSettings);
        }
        return;
    }
    if (!text.empty() && IsAlphabet(text.substr(text.size() - 1))) {
        if (index == 0) OptSettings.AlphabetStart = text;
        if (index == 1) OptSettings.AlphabetEnd = text;
    } else {
        forms::MsgBox("Please enter an alphabet.");
    }
    MBShowAlphaTypeSamples(OptSettings);
    MBTxt_SelectAll(index);
}

void FrmOptionsForm::MBTxt_AlphaType_GotFocus(int16_t index) {
    MBTxt_SelectAll(index);
}

void FrmOptionsForm::MBTxt_AlphaType_LostFocus(int16_t index) {
    if (MBTxt_AlphaType(index).Text().empty()) MBShowAlphaTypeSamples(OptSettings);
}

void FrmOptionsForm::MBTxt_SelectAll(int16_t index) {
    forms::TextBox& box = MBTxt_AlphaType(index);
    box.SetSelStart(0);
    box.SetSelLength(static_cast<int>(box.Text().size()));
}

void FrmOptionsForm::MBValidateRange(std::string& message) {
    message.clear();
    const int s = BoundCode(OptSettings.AlphabetStart), e = BoundCode(OptSettings.AlphabetEnd);
    if (s == 0 || e == 0 || s >= e || s + 4 > e) {
        message = "Invalid alphabet start and end values. ";
        return;
    }
    const int start = OptSettings.NumbersStart, end = OptSettings.NumbersEnd;
    if (start >= end || start + 4 > end || OptSettings.NumbersStep > (end - start) / 2.0)
        message = "Invalid numeric start, end and step values. ";
}

void FrmOptionsForm::MBValidateSave(int16_t& failed) {
    std::string range;
    MBValidateRange(range);
    const std::string message = forms::Trim(range);
    if (!message.empty()) {
        forms::MsgBox(message + "Please enter correct values \r\n" +
                          "or load default values with the Default Button below.",
                      forms::vbExclamation | forms::vbOKOnly, "Menu Button");
        failed = forms::vbTrue;
        return;
    }
    SectionMenuButtons(umCopy, Settings, OptSettings);
    SectionUserLevel(umCopy, Settings, OptSettings);
    SectionAlphabetType(umCopy, Settings, OptSettings);
    SectionMusic(umCopy, Settings, OptSettings);
    SectionStartEnd(umCopy, Settings, OptSettings);
    SelectLesson(OptSettings.LessonID);
    ArrangeMenuButtons();
    SaveSettingsFile(forms::vbTrue);
    PendingAction = paResume;
    failed = forms::vbFalse;
}

void FrmOptionsForm::MBApply() {
    int16_t failed = forms::vbFalse;
    MBValidateSave(failed);
}

void FrmOptionsForm::MBCommand(int16_t index) {
    if (index == 2) {
        int16_t failed = forms::vbFalse;
        MBValidateSave(failed);
        if (failed != 0) return;
    }
    // The music previews made on this tab are undone as the dialog unloads.
    CloseOptions();
}

// Whatever the tab let the adult hear or try (the tune, music off, the volume, the volume frame)
// goes back to what the live settings say, which the tab's Apply or OK made its own.
void FrmOptionsForm::MBPutMusicBack() {
    if (!MusicMenuLoaded()) return;
    FrmMenuMusicForm& menu = *FrmMenuMusic;
    menu.MM_Music.SetVolume(Settings.Volume);
    menu.PreviewInstrument(Settings.Instrument, Settings.MusicPlay);
    menu.InitMusicInterActSt(Settings.MusicChange);
}

void FrmOptionsForm::MBDefaults() {
    if (!ConfirmDefaults("Menu Buttons")) return;
    SectionMenuButtons(umDefaults, OptSettings, OptSettings);
    SectionUserLevel(umDefaults, OptSettings, OptSettings);
    SectionAlphabetType(umDefaults, OptSettings, OptSettings);
    SectionAutoPlay(umDefaults, OptSettings, OptSettings);
    SectionMusic(umDefaults, OptSettings, OptSettings);
    SectionStartEnd(umDefaults, OptSettings, OptSettings);
    MBDisplayTab(MBButtonIndex);
}
