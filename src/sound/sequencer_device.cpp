#include "sound/sequencer_device.h"

#include <array>
#include <cstdlib>
#include <utility>

#include "sound/sound_libraries.h"

namespace bv {
namespace {

// Called only once the library is open: where a settings, synthesizer or
// player object exists.
const FluidSynthFunctions& Fluid() {
    return *FluidSynthLibrary();
}

// FluidSynth reports every audio output it fails to open; on a machine with no
// sound that is expected, so its messages show only when asked for.
void QuietFluidSynthLog() {
    static const bool quieted = [] {
        const bool show = std::getenv("BLUVESSA_SOUND_LOG") != nullptr;
        for (int level = FLUID_PANIC; level <= FLUID_DBG; ++level)
            Fluid().fluid_set_log_function(
                level, show ? Fluid().fluid_default_log_function : nullptr, nullptr);
        return true;
    }();
    (void)quieted;
}

// Where no audio output opened nothing renders, so the events of a song that
// keeps time silently go nowhere instead of piling up in the synthesizer.
int DiscardEvent(void*, fluid_midi_event_t*) {
    return FLUID_OK;
}

}  // namespace

SequencerDevice::SequencerDevice(const std::string& soundFontPath, Output output,
                                 std::vector<std::string> audioDrivers)
    : output_(output), audioDrivers_(std::move(audioDrivers)) {
    if (FluidSynthLibrary() == nullptr) return;  // no synthesizer, no songs
    QuietFluidSynthLog();
    settings_.reset(Fluid().new_fluid_settings());
    if (!settings_) return;
    // Larger periods than FluidSynth's default: a screen saver needs no low latency.
    Fluid().fluid_settings_setint(settings_.get(), "audio.period-size", 512);
    synth_.reset(Fluid().new_fluid_synth(settings_.get()));
    if (!synth_) return;
    double rate = 44100.0;
    if (Fluid().fluid_settings_getnum(settings_.get(), "synth.sample-rate", &rate) == FLUID_OK)
        sampleRate_ = static_cast<int>(rate);
    hasSoundFont_ =
        !soundFontPath.empty() && Fluid().fluid_is_soundfont(soundFontPath.c_str()) &&
        Fluid().fluid_synth_sfload(synth_.get(), soundFontPath.c_str(), 1) != FLUID_FAILED;
}

SequencerDevice::~SequencerDevice() {
    driver_.reset();  // no rendering from here on, so nothing needs the lock
    songs_.clear();
}

int SequencerDevice::RenderForDriver(void* device, int frames, int effectCount, float* effects[],
                                     int outputCount, float* outputs[]) {
    auto* self = static_cast<SequencerDevice*>(device);
    std::lock_guard lock(self->renderMutex_);
    if (effectCount == 0 && outputCount >= 2) {
        // Reverb and chorus are mixed into the dry output.
        std::array<float*, 4> mixed = {outputs[0], outputs[1], outputs[0], outputs[1]};
        return Fluid().fluid_synth_process(self->synth_.get(), frames,
                                           static_cast<int>(mixed.size()), mixed.data(),
                                           outputCount, outputs);
    }
    return Fluid().fluid_synth_process(self->synth_.get(), frames, effectCount, effects,
                                       outputCount, outputs);
}

// Players read the timing source when they are made, and none exists while no
// alias is open, which is the only time the output changes.
void SequencerDevice::OpenAudioOutput() {
    if (output_ == Output::kSpeakers) {
        for (const std::string& name : audioDrivers_) {
            Fluid().fluid_settings_setstr(settings_.get(), "audio.driver", name.c_str());
            driver_.reset(Fluid().new_fluid_audio_driver2(settings_.get(), RenderForDriver, this));
            if (driver_) break;
        }
    }
    silentRealTime_ = output_ == Output::kSpeakers && !driver_;
    Fluid().fluid_settings_setstr(settings_.get(), "player.timing-source",
                                  silentRealTime_ ? "system" : "sample");
}

SequencerDevice::Song* SequencerDevice::Find(const std::string& alias) {
    const auto found = songs_.find(alias);
    return found == songs_.end() ? nullptr : &found->second;
}

MediaError SequencerDevice::Open(const std::string& alias, std::string song) {
    if (!hasSoundFont_) return kMediaNoSoundFont;
    if (Find(alias)) return kMediaDuplicateAlias;
    if (songs_.empty()) OpenAudioOutput();
    std::lock_guard lock(renderMutex_);
    songs_.emplace(alias, Song{std::move(song), nullptr});
    return kMediaOk;
}

MediaError SequencerDevice::Play(const std::string& alias) {
    std::lock_guard lock(renderMutex_);
    Song* song = Find(alias);
    if (!song) return kMediaUnknownAlias;
    song->player.reset();
    FluidPlayer player(Fluid().new_fluid_player(synth_.get()));
    if (player && silentRealTime_)
        Fluid().fluid_player_set_playback_callback(player.get(), DiscardEvent, nullptr);
    if (!player ||
        Fluid().fluid_player_add_mem(player.get(), song->bytes.data(), song->bytes.size()) !=
            FLUID_OK ||
        Fluid().fluid_player_play(player.get()) != FLUID_OK)
        return kMediaHardwareFailure;
    song->player = std::move(player);
    return kMediaOk;
}

MediaError SequencerDevice::Mode(const std::string& alias, std::string& mode) {
    std::lock_guard lock(renderMutex_);
    const Song* song = Find(alias);
    if (!song) return kMediaUnknownAlias;
    const bool playing =
        song->player && Fluid().fluid_player_get_status(song->player.get()) == FLUID_PLAYER_PLAYING;
    mode = playing ? "playing" : "stopped";
    return kMediaOk;
}

MediaError SequencerDevice::Stop(const std::string& alias) {
    std::lock_guard lock(renderMutex_);
    Song* song = Find(alias);
    if (!song) return kMediaUnknownAlias;
    if (song->player) {
        Fluid().fluid_player_stop(song->player.get());
        Fluid().fluid_synth_all_notes_off(synth_.get(), -1);  // no note is left hanging
    }
    return kMediaOk;
}

MediaError SequencerDevice::Close(const std::string& alias) {
    {
        std::lock_guard lock(renderMutex_);
        const auto found = songs_.find(alias);
        if (found == songs_.end()) return kMediaUnknownAlias;
        if (found->second.player) Fluid().fluid_synth_all_notes_off(synth_.get(), -1);
        songs_.erase(found);
    }
    // Outside the lock: closing the output waits for its thread, which may be
    // waiting for the lock.
    if (songs_.empty()) driver_.reset();
    return kMediaOk;
}

void SequencerDevice::RenderS16(std::span<std::int16_t> interleavedStereo) {
    std::lock_guard lock(renderMutex_);
    const int frames = static_cast<int>(interleavedStereo.size() / 2);
    if (!synth_ || frames == 0) return;
    Fluid().fluid_synth_write_s16(synth_.get(), frames, interleavedStereo.data(), 0, 2,
                                  interleavedStereo.data(), 1, 2);
}

}  // namespace bv
