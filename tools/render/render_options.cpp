#include "render_options.h"

#include <charconv>

namespace bv::render {
namespace {

bool ParsePositive(std::string_view text, int& value, int limit) {
    const auto result = std::from_chars(text.data(), text.data() + text.size(), value);
    return result.ec == std::errc() && result.ptr == text.data() + text.size() && value > 0 &&
           value <= limit;
}

}  // namespace

std::optional<RenderOptions> ParseRenderOptions(const std::vector<std::string>& arguments) {
    RenderOptions options;
    bool haveSize = false, haveTicks = false;
    for (std::size_t i = 0; i < arguments.size(); ++i) {
        const std::string& name = arguments[i];
        if (name == "--full-redraw" || name == "--hashes") {
            (name == "--hashes" ? options.hashes : options.fullRedraw) = true;
            continue;
        }
        if (i + 1 >= arguments.size()) return std::nullopt;
        const std::string& value = arguments[++i];
        if (name == "--size") {
            const auto x = value.find('x');
            if (x == std::string::npos) return std::nullopt;
            // Screens wider or taller than a 16-bit Integer cannot be described.
            if (!ParsePositive(std::string_view(value).substr(0, x), options.width, 32767) ||
                !ParsePositive(std::string_view(value).substr(x + 1), options.height, 32767))
                return std::nullopt;
            haveSize = true;
        } else if (name == "--ticks") {
            if (!ParsePositive(value, options.ticks, 99999)) return std::nullopt;
            haveTicks = true;
        } else if (name == "--every") {
            if (!ParsePositive(value, options.every, 99999)) return std::nullopt;
        } else if (name == "--scale") {
            int scale = 0;
            if (value != "0" && !ParsePositive(value, scale, 4)) return std::nullopt;
            options.scale = scale;
        } else if (name == "--out") {
            if (value.empty()) return std::nullopt;
            options.out = value;
        } else {
            return std::nullopt;
        }
    }
    if (!haveSize || !haveTicks || (options.out.empty() && (!options.hashes || options.every > 0)))
        return std::nullopt;
    return options;
}

}  // namespace bv::render
