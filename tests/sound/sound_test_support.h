#pragma once
// What the sound tests share: song and wave files made by the tests
// themselves, a scratch media folder, a recorder for reported failures, and a
// sequencer without audio output whose clock the test drives.

#include <gtest/gtest.h>

#include <QTimer>
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "sound/sequencer_device.h"
#include "test_support.h"

namespace bv::test {

// A one-track MIDI file (120 beats a minute, 480 ticks a beat): a piano
// program change and one note of key held for noteMs milliseconds.
std::string TinySong(int noteMs, int key = 60);

struct WaveSpec {
    int sampleRate = 8000;
    int channels = 1;
    int bitsPerSample = 16;
    int formatTag = 1;  // PCM
    std::string samples;
    // The data chunk's size as the header states it; the real size when unset.
    std::optional<std::uint32_t> declaredDataSize;
};

// A RIFF/WAVE image: "fmt " chunk, a "LIST" chunk of odd size (so padded) to
// pass over, then "data".
std::string WaveImage(const WaveSpec& spec);

// Distinct 16-bit sample values, little-endian, so that any gap or repeat in
// a copy shows.
std::string RampSamples16(int count);

// QTimer needs an application object on the thread to run at all.
void EnsureQtCoreApplication();

// The media folder is a scratch folder (AssetDir), the sound globals start
// afresh for a full-screen run, and mciSendString talks to a sequencer that
// renders only when the test says so.
class SoundTest : public ::testing::Test {
protected:
    SoundTest();
    ~SoundTest() override;

    void WriteMedia(const std::string& name, const std::string& bytes);
    std::string MediaPath(const std::string& name) const { return media_.path() + name; }
    void EnableSongs(std::initializer_list<int> songs);

    // Sends a media-control command and returns its reply, or "error <result>".
    std::string Send(const std::string& command);
    // Renders until the song stops on its own (at most a minute of sound);
    // true when it did.
    bool RenderUntilStopped(int song);
    // Renders seconds of sound and returns the largest sample magnitude.
    int RenderPeak(double seconds);

    SequencerDevice& device() { return *device_; }

    ScratchFolder media_;
    ErrorRecorder errors_;
    QTimer musicTimer_;

private:
    SequencerDevice* device_ = nullptr;  // owned by the media control
};

}  // namespace bv::test
