#include "forms/music_player.h"

#include "forms/backend.h"
#include "forms/errors.h"
#include "forms/files.h"
#include "forms/midi_file.h"
#include "forms/runtime_internal.h"
#include "forms/sound_channel.h"
#include "forms/sound_font.h"

#include <SDL.h>
#include <SDL_mixer.h>

#include <algorithm>
#include <atomic>
#include <cmath>
#include <set>
#include <vector>

namespace forms {

namespace {

// The mixer has one music stream: the player that last started it owns it, and only the owner
// pauses, resumes or changes it, so that a second player cannot cut the first one off by halting.
MusicPlayer* owner = nullptr;

// Players whose tune waits for the program's first screen (opening the device and reading the
// sound set take long), in the order they were given it.
std::vector<MusicPlayer*> waiting;
bool waitingQueued = false;

// How often the mixer plays a tune through before it ends and the loop starts it again. Never
// endless: the synthesiser reads a tune only as it starts it, on the mixer's thread and holding
// the mixer's lock, and starts a tune it cannot read again at once; with no end to the count that
// is a loop for ever, and every later call into the mixer waits on it.
constexpr int kPlaysAtATime = 100;

// Audio mixed since the device opened, in bytes (counted on the mixer's thread), where it stood
// when the music was last started (the loop's thread) and when it last ended.
std::atomic<uint64_t> mixedBytes{0};
uint64_t startedAtByte = 0;
std::atomic<uint64_t> endedAtByte{0};

void CountMixed(void*, Uint8*, int bytes) {
    mixedBytes += static_cast<uint64_t>(bytes);
}

// A tune that ends having played less than this was not played at all.
uint64_t QuarterSecondBytes() {
    int freq = 0, channels = 0;
    Uint16 format = 0;
    if (!Mix_QuerySpec(&freq, &format, &channels)) return 0;
    return static_cast<uint64_t>(freq) * channels * (SDL_AUDIO_BITSIZE(format) / 8) / 4;
}

// The strip's volume bar spans this range; its left end is silence.
constexpr int32_t kTrackRange = 3000;

void LogOnce(const std::string& what) {
    static std::set<std::string> said;
    if (said.insert(what).second) SDL_Log("%s", what.c_str());
}

int32_t ClampVolume(int32_t v) {
    return std::clamp(v, kMusicVolumeMin, kMusicVolumeMax);
}

constexpr int32_t kFace = 0xE0E0E0, kEdge = 0x808080, kDark = 0x404040, kLit = 0x2E9E2E,
                  kOff = 0xA0A0A0, kGreyed = 0xB8B8B8, kBar = 0xC8A040;

} // namespace

struct MusicPlayer::Tune {
    std::vector<uint8_t> bytes; // the file, which the mixer reads from
    Mix_Music* music = nullptr;
    explicit Tune(std::vector<uint8_t> b) : bytes(std::move(b)) {}
    ~Tune() {
        if (music) Mix_FreeMusic(music);
    }
    Tune(const Tune&) = delete;
    Tune& operator=(const Tune&) = delete;
};

MusicPlayer::MusicPlayer(Container* container) : Control(container, true) {
    Move(0, 0, 280, 46);
    MouseDown = [this](int button, int, float x, float y) {
        if (button == vbLeftButton) Press(x, y);
    };
    MouseMove = [this](int button, int, float x, float) {
        if (dragging_ && (button & vbLeftButton)) DragVolume(x);
    };
    MouseUp = [this](int, int, float, float) { dragging_ = false; };
}

MusicPlayer::~MusicPlayer() {
    std::erase(waiting, this);
    Release();
}

void MusicPlayer::LoadWaitingTunes() {
    waitingQueued = false;
    std::vector<MusicPlayer*> players;
    players.swap(waiting);
    for (MusicPlayer* p : players) {
        p->LoadTune();
        // Play was given meanwhile: the tune starts now.
        if (p->playing_ && p->tune_) {
            p->playing_ = false;
            p->Play();
        }
    }
}

int MusicPlayer::MixerVolume(int32_t volume) {
    volume = ClampVolume(volume);
    if (volume <= kMusicVolumeMin) return 0;
    // Hundredths of a decibel to an amplitude factor.
    const double gain = std::pow(10.0, volume / 2000.0);
    return std::clamp(static_cast<int>(std::lround(gain * MIX_MAX_VOLUME)), 0, MIX_MAX_VOLUME);
}

void MusicPlayer::Release() {
    if (owner != this) return;
    Mix_HaltMusic();
    owner = nullptr;
}

void MusicPlayer::SetFileName(const std::string& name) {
    const bool same = tune_ && name == fileName_;
    fileName_ = name;
    playing_ = false;
    Invalidate();
    Release();
    if (same) return; // loaded already: stopped, the next Play starts from the beginning
    tune_.reset();
    std::erase(waiting, this);
    if (name.empty()) return;
    if (detail::Starting()) {
        waiting.push_back(this);
        if (!waitingQueued) {
            waitingQueued = true;
            detail::WhenStarted(LoadWaitingTunes);
        }
        return;
    }
    LoadTune();
}

void MusicPlayer::LoadTune() {
    const std::string& name = fileName_;
    if (!EnsureAudioOpen()) return; // said once in the log there
    if (!FileExists(name)) {
        LogOnce("Music file not found: " + name + " (it plays nothing).");
        return;
    }
    std::vector<uint8_t> bytes;
    try {
        bytes = ReadAllBytes(name);
    } catch (const RuntimeError&) {
        Drop("it cannot be read");
        return;
    }
    if (const std::string fault = MidiFileFault(bytes); !fault.empty()) {
        Drop(fault);
        return;
    }
    static bool midiReady = false;
    if (!midiReady) {
        ApplySoundFont();
        Mix_Init(MIX_INIT_MID);
        Mix_HookMusicFinished(MusicEnded);
        Mix_SetPostMix(CountMixed, nullptr);
        midiReady = true;
    }
    auto tune = std::make_unique<Tune>(std::move(bytes));
    SDL_RWops* rw = SDL_RWFromConstMem(tune->bytes.data(), static_cast<int>(tune->bytes.size()));
    tune->music = rw ? Mix_LoadMUSType_RW(rw, MUS_MID, 1) : nullptr;
    if (!tune->music) {
        // Most often no General MIDI sound set is installed; the program goes on silently.
        LogOnce(std::string("No music (") + Mix_GetError() + "): music is silent.");
        return;
    }
    tune_ = std::move(tune);
}

void MusicPlayer::Drop(const std::string& reason) {
    Release();
    tune_.reset();
    if (!dropped_.insert(fileName_).second) return; // said already
    if (TuneDropped)
        TuneDropped(reason);
    else
        SDL_Log("Music file %s cannot be played (%s): it plays nothing.", fileName_.c_str(),
                reason.c_str());
}

void MusicPlayer::Play() {
    if (!playing_) Invalidate();
    playing_ = true;
    if (!tune_) return;
    Mix_VolumeMusic(MixerVolume(volume_));
    if (owner == this && Mix_PlayingMusic()) {
        // Playing already, or halted where it was: not started again.
        if (Mix_PausedMusic()) Mix_ResumeMusic();
        return;
    }
    Start();
}

void MusicPlayer::Start() {
    startedAtByte = mixedBytes.load();
    if (Mix_PlayMusic(tune_->music, kPlaysAtATime) != 0) {
        LogOnce(std::string("Music cannot play (") + Mix_GetError() + "): music is silent.");
        return;
    }
    owner = this;
}

void MusicPlayer::MusicEnded() {
    endedAtByte = mixedBytes.load();
    detail::RunOnLoop(TuneEnded);
}

void MusicPlayer::TuneEnded() {
    MusicPlayer* p = owner;
    // Halted, paused or started again since: nothing ended that should play.
    if (!p || !p->playing_ || !p->tune_ || Mix_PlayingMusic()) return;
    const uint64_t ended = endedAtByte.load();
    const uint64_t played = ended > startedAtByte ? ended - startedAtByte : 0;
    if (played < QuarterSecondBytes()) {
        p->Drop("the mixer ended it as soon as it started");
        return;
    }
    p->Start();
}

void MusicPlayer::Stop() {
    if (playing_) Invalidate();
    playing_ = false;
    // Paused, so that the next Play goes on where the tune was.
    if (owner == this) Mix_PauseMusic();
}

void MusicPlayer::SetVolume(int32_t volume) {
    volume = ClampVolume(volume);
    if (volume == volume_) return;
    volume_ = volume;
    Invalidate();
    if (owner == this) Mix_VolumeMusic(MixerVolume(volume_));
}

// --- The strip.

IRect MusicPlayer::PlayButtonRect() const {
    const int h = static_cast<int>(std::lround(Height()));
    const int side = std::max(8, std::min(h - 8, 30));
    return IRect{4, (h - side) / 2, side, side};
}

IRect MusicPlayer::StopButtonRect() const {
    IRect r = PlayButtonRect();
    r.x += r.w + 4;
    return r;
}

IRect MusicPlayer::VolumeTrackRect() const {
    const IRect stop = StopButtonRect();
    const int w = static_cast<int>(std::lround(Width()));
    const int h = static_cast<int>(std::lround(Height()));
    const int x = stop.x + stop.w + 14;
    const int th = std::max(6, std::min(h - 12, 24));
    return IRect{x, (h - th) / 2, std::max(10, w - 8 - x), th};
}

int32_t MusicPlayer::VolumeAt(double x) const {
    const IRect t = VolumeTrackRect();
    const double f = std::clamp((x - t.x) / t.w, 0.0, 1.0);
    if (f < 0.03) return kMusicVolumeMin; // the very left end is silence
    if (f > 0.97) return kMusicVolumeMax; // and the right end the loudest
    return static_cast<int32_t>(std::lround((f - 1.0) * kTrackRange));
}

bool MusicPlayer::Usable() const {
    if (!Enabled()) return false;
    for (Container* c = Parent(); c;) {
        auto* control = dynamic_cast<Control*>(c);
        if (!control) break;
        if (!control->Enabled()) return false;
        c = control->Parent();
    }
    return true;
}

void MusicPlayer::Press(double x, double y) {
    const int px = static_cast<int>(std::floor(x)), py = static_cast<int>(std::floor(y));
    if (PlayButtonRect().Contains(px, py)) {
        Play();
        if (PlayStateChange) PlayStateChange();
    } else if (StopButtonRect().Contains(px, py)) {
        Stop();
        if (PlayStateChange) PlayStateChange();
    } else {
        IRect t = VolumeTrackRect();
        t.x -= 4, t.w += 8; // a little slack at the ends
        if (!t.Contains(px, py)) return;
        dragging_ = true;
        DragVolume(x);
    }
}

void MusicPlayer::DragVolume(double x) {
    const int32_t v = VolumeAt(x);
    if (v == volume_) return;
    SetVolume(v);
    if (VolumeChange) VolumeChange();
}

void MusicPlayer::Draw(Canvas& target, const IRect& clip) {
    (void)clip;
    const IRect r = ScreenRect();
    const bool usable = Usable();
    auto at = [&](IRect p) {
        p.x += r.x;
        p.y += r.y;
        return p;
    };
    target.FillRect(r, kFace);
    target.FrameRect(r, 1, kEdge);

    // Play: a triangle, lit while the tune plays.
    const IRect play = at(PlayButtonRect());
    target.FillRoundRect(play, 4, 0xF4F4F4);
    target.FrameRect(play, 1, kEdge);
    const int32_t playInk = !usable ? kGreyed : playing_ ? kLit : kDark;
    const int inset = play.w / 4;
    const int tw = play.w - 2 * inset, tx = play.x + inset + tw / 8;
    for (int row = 0; row < play.h - 2 * inset; ++row) {
        const int half = (play.h - 2 * inset) / 2;
        const int len = tw - (std::abs(row - half) * tw) / std::max(1, half);
        target.FillRect(IRect{tx, play.y + inset + row, std::max(0, len), 1}, playInk);
    }

    // Stop: a square, dark while the tune is halted.
    const IRect stop = at(StopButtonRect());
    target.FillRoundRect(stop, 4, 0xF4F4F4);
    target.FrameRect(stop, 1, kEdge);
    const int32_t stopInk = !usable ? kGreyed : playing_ ? kOff : kDark;
    target.FillRect(IRect{stop.x + stop.w / 3, stop.y + stop.h / 3, stop.w - 2 * (stop.w / 3),
                          stop.h - 2 * (stop.h / 3)},
                    stopInk);

    // Volume: a wedge of columns, filled up to the volume, with a knob.
    const IRect track = at(VolumeTrackRect());
    const double level =
        volume_ <= -kTrackRange ? 0.0 : (volume_ + kTrackRange) / double(kTrackRange);
    const int filled = static_cast<int>(std::lround(level * track.w));
    for (int i = 0; i < track.w; ++i) {
        const int colH = std::max(2, (track.h * (i + 1)) / track.w);
        const int32_t ink = i < filled ? (usable ? kBar : kGreyed) : 0xF8F8F8;
        target.FillRect(IRect{track.x + i, track.y + track.h - colH, 1, colH}, ink);
    }
    const int kx = track.x + std::clamp(filled, 0, track.w - 1);
    target.FillRect(IRect{kx - 2, track.y - 2, 5, track.h + 4}, usable ? kDark : kGreyed);
}

} // namespace forms
