#pragma once
// The full-screen run's sound: music (the enabled songs in turn, the current
// one looked at by the form's music timer) or the looping sound effect, by
// SoundMode.

class QTimer;

namespace bv {

// The music timer's interval: how often the current song is looked at.
inline constexpr int kMusicCheckIntervalMs = 10000;

// Starts the sound, as the saver form's initialisation does. For music it
// opens every enabled song, enables musicTimer and plays the first enabled
// song that will play; when none will, musicTimer is disabled again and the
// run is silent. For the sound effect it loads AssetDir + "bv_soundfx.wav"
// and loops it. Has no failure handler of its own: a failure goes to the
// caller's.
void StartSound(QTimer& musicTimer);

// The song check on every tick of musicTimer: once the current song has
// stopped, plays the next enabled song that will play, passing over any that
// will not; when none will, disables musicTimer and the run goes on silent.
void MusicTimer_Timer(QTimer& musicTimer);

// The end of a full-screen run: stops and closes every song alias, or stops
// the looping sound effect.
void StopSoundAtEnd();

}  // namespace bv
