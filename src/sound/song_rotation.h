#pragma once
// Choosing the song to play: the enabled songs in song-number order, wrapping
// from the last back to the first.

#include "platform/checked_arithmetic.h"

namespace bv {

// The song number after song, from 5 back to 0.
Integer NextSongNumber(Integer song);

// Plays the first enabled song, from song number first on, that starts; a
// song that will not play (its file missing or damaged) is passed over, and
// each song is tried at most once. SongIndex is then the song playing.
// Returns false, leaving SongIndex alone, when no enabled song would play.
bool PlayFirstPlayableSong(Integer first);

}  // namespace bv
