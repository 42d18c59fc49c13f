#include "animation_fixture.h"

#include "errors/error_code.h"
#include "scene/anim_worm.h"
#include "scene/records.h"
#include "scene/scene_globals.h"

namespace bv::testing {

platform::Colour PieceColour(int piece) {
    return 0xFF102000u | static_cast<platform::Colour>(piece + 1);
}

void AnimationTest::SetUp() {
    SetErrorReporter([this](const std::string& code) { reports.push_back(code); });
    UseScreen(320, 240);
}

void AnimationTest::TearDown() {
    SetErrorReporter(nullptr);
    for (platform::Handle handle : surfaces_) platform::DeleteSurface(handle);
    BufferDC = 0;
}

void AnimationTest::UseScreen(int width, int height) {
    SetScreenSize(width, height);
    BufferDC = Own(platform::Bitmap(width, height, platform::PixelFormat::TrueColour));
    ClearBuffer();
}

void AnimationTest::ClearBuffer() {
    platform::Bitmap* buffer = platform::FindSurface(BufferDC);
    for (int y = 0; y < buffer->height(); ++y)
        std::fill_n(buffer->trueColourRow(y), buffer->width(), kBackground);
}

platform::Handle AnimationTest::MakeSheet(int width, int rowHeight,
                                          const std::function<int(int x)>& pieceAt) {
    platform::Bitmap sheet(width, 2 * rowHeight, platform::PixelFormat::TrueColour);
    for (int y = 0; y < rowHeight; ++y) {
        const bool transparent = y == 0;
        for (int x = 0; x < width; ++x) {
            sheet.trueColourRow(y)[x] = transparent ? platform::kBlack : PieceColour(pieceAt(x));
            sheet.trueColourRow(rowHeight + y)[x] =
                transparent ? platform::kWhite : platform::kBlack;
        }
    }
    return Own(std::move(sheet));
}

platform::Handle AnimationTest::MakeStripSheet(int frameWidth, int rowHeight, int columns) {
    return MakeSheet(frameWidth * columns, rowHeight,
                     [frameWidth](int x) { return x / frameWidth; });
}

platform::Handle AnimationTest::Own(platform::Bitmap bitmap) {
    const platform::Handle handle = platform::CreateSurface(std::move(bitmap));
    surfaces_.push_back(handle);
    return handle;
}

platform::Colour AnimationTest::BufferColour(int x, int y) const {
    return platform::FindSurface(BufferDC)->colourAt(x, y);
}

int AnimationTest::PieceAt(int x, int y) const {
    const platform::Colour colour = BufferColour(x, y);
    if (colour == kBackground) return kShowsBackground;
    const int piece = static_cast<int>(colour & 0xFFu) - 1;
    return piece >= 0 && colour == PieceColour(piece) ? piece : kShowsSomethingElse;
}

}  // namespace bv::testing

namespace bv::testing {

bool AnimationTest::BufferUntouched() const {
    const platform::Bitmap* buffer = platform::FindSurface(BufferDC);
    for (int y = 0; y < buffer->height(); ++y)
        for (int x = 0; x < buffer->width(); ++x)
            if (buffer->trueColourRow(y)[x] != kBackground) return false;
    return true;
}

void AnimationTest::AdvanceTickCounters() {
    LongTick = LongTick == 1000 ? 0 : LongTick + 1;
    ShortTick = ShortTick == 100 ? 0 : ShortTick + 1;
}

}  // namespace bv::testing
