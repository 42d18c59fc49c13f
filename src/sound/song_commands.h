#pragma once
// The media-control commands for song n (0 to 5), whose file is
// AssetDir + "bv_song" + n + ".Mid" and whose alias is "song" + n, and the
// one way they are sent.

#include <string>

#include "platform/checked_arithmetic.h"
#include "settings/settings_globals.h"

namespace bv {

std::string OpenSongCommand(Integer song);
std::string PlaySongCommand(Integer song);
std::string SongModeCommand(Integer song);
std::string StopSongCommand(Integer song);
std::string CloseSongCommand(Integer song);

// Sends command with MciReply as its reply buffer and keeps the result in
// MciResult.
void SendMediaCommand(const std::string& command);

}  // namespace bv
