// What a song sounds like: rendered straight from the sequencer's synthesizer.

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <optional>

#include "platform/case_insensitive_path.h"
#include "platform/whole_file.h"
#include "sound/media_control.h"
#include "sound/midi_file_check.h"
#include "sound/soundfont_search.h"
#include "sound/wave_format.h"
#include "sound_test_support.h"
#include "test_media.h"

namespace bv {
namespace {

// About -40 dB of full scale: far above the dither noise of a silent
// synthesizer (a unit or two), well below one plain piano note.
constexpr int kAudiblePeak = 300;
// Dither alone, with room to spare.
constexpr int kSilentPeak = 30;

class SongRender : public test::SoundTest {
protected:
    // Opens and plays song bytes and returns the loudest sample of its first second.
    int FirstSecondPeak(const std::string& song) {
        EXPECT_EQ(device().Open("song0", song), kMediaOk);
        EXPECT_EQ(device().Play("song0"), kMediaOk);
        return RenderPeak(1.0);
    }
};

TEST_F(SongRender, NothingPlayingIsSilence) {
    ASSERT_TRUE(device().HasSoundFont()) << "install the General MIDI soundfont (timgm6mb)";
    EXPECT_LT(RenderPeak(1.0), kSilentPeak);
}

TEST_F(SongRender, AGeneratedSongIsHeard) {
    ASSERT_TRUE(device().HasSoundFont()) << "install the General MIDI soundfont (timgm6mb)";
    EXPECT_GT(FirstSecondPeak(test::TinySong(800)), kAudiblePeak);
}

TEST_F(SongRender, AStoppedSongFallsSilent) {
    ASSERT_TRUE(device().HasSoundFont());
    FirstSecondPeak(test::TinySong(60000));
    ASSERT_EQ(device().Stop("song0"), kMediaOk);
    RenderPeak(2.0);  // the released notes fade out
    EXPECT_LT(RenderPeak(0.5), kSilentPeak);
}

// The bytes of a song of the generated media pack; nothing when there is no pack.
std::optional<std::string> MediaPackSong(int song) {
    const auto file = FindFileIgnoringCase(std::string(BLUVESSA_MEDIA_PACK_DIR) + "bv_song" +
                                           std::to_string(song) + ".Mid");
    if (!file) return std::nullopt;
    return ReadWholeFile(*file).bytes;
}

TEST_F(SongRender, TheMediaPackFirstSongIsHeard) {
    const auto song = MediaPackSong(0);
    if (!song) GTEST_SKIP() << "the media pack has not been generated";
    ASSERT_TRUE(device().HasSoundFont()) << "install the General MIDI soundfont (timgm6mb)";
    EXPECT_GT(FirstSecondPeak(*song), kAudiblePeak);
}

TEST_F(SongRender, EveryMediaPackSongPassesTheCheck) {
    if (!MediaPackSong(0)) GTEST_SKIP() << "the media pack has not been generated";
    for (int number = 0; number < 6; ++number) {
        const auto song = MediaPackSong(number);
        ASSERT_TRUE(song) << "bv_song" << number << ".Mid";
        EXPECT_TRUE(IsWellFormedMidi(*song)) << "bv_song" << number << ".Mid";
    }
}

struct Loudness {
    double rmsDecibels;   // of full scale
    double peakDecibels;  // of full scale
};

Loudness LoudnessOf(double sumOfSquares, std::size_t samples, int peak) {
    return {10 * std::log10(std::max(sumOfSquares, 1.0) / double(samples) / (32768.0 * 32768.0)),
            20 * std::log10(std::max(peak, 1) / 32768.0)};
}

// What is measured: the first 40 seconds of a song (its opening and first
// full section or two), as the program plays it: the sequencer's own
// synthesizer at its own gain, reverb and chorus mixed in, both channels.
// Every song is written so that this stretch stands as far below the whole
// song's level as the others' do (within a few tenths of a decibel), so
// matching the stretches matches the songs; rendering all six whole songs
// here would take half a minute.
Loudness RenderedOpening(SequencerDevice& device, const std::string& song) {
    constexpr int kSeconds = 40;
    EXPECT_EQ(device.Open("song", song), kMediaOk);
    EXPECT_EQ(device.Play("song"), kMediaOk);
    std::vector<std::int16_t> buffer(2 * static_cast<std::size_t>(device.SampleRate()));
    double sumOfSquares = 0;
    int peak = 0;
    for (int second = 0; second < kSeconds; ++second) {
        device.RenderS16(buffer);
        for (const std::int16_t s : buffer) {
            sumOfSquares += double(s) * s;
            peak = std::max(peak, std::abs(static_cast<int>(s)));
        }
    }
    std::string mode;
    device.Mode("song", mode);
    EXPECT_EQ(mode, "playing") << "a song shorter than the stretch measured";
    device.Close("song");
    return LoudnessOf(sumOfSquares, kSeconds * buffer.size(), peak);
}

// The six songs stand within a decibel of each other, loud enough to hear
// without turning up and with their peaks short of full scale; the sound
// effect, played instead of the music, stands at their level too.
TEST_F(SongRender, TheMediaPackSongsAndEffectShareOneLoudness) {
    if (!MediaPackSong(0)) GTEST_SKIP() << "the media pack has not been generated";
    ASSERT_TRUE(device().HasSoundFont()) << "install the General MIDI soundfont (timgm6mb)";
    std::vector<double> levels;
    for (int number = 0; number < 6; ++number) {
        const auto song = MediaPackSong(number);
        ASSERT_TRUE(song);
        const Loudness loudness = RenderedOpening(device(), *song);
        levels.push_back(loudness.rmsDecibels);
        EXPECT_GT(loudness.rmsDecibels, -28.0) << "bv_song" << number << " is too quiet";
        EXPECT_LT(loudness.peakDecibels, -1.0) << "bv_song" << number << " peaks too high";
    }
    const auto [quietest, loudest] = std::minmax_element(levels.begin(), levels.end());
    EXPECT_LE(*loudest - *quietest, 1.0)
        << "songs from " << *quietest << " to " << *loudest << " dB";

    const auto file = FindFileIgnoringCase(std::string(BLUVESSA_MEDIA_PACK_DIR) + "bv_soundfx.wav");
    ASSERT_TRUE(file);
    const std::string image = ReadWholeFile(*file).bytes;
    const auto wave = ParseWave(image);
    ASSERT_TRUE(wave && wave->bitsPerSample == 16);
    double sumOfSquares = 0;
    int peak = 0;
    const std::size_t count = wave->samples.size() / 2;
    for (std::size_t i = 0; i < count; ++i) {
        const auto low = static_cast<std::uint8_t>(wave->samples[2 * i]);
        const auto high = static_cast<std::uint8_t>(wave->samples[2 * i + 1]);
        const int s = static_cast<std::int16_t>(low | (high << 8));
        sumOfSquares += double(s) * s;
        peak = std::max(peak, std::abs(s));
    }
    const Loudness effect = LoudnessOf(sumOfSquares, count, peak);
    const double songs = (*loudest + *quietest) / 2;
    // The openings stand some tenths of a decibel below the whole songs.
    EXPECT_NEAR(effect.rmsDecibels, songs, 2.0) << "the effect against the songs";
    EXPECT_LT(effect.peakDecibels, -1.0);
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
