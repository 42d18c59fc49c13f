#pragma once
// A small scene for the animation routines: a 320 x 240 true-colour back
// buffer filled with a known background, synthetic sprite sheets whose every
// piece has its own colour, and a recorder of error reports.

#include <gtest/gtest.h>

#include <algorithm>
#include <functional>
#include <string>
#include <vector>

#include "errors/error_code.h"
#include "platform/bitmap.h"
#include "platform/surface_table.h"
#include "scene/scene_globals.h"
#include "scene/sprite.h"

namespace bv::testing {

inline constexpr platform::Colour kBackground = 0xFFA0C0E0u;
inline constexpr int kShowsBackground = -1;
inline constexpr int kShowsSomethingElse = -2;

// The colour of piece p of a synthetic sheet. Its channels stay below 0x80,
// so a missing mask pass (background OR image) or a plain copy (black where
// transparent) never passes for it.
inline platform::Colour PieceColour(int piece) {
    return 0xFF102000u | static_cast<platform::Colour>(piece + 1);
}

// A record at (x, y) on frame `frame` of `frames`, each width x height, drawn from sheet.
inline Sprite SpriteAt(Long x, Long y, Integer width, Integer height, Integer frames,
                       Integer frame = 0, platform::Handle sheet = 0) {
    Sprite sprite;
    sprite.X = x;
    sprite.Y = y;
    sprite.Width = width;
    sprite.Height = height;
    sprite.Frames = frames;
    sprite.Frame = frame;
    sprite.DC = sheet;
    return sprite;
}

class AnimationTest : public ::testing::Test {
protected:
    void SetUp() override {
        SetErrorReporter([this](const std::string& code) { reports.push_back(code); });
        SetScreenSize(320, 240);
        BufferDC = Own(platform::Bitmap(320, 240, platform::PixelFormat::TrueColour));
        ClearBuffer();
    }
    void TearDown() override {
        SetErrorReporter(nullptr);
        for (platform::Handle handle : surfaces_) platform::DeleteSurface(handle);
        BufferDC = 0;
    }

    // Refills the back buffer with the background, as each tick starts.
    void ClearBuffer() {
        platform::Bitmap* buffer = platform::FindSurface(BufferDC);
        for (int y = 0; y < buffer->height(); ++y)
            std::fill_n(buffer->trueColourRow(y), buffer->width(), kBackground);
    }

    // A sheet of width x (2 x rowHeight): image row with piece pieceAt(x),
    // opaque except for its top row; the matching mask row below it. Where
    // pieceAt gives kMaskColumn the image row holds a mask instead.
    static constexpr int kMaskColumn = -1;
    platform::Handle MakeSheet(int width, int rowHeight, const std::function<int(int x)>& pieceAt) {
        using platform::kBlack, platform::kWhite;
        platform::Bitmap sheet(width, 2 * rowHeight, platform::PixelFormat::TrueColour);
        for (int y = 0; y < rowHeight; ++y)
            for (int x = 0; x < width; ++x) {
                const int piece = pieceAt(x);
                sheet.trueColourRow(y)[x] = piece == kMaskColumn
                                                ? (y == 0 ? kWhite : kBlack)
                                                : (y == 0 ? kBlack : PieceColour(piece));
                sheet.trueColourRow(rowHeight + y)[x] = y == 0 ? kWhite : kBlack;
            }
        return Own(std::move(sheet));
    }
    // A strip sheet: piece k is the column k x frameWidth to (k + 1) x frameWidth - 1.
    platform::Handle MakeStripSheet(int frameWidth, int rowHeight, int columns) {
        return MakeSheet(frameWidth * columns, rowHeight,
                         [frameWidth](int x) { return x / frameWidth; });
    }
    // Any surface made by hand; released at the end of the test.
    platform::Handle Own(platform::Bitmap bitmap) {
        surfaces_.push_back(platform::CreateSurface(std::move(bitmap)));
        return surfaces_.back();
    }

    platform::Colour BufferColour(int x, int y) const {
        return platform::FindSurface(BufferDC)->colourAt(x, y);
    }
    // Which piece the buffer shows at (x, y), kShowsBackground, or kShowsSomethingElse.
    int PieceAt(int x, int y) const {
        const platform::Colour colour = BufferColour(x, y);
        if (colour == kBackground) return kShowsBackground;
        const int piece = static_cast<int>(colour & 0xFFu) - 1;
        return piece >= 0 && colour == PieceColour(piece) ? piece : kShowsSomethingElse;
    }
    // The piece a sprite shows: one pixel in from its top-left corner (its
    // top row is transparent).
    int ShownPiece(const Sprite& sprite) const { return PieceAt(sprite.X + 1, sprite.Y + 1); }
    // True when no pixel of the buffer has changed since it was cleared.
    bool BufferUntouched() const {
        const platform::Bitmap* buffer = platform::FindSurface(BufferDC);
        for (int y = 0; y < buffer->height(); ++y)
            for (int x = 0; x < buffer->width(); ++x)
                if (buffer->trueColourRow(y)[x] != kBackground) return false;
        return true;
    }

    std::vector<std::string> reports;  // error codes reported during the test

private:
    std::vector<platform::Handle> surfaces_;
};

}  // namespace bv::testing
