#include "forms/midi_file.h"

#include <algorithm>
#include <cstdio>
#include <cstring>

namespace forms {

namespace {

using Bytes = std::vector<uint8_t>;

uint32_t Be32(const Bytes& b, size_t at) {
    return (static_cast<uint32_t>(b[at]) << 24) | (b[at + 1] << 16) | (b[at + 2] << 8) | b[at + 3];
}

int Be16(const Bytes& b, size_t at) {
    return (b[at] << 8) | b[at + 1];
}

std::string Hex(int byte) {
    char text[3];
    std::snprintf(text, sizeof text, "%02X", byte);
    return text;
}

// Chunk names are four printable characters; anything else is not the start of a chunk.
bool IsChunkName(const Bytes& b, size_t at) {
    return std::all_of(b.begin() + static_cast<long>(at), b.begin() + static_cast<long>(at) + 4,
                       [](uint8_t c) { return c >= 0x20 && c < 0x7F; });
}

// The meta events whose length the synthesiser insists on.
int MetaLength(int type) {
    switch (type) {
    case 0x51: // tempo
        return 3;
    case 0x54: // time code offset
        return 5;
    case 0x58: // time signature
        return 4;
    case 0x59: // key signature
        return 2;
    default:
        return -1;
    }
}

// One track's events, from `at` to its chunk's end (or its end-of-track event). Notes that sound
// set `notes`; the track's length in ticks raises `ticks`. Returns what is wrong, or "".
class TrackReader {
  public:
    TrackReader(const Bytes& b, size_t at, size_t end, int number)
        : b_(b), at_(at), end_(end), prefix_("track " + std::to_string(number) + ": ") {}

    std::string Read(bool& notes, uint32_t& ticks) {
        uint64_t tick = 0;
        int status = 0; // running status: the last channel event's
        while (at_ < end_) {
            uint32_t delta = 0;
            if (std::string fault = Number(delta); !fault.empty()) return fault;
            tick += delta;
            if (at_ >= end_) return Cut();
            const int first = b_[at_];
            if (first >= 0x80) ++at_;
            if (first == 0xFF) {
                if (at_ >= end_) return Cut();
                const int type = b_[at_++];
                uint32_t size = 0;
                if (std::string fault = Number(size); !fault.empty()) return fault;
                if (size > end_ - at_) return Cut();
                const int want = MetaLength(type);
                if (want >= 0 && size != static_cast<uint32_t>(want))
                    return prefix_ + "a meta event " + Hex(type) + " of " + std::to_string(size) +
                           " bytes";
                if (type == 0x51 && b_[at_] == 0 && b_[at_ + 1] == 0 && b_[at_ + 2] == 0)
                    return prefix_ + "a tempo of zero";
                at_ += size;
                if (type == 0x2F) break; // the end of the track: what follows is not read
            } else if (first == 0xF0 || first == 0xF7) {
                uint32_t size = 0;
                if (std::string fault = Number(size); !fault.empty()) return fault;
                if (size > end_ - at_) return Cut();
                at_ += size;
            } else if (first >= 0xF0) {
                return prefix_ + "an unknown event " + Hex(first);
            } else {
                if (first >= 0x80) status = first;
                if (status == 0) return prefix_ + "data with no status";
                const int kind = status & 0xF0;
                const size_t data = kind == 0xC0 || kind == 0xD0 ? 1 : 2;
                if (end_ - at_ < data) return Cut();
                for (size_t i = 0; i < data; ++i)
                    if (b_[at_ + i] & 0x80) return prefix_ + "a damaged event";
                if (kind == 0x90 && b_[at_ + 1] > 0) notes = true;
                at_ += data;
            }
        }
        ticks = static_cast<uint32_t>(std::max<uint64_t>(ticks, std::min<uint64_t>(tick, ~0u)));
        return "";
    }

  private:
    std::string Cut() const { return prefix_ + "an event runs past its end"; }

    // A variable-length number: seven bits a byte, at most four bytes.
    std::string Number(uint32_t& value) {
        value = 0;
        for (int i = 0; i < 4; ++i) {
            if (at_ >= end_) return Cut();
            const uint8_t byte = b_[at_++];
            value = (value << 7) | (byte & 0x7F);
            if (!(byte & 0x80)) return "";
        }
        return prefix_ + "a number longer than four bytes";
    }

    const Bytes& b_;
    size_t at_, end_;
    std::string prefix_;
};

} // namespace

std::string MidiFileFault(const Bytes& b) {
    if (b.empty()) return "an empty file";
    if (b.size() < 4 || std::memcmp(b.data(), "MThd", 4) != 0) return "no MIDI header";
    if (b.size() < 14) return "cut short";
    const uint32_t headerSize = Be32(b, 4);
    if (headerSize != 6) return "a MIDI header of " + std::to_string(headerSize) + " bytes";
    const int format = Be16(b, 8), tracks = Be16(b, 10), division = Be16(b, 12);
    if (format > 2) return "MIDI format " + std::to_string(format);
    if (tracks == 0) return "no tracks";
    if (division & 0x8000) return "time code in place of beats";
    if (division == 0) return "no ticks per beat";

    // The promised tracks, each in its chunk; chunks of other kinds are passed over, and what
    // follows the last track is not read.
    int found = 0;
    bool notes = false;
    uint32_t ticks = 0;
    for (size_t at = 14; at < b.size() && found < tracks;) {
        if (b.size() - at < 8) return "cut short";
        if (!IsChunkName(b, at)) return "a damaged chunk";
        const uint32_t size = Be32(b, at + 4);
        const size_t body = at + 8;
        if (size > b.size() - body) return "cut short";
        if (std::memcmp(b.data() + at, "MTrk", 4) == 0) {
            TrackReader track(b, body, body + size, ++found);
            if (std::string fault = track.Read(notes, ticks); !fault.empty()) return fault;
        }
        at = body + size;
    }
    if (found < tracks)
        return std::to_string(tracks) + (tracks == 1 ? " track" : " tracks") + " promised, " +
               std::to_string(found) + " found";
    if (!notes) return "no notes";
    if (ticks == 0) return "no time to play";
    return "";
}

} // namespace forms
