#pragma once
// The renderer's command line.

#include <optional>
#include <string>
#include <vector>

namespace bv::render {

struct RenderOptions {
    int width = 0;
    int height = 0;
    int ticks = 0;
    int every = 0;  // 0: one picture after the last tick
    std::string out;
    std::optional<int> scale;  // the pixel scale; 0 automatic; nothing: the settings'
    bool fullRedraw = false;   // compose every frame whole
    bool hashes = false;       // print a hash of the window after every tick
};

inline constexpr const char* kUsage =
    "usage: bluvessa-render --size WIDTHxHEIGHT --ticks N [--out FILE.png] [options]\n"
    "       bluvessa-render --size WIDTHxHEIGHT --ticks N --every K --out FOLDER\n"
    "Runs N ticks of the scene on a screen of the given size, with the settings and\n"
    "media of the Windows folder ($BLUVESSA_WINDOWS_DIR), and writes what the window\n"
    "would show after tick N, or after every K-th tick as FOLDER/frame_NNNNN.png.\n"
    "  --scale N      the pixel scale, 1 to 4, or 0 for the automatic one of a\n"
    "                 screen of that size; without it, the settings' \"scale\"\n"
    "  --full-redraw  compose every frame whole instead of only what changed\n"
    "  --hashes       print \"tick hash\" of the window's pixels after every tick\n";

// Nothing when the arguments are not a valid request.
std::optional<RenderOptions> ParseRenderOptions(const std::vector<std::string>& arguments);

}  // namespace bv::render
