#include "sound/wave_player.h"

#include <memory>
#include <optional>

#include "sound/sound_libraries.h"
#include "sound/wave_format.h"
#include "sound/wave_loop.h"

namespace bv {
namespace {

// SDL's audio subsystem, initialised for as long as this lives. SDL is told
// to leave the process's signal handlers alone: they belong to the toolkit.
class SdlAudioSubsystem {
public:
    SdlAudioSubsystem() : sdl_(SdlLibrary()) {
        if (sdl_ == nullptr) return;
        sdl_->SDL_SetHint(SDL_HINT_NO_SIGNAL_HANDLERS, "1");
        ready_ = sdl_->SDL_InitSubSystem(SDL_INIT_AUDIO) == 0;
    }
    ~SdlAudioSubsystem() {
        if (ready_) sdl_->SDL_QuitSubSystem(SDL_INIT_AUDIO);
    }
    SdlAudioSubsystem(const SdlAudioSubsystem&) = delete;
    SdlAudioSubsystem& operator=(const SdlAudioSubsystem&) = delete;

    bool ready() const { return ready_; }

private:
    const SdlFunctions* sdl_;
    bool ready_ = false;
};

// An open audio output device, closed (which waits for its callback to
// return) when this goes. Made only once the audio subsystem is ready.
class SdlAudioDevice {
public:
    explicit SdlAudioDevice(const SDL_AudioSpec& wanted) {
        SDL_AudioSpec obtained{};
        // No changes allowed: SDL converts our format to whatever the output uses.
        id_ = SdlLibrary()->SDL_OpenAudioDevice(nullptr, 0, &wanted, &obtained, 0);
    }
    ~SdlAudioDevice() {
        if (id_ != 0) SdlLibrary()->SDL_CloseAudioDevice(id_);
    }
    SdlAudioDevice(const SdlAudioDevice&) = delete;
    SdlAudioDevice& operator=(const SdlAudioDevice&) = delete;

    bool open() const { return id_ != 0; }
    void Start() { SdlLibrary()->SDL_PauseAudioDevice(id_, 0); }

private:
    SDL_AudioDeviceID id_ = 0;
};

// One playing loop; the members go in reverse order, so the device stops
// pulling before the loop it pulls from is gone.
class LoopingWave {
public:
    explicit LoopingWave(const WavePcm& pcm)
        : loop_(pcm.samples, pcm.bitsPerSample == 8 ? 0x80 : 0x00) {
        if (!audio_.ready()) return;
        device_.emplace(SpecFor(pcm));
        if (device_->open()) device_->Start();
    }

    bool playing() const { return device_ && device_->open(); }

private:
    static void Pull(void* loop, Uint8* stream, int length) {
        static_cast<WaveLoop*>(loop)->Pull({stream, static_cast<std::size_t>(length)});
    }

    SDL_AudioSpec SpecFor(const WavePcm& pcm) {
        SDL_AudioSpec spec{};
        spec.freq = pcm.sampleRate;
        spec.format = pcm.bitsPerSample == 8 ? AUDIO_U8 : AUDIO_S16LSB;
        spec.channels = static_cast<Uint8>(pcm.channels);
        spec.samples = 2048;
        spec.callback = Pull;
        spec.userdata = &loop_;
        return spec;
    }

    SdlAudioSubsystem audio_;
    WaveLoop loop_;
    std::optional<SdlAudioDevice> device_;
};

std::unique_ptr<LoopingWave>& CurrentLoop() {
    static std::unique_ptr<LoopingWave> loop;
    return loop;
}

}  // namespace

bool PlayLoopingWave(std::string_view waveImage) {
    StopLoopingWave();
    const auto pcm = ParseWave(waveImage);
    if (!pcm) return false;
    auto loop = std::make_unique<LoopingWave>(*pcm);
    if (!loop->playing()) return false;
    CurrentLoop() = std::move(loop);
    return true;
}

void StopLoopingWave() {
    CurrentLoop().reset();
}

bool IsWavePlaying() {
    return CurrentLoop() != nullptr;
}

}  // namespace bv
