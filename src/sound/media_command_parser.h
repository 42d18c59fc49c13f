#pragma once
// The media-control command texts the sequencer understands:
//
//     open "<path>" type sequencer alias <alias>
//     play <alias> from 0
//     status <alias> mode
//     stop <alias>
//     close <alias>
//
// Keywords and aliases are matched without regard to case; the path keeps its
// own spelling and may hold blanks inside its quotes.

#include <optional>
#include <string>
#include <string_view>

namespace bv {

enum class MediaVerb { kOpen, kPlay, kStatus, kStop, kClose };

struct MediaCommand {
    MediaVerb verb = MediaVerb::kStatus;
    std::string alias;  // lower case
    std::string path;   // open only
};

// Nothing for a text that is not one of the forms above.
std::optional<MediaCommand> ParseMediaCommand(std::string_view text);

}  // namespace bv
