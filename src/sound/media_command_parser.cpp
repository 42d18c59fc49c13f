#include "sound/media_command_parser.h"

#include <algorithm>
#include <cctype>
#include <vector>

namespace bv {
namespace {

std::string LowerCase(std::string_view text) {
    std::string lower(text);
    std::transform(lower.begin(), lower.end(), lower.begin(),
                   [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
    return lower;
}

// Splits at blanks; a word that starts with a double quote runs to the next
// one and loses its quotes. Nothing when a quote is left open.
std::optional<std::vector<std::string>> SplitWords(std::string_view text) {
    std::vector<std::string> words;
    std::size_t at = 0;
    while (true) {
        at = text.find_first_not_of(" \t", at);
        if (at == std::string_view::npos) return words;
        if (text[at] == '"') {
            const std::size_t close = text.find('"', at + 1);
            if (close == std::string_view::npos) return std::nullopt;
            words.emplace_back(text.substr(at + 1, close - at - 1));
            at = close + 1;
        } else {
            const std::size_t end = std::min(text.find_first_of(" \t", at), text.size());
            words.emplace_back(text.substr(at, end - at));
            at = end;
        }
    }
}

bool IsKeyword(const std::string& word, std::string_view keyword) {
    return LowerCase(word) == keyword;
}

std::optional<MediaCommand> Command(MediaVerb verb, const std::string& alias,
                                    std::string path = {}) {
    if (alias.empty()) return std::nullopt;
    return MediaCommand{verb, LowerCase(alias), std::move(path)};
}

}  // namespace

std::optional<MediaCommand> ParseMediaCommand(std::string_view text) {
    const auto words = SplitWords(text);
    if (!words || words->empty()) return std::nullopt;
    const std::vector<std::string>& w = *words;
    const std::string verb = LowerCase(w[0]);

    if (verb == "open" && w.size() == 6 && !w[1].empty() && IsKeyword(w[2], "type") &&
        IsKeyword(w[3], "sequencer") && IsKeyword(w[4], "alias"))
        return Command(MediaVerb::kOpen, w[5], w[1]);
    if (verb == "play" && w.size() == 4 && IsKeyword(w[2], "from") && w[3] == "0")
        return Command(MediaVerb::kPlay, w[1]);
    if (verb == "status" && w.size() == 3 && IsKeyword(w[2], "mode"))
        return Command(MediaVerb::kStatus, w[1]);
    if (verb == "stop" && w.size() == 2) return Command(MediaVerb::kStop, w[1]);
    if (verb == "close" && w.size() == 2) return Command(MediaVerb::kClose, w[1]);
    return std::nullopt;
}

}  // namespace bv
