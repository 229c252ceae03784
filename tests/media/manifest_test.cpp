// The program folder holds every file of the media table, of the right kind and size.
#include "forms/canvas.h"
#include "forms/files.h"
#include "forms/font_registry.h"
#include "forms/lang.h"
#include "shell/user_set.h"
#include "tests/support/media_manifest.h"

#include <ft2build.h>
#include FT_FREETYPE_H

#include <algorithm>
#include <cmath>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <gtest/gtest.h>
#include <map>
#include <set>

namespace fs = std::filesystem;

namespace {

std::string AppFile(const std::string& rel) {
    return forms::ResolvePath(std::string(WO_APP_DIR) + "/" + rel);
}

std::vector<uint8_t> Bytes(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    return std::vector<uint8_t>(std::istreambuf_iterator<char>(in), {});
}

uint32_t LE32(const uint8_t* p) {
    return p[0] | p[1] << 8 | p[2] << 16 | uint32_t(p[3]) << 24;
}
uint16_t LE16(const uint8_t* p) {
    return static_cast<uint16_t>(p[0] | p[1] << 8);
}

struct Wav {
    bool ok = false;
    std::string error;
    int channels = 0, rate = 0, bits = 0, format = 0;
    std::vector<int16_t> samples;
    double Seconds() const { return rate ? double(samples.size()) / rate : 0; }
};

// Reads a RIFF WAVE file chunk by chunk, as a strict player would.
Wav ReadWav(const std::string& path) {
    Wav w;
    auto b = Bytes(path);
    if (b.size() < 12 || std::memcmp(b.data(), "RIFF", 4) || std::memcmp(b.data() + 8, "WAVE", 4)) {
        w.error = "not RIFF WAVE";
        return w;
    }
    if (LE32(b.data() + 4) + 8 != b.size()) {
        w.error = "RIFF size does not match the file";
        return w;
    }
    bool fmt = false;
    for (size_t at = 12; at + 8 <= b.size();) {
        uint32_t len = LE32(b.data() + at + 4);
        const uint8_t* body = b.data() + at + 8;
        if (at + 8 + len > b.size()) {
            w.error = "chunk runs past the end";
            return w;
        }
        if (!std::memcmp(b.data() + at, "fmt ", 4) && len >= 16) {
            w.format = LE16(body), w.channels = LE16(body + 2),
            w.rate = static_cast<int>(LE32(body + 4));
            w.bits = LE16(body + 14);
            fmt = true;
        } else if (!std::memcmp(b.data() + at, "data", 4)) {
            if (!fmt) {
                w.error = "data before fmt";
                return w;
            }
            for (uint32_t i = 0; i + 1 < len; i += 2)
                w.samples.push_back(static_cast<int16_t>(LE16(body + i)));
        }
        at += 8 + len + (len & 1);
    }
    w.ok = fmt && !w.samples.empty();
    if (!w.ok && w.error.empty()) w.error = "no fmt or no data";
    return w;
}

double Rms(const std::vector<int16_t>& s, size_t from, size_t to) {
    double acc = 0;
    to = std::min(to, s.size());
    for (size_t i = from; i < to; ++i)
        acc += double(s[i]) * s[i];
    return to > from ? std::sqrt(acc / double(to - from)) / 32768.0 : 0;
}

class MediaManifest : public ::testing::Test {
  protected:
    static void SetUpTestSuite() { entries = ReadMediaManifest(); }
    static inline std::vector<MediaEntry> entries;
    std::vector<MediaEntry> Of(std::initializer_list<const char*> kinds) const {
        std::vector<MediaEntry> out;
        for (const auto& e : entries)
            for (const char* k : kinds)
                if (e.kind == k) out.push_back(e);
        return out;
    }
};

} // namespace

TEST_F(MediaManifest, EveryListedFileIsInTheProgramFolderAndNothingUnlisted) {
    ASSERT_GT(entries.size(), 300u);
    std::set<std::string> listed;
    for (const auto& e : entries) {
        EXPECT_TRUE(forms::FileExists(AppFile(e.path))) << e.path;
        // The program asks in its own spelling; a lower-case request must find the same file.
        std::string lower = e.path;
        std::transform(lower.begin(), lower.end(), lower.begin(), ::tolower);
        EXPECT_EQ(AppFile(lower), AppFile(e.path)) << e.path;
        EXPECT_TRUE(listed.insert(fs::path(AppFile(e.path)).lexically_normal().string()).second)
            << "listed twice: " << e.path;
    }
    for (const char* folder : {"Sounds", "Images", "Music", "Fonts"})
        for (const auto& f : fs::recursive_directory_iterator(fs::path(WO_APP_DIR) / folder)) {
            // Start-up makes the font resource files beside the fonts; they are not media.
            bool madeByTheProgram = forms::UCase(f.path().extension().string()) == ".FOT";
            if (f.is_regular_file() && !madeByTheProgram) {
                EXPECT_TRUE(listed.count(f.path().lexically_normal().string()))
                    << "not in the manifest: " << f.path();
            }
        }
}

// The word shown under a picture is the word its voice says: a child reads what it hears.
TEST_F(MediaManifest, EachLettersWordIsSpeltAsItsVoiceSaysIt) {
    UserSet none;
    SectionWords(umDefaults, none, none);
    std::map<std::string, std::string> said;
    for (const auto& e : Of({"speech"}))
        said[e.path] = e.detail;
    for (int16_t i = 0; i < 26; ++i) {
        const std::string path = std::string("Sounds/Alphabets/Word_") + char('A' + i) + ".Wav";
        ASSERT_TRUE(said.count(path)) << path;
        EXPECT_EQ('"' + Settings.WordsAlpha(i) + '"', said[path]) << path;
    }
}

TEST_F(MediaManifest, SoundsAreCleanPcmWavesOfTheirLength) {
    for (const auto& e : Of({"letter", "speech", "effect"})) {
        Wav w = ReadWav(AppFile(e.path));
        ASSERT_TRUE(w.ok) << e.path << ": " << w.error;
        EXPECT_EQ(w.format, 1) << e.path;
        EXPECT_EQ(w.channels, 1) << e.path;
        EXPECT_EQ(w.bits, 16) << e.path;
        EXPECT_EQ(w.rate, 22050) << e.path;
        EXPECT_LE(w.Seconds(), e.maxSeconds) << e.path;
        EXPECT_GT(w.Seconds(), 0.02) << e.path;
        EXPECT_GT(Rms(w.samples, 0, w.samples.size()), 0.02) << e.path << " is silent";
    }
}

TEST_F(MediaManifest, VoicesStartFromQuietAndAreTrimmed) {
    for (const auto& e : Of({"letter", "speech"})) {
        Wav w = ReadWav(AppFile(e.path));
        ASSERT_TRUE(w.ok) << e.path;
        const size_t ms = w.rate / 1000;
        // No clipped start: the first milliseconds are near silence, then the voice comes soon.
        EXPECT_LT(std::abs(w.samples.front()), 600) << e.path;
        EXPECT_LT(Rms(w.samples, 0, 10 * ms), 0.02) << e.path;
        EXPECT_GT(Rms(w.samples, 0, 150 * ms), 0.03) << e.path << ": too much silence at the start";
        // Trimmed at the end too.
        EXPECT_GT(Rms(w.samples, w.samples.size() - 200 * ms, w.samples.size()), 0.005)
            << e.path << ": too much silence at the end";
    }
}

TEST_F(MediaManifest, LetterNamesFitInTheSecondThatSpellingGivesThem) {
    auto letters = Of({"letter"});
    ASSERT_EQ(letters.size(), 26u);
    for (const auto& e : letters) {
        Wav w = ReadWav(AppFile(e.path));
        EXPECT_LT(w.Seconds(), 1.0) << e.path;
    }
}

TEST_F(MediaManifest, PicturesHaveTheirStatedSizes) {
    auto pics = Of({"jpeg", "png", "bmp", "mark", "pointer"});
    ASSERT_GT(pics.size(), 150u);
    for (const auto& e : pics) {
        forms::PicturePtr p;
        ASSERT_NO_THROW(p = forms::LoadPicture(AppFile(e.path))) << e.path;
        ASSERT_TRUE(p) << e.path;
        EXPECT_EQ(p->Width(), e.width) << e.path;
        EXPECT_EQ(p->Height(), e.height) << e.path;
        // A picture shows something: not one flat colour.
        const auto& c = p->Pixels();
        std::set<uint32_t> colours;
        for (int y = 0; y < c.Height() && colours.size() < 3; y += 3)
            for (int x = 0; x < c.Width(); x += 3)
                colours.insert(c.RawPixel(x, y));
        EXPECT_GE(colours.size(), 3u) << e.path << " is blank";
    }
}

TEST_F(MediaManifest, MarksAreDrawnOnExactRedSoTheOverlayLeavesTheRestOut) {
    auto marks = Of({"mark"});
    ASSERT_EQ(marks.size(), 2u);
    for (const auto& e : marks) {
        auto p = forms::LoadPicture(AppFile(e.path));
        const auto& c = p->Pixels();
        int red = 0, mark = 0, fringe = 0;
        for (int y = 0; y < c.Height(); ++y)
            for (int x = 0; x < c.Width(); ++x) {
                uint32_t px = c.RawPixel(x, y) & 0xFFFFFF;
                int r = px >> 16, g = (px >> 8) & 0xFF, b = px & 0xFF;
                if (px == 0xFF0000)
                    ++red;
                else if (r > 200 && g < 60 && b < 60)
                    ++fringe; // nearly red: would show as a red rim round the mark
                else
                    ++mark;
            }
        EXPECT_GT(red, 300) << e.path;
        EXPECT_GT(mark, 60) << e.path;
        EXPECT_EQ(fringe, 0) << e.path;
    }
}

TEST_F(MediaManifest, PointersAreTransparentAroundTheirShape) {
    for (const auto& e : Of({"pointer"})) {
        auto p = forms::LoadPicture(AppFile(e.path));
        const auto& c = p->Pixels();
        int clear = 0, solid = 0;
        for (int y = 0; y < c.Height(); ++y)
            for (int x = 0; x < c.Width(); ++x) {
                uint32_t a = c.RawPixel(x, y) >> 24;
                clear += a == 0;
                solid += a == 255;
            }
        EXPECT_GT(clear, 100) << e.path;
        EXPECT_GT(solid, 100) << e.path;
    }
}

namespace {

struct Midi {
    std::string error;
    int format = -1, tracks = 0, ppq = 0;
    int64_t endTick = 0;
    double seconds = 0;
    std::set<int> programs, channels;
    int notesOn = 0, notesOff = 0;
    bool drumsOnChannel10 = false;
};

uint32_t BE32(const uint8_t* p) {
    return uint32_t(p[0]) << 24 | p[1] << 16 | p[2] << 8 | p[3];
}

// Parses a Standard MIDI File completely: every event of every track, running status included.
Midi ParseMidi(const std::string& path) {
    Midi m;
    auto b = Bytes(path);
    if (b.size() < 14 || std::memcmp(b.data(), "MThd", 4) || BE32(b.data() + 4) != 6) {
        m.error = "no MThd";
        return m;
    }
    m.format = b[8] << 8 | b[9];
    int declared = b[10] << 8 | b[11];
    m.ppq = b[12] << 8 | b[13];
    uint32_t tempo = 500000;
    std::vector<std::pair<int64_t, uint32_t>> tempos;
    size_t at = 14;
    while (at + 8 <= b.size()) {
        if (std::memcmp(b.data() + at, "MTrk", 4)) {
            m.error = "chunk is not MTrk";
            return m;
        }
        uint32_t len = BE32(b.data() + at + 4);
        size_t p = at + 8, end = p + len;
        if (end > b.size()) {
            m.error = "track runs past the end";
            return m;
        }
        int64_t tick = 0;
        uint8_t status = 0;
        bool ended = false;
        auto varlen = [&]() {
            uint32_t v = 0;
            for (int i = 0; i < 4 && p < end; ++i) {
                uint8_t c = b[p++];
                v = v << 7 | (c & 0x7F);
                if (!(c & 0x80)) return v;
            }
            throw std::runtime_error("bad variable length");
        };
        try {
            while (p < end && !ended) {
                tick += varlen();
                uint8_t c = b.at(p);
                if (c & 0x80) {
                    status = c;
                    ++p;
                } else if (!status) {
                    throw std::runtime_error("running status without a status");
                }
                if (status == 0xFF) {
                    uint8_t type = b.at(p++);
                    uint32_t n = varlen();
                    if (type == 0x51 && n == 3)
                        tempos.push_back({tick, uint32_t(b[p]) << 16 | b[p + 1] << 8 | b[p + 2]});
                    if (type == 0x2F) ended = true;
                    p += n;
                    status = 0;
                } else if (status == 0xF0 || status == 0xF7) {
                    p += varlen();
                    status = 0;
                } else {
                    int kind = status & 0xF0, ch = status & 0x0F;
                    int data = (kind == 0xC0 || kind == 0xD0) ? 1 : 2;
                    uint8_t d1 = b.at(p), d2 = data == 2 ? b.at(p + 1) : 0;
                    if ((d1 | d2) & 0x80) throw std::runtime_error("data byte with the high bit");
                    p += data;
                    m.channels.insert(ch);
                    if (kind == 0xC0) m.programs.insert(d1);
                    if (kind == 0x90 && d2 > 0) {
                        ++m.notesOn;
                        if (ch == 9) m.drumsOnChannel10 = true;
                    }
                    if (kind == 0x80 || (kind == 0x90 && d2 == 0)) ++m.notesOff;
                }
            }
        } catch (const std::exception& ex) {
            m.error = ex.what();
            return m;
        }
        if (!ended || p != end) {
            m.error = "track does not end with its end-of-track event";
            return m;
        }
        m.endTick = std::max(m.endTick, tick);
        ++m.tracks;
        at = end;
    }
    if (m.tracks != declared) m.error = "track count differs from the header";
    // Duration through the tempo map (tempos are in the first track).
    std::sort(tempos.begin(), tempos.end());
    int64_t last = 0;
    for (auto [t, us] : tempos) {
        m.seconds += double(t - last) * tempo / 1e6 / m.ppq;
        last = t;
        tempo = us;
    }
    m.seconds += double(m.endTick - last) * tempo / 1e6 / m.ppq;
    return m;
}

} // namespace

TEST_F(MediaManifest, TunesParseAndPlayTheirInstrumentForAboutAMinute) {
    // Instrument by music file, as the music menu lists them (General MIDI programs from 0).
    const std::map<std::string, std::pair<int, int>> programs = {
        {"Music/Music2.mid", {64, 67}},   // saxophones
        {"Music/Music3.mid", {24, 31}},   // guitars
        {"Music/Music4.mid", {114, 114}}, // steel drums
        {"Music/Music5.mid", {56, 56}},   // trumpet
        {"Music/Music6.mid", {105, 105}}, // banjo
    };
    auto tunes = Of({"midi"});
    ASSERT_EQ(tunes.size(), 6u);
    for (const auto& e : tunes) {
        Midi m = ParseMidi(AppFile(e.path));
        ASSERT_EQ(m.error, "") << e.path;
        EXPECT_EQ(m.format, 1) << e.path;
        EXPECT_GT(m.notesOn, 100) << e.path;
        EXPECT_EQ(m.notesOn, m.notesOff) << e.path << ": a note is left hanging";
        EXPECT_GE(m.seconds, 45) << e.path;
        EXPECT_LE(m.seconds, e.maxSeconds) << e.path;
        // It ends on a bar line (4/4), so a looping player comes back in on the beat.
        EXPECT_EQ(m.endTick % (4 * m.ppq), 0) << e.path;
        auto it = programs.find(e.path);
        if (it != programs.end()) {
            auto [lo, hi] = it->second;
            EXPECT_TRUE(std::any_of(m.programs.begin(), m.programs.end(), [&](int p) {
                return p >= lo && p <= hi;
            })) << e.path;
        } else {
            EXPECT_TRUE(m.drumsOnChannel10)
                << e.path << ": the drum tune plays the percussion channel";
        }
    }
}

TEST_F(MediaManifest, FontsLoadUnderTheirFamiliesAndTheSymbolFaceHasItsMarks) {
    auto fonts = Of({"font"});
    ASSERT_EQ(fonts.size(), 3u);
    FT_Library lib;
    ASSERT_EQ(FT_Init_FreeType(&lib), 0);
    for (const auto& e : fonts) {
        FT_Face face;
        ASSERT_EQ(FT_New_Face(lib, AppFile(e.path).c_str(), 0, &face), 0) << e.path;
        EXPECT_STREQ(face->family_name, e.detail.c_str()) << e.path;
        EXPECT_TRUE(FT_IS_SFNT(face) && FT_IS_SCALABLE(face)) << e.path << " is not TrueType";
        if (e.detail == "Wingdings 2") {
            // Character 209 of the Western code page, U+00D1, is the dialogs' close button.
            FT_UInt g = FT_Get_Char_Index(face, 0xD1);
            ASSERT_NE(g, 0u);
            ASSERT_EQ(FT_Load_Glyph(face, g, FT_LOAD_NO_SCALE), 0);
            EXPECT_GE(face->glyph->outline.n_contours, 3) << "the close mark is a frame with an X";
            // 225 and 228: the options dialog's arrows, up-left and down-right.
            for (FT_ULong arrow : {0xE1ul, 0xE4ul}) {
                g = FT_Get_Char_Index(face, arrow);
                ASSERT_NE(g, 0u) << arrow;
                ASSERT_EQ(FT_Load_Glyph(face, g, FT_LOAD_NO_SCALE), 0);
                EXPECT_EQ(face->glyph->outline.n_contours, 2) << arrow << ": a shaft and a head";
            }
        } else {
            for (char32_t ch : {U'A', U'a', U'Z', U'z', U'0', U'9'})
                EXPECT_NE(FT_Get_Char_Index(face, ch), 0u) << e.path;
        }
        FT_Done_Face(face);
    }
    FT_Done_FreeType(lib);

    // The program's own font registry finds the same faces in the files.
    auto& reg = forms::FontRegistry::Instance();
    for (const auto& e : fonts) {
        EXPECT_GE(reg.AddFontFile(AppFile(e.path)), 1) << e.path;
        EXPECT_TRUE(reg.HasFace(e.detail)) << e.detail;
    }
    reg.Reset();
}
