#pragma once
// The media control interface the music is driven through: command texts in,
// a result code and a reply text out. The commands it understands are those
// of ParseMediaCommand; the songs play on a SequencerDevice.

#include <memory>
#include <string>
#include <string_view>

#include "platform/checked_arithmetic.h"
#include "sound/sequencer_device.h"

namespace bv {

// Carries out one command. Returns 0 on success and a nonzero MediaError for
// any failure (a text it does not understand, an unknown alias, a song file
// that is missing or damaged, no soundfont). reply gets "playing" or
// "stopped" for a status query and is emptied otherwise.
Long mciSendString(std::string_view command, std::string& reply);

// Puts device behind mciSendString in place of the one made on first use with
// the found soundfont and the speakers; tests hand in one whose clock they
// drive. nullptr brings back the default.
void UseSequencerDevice(std::unique_ptr<SequencerDevice> device);

}  // namespace bv
