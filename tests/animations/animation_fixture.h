#pragma once
// A small scene for the animation routines: a screen size, a true-colour back
// buffer filled with a known background, synthetic sprite sheets whose every
// piece has its own colour, and a recorder of error reports.

#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <vector>

#include "platform/bitmap.h"
#include "platform/surface_table.h"
#include "scene/sprite.h"

namespace bv::testing {

inline constexpr platform::Colour kBackground = 0xFFA0C0E0u;
inline constexpr int kShowsBackground = -1;
inline constexpr int kShowsSomethingElse = -2;

// The colour of piece p of a synthetic sheet. Its channels stay below 0x80,
// so a missing mask pass (background OR image) or a plain copy (black where
// transparent) never passes for it.
platform::Colour PieceColour(int piece);

class AnimationTest : public ::testing::Test {
protected:
    void SetUp() override;
    void TearDown() override;

    // Sets the screen (and swim bounds) and makes a back buffer of its size.
    void UseScreen(int width, int height);
    // Refills the back buffer with the background, as each tick starts.
    void ClearBuffer();

    // A sheet of width x (2 x rowHeight): image row with piece pieceAt(x),
    // opaque except for its top row; the matching mask row below it.
    platform::Handle MakeSheet(int width, int rowHeight, const std::function<int(int x)>& pieceAt);
    // A strip sheet: piece k is the column k x frameWidth to (k + 1) x frameWidth - 1.
    platform::Handle MakeStripSheet(int frameWidth, int rowHeight, int columns);
    // Any surface made by hand; released at the end of the test.
    platform::Handle Own(platform::Bitmap bitmap);

    // Which piece the buffer shows at (x, y), kShowsBackground, or kShowsSomethingElse.
    int PieceAt(int x, int y) const;
    platform::Colour BufferColour(int x, int y) const;
    // True when no pixel of the buffer has changed since it was cleared.
    bool BufferUntouched() const;
    // The tick counters as the main timer advances them: LongTick 0 to 1000,
    // ShortTick 0 to 100, each back to 0 after its top value.
    static void AdvanceTickCounters();

    // The piece a sprite shows: one pixel in from its top-left corner (its
    // top row is transparent).
    int ShownPiece(const Sprite& sprite) const { return PieceAt(sprite.X + 1, sprite.Y + 1); }

    std::vector<std::string> reports;  // error codes reported during the test

private:
    std::vector<platform::Handle> surfaces_;
};

}  // namespace bv::testing
