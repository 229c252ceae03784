#include "forms/sound_channel.h"

#include "forms/clock.h"
#include "forms/files.h"
#include "forms/lang.h"
#include "forms/runtime_internal.h"

#include <SDL.h>
#include <SDL_mixer.h>

#include <algorithm>
#include <cmath>
#include <cstring>
#include <vector>

namespace forms {

namespace {

constexpr size_t historyLimit = 64;

// The runtime's clock, so that a virtual clock in tests also times the sounds.
double ClockMs() {
    return static_cast<double>(GetClock().NowMs());
}

struct AudioState {
    bool tried = false;
    bool open = false;
    int frequency = 0;
    int bytesPerMs = 0; // per millisecond of the device's format, whole frames
    int frameBytes = 0;
    std::vector<bool> channelsInUse;
};

AudioState& Audio() {
    static AudioState state;
    return state;
}

// Every channel, so that sounds opened before the device can reach the mixer once it is open.
std::vector<SoundChannel*>& Channels() {
    static std::vector<SoundChannel*> all;
    return all;
}

bool deferredOpenQueued = false;

// Called on the mixer's thread: a loop waiting for the sound to end wakes.
void ChannelFinished(int) {
    backend::PostWake();
}

int TakeMixerChannel() {
    auto& used = Audio().channelsInUse;
    for (size_t i = 0; i < used.size(); ++i)
        if (!used[i]) {
            used[i] = true;
            return static_cast<int>(i);
        }
    used.push_back(true);
    if (Audio().open) Mix_AllocateChannels(static_cast<int>(used.size()));
    return static_cast<int>(used.size()) - 1;
}

void GiveBackMixerChannel(int channel) {
    auto& used = Audio().channelsInUse;
    if (channel >= 0 && channel < static_cast<int>(used.size())) used[channel] = false;
}

uint32_t Le32(const std::vector<uint8_t>& b, size_t at) {
    return b[at] | (b[at + 1] << 8) | (b[at + 2] << 16) | (static_cast<uint32_t>(b[at + 3]) << 24);
}
uint16_t Le16(const std::vector<uint8_t>& b, size_t at) {
    return static_cast<uint16_t>(b[at] | (b[at + 1] << 8));
}

} // namespace

struct SoundChannel::Samples {
    Mix_Chunk* chunk = nullptr;
    Mix_Chunk view{};           // what plays: the chunk from the starting frame on
    std::vector<uint8_t> bytes; // the file, until the device opens
    double startedFromMs = 0;   // where the last start meanwhile began
    ~Samples() {
        if (chunk) Mix_FreeChunk(chunk);
    }
};

bool EnsureAudioOpen() {
    AudioState& a = Audio();
    if (a.tried) return a.open;
    a.tried = true;
    if (SDL_WasInit(SDL_INIT_AUDIO) == 0 && SDL_InitSubSystem(SDL_INIT_AUDIO) != 0) {
        SDL_Log("No audio device (%s): sounds are silent.", SDL_GetError());
        return false;
    }
    if (Mix_OpenAudio(44100, MIX_DEFAULT_FORMAT, 2, 1024) != 0) {
        SDL_Log("No audio device (%s): sounds are silent.", Mix_GetError());
        SDL_QuitSubSystem(SDL_INIT_AUDIO);
        return false;
    }
    int freq = 0, channels = 0;
    Uint16 format = 0;
    Mix_QuerySpec(&freq, &format, &channels);
    a.frequency = freq;
    a.frameBytes = (SDL_AUDIO_BITSIZE(format) / 8) * channels;
    a.bytesPerMs = freq * a.frameBytes / 1000;
    a.open = true;
    Mix_AllocateChannels(std::max<int>(8, static_cast<int>(a.channelsInUse.size())));
    Mix_ChannelFinished(ChannelFinished);
    return true;
}

// Opening the device takes long (the sound servers and drivers are tried in turn), so during the
// program's start-up it waits for the first screen. Sounds opened meanwhile keep their bytes and
// their clock; one still playing by its clock then starts on the mixer from where it was started,
// so the whole of it is heard (its clock starts again with it, a moment later).
void OpenDeferredAudio() {
    deferredOpenQueued = false;
    EnsureAudioOpen();
    for (SoundChannel* c : Channels())
        c->LoadPending();
}

namespace {
bool DeferAudio() {
    if (Audio().tried || !detail::Starting()) return false;
    if (!deferredOpenQueued) {
        deferredOpenQueued = true;
        detail::WhenStarted(OpenDeferredAudio);
    }
    return true;
}
} // namespace

double WaveLengthMs(const std::vector<uint8_t>& b) {
    if (b.size() < 12 || std::memcmp(b.data(), "RIFF", 4) != 0 ||
        std::memcmp(b.data() + 8, "WAVE", 4) != 0)
        return -1;
    uint32_t byteRate = 0;
    size_t at = 12;
    while (at + 8 <= b.size()) {
        uint32_t size = Le32(b, at + 4);
        size_t body = at + 8;
        if (std::memcmp(b.data() + at, "fmt ", 4) == 0 && body + 16 <= b.size()) {
            if (Le16(b, body) != 1 && Le16(b, body) != 0xFFFE) return -1; // not PCM
            byteRate = Le32(b, body + 8);
        } else if (std::memcmp(b.data() + at, "data", 4) == 0) {
            if (byteRate == 0) return -1;
            // A truncated file plays what it holds.
            size_t available = std::min<size_t>(size, b.size() - body);
            return available * 1000.0 / byteRate;
        }
        at = body + size + (size & 1);
    }
    return -1;
}

SoundChannel::SoundChannel() : mixChannel_(TakeMixerChannel()) {
    Channels().push_back(this);
}

SoundChannel::~SoundChannel() {
    Close();
    GiveBackMixerChannel(mixChannel_);
    std::erase(Channels(), this);
}

void SoundChannel::Remember(const std::string& entry) {
    history_.push_back(entry);
    if (history_.size() > historyLimit) history_.pop_front();
}

void SoundChannel::SetFileName(const std::string& name) {
    fileName_ = name;
    Remember("FileName=" + name);
}

void SoundChannel::SetCommand(const std::string& command) {
    Remember(command);
    Settle();
    std::string c = UCase(command);
    if (c == "OPEN")
        Open();
    else if (c == "STOP")
        Stop();
    else if (c == "CLOSE")
        Close();
    else if (c == "PREV")
        Rewind();
    else if (c == "PLAY")
        Play();
}

int SoundChannel::Mode() {
    Settle();
    return mode_;
}

void SoundChannel::Settle() {
    if (mode_ == mciModePlay && ClockMs() - startedAt_ >= lengthMs_) {
        mode_ = mciModeStop;
        positionMs_ = lengthMs_;
        detail::SetWakeAt(this, -1);
    }
}

void SoundChannel::LoadPending() {
    if (!samples_ || samples_->chunk || samples_->bytes.empty()) return;
    std::vector<uint8_t> bytes = std::move(samples_->bytes);
    samples_->bytes.clear();
    if (!Audio().open) return;
    SDL_RWops* rw = SDL_RWFromConstMem(bytes.data(), static_cast<int>(bytes.size()));
    samples_->chunk = rw ? Mix_LoadWAV_RW(rw, 1) : nullptr;
    Settle(); // ended by its clock meanwhile: it stays ended, as the program saw it
    if (samples_->chunk && mode_ == mciModePlay) StartMixer(samples_->startedFromMs);
}

bool SoundChannel::Open() {
    std::vector<uint8_t> bytes;
    try {
        bytes = ReadAllBytes(fileName_);
    } catch (...) {
        return false; // missing or unreadable: nothing changes
    }
    double length = WaveLengthMs(bytes);
    if (length < 0) return false;
    Mix_Chunk* chunk = nullptr;
    const bool deferred = DeferAudio();
    if (!deferred && EnsureAudioOpen()) {
        SDL_RWops* rw = SDL_RWFromConstMem(bytes.data(), static_cast<int>(bytes.size()));
        chunk = rw ? Mix_LoadWAV_RW(rw, 1) : nullptr;
        if (!chunk) return false;
    }
    Close();
    if (chunk || deferred) {
        samples_ = std::make_unique<Samples>();
        samples_->chunk = chunk;
        if (deferred) samples_->bytes = std::move(bytes);
    }
    lengthMs_ = length;
    positionMs_ = 0;
    mode_ = mciModeStop;
    return true;
}

void SoundChannel::Close() {
    HaltMixer();
    detail::SetWakeAt(this, -1);
    samples_.reset();
    lengthMs_ = 0;
    positionMs_ = 0;
    mode_ = mciModeNotOpen;
}

void SoundChannel::Stop() {
    if (mode_ != mciModePlay) return;
    HaltMixer();
    detail::SetWakeAt(this, -1);
    positionMs_ = std::min(lengthMs_, ClockMs() - startedAt_);
    mode_ = mciModeStop;
}

void SoundChannel::Rewind() {
    if (mode_ == mciModeNotOpen) return;
    if (mode_ == mciModePlay) {
        StartMixer(0); // rewinding a playing sound plays it again from its start
        return;
    }
    positionMs_ = 0;
}

void SoundChannel::Play() {
    if (mode_ != mciModeStop) return; // not open, or already playing
    // Played to its end, the sound starts again from the beginning.
    StartMixer(positionMs_ >= lengthMs_ ? 0 : positionMs_);
}

void SoundChannel::StartMixer(double fromMs) {
    HaltMixer();
    startedAt_ = ClockMs() - fromMs;
    mode_ = mciModePlay;
    // The loop wakes when the sound's time is up, for whoever waits on Mode().
    detail::SetWakeAt(this, static_cast<int64_t>(std::ceil(startedAt_ + lengthMs_)));
    if (samples_ && !samples_->chunk) samples_->startedFromMs = fromMs;
    if (!samples_ || !samples_->chunk || !Audio().open) return;
    Mix_Chunk* chunk = samples_->chunk;
    AudioState& a = Audio();
    // Start part-way by playing a view of the chunk's samples from that frame on.
    Uint32 offset = static_cast<Uint32>(fromMs * a.bytesPerMs);
    if (a.frameBytes > 0) offset -= offset % a.frameBytes;
    if (offset >= chunk->alen) return;
    Mix_Chunk& view = samples_->view;
    view = *chunk;
    view.allocated = 0;
    view.abuf = chunk->abuf + offset;
    view.alen = chunk->alen - offset;
    Mix_PlayChannel(mixChannel_, &view, 0);
}

void SoundChannel::HaltMixer() {
    if (Audio().open && mixChannel_ >= 0 && mixChannel_ < Mix_AllocateChannels(-1))
        Mix_HaltChannel(mixChannel_);
}

} // namespace forms
