#pragma once
// The music menu's background player, as the main window's minimise and restore drive it.
#include <string>

void MusicPlayerHalt();            // the halt command the music menu gives when play is off
std::string MusicPlayerFileName(); // the tune loaded, "" before one is chosen
void MusicPlayerPlay();
