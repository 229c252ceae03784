#include "tests/support/wave_file.h"

#include <cmath>
#include <fstream>

namespace wo_test {

namespace {
void Put32(std::vector<uint8_t>& b, uint32_t v) {
    for (int i = 0; i < 4; ++i)
        b.push_back(static_cast<uint8_t>(v >> (8 * i)));
}
void Put16(std::vector<uint8_t>& b, uint16_t v) {
    b.push_back(static_cast<uint8_t>(v));
    b.push_back(static_cast<uint8_t>(v >> 8));
}
void PutTag(std::vector<uint8_t>& b, const char* tag) {
    b.insert(b.end(), tag, tag + 4);
}
} // namespace

std::vector<uint8_t> MakeWave(int ms, int rate) {
    const uint32_t frames = static_cast<uint32_t>(static_cast<int64_t>(rate) * ms / 1000);
    const uint32_t dataBytes = frames * 2;
    std::vector<uint8_t> b;
    PutTag(b, "RIFF");
    Put32(b, 36 + dataBytes);
    PutTag(b, "WAVE");
    PutTag(b, "fmt ");
    Put32(b, 16);
    Put16(b, 1); // PCM
    Put16(b, 1); // mono
    Put32(b, static_cast<uint32_t>(rate));
    Put32(b, static_cast<uint32_t>(rate) * 2);
    Put16(b, 2);
    Put16(b, 16);
    PutTag(b, "data");
    Put32(b, dataBytes);
    for (uint32_t i = 0; i < frames; ++i)
        Put16(b, static_cast<uint16_t>(static_cast<int16_t>(1000 * std::sin(i * 0.05))));
    return b;
}

void WriteWave(const std::string& path, int ms, int rate) {
    std::vector<uint8_t> b = MakeWave(ms, rate);
    std::ofstream out(path, std::ios::binary);
    out.write(reinterpret_cast<const char*>(b.data()), static_cast<std::streamsize>(b.size()));
}

} // namespace wo_test
