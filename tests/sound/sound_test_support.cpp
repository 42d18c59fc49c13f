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
