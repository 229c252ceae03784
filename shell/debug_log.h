#pragma once
// A small diagnostic log for the people who maintain the program. It is on when the marker file
// zWO.WO is in the program folder at start-up; lines are collected all the run and written at
// the end, and the settings text is dumped at the end and after every save.
#include "forms/lang.h"

#include <string>

extern forms::Flag DebugOn;   // set once at start-up; nothing clears it
extern std::string DebugText; // the collected lines, each followed by CRLF

// True (and the log on) when the marker file exists.
forms::Flag IsDebugOn();
// Adds text and a line break to the debug text, clearing it first when reset is True. Runs
// whether or not the log is on; the result is always "".
std::string DebugLog(const std::string& text, forms::Flag reset = forms::vbFalse);
// Appends one dated record holding text to the marker file (only while the log is on).
void WriteDebugLog(const std::string& text);
// Writes the settings text to name in the program folder, or zIniFile.Txt when name is empty
// (only while the log is on).
void DumpIniText(const std::string& name);
// The record of the collected lines, then the settings dump (only while the log is on).
void DumpDebugAll();
