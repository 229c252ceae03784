#pragma once
// Start-up and the one way the program ends, with the folder and file paths set at start-up.
#include <string>

// Set once by start-up, read afterwards. AppPath is the program folder as the platform gives it;
// the others are built from it by plain concatenation.
extern std::string AppPath;
extern std::string PathSettingsFile; // AppPath & "\WiseOwlet.Dbf"
extern std::string PathDebugFile;    // AppPath & "\zWO.WO"

// Ends the program: the debug dumps, the devices, every form; never returns.
[[noreturn]] void EndProgram();
// Ends the program for a settings file that decodes to nothing.
[[noreturn]] void TerminateApp();
