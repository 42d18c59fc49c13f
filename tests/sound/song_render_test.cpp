// What a song sounds like: rendered straight from the sequencer's synthesizer.

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>

#include "sound/load_sound.h"
#include "sound/media_control.h"
#include "sound/soundfont_search.h"
#include "sound/wave_format.h"
#include "sound/wave_player.h"
#include "sound_test_support.h"

namespace bv {
namespace {

// About -40 dB of full scale: far above the dither noise of a silent
// synthesizer (a unit or two), well below one plain piano note.
constexpr int kAudiblePeak = 300;
// Dither alone, with room to spare.
constexpr int kSilentPeak = 30;

class SongRender : public test::SoundTest {};

// Nothing playing is silence; a song is heard from its first second; a
// stopped song's released notes fade out to silence.
TEST_F(SongRender, ASongIsHeardUntilItIsStopped) {
    ASSERT_TRUE(device().HasSoundFont()) << "install the General MIDI soundfont (timgm6mb)";
    EXPECT_LT(RenderPeak(1.0), kSilentPeak);
    ASSERT_EQ(device().Open("song0", test::TinySong(60000)), kMediaOk);
    ASSERT_EQ(device().Play("song0"), kMediaOk);
    EXPECT_GT(RenderPeak(1.0), kAudiblePeak);
    ASSERT_EQ(device().Stop("song0"), kMediaOk);
    RenderPeak(2.0);
    EXPECT_LT(RenderPeak(0.5), kSilentPeak);
}

// The level of a stretch of 16-bit sound, in decibels of full scale.
struct Loudness {
    double sumOfSquares = 0;
    std::size_t count = 0;
    int peak = 0;

    void Add(int sample) {
        sumOfSquares += double(sample) * sample;
        ++count;
        peak = std::max(peak, std::abs(sample));
    }
    double Rms() const {
        return 10 * std::log10(std::max(sumOfSquares, 1.0) / double(count) / (32768.0 * 32768.0));
    }
    double Peak() const { return 20 * std::log10(std::max(peak, 1) / 32768.0); }
};

// What is measured: the first 40 seconds of a song (its opening and first
// full section or two), as the program plays it: the sequencer's own
// synthesizer at its own gain, reverb and chorus mixed in, both channels.
// Every song is written so that this stretch stands as far below the whole
// song's level as the others' do (within a few tenths of a decibel), so
// matching the stretches matches the songs; rendering all six whole songs
// here would take half a minute.
Loudness RenderedOpening(SequencerDevice& device, const std::string& song) {
    EXPECT_EQ(device.Open("song", song), kMediaOk);
    EXPECT_EQ(device.Play("song"), kMediaOk);
    std::vector<std::int16_t> buffer(2 * static_cast<std::size_t>(device.SampleRate()));
    Loudness loudness;
    for (int second = 0; second < 40; ++second) {
        device.RenderS16(buffer);
        for (const std::int16_t s : buffer) loudness.Add(s);
    }
    std::string mode;
    device.Mode("song", mode);
    EXPECT_EQ(mode, "playing") << "a song shorter than the stretch measured";
    device.Close("song");
    return loudness;
}

// The six songs stand within a decibel of each other, loud enough to hear
// without turning up and with their peaks short of full scale; the sound
// effect, loaded and played as the program does instead of the music,
// stands at their level too.
TEST_F(SongRender, TheMediaPackSongsAndEffectShareOneLoudness) {
    const std::string pack = BLUVESSA_MEDIA_PACK_DIR;
    if (test::ReadBytes(pack + "bv_song0.Mid").empty()) GTEST_SKIP() << "no media pack made";
    ASSERT_TRUE(device().HasSoundFont()) << "install the General MIDI soundfont (timgm6mb)";
    std::vector<double> levels;
    for (int number = 0; number < 6; ++number) {
        const std::string song =
            test::ReadBytes(pack + "bv_song" + std::to_string(number) + ".Mid");
        const Loudness loudness = RenderedOpening(device(), song);
        levels.push_back(loudness.Rms());
        EXPECT_GT(loudness.Rms(), -28.0) << "bv_song" << number << " is too quiet";
        EXPECT_LT(loudness.Peak(), -1.0) << "bv_song" << number << " peaks too high";
    }
    const auto [quietest, loudest] = std::minmax_element(levels.begin(), levels.end());
    EXPECT_LE(*loudest - *quietest, 1.0)
        << "songs from " << *quietest << " to " << *loudest << " dB";

    const std::string image = LoadSound(pack + "bv_soundfx.wav");
    EXPECT_TRUE(PlayLoopingWave(image));
    const auto wave = ParseWave(image);
    ASSERT_TRUE(wave && wave->bitsPerSample == 16);
    Loudness effect;
    for (std::size_t i = 0; i + 1 < wave->samples.size(); i += 2)
        effect.Add(static_cast<std::int16_t>(static_cast<std::uint8_t>(wave->samples[i]) |
                                             static_cast<std::uint8_t>(wave->samples[i + 1]) << 8));
    // The openings stand some tenths of a decibel below the whole songs.
    EXPECT_NEAR(effect.Rms(), (*loudest + *quietest) / 2, 2.0) << "the effect against the songs";
    EXPECT_LT(effect.Peak(), -1.0);
}

// On a machine without sound the songs still play (silently, in real time):
// the run goes on with the same song check.
TEST_F(SongRender, WithNoAudioOutputSongsStillPlay) {
    auto unheard = std::make_unique<SequencerDevice>(
        FindSoundFont(), SequencerDevice::Output::kSpeakers, std::vector<std::string>{"none"});
    const SequencerDevice& device = *unheard;
    UseSequencerDevice(std::move(unheard));
    WriteMedia("bv_song1.Mid", test::TinySong(60000));
    ASSERT_EQ(Send("open \"" + MediaPath("bv_song1.Mid") + "\" type sequencer alias song1"), "");
    EXPECT_FALSE(device.HasAudioOutput());
    ASSERT_EQ(Send("play song1 from 0"), "");
    EXPECT_EQ(Send("status song1 mode"), "playing");
    EXPECT_EQ(Send("stop song1"), "");
    EXPECT_EQ(Send("status song1 mode"), "stopped");
    EXPECT_EQ(Send("close song1"), "");
}

}  // namespace
}  // namespace bv
