// libFuzzer target over the settings file's decoder and the settings text reader. An input that
// starts with "[" is settings text: every section reads it (as start-up does), every key is looked
// up, and text that fits a file goes through the encoder and back unchanged. Any other input is a
// settings file's bytes: decoded, and what decodes is read as the text is. Run-time errors are
// the readers' answer to bad input; anything else (a crash, a read outside the arrays, undefined
// behaviour, a text that does not survive its file) is a fault.
#include "forms/errors.h"
#include "forms/lang.h"
#include "shell/settings_file.h"
#include "shell/user_set.h"

#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

namespace {

void ReadText(const std::string& text) {
    IniText = text;
    UserSet rec;
    try {
        ProcessAllSections(umRead, rec, rec);
    } catch (const forms::RuntimeError&) {
    }
    // The key reader alone, over keys of the file and odd ones, with the default and other
    // terminators.
    for (const char* key : {"UserLevel", "AnimSpeed", "PWord", "Speaking0", "=", " ", "\r\n", "["})
        for (const char* term : {"", "\r\n", "=", "]"})
            (void)GetIniValue(key, text, term);
    IniText.clear();
}

void RoundTrip(const std::string& text) {
    if (text.size() < 16 || text.size() > 21081) return;
    std::vector<int16_t> cells;
    EncodeSettings(cells, text);
    const std::string back = DecodeSettings(cells);
    if (back != forms::Trim(text)) {
        std::fprintf(stderr, "settings text did not survive its file (%zu characters)\n",
                     text.size());
        std::abort();
    }
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    if (size > 0 && data[0] == '[') {
        const std::string text(reinterpret_cast<const char*>(data), size);
        ReadText(text);
        RoundTrip(text);
        return 0;
    }
    // Two bytes a cell, low byte first; an odd last byte reads as a short cell.
    std::vector<int16_t> cells((size + 1) / 2);
    for (size_t i = 0; i < cells.size(); ++i) {
        const unsigned lo = data[2 * i];
        const unsigned hi = 2 * i + 1 < size ? data[2 * i + 1] : 0;
        cells[i] = static_cast<int16_t>(static_cast<uint16_t>(lo | (hi << 8)));
    }
    std::string text;
    try {
        text = DecodeSettings(cells);
    } catch (const forms::RuntimeError&) {
        return 0;
    }
    if (!text.empty()) ReadText(text);
    return 0;
}
