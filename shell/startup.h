#pragma once
// Start-up and end: the program's folders and file paths, the fonts it installs, the start-up
// sequence run from the main window's load event, and EndProgram, the one way the program ends.
#include "forms/errors.h"
#include "forms/lang.h"

#include <string>

// Folder and file paths, set once by InitPaths. Sub-paths are AppPath & a backslash name.
extern std::string AppPath; // the program's folder, as the platform reports it
extern std::string PathSounds;
extern std::string PathSoundsAlphabets;
extern std::string PathSoundsNumbers;
extern std::string PathSoundsApp;
extern std::string PathImages;
extern std::string PathImagesApp;
extern std::string PathSettingsFile;
extern std::string WinDir; // the Windows folder, "" when the system reports none
extern std::string PathDebugFile;

// The three font faces: 0 character labels, word and coins; 1 the background letters; 2 the
// symbol face. "Arial" stands in for a face that cannot be installed, and FontSubstituted says so.
extern forms::Array<std::string, 0, 2> FontName;
extern forms::Array<forms::Flag, 0, 2> FontSubstituted;

void AppStartup();
void InitPaths();
std::string GetWinDir();
std::string TrimAtNull(const std::string& s);
void InstallFonts();
void InstallFontFiles();
forms::Flag IsFontInstalled(const std::string& face);
void FitColorPickers();
void InitAnimTimerRef();
void ShowStartPassword();
// The exit status of an end that an error forced (settings, start-up, fonts): the parent must be
// able to tell it from a chosen end, which is 0.
constexpr int kEndOnError = 1;
[[noreturn]] void EndProgram(int status = 0);
// True once EndProgram has begun (its own unloading of the forms must not end it again).
bool ProgramEnding();
// Ends after a settings file that decodes to nothing (its message already shown).
[[noreturn]] void TerminateApp();
