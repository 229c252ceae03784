#pragma once
// The wave sound device: how a sound is played on, and stopped from, one of the main window's
// seven sound channels (AT_MM_Alphabet). Every sound of the program is played through PlayMMFile.
#include "forms/lang.h"

#include <cstdint>
#include <string>

// A new file: "Stop", "Close", FileName, "Open"; the same file: "Prev". Then "Play".
void PlayMMFile(int16_t item, const std::string& file);
// "Stop", only while the item is playing.
void StopMMDevice(int16_t item);
forms::Flag IsMMDevicePlaying(int16_t item);
// The item's file name equals file (exact, case-sensitive).
forms::Flag IsMMDeviceFile(int16_t item, const std::string& file);
forms::Flag IsMMPlayingFile(int16_t item, const std::string& file);
