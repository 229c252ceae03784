#pragma once
// The music player: plays one MIDI tune at a time, over and over, through the mixer's music
// stream, the way the program drives its media-player control. FileName names the tune (setting
// it loads the file and stops), Play starts or resumes it, Stop halts it (the position is kept for
// the next Play), Volume is in hundredths of a decibel (0 loudest, -10000 silent) and reads back
// as it was set.
//
// The player also shows a small strip of its own inside its container: a play and a stop button
// and a volume bar, which the user can click while the player (and its containers) are enabled.
//
// MIDI needs a General MIDI sound set; where no audio device opens or no sound set is installed,
// the player keeps its state as if it played, silently, and says so once in the log. A file that
// is missing is taken as given and plays nothing. A file that is damaged, empty or no tune, or
// that the mixer ends as soon as it starts it, is dropped: it plays nothing, and TuneDropped says
// so once.
#include "forms/control.h"

#include <cstdint>
#include <functional>
#include <memory>
#include <set>
#include <string>

namespace forms {

// Volume limits, in hundredths of a decibel.
constexpr int32_t kMusicVolumeMax = 0;
constexpr int32_t kMusicVolumeMin = -10000;

class MusicPlayer : public Control {
  public:
    explicit MusicPlayer(Container* container);
    ~MusicPlayer() override;

    // The last name given ("" before any).
    const std::string& FileName() const { return fileName_; }
    void SetFileName(const std::string& name);
    void Play();
    void Stop();
    // Values outside kMusicVolumeMin..kMusicVolumeMax are taken as the nearest limit.
    int32_t Volume() const { return volume_; }
    void SetVolume(int32_t volume);

    // Play was given and no Stop or new file since (also while silent for want of a device).
    bool Playing() const { return playing_; }
    // The tune of FileName is loaded into the mixer, so that playing is heard.
    bool Loaded() const { return tune_ != nullptr; }
    // The mixer's music volume (0 to 128) for a volume in hundredths of a decibel.
    static int MixerVolume(int32_t volume);

    // Raised after the user changed the state or the volume with the strip.
    EventHandler PlayStateChange;
    EventHandler VolumeChange;
    // Raised once for a file name whose tune cannot be played (damaged, empty, no tune, or given
    // up by the mixer as soon as it started), with the reason; the player then plays nothing and
    // its state still follows the commands. Without a handler the reason goes to SDL's log.
    std::function<void(const std::string& reason)> TuneDropped;

    // The strip's parts, in the control's pixels (for the drawing and for tests).
    IRect PlayButtonRect() const;
    IRect StopButtonRect() const;
    IRect VolumeTrackRect() const;
    // The volume that a click at x on the volume bar gives.
    int32_t VolumeAt(double x) const;

    void Draw(Canvas& target, const IRect& clip) override;

  private:
    struct Tune;
    void Press(double x, double y);
    void DragVolume(double x);
    bool Usable() const;                  // enabled itself and all the way up
    void Release();                       // lets go of the mixer's music stream
    void LoadTune();                      // FileName into the mixer
    void Start();                         // the mixer plays the tune from its beginning
    void Drop(const std::string& reason); // the tune cannot be played: let go, say so once
    static void LoadWaitingTunes();
    static void MusicEnded(); // the mixer's music stream ended (on any thread)
    static void TuneEnded();  // on the loop: the tune starts again, or is dropped

    std::string fileName_;
    std::unique_ptr<Tune> tune_;
    std::set<std::string> dropped_; // file names whose dropping was reported
    int32_t volume_ = kMusicVolumeMax;
    bool playing_ = false;
    bool dragging_ = false;
};

} // namespace forms
