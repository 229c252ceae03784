#pragma once
// The sound channel: one wave-file playback channel driven by text commands, the way the program
// drives its multimedia controls. FileName names the file, SetCommand("Open" | "Stop" | "Close" |
// "Prev" | "Play") acts on it, Mode() reads 526 while the sound plays.
//
// "Play" returns at once and the sound plays in the background; any number of channels play at
// the same time. A command that fails (a missing or unreadable file) changes nothing and raises
// nothing, and later commands work normally. How long a sound plays is taken from its wave header
// and measured on the runtime's clock, so under a virtual clock a sound lasts exactly as long as
// its file says. Where no audio device opens, channels keep time silently (said once in the log).
#include <cstdint>
#include <deque>
#include <memory>
#include <string>
#include <vector>

namespace forms {

// Mode values.
constexpr int mciModeNotOpen = 524;
constexpr int mciModeStop = 525;
constexpr int mciModePlay = 526;

class SoundChannel {
  public:
    SoundChannel();
    // Sound channels are invisible controls; the container is accepted so that they sit on a form
    // like any other control, and otherwise ignored.
    template <typename Container> explicit SoundChannel(Container*) : SoundChannel() {}
    ~SoundChannel();
    SoundChannel(const SoundChannel&) = delete;
    SoundChannel& operator=(const SoundChannel&) = delete;

    const std::string& FileName() const { return fileName_; }
    void SetFileName(const std::string& name);
    // Unknown commands are ignored.
    void SetCommand(const std::string& command);
    int Mode();

    // Length of the open sound in milliseconds (0 when none is open).
    double LengthMs() const { return lengthMs_; }
    // The latest property writes and commands, oldest first ("FileName=...", "Open", ...), so
    // that tests can check the order the program drives a channel in. Bounded.
    const std::deque<std::string>& History() const { return history_; }

  private:
    bool Open();
    void Close();
    void Stop();
    void Rewind();
    void Play();
    void StartMixer(double fromMs);
    void HaltMixer();
    void Remember(const std::string& entry);
    void Settle();      // a sound whose time is up has ended
    void LoadPending(); // the device opened after the sound: its samples go to the mixer now
    friend void OpenDeferredAudio();

    std::string fileName_;
    int mode_ = mciModeNotOpen;
    int mixChannel_ = -1; // the mixer channel this control plays on
    struct Samples;       // the mixer's chunk, when an audio device is open, and a view into it; or
                          // the file's bytes while the device waits for the first screen
    std::unique_ptr<Samples> samples_;
    double lengthMs_ = 0;
    double positionMs_ = 0; // while stopped: where "Play" starts
    double startedAt_ = 0;  // clock time at which position 0 would have been played
    std::deque<std::string> history_;
};

// Opens the audio device on first use; false (and one line in the log) where none opens. The
// music player shares the device.
bool EnsureAudioOpen();
// Length in milliseconds that a wave file's header gives; -1 when the bytes are no PCM wave.
double WaveLengthMs(const std::vector<uint8_t>& bytes);

} // namespace forms
