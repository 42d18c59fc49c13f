#pragma once
// The looping sound effect: a wave file image held in memory, played on the
// default audio output over and over from the moment it starts until it is
// stopped. Only SDL's audio part is used, so it keeps out of the window
// toolkit's way.

#include <string_view>

namespace bv {

// Starts the loop in the background, in place of any loop already playing.
// Returns false, and stays silent, when the image is not a playable wave file
// (ParseWave) or no audio output can be opened; the run goes on either way.
// The samples are copied: the image need not outlive the call.
bool PlayLoopingWave(std::string_view waveImage);

// Stops the loop and lets go of the audio output; harmless when nothing plays.
void StopLoopingWave();

bool IsWavePlaying();

}  // namespace bv
