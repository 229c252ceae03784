#pragma once
// What the music player asks of a tune before the mixer gets it: a Standard MIDI File whose
// header, chunks and events all read to their ends, with notes that take some time to play. The
// mixer's MIDI synthesiser reads a tune only when it starts playing it, and retries one it cannot
// read; a file that fails here never reaches it.
#include <cstdint>
#include <string>
#include <vector>

namespace forms {

// "" when the bytes are such a tune; otherwise what is wrong with them, in a few words
// ("an empty file", "no MIDI header", "track 2 is cut short", ...).
std::string MidiFileFault(const std::vector<uint8_t>& bytes);

} // namespace forms
