#include "shell/startup.h"

#include "forms/files.h"
#include "forms/font_registry.h"
#include "forms/forms.h"
#include "forms/msgbox.h"
#include "options/options_dialog.h"
#include "shell/app_state.h"
#include "shell/background_form.h"
#include "shell/debug_log.h"
#include "shell/forms_list.h"
#include "shell/frm_main.h"
#include "shell/password_dialog.h"
#include "shell/settings_file.h"
#include "shell/sounds.h"
#include "shell/user_set.h"
#include "tracing/animation.h"
#include "tracing/colour_picker.h"

#include <exception>

std::string AppPath;
std::string PathSounds;
std::string PathSoundsAlphabets;
std::string PathSoundsNumbers;
std::string PathSoundsApp;
std::string PathImages;
std::string PathImagesApp;
std::string PathSettingsFile;
std::string WinDir;
std::string PathDebugFile;

forms::Array<std::string, 0, 2> FontName;
forms::Array<forms::Flag, 0, 2> FontSubstituted;

namespace {

const char* const fontFaces[3] = {"VAGROUNDED BT", "VAGROUNDED LT", "WINGDINGS 2"};
const char* const fontFiles[3] = {"VAGRON.TTF", "VAGROLN.TTF", "WINGDNG2.TTF"};
const char* const fontResources[3] = {"VAGRON.FOT", "VAGROLN.FOT", "WINGDNG2.FOT"};

const char* const startupErrorText = "An Error occured while starting the program. Error: ";
const char* const appTitle = "WiseOwlet";
const char* const fontErrorText = " Unable to install fonts.                   ";
const char* const fontErrorTitle = "Font Installation Error";

bool ending = false;

[[noreturn]] void FontInstallationFailed() {
    forms::MsgBox(fontErrorText, forms::vbCritical | forms::vbOKOnly, fontErrorTitle);
    EndProgram(kEndOnError);
}

// A step of the end that fails must not keep the program from ending.
template <typename Step> void EvenIfItFails(Step step) {
    try {
        step();
    } catch (const std::exception&) {
    }
}

template <typename Instance> void UnloadIfLoaded(Instance& form) {
    EvenIfItFails([&] {
        if (form.IsLoaded()) form.Unload();
    });
}

} // namespace

void AppStartup() {
    ending = false;
    // The application's title heads the runtime's own boxes, such as a run-time error's.
    forms::Application::SetTitle(appTitle);
    try {
        InitPaths();
        LoadSettingsFile();
        IsDebugOn();
        TidyInterruptedSave();
        InstallFonts();
        FitColorPickers();
        InitAnimTimerRef();
        ProcessAllSections(umApply, Settings, Settings);
        InitColorPickerSounds();
        int16_t showActivity = paShowActivity;
        ChangeAppState(showActivity);
        PendingAction = paResume;
        ShowStartPassword();
    } catch (const forms::RuntimeError& e) {
        forms::MsgBox(startupErrorText + e.Description(), forms::vbOKOnly, appTitle);
        EndProgram(kEndOnError);
    } catch (const std::exception& e) {
        forms::MsgBox(startupErrorText + std::string(e.what()), forms::vbOKOnly, appTitle);
        EndProgram(kEndOnError);
    }
}

void InitPaths() {
    AppPath = forms::ProgramFolder();
    WinDir = GetWinDir();
    PathSounds = AppPath + "\\Sounds";
    PathSoundsAlphabets = PathSounds + "\\Alphabets";
    PathSoundsNumbers = PathSounds + "\\Numbers";
    PathSoundsApp = PathSounds + "\\App";
    PathImages = AppPath + "\\Images";
    PathImagesApp = PathImages + "\\App";
    PathSettingsFile = AppPath + "\\WiseOwlet.Dbf";
    PathDebugFile = AppPath + "\\zWO.WO";
}

std::string GetWinDir() {
    std::string folder = forms::GetWindowsDirectory();
    if (folder.empty()) return "";
    return TrimAtNull(folder);
}

std::string TrimAtNull(const std::string& s) {
    size_t nul = s.find('\0');
    return nul == std::string::npos ? s : s.substr(0, nul);
}

forms::Flag IsFontInstalled(const std::string& face) {
    const std::string want = forms::UCase(face);
    for (int i = 0; i < forms::ScreenFontCount(); ++i)
        if (forms::UCase(forms::ScreenFontName(i)) == want) return forms::vbTrue;
    return forms::vbFalse;
}

// Copies each missing font from the program's font folder into the Windows font folder, makes its
// font resource file and adds it. A face that is not added falls back to "Arial".
void InstallFontFiles() {
    bool installed = false;
    std::string winFonts;
    try {
        winFonts = WinDir + "\\Fonts\\";
        const std::string appFonts = AppPath + "\\Fonts\\";
        for (int k = 0; k <= 2; ++k)
            FontName(k) = fontFaces[k];
        for (int k = 0; k <= 2; ++k) {
            const std::string fot = appFonts + fontResources[k];
            const std::string ttf = winFonts + fontFiles[k];
            // The system calls take NUL-terminated names; the debug log gets them without it.
            const std::string fotPath = fot + '\0';
            const std::string ttfPath = ttf + '\0';
            if (IsFontInstalled(FontName(k))) continue;
            if (!forms::FileExists(ttfPath)) {
                std::string stored(fontFiles[k]);
                stored.resize(stored.size() - 4); // the font files ship without ".TTF"
                forms::CopyFile(appFonts + stored, ttfPath);
            }
            // A resource file that already names this font is kept: the program folder may be
            // read-only, and rewriting an unchanged file would only fail there.
            const std::string noPath(1, '\0');
            int added = -1;
            if (!forms::FontResourceIsFor(0, fotPath, ttfPath, noPath)) {
                bool made = false;
                try {
                    if (forms::FileExists(fotPath)) forms::DeleteFile(fotPath);
                    made = forms::CreateScalableFontResource(0, fotPath, ttfPath, noPath) != 0;
                } catch (const forms::RuntimeError&) { // a folder that takes no change
                }
                if (!made) {
                    DebugLog("Unable to create FOT file " + fot, forms::vbFalse);
                    // Where the folder cannot take the resource file, the font file itself is
                    // added; only a font file that is no font is fatal.
                    added = forms::AddFontResource(ttfPath);
                    if (added == 0) FontInstallationFailed();
                }
            }
            if (added < 0) added = forms::AddFontResource(fotPath);
            if (added != 1) {
                FontName(k) = "Arial";
                FontSubstituted(k) = forms::vbTrue;
                DebugLog("**NOT** Installed : \r\n" + fot, forms::vbFalse);
            } else {
                DebugLog("Installed : " + fot, forms::vbFalse);
                installed = true;
            }
        }
    } catch (const forms::RuntimeError&) {
        FontInstallationFailed();
    }
    if (installed) forms::StartFontFolderViewer(winFonts);
}

void InstallFonts() {
    try {
        InstallFontFiles();
        for (int k = 0; k <= 2; ++k)
            FontName(k) = fontFaces[k];
        const int count = forms::ScreenFontCount();
        for (int k = 0; k <= 2 && count > 0; ++k) {
            bool found = false;
            for (int i = 0; i < count && !found; ++i)
                found = forms::UCase(forms::ScreenFontName(i)) == FontName(k);
            if (!found) {
                FontName(k) = "Arial";
                FontSubstituted(k) = forms::vbTrue;
            }
        }
    } catch (const forms::RuntimeError&) {
        FontInstallationFailed();
    }
}

// The main window is as wide as the colour picker's strips reach and as high as its first strip.
void FitColorPickers() {
    InitColorPicker();
    FrmMainForm& main = *FrmMain;
    main.SetWidth((main.AT_Picture_Holder_ColorPicker3.Left() + 43) *
                  forms::Screen.TwipsPerPixelX());
    main.SetHeight((main.AT_Picture_Holder_ColorPicker1.Height() + 15) *
                   forms::Screen.TwipsPerPixelY());
    // The window opens in the middle of the screen, over the background form.
    main.Move((forms::Screen.Width() - main.Width()) / 2,
              (forms::Screen.Height() - main.Height()) / 2);
}

void InitAnimTimerRef() {
    TraceAnim.AnimTimer = &FrmMain->AT_TimerTMR;
    CalcBGLetterSizes();
}

void ShowStartPassword() {
    if (Settings.PWStart == 0) return;
    PasswordAtStart = 1;
    FrmPassWord->SetVisible(true);
    FrmPassWord->SetFocus();
}

bool ProgramEnding() {
    return ending;
}

void EndProgram(int status) {
    ending = true;
    // The dumps are diagnostics: failing to write them must not keep the program running.
    EvenIfItFails([] { DumpDebugAll(); });
    TraceAnim.AnimTimer = nullptr;
    MMTimer = nullptr;
    if (OptionsForm) EvenIfItFails([] { OptionsForm->Unload(); });
    if (FrmMain.IsLoaded())
        for (int i = 0; i <= 4; ++i)
            EvenIfItFails([i] { FrmMain->AT_MM_Alphabet(i).SetCommand("Close"); });
    UnloadIfLoaded(FrmPassWord);
    UnloadIfLoaded(FrmCompletion);
    UnloadIfLoaded(FrmBackGround);
    UnloadIfLoaded(FrmGeneral);
    UnloadIfLoaded(FrmMenuAlpha);
    UnloadIfLoaded(FrmMenuLevel);
    UnloadIfLoaded(FrmMenuMusic);
    UnloadIfLoaded(FrmMenuLessons);
    UnloadIfLoaded(FrmOptions);
    UnloadIfLoaded(FrmMain);
    forms::EndProcess(status);
}

void TerminateApp() {
    EndProgram(kEndOnError);
}
