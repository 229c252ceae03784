// The six background tunes: public-domain children's songs, each arranged for its instrument
// (General MIDI), about a minute long, ending on a bar line so that a looping player starts
// again on the beat.
#include "media/tunes.h"

#include "media/midi.h"

#include <sstream>
#include <stdexcept>
#include <vector>

namespace media {

namespace {

constexpr int Bar = 8 * Eighth; // 4/4

// GM programs (counted from 0) and drum keys.
enum Program {
    AcousticGrand = 0,
    Marimba = 12,
    Xylophone = 13,
    NylonGuitar = 24,
    SteelGuitar = 25,
    AcousticBass = 32,
    FingerBass = 33,
    Trumpet = 56,
    Trombone = 57,
    Tuba = 58,
    AltoSax = 65,
    Banjo = 105,
    SteelDrums = 114,
};
enum Drum {
    Kick = 36,
    SideStick = 37,
    Snare = 38,
    Clap = 39,
    LowTom = 45,
    ClosedHat = 42,
    MidTom = 47,
    PedalHat = 44,
    HighTom = 50,
    OpenHat = 46,
    Crash = 49,
    Ride = 51,
    Tambourine = 54,
    Cowbell = 56,
    HighBongo = 60,
    LowBongo = 61,
    HighConga = 63,
    LowConga = 64,
    HighTimbale = 65,
    LowTimbale = 66,
    Cabasa = 69,
    Maracas = 70,
    Claves = 75,
    BrushSwirl = 40,
};

// The keys of a chord symbol ("C", "F7", "Am", "Bb") with its root in the given octave.
std::vector<int> Chord(const std::string& symbol, int octave) {
    size_t i = 1;
    if (symbol.size() > 1 && (symbol[1] == '#' || symbol[1] == 'b')) i = 2;
    int root = NoteKey(symbol.substr(0, i) + std::to_string(octave));
    if (root < 0) throw std::runtime_error("bad chord " + symbol);
    std::string kind = symbol.substr(i);
    int third = kind == "m" ? 3 : 4;
    std::vector<int> keys{root, root + third, root + 7};
    if (kind == "7") keys.push_back(root + 10);
    return keys;
}

// Chord symbols, one per half bar, separated by blanks ("C C F G" = two bars).
std::vector<std::string> Halves(const std::string& text) {
    std::istringstream in(text);
    std::vector<std::string> out;
    std::string s;
    while (in >> s)
        if (s != "|") out.push_back(s);
    return out;
}

// A picked accompaniment: bass note, fifth, third above, fifth, on eighths, per half bar.
int Arpeggio(MidiTrack& t, int tick, const std::string& chords, int velocity, int octave = 3) {
    for (const auto& c : Halves(chords)) {
        auto k = Chord(c, octave);
        int pattern[4] = {k[0], k[2], k[1] + 12, k[2]};
        for (int i = 0; i < 4; ++i)
            t.Note(tick + i * Eighth, Eighth * 2, pattern[i], velocity - (i ? 12 : 0));
        tick += 4 * Eighth;
    }
    return tick;
}

// Block chords on the second and fourth quarter of every half-bar pair (an off-beat comp).
int OffBeats(MidiTrack& t, int tick, const std::string& chords, int velocity, int octave = 4) {
    for (const auto& c : Halves(chords)) {
        auto k = Chord(c, octave);
        for (int key : k)
            t.Note(tick + 2 * Eighth, Eighth * 3 / 2, key, velocity);
        tick += 4 * Eighth;
    }
    return tick;
}

// Bass: root on the first quarter, fifth on the third quarter of each half bar pair.
int RootFifth(MidiTrack& t, int tick, const std::string& chords, int velocity, int octave = 2) {
    auto halves = Halves(chords);
    for (size_t i = 0; i < halves.size(); ++i) {
        auto k = Chord(halves[i], octave);
        int key = (i % 2 == 0) ? k[0] : k[2] - 12;
        if (i > 0 && halves[i] != halves[i - 1]) key = k[0];
        t.Note(tick, Eighth * 3, key, velocity);
        tick += 4 * Eighth;
    }
    return tick;
}

// Repeats a drum bar (steps of sixteenths) for a number of bars.
void DrumBars(MidiTrack& t, int tick, int bars, int key, const std::string& steps, int velocity) {
    const int step = Bar / static_cast<int>(steps.size());
    for (int b = 0; b < bars; ++b)
        t.Pattern(tick + b * Bar, steps, key, step, velocity);
}

void WriteDrums(const std::string& path) {
    // Frere Jacques on a marimba over a marching kit that grows pass by pass.
    MidiSong song(112);
    auto& kit = song.AddTrack(DrumChannel, 0, "Drums", 110, 64, 30);
    auto& mel = song.AddTrack(0, Marimba, "Marimba", 92, 70);
    auto& bass = song.AddTrack(1, AcousticBass, "Bass", 80, 58);
    const std::string tune =
        "C4:2 D4:2 E4:2 C4:2 | C4:2 D4:2 E4:2 C4:2 | E4:2 F4:2 G4:4 | E4:2 F4:2 G4:4 | "
        "G4:1 A4:1 G4:1 F4:1 E4:2 C4:2 | G4:1 A4:1 G4:1 F4:1 E4:2 C4:2 | C4:2 G3:2 C4:4 | "
        "C4:2 G3:2 C4:4";
    const std::string chords = "C C | C C | C C | C C | C C | C C | C G | C C";
    int t = 0;
    // Two bars of drums alone.
    DrumBars(kit, t, 2, Kick, "X...x...X...x...", 96);
    DrumBars(kit, t, 2, Snare, "....x.......x.xx", 84);
    DrumBars(kit, t, 2, ClosedHat, "x.x.x.x.x.x.x.x.", 60);
    t += 2 * Bar;
    for (int pass = 0; pass < 4; ++pass) {
        const int start = t;
        mel.Line(start, tune, Eighth, pass == 2 ? 70 : 88);
        RootFifth(bass, start, chords, 84);
        DrumBars(kit, start, 8, Kick, pass < 2 ? "X...x...X...x..." : "X..x..x.X..x..x.", 96);
        DrumBars(kit, start, 8, Snare, pass == 0 ? "....x.......x..." : "....x..o....x.ox", 86);
        DrumBars(kit, start, 8, pass < 3 ? ClosedHat : Ride, "x.x.x.x.x.x.x.x.", 62);
        if (pass == 1) DrumBars(kit, start, 8, Tambourine, "..x...x...x...x.", 58);
        if (pass == 2) {
            // The tune's rhythm on the toms, with bongos in between.
            DrumBars(kit, start, 8, HighBongo, "x..x..x...x..x..", 70);
            DrumBars(kit, start, 8, LowBongo, "..x...x.x...x.x.", 70);
        }
        // A tom fill at the end of every pass, a crash at the start of the next.
        kit.Pattern(start + 7 * Bar + Bar / 2, "xxxx", HighTom, Bar / 16, 90);
        kit.Pattern(start + 7 * Bar + Bar / 2 + Bar / 4, "xx", MidTom, Bar / 16, 92);
        kit.Pattern(start + 7 * Bar + Bar / 2 + 3 * Bar / 8, "xx", LowTom, Bar / 16, 96);
        kit.Note(start, Eighth, Crash, pass == 0 ? 90 : 100);
        t += 8 * Bar;
    }
    song.Write(path, t);
}

void WriteSaxophone(const std::string& path) {
    // When the Saints Go Marching In, alto sax with piano, bass and brushes.
    MidiSong song(132);
    auto& sax = song.AddTrack(0, AltoSax, "Alto sax", 104, 64, 50);
    auto& piano = song.AddTrack(1, AcousticGrand, "Piano", 70, 44);
    auto& bass = song.AddTrack(2, AcousticBass, "Bass", 92, 64);
    auto& kit = song.AddTrack(DrumChannel, 0, "Drums", 84, 70);
    const std::string tune =
        "R:2 F4:2 A4:2 Bb4:2 | C5:8 | R:2 F4:2 A4:2 Bb4:2 | C5:8 | R:2 F4:2 A4:2 Bb4:2 | "
        "C5:4 A4:4 | F4:4 A4:4 | G4:8 | R:2 A4:2 A4:2 G4:2 | F4:6 F4:2 | A4:4 C5:2 C5:2 | "
        "Bb4:8 | R:2 A4:2 Bb4:2 C5:2 | A4:4 F4:4 | G4:8 | F4:8";
    // The second time round the tune is played an octave up, with little pushes.
    const std::string tune2 =
        "R:2 F5:2 A5:2 Bb5:2 | C6:6 A5:1 C6:1 | R:2 F5:2 A5:2 Bb5:2 | C6:6 Bb5:1 A5:1 | "
        "R:2 F5:2 A5:2 Bb5:2 | C6:4 A5:4 | F5:4 A5:4 | G5:6 F5:1 G5:1 | R:2 A5:2 A5:2 G5:2 | "
        "F5:6 F5:2 | A5:4 C6:2 C6:2 | Bb5:6 A5:1 Bb5:1 | R:2 A5:2 Bb5:2 C6:2 | A5:4 F5:4 | "
        "G5:8 | F5:8";
    const std::string chords =
        "F F | F F | F F | F F | F F | F F | C7 C7 | C7 C7 | F F | F7 F7 | Bb Bb | Bb Bb | "
        "F F | C7 C7 | F C7 | F F";
    int t = 0;
    // Intro: two bars of the band alone.
    OffBeats(piano, t, "F F | C7 C7", 72);
    RootFifth(bass, t, "F F | C7 C7", 90);
    DrumBars(kit, t, 2, Ride, "x..xx..xx..xx..x", 56);
    DrumBars(kit, t, 2, PedalHat, "....x.......x...", 60);
    t += 2 * Bar;
    for (int pass = 0; pass < 2; ++pass) {
        sax.Line(t, pass == 0 ? tune : tune2, Eighth, pass == 0 ? 96 : 92);
        OffBeats(piano, t, chords, 66);
        RootFifth(bass, t, chords, 92);
        DrumBars(kit, t, 16, Ride, "x..xx..xx..xx..x", 58);
        DrumBars(kit, t, 16, PedalHat, "....x.......x...", 60);
        DrumBars(kit, t, 16, Kick, "x.......x.......", 70);
        if (pass == 1) DrumBars(kit, t, 16, SideStick, "....x.......x...", 64);
        kit.Note(t, Eighth, Crash, 80);
        t += 16 * Bar;
    }
    song.Write(path, t);
}

void WriteGuitar(const std::string& path) {
    // Twinkle, Twinkle, Little Star: a nylon guitar picks the tune over a second guitar's
    // arpeggios.
    MidiSong song(100);
    auto& lead = song.AddTrack(0, NylonGuitar, "Guitar", 112, 56, 50);
    auto& pick = song.AddTrack(1, NylonGuitar, "Guitar accompaniment", 84, 76, 50);
    auto& bass = song.AddTrack(2, AcousticBass, "Bass", 62, 64);
    const std::string a = "C4:2 C4:2 G4:2 G4:2 | A4:2 A4:2 G4:4 | F4:2 F4:2 E4:2 E4:2 | "
                          "D4:2 D4:2 C4:4 | ";
    const std::string b = "G4:2 G4:2 F4:2 F4:2 | E4:2 E4:2 D4:4 | G4:2 G4:2 F4:2 F4:2 | "
                          "E4:2 E4:2 D4:4 | ";
    const std::string a2 = "C5:2 C5:2 G5:2 G5:2 | A5:1 B5:1 A5:1 F#5:1 G5:4 | "
                           "F5:2 F5:2 E5:2 E5:2 | D5:1 E5:1 D5:1 B4:1 C5:4 | ";
    const std::string b2 = "G5:2 G5:2 F5:2 F5:2 | E5:2 E5:2 D5:4 | G5:2 G5:2 F5:2 F5:2 | "
                           "E5:1 F5:1 E5:1 C5:1 D5:4 | ";
    const std::string ca = "C C | F C | F C | G C | ";
    const std::string cb = "C F | C G | C F | C G | ";
    int t = 0;
    t = Arpeggio(pick, t, "C C | G G", 80);
    int m = t;
    m = lead.Line(m, a + b + a, Eighth, 100);
    m = lead.Line(m, a2 + b2 + a, Eighth, 96);
    int c = t;
    for (const auto& part : {ca, cb, ca, ca, cb, ca}) {
        RootFifth(bass, c, part, 70);
        c = Arpeggio(pick, c, part, 82);
    }
    song.Write(path, m);
}

void WriteSteelDrums(const std::string& path) {
    // This Old Man, calypso style: steel drums over congas, maracas, claves and a bouncing bass.
    MidiSong song(118);
    auto& pan = song.AddTrack(0, SteelDrums, "Steel drums", 112, 64, 60);
    auto& pan2 = song.AddTrack(1, SteelDrums, "Steel drums harmony", 76, 40, 60);
    auto& bass = song.AddTrack(2, FingerBass, "Bass", 96, 64);
    auto& kit = song.AddTrack(DrumChannel, 0, "Percussion", 92, 72);
    const std::string tune =
        "G4:2 E4:2 G4:4 | G4:2 E4:2 G4:4 | A4:2 G4:2 F4:2 E4:2 | D4:2 E4:2 F4:4 | "
        "E4:1 F4:1 G4:2 C4:2 C4:1 C4:1 | C4:2 C4:1 D4:1 E4:1 F4:1 G4:2 | "
        "G4:2 D4:2 D4:2 F4:2 | E4:2 D4:2 C4:4";
    const std::string third =
        "E4:2 C4:2 E4:4 | E4:2 C4:2 E4:4 | F4:2 E4:2 D4:2 C4:2 | B3:2 C4:2 D4:4 | "
        "C4:1 D4:1 E4:2 G3:2 G3:1 G3:1 | A3:2 A3:1 B3:1 C4:1 D4:1 E4:2 | "
        "B3:2 B3:2 B3:2 D4:2 | C4:2 B3:2 C4:4";
    const std::string chords = "C C | C C | F F | G G | C C | F C | G G | C C";
    int t = 0;
    auto percussion = [&](int start, int bars, bool full) {
        DrumBars(kit, start, bars, HighConga, "..x...xx..x...x.", 76);
        DrumBars(kit, start, bars, LowConga, "x.....x.x.....x.", 80);
        DrumBars(kit, start, bars, Maracas, "xoxoxoxoxoxoxoxo", 62);
        DrumBars(kit, start, bars, Claves, "x..x..x...x.x...", 66);
        if (full) {
            DrumBars(kit, start, bars, Kick, "x.......x.......", 72);
            DrumBars(kit, start, bars, Cowbell, "x...x...x...x...", 46);
        }
    };
    // Calypso bass: root, a push on the "and" of two, fifth.
    auto calypsoBass = [&](int start, const std::string& ch) {
        for (const auto& c : Halves(ch)) {
            auto k = Chord(c, 2);
            bass.Note(start, Eighth * 3 / 2, k[0], 96);
            bass.Note(start + 3 * Eighth, Eighth, k[0], 80);
            start += 4 * Eighth;
        }
        (void)start;
    };
    percussion(t, 2, false);
    OffBeats(pan2, t, "C C | G G", 60, 4);
    t += 2 * Bar;
    for (int pass = 0; pass < 4; ++pass) {
        if (pass == 1) {
            pan.Line(t, tune, Eighth, 104);
            pan2.Line(t, third, Eighth, 82);
        } else if (pass == 3) {
            // The last time an octave up, with the harmony below.
            std::string up;
            std::istringstream in(tune);
            std::string tok;
            while (in >> tok) {
                size_t colon = tok.find(':');
                if (tok == "|" || colon == std::string::npos) {
                    up += tok + " ";
                    continue;
                }
                std::string n = tok.substr(0, colon);
                char octave = n.back();
                n.back() = static_cast<char>(octave + 1);
                up += n + tok.substr(colon) + " ";
            }
            pan.Line(t, up, Eighth, 100);
            pan2.Line(t, tune, Eighth, 74);
        } else {
            pan.Line(t, tune, Eighth, pass == 0 ? 104 : 100);
            OffBeats(pan2, t, chords, 58, 4);
        }
        calypsoBass(t, chords);
        percussion(t, 8, pass > 0);
        t += 8 * Bar;
    }
    song.Write(path, t);
}

void WriteTrumpet(const std::string& path) {
    // Yankee Doodle: trumpet with a trombone harmony, tuba and a marching snare.
    MidiSong song(120);
    auto& tpt = song.AddTrack(0, Trumpet, "Trumpet", 104, 64, 40);
    auto& tbn = song.AddTrack(1, Trombone, "Trombone", 78, 40, 40);
    auto& tuba = song.AddTrack(2, Tuba, "Tuba", 96, 80);
    auto& kit = song.AddTrack(DrumChannel, 0, "Drums", 92, 64);
    // Two-four bars written two to a four-four bar.
    const std::string verse = "C5:1 C5:1 D5:1 E5:1 C5:1 E5:1 D5:1 G4:1 | "
                              "C5:1 C5:1 D5:1 E5:1 C5:2 B4:2 | "
                              "C5:1 C5:1 D5:1 E5:1 F5:1 E5:1 D5:1 C5:1 | "
                              "B4:1 G4:1 A4:1 B4:1 C5:2 C5:2 | ";
    const std::string chorus = "A4:1.5 B4:0.5 A4:1 G4:1 A4:1 B4:1 C5:2 | "
                               "G4:1.5 A4:0.5 G4:1 F4:1 E4:2 G4:2 | "
                               "A4:1.5 B4:0.5 A4:1 G4:1 A4:1 B4:1 C5:1 A4:1 | "
                               "G4:1 C5:1 B4:1 D5:1 C5:2 C5:2 | ";
    const std::string low = "E4:1 E4:1 F4:1 G4:1 E4:1 G4:1 F4:1 D4:1 | "
                            "E4:1 E4:1 F4:1 G4:1 E4:2 D4:2 | "
                            "E4:1 E4:1 F4:1 G4:1 A4:1 G4:1 F4:1 E4:1 | "
                            "D4:1 B3:1 C4:1 D4:1 E4:2 E4:2 | "
                            "F4:1.5 G4:0.5 F4:1 E4:1 F4:1 G4:1 A4:2 | "
                            "E4:1.5 F4:0.5 E4:1 D4:1 C4:2 E4:2 | "
                            "F4:1.5 G4:0.5 F4:1 E4:1 F4:1 G4:1 A4:1 F4:1 | "
                            "E4:1 E4:1 G4:1 F4:1 E4:2 E4:2 | ";
    const std::string chords = "C G | C G | C F | G C | F C | C G | F C | G C | ";
    int t = 0;
    // A drum roll call to start.
    DrumBars(kit, t, 1, Snare, "x.x.x.x.xxxxXxX.", 84);
    kit.Note(t + Bar - Eighth, Eighth, Crash, 70);
    t += Bar;
    for (int pass = 0; pass < 4; ++pass) {
        const int start = t;
        tpt.Line(start, verse + chorus, Eighth, pass == 2 ? 92 : 102);
        if (pass >= 1) tbn.Line(start, low, Eighth, pass == 2 ? 70 : 82);
        auto halves = Halves(chords);
        int b = start;
        for (const auto& c : halves) {
            auto k = Chord(c, 2);
            tuba.Note(b, Eighth * 3 / 2, k[0], 92);
            tuba.Note(b + 2 * Eighth, Eighth * 3 / 2, k[2] - 12, 84);
            b += 4 * Eighth;
        }
        DrumBars(kit, start, 8, Snare, pass == 2 ? "x...x...x...x.x." : "x.xxx.x.x.xxx.x.",
                 pass == 2 ? 60 : 76);
        DrumBars(kit, start, 8, Kick, "x...x...x...x...", 86);
        kit.Note(start, Eighth, Crash, 96);
        t += 8 * Bar;
    }
    song.Write(path, t);
}

void WriteBanjo(const std::string& path) {
    // Oh! Susanna: banjo tune over a rolling banjo, bass and a light kit.
    MidiSong song(124);
    auto& lead = song.AddTrack(0, Banjo, "Banjo", 110, 60, 35);
    auto& roll = song.AddTrack(1, Banjo, "Banjo roll", 72, 84, 35);
    auto& bass = song.AddTrack(2, AcousticBass, "Bass", 96, 64);
    auto& kit = song.AddTrack(DrumChannel, 0, "Drums", 74, 64);
    const std::string verse =
        "E5:2 G5:2 G5:3 A5:1 | G5:2 E5:2 C5:3 D5:1 | E5:2 E5:2 D5:2 C5:2 | D5:6 C5:1 D5:1 | "
        "E5:2 G5:2 G5:3 A5:1 | G5:2 E5:2 C5:3 D5:1 | E5:2 E5:2 D5:2 D5:2 | C5:8 | ";
    const std::string chorus =
        "F5:4 F5:4 | A5:2 A5:4 A5:2 | G5:2 G5:2 E5:2 C5:2 | D5:6 C5:1 D5:1 | "
        "E5:2 G5:2 G5:3 A5:1 | G5:2 E5:2 C5:3 D5:1 | E5:2 E5:2 D5:2 D5:2 | C5:6 C5:1 D5:1 | ";
    const std::string cv = "C C | C C | C C | G G | C C | C C | C G | C C | ";
    const std::string cc = "F F | F F | C C | G G | C C | C C | C G | C C | ";
    // A forward roll: thumb, index, middle over each half bar.
    auto banjoRoll = [&](int start, const std::string& ch) {
        for (const auto& c : Halves(ch)) {
            auto k = Chord(c, 4);
            int keys[4] = {k[0] - 12, k[1], k[2], k[0] + 12};
            for (int i = 0; i < 4; ++i)
                roll.Note(start + i * Eighth, Eighth * 2, keys[i], i == 0 ? 78 : 64);
            start += 4 * Eighth;
        }
    };
    int t = 0;
    // Two bars of roll as an intro, the pickup of the tune in the last eighths.
    banjoRoll(t, "C C | G G");
    RootFifth(bass, t, "C C | G G", 90);
    lead.Line(t + Bar + 6 * Eighth, "C5:1 D5:1", Eighth, 100);
    t += 2 * Bar;
    for (int pass = 0; pass < 2; ++pass) {
        // The first time the last bar carries the pickup into the second; the second time it
        // ends whole, and the intro's pickup leads back into the loop.
        std::string tune = verse + chorus;
        if (pass == 1) tune.replace(tune.rfind("C5:6 C5:1 D5:1"), 14, "C5:8");
        lead.Line(t, tune, Eighth, 104);
        banjoRoll(t, cv + cc);
        RootFifth(bass, t, cv + cc, 92);
        DrumBars(kit, t, 16, Kick, "x.......x.......", 74);
        DrumBars(kit, t, 16, Snare, "....x.......x...", 60);
        DrumBars(kit, t, 16, ClosedHat, "x.x.x.x.x.x.x.x.", 44);
        t += 16 * Bar;
    }
    song.Write(path, t);
}

} // namespace

void WriteTunes(const std::string& musicFolder) {
    WriteDrums(musicFolder + "/Music1.mid");
    WriteSaxophone(musicFolder + "/Music2.mid");
    WriteGuitar(musicFolder + "/Music3.mid");
    WriteSteelDrums(musicFolder + "/Music4.mid");
    WriteTrumpet(musicFolder + "/Music5.mid");
    WriteBanjo(musicFolder + "/Music6.mid");
}

} // namespace media
