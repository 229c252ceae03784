#pragma once
// Writes small PCM wave files for tests of the sound channels.
#include <cstdint>
#include <string>
#include <vector>

namespace wo_test {

// A mono 16-bit wave of a quiet tone lasting ms milliseconds at the rate.
std::vector<uint8_t> MakeWave(int ms, int rate = 22050);
// Writes it to path (a real path, not a program path).
void WriteWave(const std::string& path, int ms, int rate = 22050);

} // namespace wo_test
