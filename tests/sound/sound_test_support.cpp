#include "sound_test_support.h"

#include <stdlib.h>

#include <QCoreApplication>
#include <algorithm>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <memory>

#include "errors/error_code.h"
#include "settings/settings_globals.h"
#include "sound/media_control.h"
#include "sound/sound_control.h"
#include "sound/sound_state.h"
#include "sound/soundfont_search.h"
#include "sound/wave_player.h"

namespace bv::test {

namespace {

// value in width bytes, least significant first, or most significant first.
std::string Bytes(std::uint32_t value, int width, bool bigEndian = false) {
    std::string out;
    for (int i = 0; i < width; ++i)
        out.push_back(static_cast<char>(value >> (8 * (bigEndian ? width - 1 - i : i))));
    return out;
}

}  // namespace

std::string TinySong(int noteMs, int key) {
    // 480 ticks a beat at the default 500 milliseconds a beat.
    std::uint32_t ticks = static_cast<std::uint32_t>(noteMs * 480 / 500);
    std::string length(1, static_cast<char>(ticks & 0x7F));  // a variable-length number
    while (ticks >>= 7) length.insert(length.begin(), static_cast<char>(0x80 | (ticks & 0x7F)));
    const std::string track = std::string("\0\xC0\0\0\x90", 5) + static_cast<char>(key) +
                              static_cast<char>(100) + length + static_cast<char>(0x80) +
                              static_cast<char>(key) + std::string("\0\0\xFF\x2F\0", 5);
    return std::string("MThd\0\0\0\6\0\0\0\1\x01\xE0MTrk", 18) +
           Bytes(static_cast<std::uint32_t>(track.size()), 4, true) + track;
}

std::string WaveImage(const WaveSpec& spec) {
    const int frameBytes = spec.channels * spec.bitsPerSample / 8;
    const std::string format = Bytes(spec.formatTag, 2) + Bytes(spec.channels, 2) +
                               Bytes(spec.sampleRate, 4) + Bytes(spec.sampleRate * frameBytes, 4) +
                               Bytes(frameBytes, 2) + Bytes(spec.bitsPerSample, 2);
    const std::string body =
        "WAVEfmt " + Bytes(16, 4) + format + "LIST" + Bytes(7, 4) + std::string("INFOnot\0", 8) +
        "data" +
        Bytes(spec.declaredDataSize.value_or(static_cast<std::uint32_t>(spec.samples.size())), 4) +
        spec.samples;
    return "RIFF" + Bytes(static_cast<std::uint32_t>(body.size()), 4) + body;
}

std::string RampSamples16(int count) {
    std::string samples;
    for (int i = 0; i < count; ++i) samples += Bytes(static_cast<std::uint32_t>(i * 37 - 3000), 2);
    return samples;
}

void EnsureQtCoreApplication() {
    static int argc = 1;
    static char name[] = "sound_tests";
    static char* argv[] = {name, nullptr};
    static QCoreApplication application(argc, argv);
}

SoundTest::SoundTest() {
    EnsureQtCoreApplication();
    // The effect goes nowhere, however the tests are started.
    setenv("SDL_AUDIODRIVER", "dummy", 0);
    AssetDir = media_.path();
    RunMode = kRunModeScreenSaver;
    SoundMode = kSoundMusic;
    musicTimer_.setInterval(kMusicCheckIntervalMs);

    auto device =
        std::make_unique<SequencerDevice>(FindSoundFont(), SequencerDevice::Output::kNone);
    device_ = device.get();
    UseSequencerDevice(std::move(device));
}

SoundTest::~SoundTest() {
    StopLoopingWave();
    UseSequencerDevice(nullptr);
}

void SoundTest::WriteMedia(const std::string& name, const std::string& bytes) {
    WriteBytes(MediaPath(name), bytes);
}

void SoundTest::EnableSongs(std::initializer_list<int> songs) {
    for (int song : songs) SongEnabled.at(song) = kTrue;
}

std::string SoundTest::Send(const std::string& command) {
    std::string reply = "left over";
    const Long result = mciSendString(command, reply);
    return result == 0 ? reply : "error " + std::to_string(result);
}

bool SoundTest::RenderUntilStopped(int song) {
    const std::string status = "status song" + std::to_string(song) + " mode";
    constexpr int kTenthsOfASecond = 600;
    for (int tenth = 0; tenth < kTenthsOfASecond; ++tenth) {
        if (Send(status) == "stopped") return true;
        RenderPeak(0.1);
    }
    return false;
}

int SoundTest::RenderPeak(double seconds) {
    std::vector<std::int16_t> buffer(2 * static_cast<std::size_t>(seconds * device_->SampleRate()));
    device_->RenderS16(buffer);
    int peak = 0;
    for (std::int16_t sample : buffer) peak = std::max(peak, std::abs(static_cast<int>(sample)));
    return peak;
}

}  // namespace bv::test
