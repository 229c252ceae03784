#pragma once
// A small Standard MIDI File writer (format 1): a tempo track and one track per channel, with
// program changes, controllers and notes. Times are ticks of PPQ per quarter note.
#include <cstdint>
#include <deque>
#include <string>
#include <vector>

namespace media {

constexpr int PPQ = 480;
constexpr int Eighth = PPQ / 2;
constexpr int DrumChannel = 9; // channel 10 as the players count

class MidiTrack {
  public:
    MidiTrack(int channel, std::string name) : channel_(channel), name_(std::move(name)) {}
    int Channel() const { return channel_; }
    void Program(int tick, int program);
    void Controller(int tick, int number, int value);
    void Note(int tick, int duration, int key, int velocity);
    // A line of notes in a short text form, starting at tick; returns the tick after it.
    // Tokens are separated by blanks: "E5:2" is E in octave 5 (middle C is C4) for two units,
    // "F#4:1", "Bb3:3", "C4+E4+G4:4" a chord, "R:2" a rest, "|" a bar line (ignored).
    // A token may end with "!" (accent) or "~" (soft). Notes sound for 90 % of their length.
    int Line(int tick, const std::string& text, int unitTicks, int velocity);
    // One drum voice over steps of stepTicks: 'x' a hit, 'X' an accent, 'o' a soft hit, others
    // rest. Returns the tick after the pattern.
    int Pattern(int tick, const std::string& steps, int key, int stepTicks, int velocity);
    std::vector<uint8_t> Encode(int endTick) const;

  private:
    struct Event {
        int tick;
        int order; // note-offs before controllers before note-ons at one tick
        std::vector<uint8_t> bytes;
    };
    int channel_;
    std::string name_;
    std::vector<Event> events_;
};

class MidiSong {
  public:
    explicit MidiSong(double bpm, int beatsPerBar = 4) : bpm_(bpm), beatsPerBar_(beatsPerBar) {}
    MidiTrack& AddTrack(int channel, int program, const std::string& name, int volume, int pan,
                        int reverb = 40);
    // Writes the file; every track ends at endTick, so a player that loops starts again on the
    // beat.
    void Write(const std::string& path, int endTick) const;

  private:
    double bpm_;
    int beatsPerBar_;
    std::deque<MidiTrack> tracks_; // stable references for AddTrack's callers
};

// Key number of a note name such as "C4", "F#5", "Bb3"; -1 when it is not one.
int NoteKey(const std::string& name);

} // namespace media
