#pragma once
// Reading every setting once at start-up.

namespace bv {

// Fills the settings globals and the Enabled and Choice fields of the records
// from the settings file, or with the first-run values while the settings
// dialog has never saved. Flags are only ever set here, never cleared. A
// stored value that cannot be used (a speed below 1 or beyond an Integer, a
// background, centre piece or sound with no item in its list, a number too
// large for any key) falls back to that key's first-run value, with one line
// on standard error; the other keys are read as usual.
void X_GetData();

// Sets SongEnabled from the song keys "song0" to "song5".
void ReadSongChoices();

}  // namespace bv
