// Damaged tunes: which bytes the player takes for a tune, and what it does with one it cannot
// play. The mixer's MIDI synthesiser reads a tune only once it plays it, on the mixer's thread and
// holding the mixer's lock; a tune it could not read used to be retried there for ever, so that
// the next sound's call into the mixer never returned.
#include "forms/forms.h"
#include "forms/midi_file.h"
#include "forms/sound_channel.h"
#include "tests/support/child_end.h"
#include "tests/support/headless.h"
#include "tests/support/stderr_counter.h"
#include "tests/support/wave_file.h"

#include <SDL.h>
#include <SDL_mixer.h>

#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <random>
#include <unistd.h>

namespace {

namespace fs = std::filesystem;
using Bytes = std::vector<uint8_t>;

const std::string kTune = std::string(WO_APP_DIR) + "/Music/Music3.mid";

Bytes ReadFile(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    return Bytes(std::istreambuf_iterator<char>(in), {});
}

void Put(Bytes& b, std::initializer_list<int> bytes) {
    for (int v : bytes)
        b.push_back(static_cast<uint8_t>(v));
}

Bytes Chunk(const char* id, const Bytes& body) {
    Bytes b(id, id + 4);
    const size_t n = body.size();
    Put(b, {int(n >> 24) & 255, int(n >> 16) & 255, int(n >> 8) & 255, int(n) & 255});
    b.insert(b.end(), body.begin(), body.end());
    return b;
}

Bytes Header(int format, int tracks, int division) {
    return Chunk("MThd", {0, static_cast<uint8_t>(format), static_cast<uint8_t>(tracks >> 8),
                          static_cast<uint8_t>(tracks), static_cast<uint8_t>(division >> 8),
                          static_cast<uint8_t>(division)});
}

// A track of the events given, closed by its end-of-track event.
Bytes Track(std::initializer_list<int> events) {
    Bytes body;
    Put(body, events);
    Put(body, {0, 0xFF, 0x2F, 0});
    return Chunk("MTrk", body);
}

Bytes operator+(Bytes a, const Bytes& b) {
    a.insert(a.end(), b.begin(), b.end());
    return a;
}

// Middle C for a beat (480 ticks), at the default tempo.
Bytes OneNote() {
    return Track({0, 0x90, 60, 64, 0x83, 0x60, 0x80, 60, 64});
}

Bytes RandomBytes() {
    std::mt19937 random(16);
    Bytes b(200);
    for (uint8_t& v : b)
        v = static_cast<uint8_t>(random());
    return b;
}

Bytes FirstHalfOfATune() {
    Bytes b = ReadFile(kTune);
    b.resize(b.size() / 2);
    return b;
}

// --- Which bytes are a tune.

struct CheckCase {
    const char* name;
    Bytes (*bytes)();
    const char* fault; // "" for a tune
};

void PrintTo(const CheckCase& c, std::ostream* os) {
    *os << c.name;
}

class MidiFileCheckTest : public ::testing::TestWithParam<CheckCase> {};

TEST_P(MidiFileCheckTest, NamesWhatIsWrongOrNothing) {
    EXPECT_EQ(forms::MidiFileFault(GetParam().bytes()), GetParam().fault);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, MidiFileCheckTest,
    ::testing::Values(
        CheckCase{"OneNote", [] { return Header(0, 1, 480) + OneNote(); }, ""},
        CheckCase{
            "TwoTracksOfFormatOne",
            [] {
                return Header(1, 2, 480) + Track({0, 0xFF, 0x51, 3, 0x07, 0xA1, 0x20}) + OneNote();
            },
            ""},
        CheckCase{"RunningStatusAndSystemExclusive",
                  [] {
                      return Header(0, 1, 96) + Track({0, 0xF0, 3, 0x7E, 0x09, 0xF7, 0, 0x90, 60,
                                                       64, 0, 64, 64, 0x60, 60, 0, 0, 64, 0});
                  },
                  ""},
        CheckCase{"AChunkOfAnotherKindBeforeTheTrack",
                  [] {
                      return Header(0, 1, 480) + Chunk("XFIH", {1, 2, 3, 4}) + OneNote();
                  },
                  ""},
        CheckCase{"ATrackWithoutItsEndEvent",
                  [] {
                      return Header(0, 1, 480) +
                             Chunk("MTrk", {0, 0x90, 60, 64, 0x83, 0x60, 0x80, 60, 64});
                  },
                  ""},
        CheckCase{"Empty", [] { return Bytes{}; }, "an empty file"},
        CheckCase{"RandomBytes", RandomBytes, "no MIDI header"},
        CheckCase{"AHeaderCutShort", [] { return Bytes{'M', 'T', 'h', 'd', 0, 0, 0, 6, 0}; },
                  "cut short"},
        CheckCase{"AHeaderOfAnotherSize",
                  [] {
                      return Chunk("MThd", {0, 0, 0, 1, 1, 0xE0, 0}) + OneNote();
                  },
                  "a MIDI header of 7 bytes"},
        CheckCase{"FormatThree", [] { return Header(3, 1, 480) + OneNote(); }, "MIDI format 3"},
        CheckCase{"NoTracks", [] { return Header(0, 0, 480); }, "no tracks"},
        CheckCase{"TheHeaderAlone", [] { return Header(0, 1, 480); }, "1 track promised, 0 found"},
        CheckCase{"ATrackMissing", [] { return Header(1, 2, 480) + OneNote(); },
                  "2 tracks promised, 1 found"},
        CheckCase{"NoTicksPerBeat", [] { return Header(0, 1, 0) + OneNote(); },
                  "no ticks per beat"},
        CheckCase{"TimeCode", [] { return Header(0, 1, 0xE728) + OneNote(); },
                  "time code in place of beats"},
        CheckCase{"CutInHalf", FirstHalfOfATune, "cut short"},
        CheckCase{"ATrackLongerThanTheFile",
                  [] {
                      Bytes b = Header(0, 1, 480) + OneNote();
                      b[14 + 5] = 1; // the track's length grows by 65,536
                      return b;
                  },
                  "cut short"},
        CheckCase{"AnEventCutAtTheTracksEnd",
                  [] {
                      return Header(0, 1, 480) + Chunk("MTrk", {0, 0x90, 60});
                  },
                  "track 1: an event runs past its end"},
        CheckCase{"AnUnknownEvent",
                  [] {
                      return Header(0, 1, 480) + Track({0, 0xF4, 0x83, 0x60, 0x90, 60, 64});
                  },
                  "track 1: an unknown event F4"},
        CheckCase{"DataWithNoStatus",
                  [] {
                      return Header(0, 1, 480) + Track({0, 60, 64, 0x83, 0x60, 0x90, 60, 64});
                  },
                  "track 1: data with no status"},
        CheckCase{
            "ANumberOfFiveBytes",
            [] {
                return Header(0, 1, 480) + Track({0x81, 0x81, 0x81, 0x81, 0x01, 0x90, 60, 64});
            },
            "track 1: a number longer than four bytes"},
        CheckCase{"ATempoOfFourBytes",
                  [] {
                      return Header(0, 1, 480) + Track({0, 0xFF, 0x51, 4, 0, 7, 0xA1, 0x20, 0, 0x90,
                                                        60, 64, 0x60, 0x80, 60, 0});
                  },
                  "track 1: a meta event 51 of 4 bytes"},
        CheckCase{"ATempoOfZero",
                  [] {
                      return Header(0, 1, 480) +
                             Track({0, 0xFF, 0x51, 3, 0, 0, 0, 0, 0x90, 60, 64, 0x60, 0x80, 60, 0});
                  },
                  "track 1: a tempo of zero"},
        CheckCase{"NoNotes", [] { return Header(0, 1, 480) + Track({}); }, "no notes"},
        CheckCase{"OnlySilentNotes",
                  [] {
                      return Header(0, 1, 480) + Track({0, 0x90, 60, 0, 0x60, 0x80, 60, 0});
                  },
                  "no notes"},
        CheckCase{"NotesThatTakeNoTime",
                  [] {
                      return Header(0, 1, 480) + Track({0, 0x90, 60, 64, 0, 0x80, 60, 64});
                  },
                  "no time to play"}),
    [](const ::testing::TestParamInfo<CheckCase>& info) { return info.param.name; });

TEST(MidiFileCheck, EveryTuneOfTheProgramIsATune) {
    for (int i = 1; i <= 6; ++i) {
        const std::string tune =
            std::string(WO_APP_DIR) + "/Music/Music" + std::to_string(i) + ".mid";
        EXPECT_EQ(forms::MidiFileFault(ReadFile(tune)), "") << tune;
    }
}

// --- What the player does with a tune it cannot play.

struct DamagedTuneCase {
    const char* name;
    Bytes (*bytes)();
    bool passesTheCheck; // only the mixer finds out, when it starts the tune
};

void PrintTo(const DamagedTuneCase& c, std::ostream* os) {
    *os << c.name;
}

class PlayerForm : public forms::Form {
  public:
    PlayerForm() { Holder.Move(0, 0, 300, 60); }
    forms::PictureBox Holder{this};
    forms::MusicPlayer Player{&Holder};
};

class DamagedTuneTest : public ::testing::TestWithParam<DamagedTuneCase> {
  protected:
    // Runs in a fresh process (the mixer, its sound set and the player's reports are the
    // process's): the damaged tune is given and played, the mixer's thread left to it for a
    // while, then a sound plays and the tune is halted, both through the mixer's lock. Any
    // problem is printed; the exit status is 0 when there was none. A mixer that hangs is ended
    // by the alarm ("Terminated by signal 14").
    [[noreturn]] void PlayTheDamagedTune() {
        ::alarm(20);
        std::string problems;
        auto problem = [&](const std::string& text) { problems += text + "\n"; };
        const fs::path dir = fs::temp_directory_path() / ("wo_tune_" + std::to_string(::getpid()));
        fs::create_directories(dir);
        const std::string bad = (dir / "Music3.mid").string();
        const std::string wave = (dir / "beep.wav").string();
        const Bytes bytes = GetParam().bytes();
        std::ofstream(bad, std::ios::binary)
            .write(reinterpret_cast<const char*>(bytes.data()),
                   static_cast<std::streamsize>(bytes.size()));
        wo_test::WriteWave(wave, 300);
        uint64_t stderrBytes = 0;
        {
            testsupport::StderrCounter err;
            testsupport::Headless h;
            forms::DefaultInstance<PlayerForm> form;
            forms::MusicPlayer& p = form->Player;
            std::vector<std::string> dropped;
            p.TuneDropped = [&](const std::string& reason) { dropped.push_back(reason); };

            p.SetFileName(bad);
            if (p.Loaded() != GetParam().passesTheCheck)
                problem(std::string("loaded: ") + (p.Loaded() ? "yes" : "no"));
            p.Play();
            // The mixer's thread plays meanwhile; the loop hears what it reports.
            for (int i = 0; i < 100 && (dropped.empty() || p.Loaded()); ++i) {
                SDL_Delay(20);
                h.Pump();
            }
            forms::SoundChannel beep;
            beep.SetFileName(wave);
            beep.SetCommand("Open");
            beep.SetCommand("Play"); // the mixer's lock
            Mix_HaltMusic();
            if (beep.Mode() != forms::mciModePlay) problem("the sound does not play");
            if (!p.Playing()) problem("the player's state no longer follows its commands");
            if (p.Loaded()) problem("the tune is still loaded");

            // Given again, it is dropped again without a second report.
            p.SetFileName(kTune);
            p.SetFileName(bad);
            p.Play();
            for (int i = 0; i < 25; ++i) {
                SDL_Delay(20);
                h.Pump();
            }
            if (dropped.size() != 1) problem("reports: " + std::to_string(dropped.size()));
            for (const std::string& reason : dropped)
                if (reason.empty()) problem("a report without its reason");

            // A good tune plays again.
            p.SetFileName(kTune);
            p.Play();
            if (!p.Loaded() || !Mix_PlayingMusic()) problem("a good tune does not play after it");
            Mix_HaltMusic();
            stderrBytes = err.Stop();
        }
        if (stderrBytes > 512) problem("stderr: " + std::to_string(stderrBytes) + " bytes");
        fs::remove_all(dir);
        testsupport::EndChild(problems);
    }
};

TEST_P(DamagedTuneTest, IsDroppedOnceAndTheMixerStaysFree) {
    GTEST_FLAG_SET(death_test_style, "threadsafe");
    EXPECT_EXIT(PlayTheDamagedTune(), ::testing::ExitedWithCode(0), "");
}

INSTANTIATE_TEST_SUITE_P(
    Cases, DamagedTuneTest,
    ::testing::Values(
        DamagedTuneCase{"RandomBytes", RandomBytes, false},
        DamagedTuneCase{"Empty", [] { return Bytes{}; }, false},
        DamagedTuneCase{"TheHeaderAlone", [] { return Header(0, 1, 480); }, false},
        DamagedTuneCase{"CutInHalf", FirstHalfOfATune, false},
        DamagedTuneCase{"NoNotes", [] { return Header(0, 1, 480) + Track({}); }, false},
        // A chunk that readers are to skip: the synthesiser cannot.
        DamagedTuneCase{"AChunkOfAnotherKindBeforeTheTrack",
                        [] {
                            return Header(0, 1, 480) + Chunk("XFIH", {1, 2, 3, 4}) + OneNote();
                        },
                        true}),
    [](const ::testing::TestParamInfo<DamagedTuneCase>& info) { return info.param.name; });

} // namespace
