#pragma once
// The MIDI sequencer behind the media-control commands: one synthesizer with
// the General MIDI soundfont and one song per alias.
//
// With speakers the sound goes through the first audio output that opens
// (the user's sound server, then the sound card); the output is held only
// while at least one alias is open. Where none opens the songs still play,
// silently, in real time, so that their ends come as they would with sound.
// Without speakers nothing renders unless RenderS16 is called, and a song
// moves on only by what is rendered: tests drive its end that way.

#include <map>
#include <mutex>
#include <span>
#include <string>
#include <vector>

#include "sound/fluid_handles.h"
#include "sound/media_error.h"

namespace bv {

class SequencerDevice {
public:
    enum class Output { kSpeakers, kNone };

    // An empty or unusable soundfont path gives a device whose every open
    // fails. With speakers, the FluidSynth audio drivers are tried in the
    // order given; the sound server comes first because it mixes the songs
    // with everything else the user hears.
    SequencerDevice(const std::string& soundFontPath, Output output,
                    std::vector<std::string> audioDrivers = {"pulseaudio", "alsa", "oss"});
    ~SequencerDevice();
    SequencerDevice(const SequencerDevice&) = delete;
    SequencerDevice& operator=(const SequencerDevice&) = delete;

    bool HasSoundFont() const { return hasSoundFont_; }
    bool HasAudioOutput() const { return driver_ != nullptr; }
    int SampleRate() const { return sampleRate_; }

    // song: the bytes of a MIDI file already checked by IsWellFormedMidi.
    MediaError Open(const std::string& alias, std::string song);
    // Starts the song from its beginning and returns at once.
    MediaError Play(const std::string& alias);
    // mode: "playing" while the song plays, "stopped" once it has ended, was
    // stopped or was never started.
    MediaError Mode(const std::string& alias, std::string& mode);
    MediaError Stop(const std::string& alias);
    MediaError Close(const std::string& alias);

    // Renders interleaved stereo frames; whatever plays moves on by as much.
    void RenderS16(std::span<std::int16_t> interleavedStereo);

private:
    struct Song {
        std::string bytes;
        FluidPlayer player;  // made afresh by every play
    };

    static int RenderForDriver(void* device, int frames, int effectCount, float* effects[],
                               int outputCount, float* outputs[]);
    void OpenAudioOutput();
    Song* Find(const std::string& alias);

    const Output output_;
    const std::vector<std::string> audioDrivers_;
    FluidSettings settings_;
    FluidSynth synth_;
    bool hasSoundFont_ = false;
    bool silentRealTime_ = false;  // speakers wanted, none would open
    int sampleRate_ = 44100;

    // Held by the audio thread while it renders, and by every change to the
    // songs' players, which the rendering drives.
    std::mutex renderMutex_;
    std::map<std::string, Song> songs_;

    // Last, so that it stops calling back before anything above goes away.
    FluidAudioDriver driver_;
};

}  // namespace bv
