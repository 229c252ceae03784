#include "media/midi.h"

#include <algorithm>
#include <cmath>
#include <fstream>
#include <sstream>
#include <stdexcept>

namespace media {

namespace {

void PutVarLen(std::vector<uint8_t>& out, uint32_t v) {
    uint8_t buf[5];
    int n = 0;
    buf[n++] = v & 0x7F;
    while (v >>= 7)
        buf[n++] = 0x80 | (v & 0x7F);
    while (n)
        out.push_back(buf[--n]);
}

void Put32(std::vector<uint8_t>& out, uint32_t v) {
    for (int s = 24; s >= 0; s -= 8)
        out.push_back((v >> s) & 0xFF);
}

void Put16(std::vector<uint8_t>& out, uint16_t v) {
    out.push_back(v >> 8);
    out.push_back(v & 0xFF);
}

std::vector<uint8_t> Chunk(const char* id, const std::vector<uint8_t>& body) {
    std::vector<uint8_t> out(id, id + 4);
    Put32(out, static_cast<uint32_t>(body.size()));
    out.insert(out.end(), body.begin(), body.end());
    return out;
}

std::vector<uint8_t> MetaText(uint8_t type, const std::string& text) {
    std::vector<uint8_t> out{0xFF, type};
    PutVarLen(out, static_cast<uint32_t>(text.size()));
    out.insert(out.end(), text.begin(), text.end());
    return out;
}

} // namespace

int NoteKey(const std::string& name) {
    static const int base[] = {9, 11, 0, 2, 4, 5, 7}; // A B C D E F G
    if (name.empty() || name[0] < 'A' || name[0] > 'G') return -1;
    int key = base[name[0] - 'A'];
    size_t i = 1;
    while (i < name.size() && (name[i] == '#' || name[i] == 'b')) {
        key += name[i] == '#' ? 1 : -1;
        ++i;
    }
    if (i >= name.size()) return -1;
    int octave = 0;
    try {
        size_t used = 0;
        octave = std::stoi(name.substr(i), &used);
        if (i + used != name.size()) return -1;
    } catch (const std::exception&) {
        return -1;
    }
    int k = (octave + 1) * 12 + key;
    return k >= 0 && k < 128 ? k : -1;
}

void MidiTrack::Program(int tick, int program) {
    events_.push_back(
        {tick, 1, {static_cast<uint8_t>(0xC0 | channel_), static_cast<uint8_t>(program)}});
}

void MidiTrack::Controller(int tick, int number, int value) {
    events_.push_back({tick,
                       1,
                       {static_cast<uint8_t>(0xB0 | channel_), static_cast<uint8_t>(number),
                        static_cast<uint8_t>(value)}});
}

void MidiTrack::Note(int tick, int duration, int key, int velocity) {
    velocity = std::clamp(velocity, 1, 127);
    events_.push_back({tick,
                       2,
                       {static_cast<uint8_t>(0x90 | channel_), static_cast<uint8_t>(key),
                        static_cast<uint8_t>(velocity)}});
    events_.push_back({tick + std::max(1, duration),
                       0,
                       {static_cast<uint8_t>(0x80 | channel_), static_cast<uint8_t>(key), 64}});
}

int MidiTrack::Line(int tick, const std::string& text, int unitTicks, int velocity) {
    std::istringstream in(text);
    std::string tok;
    while (in >> tok) {
        if (tok == "|") continue;
        int vel = velocity;
        if (tok.back() == '!') {
            vel = velocity + 18;
            tok.pop_back();
        } else if (tok.back() == '~') {
            vel = velocity - 22;
            tok.pop_back();
        }
        size_t colon = tok.find(':');
        if (colon == std::string::npos) throw std::runtime_error("note without length: " + tok);
        double units = std::stod(tok.substr(colon + 1));
        int len = static_cast<int>(std::lround(units * unitTicks));
        std::string notes = tok.substr(0, colon);
        if (notes != "R") {
            std::istringstream parts(notes);
            std::string part;
            while (std::getline(parts, part, '+')) {
                int key = NoteKey(part);
                if (key < 0) throw std::runtime_error("not a note: " + part);
                Note(tick, len * 9 / 10, key, vel);
            }
        }
        tick += len;
    }
    return tick;
}

int MidiTrack::Pattern(int tick, const std::string& steps, int key, int stepTicks, int velocity) {
    for (char c : steps) {
        if (c == 'x')
            Note(tick, stepTicks / 2, key, velocity);
        else if (c == 'X')
            Note(tick, stepTicks / 2, key, velocity + 20);
        else if (c == 'o')
            Note(tick, stepTicks / 2, key, velocity - 30);
        if (c != '|') tick += stepTicks;
    }
    return tick;
}

std::vector<uint8_t> MidiTrack::Encode(int endTick) const {
    std::vector<Event> sorted = events_;
    for (auto& e : sorted)
        e.tick = std::min(e.tick, endTick); // a last note ends with the song, so the loop is clean
    std::stable_sort(sorted.begin(), sorted.end(), [](const Event& a, const Event& b) {
        return a.tick != b.tick ? a.tick < b.tick : a.order < b.order;
    });
    std::vector<uint8_t> body;
    PutVarLen(body, 0);
    auto name = MetaText(0x03, name_);
    body.insert(body.end(), name.begin(), name.end());
    int last = 0;
    for (const auto& e : sorted) {
        PutVarLen(body, static_cast<uint32_t>(e.tick - last));
        body.insert(body.end(), e.bytes.begin(), e.bytes.end());
        last = e.tick;
    }
    PutVarLen(body, static_cast<uint32_t>(endTick - last));
    body.insert(body.end(), {0xFF, 0x2F, 0x00});
    return Chunk("MTrk", body);
}

MidiTrack& MidiSong::AddTrack(int channel, int program, const std::string& name, int volume,
                              int pan, int reverb) {
    tracks_.emplace_back(channel, name);
    MidiTrack& t = tracks_.back();
    t.Controller(0, 121, 0); // reset controllers
    t.Controller(0, 7, volume);
    t.Controller(0, 10, pan);
    t.Controller(0, 91, reverb);
    if (channel != DrumChannel) t.Program(0, program);
    return t;
}

void MidiSong::Write(const std::string& path, int endTick) const {
    std::vector<uint8_t> file;
    std::vector<uint8_t> header;
    Put16(header, 1);
    Put16(header, static_cast<uint16_t>(tracks_.size() + 1));
    Put16(header, PPQ);
    file = Chunk("MThd", header);

    std::vector<uint8_t> tempo;
    PutVarLen(tempo, 0);
    auto title = MetaText(0x03, "Wise Owlet");
    tempo.insert(tempo.end(), title.begin(), title.end());
    uint32_t usPerQuarter = static_cast<uint32_t>(std::lround(60000000.0 / bpm_));
    PutVarLen(tempo, 0);
    tempo.insert(tempo.end(),
                 {0xFF, 0x51, 0x03, static_cast<uint8_t>(usPerQuarter >> 16),
                  static_cast<uint8_t>(usPerQuarter >> 8), static_cast<uint8_t>(usPerQuarter)});
    PutVarLen(tempo, 0);
    tempo.insert(tempo.end(), {0xFF, 0x58, 0x04, static_cast<uint8_t>(beatsPerBar_), 2, 24, 8});
    PutVarLen(tempo, static_cast<uint32_t>(endTick));
    tempo.insert(tempo.end(), {0xFF, 0x2F, 0x00});
    auto tempoChunk = Chunk("MTrk", tempo);
    file.insert(file.end(), tempoChunk.begin(), tempoChunk.end());

    for (const auto& t : tracks_) {
        auto chunk = t.Encode(endTick);
        file.insert(file.end(), chunk.begin(), chunk.end());
    }
    std::ofstream out(path, std::ios::binary);
    out.write(reinterpret_cast<const char*>(file.data()),
              static_cast<std::streamsize>(file.size()));
    if (!out) throw std::runtime_error("cannot write " + path);
}

} // namespace media
