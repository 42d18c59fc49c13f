#include "scene/creature_setup.h"

#include <cstdint>

#include "platform/random.h"
#include "scene/scene_globals.h"
#include "settings/folders.h"
#include "settings/settings_globals.h"

namespace bv {
namespace {

// Int(range x r + low): a random whole number from low up to, not including,
// low + range.
Long RandomFrom(double low, double range) {
    return FloorToLong(range * Rnd() + low);
}

void SetFrameSizeAndSteps(Sprite& record, const CatalogueRow& row) {
    record.Width = row.width;
    record.Height = row.height;
    record.Frames = row.frames;
    record.SrcX = 0;
    record.SrcY = 0;
    record.DX = row.dx;
    record.DY = row.dy;
}

void SetPictureFile(Sprite& record, const CatalogueRow& row) {
    record.FileName = row.fileName;
    record.Installed = FileInstallCheck(AssetDir + row.fileName);
}

void SetSheet(Sprite& record, const CatalogueRow& row) {
    SetFrameSizeAndSteps(record, row);
    SetPictureFile(record, row);
}

Integer StartFrame(const CatalogueRow& row) {
    if (row.startFrame != kRandomFrame) return row.startFrame;
    return ToInteger(RandomFrom(0.0, row.frames));
}

void PlaceAnywhereAcross(Sprite& record) {
    record.X = RandomFrom(SwimLeft, static_cast<double>(SwimRight) - record.Width - SwimLeft + 1);
}

void PlaceAnywhereAboveBottom(Sprite& record) {
    record.Y = RandomFrom(0.0, static_cast<double>(SwimBottom) - record.Height + 1);
}

void PlaceInLowerHalf(Sprite& record) {
    const double halfBottom = SwimBottom / 2.0;
    record.Y = RandomFrom(halfBottom, SwimBottom - record.Height - halfBottom + 1);
}

void SetUp(const CatalogueRow& row, const FreeSwimmer&) {
    for (Sprite* record : row.records) {
        Randomize();
        SetSheet(*record, row);
        record->Frame = StartFrame(row);
        PlaceAnywhereAcross(*record);
        PlaceAnywhereAboveBottom(*record);
    }
}

void SetUp(const CatalogueRow& row, const School& school) {
    if (school.formation.size() != row.records.size()) Fail(kSubscriptOutOfRange);
    for (Sprite* member : row.records) {
        Randomize();
        SetSheet(*member, row);
        member->Frame = StartFrame(row);
    }

    Sprite& leader = *row.records.front();
    Randomize();
    PlaceAnywhereAcross(leader);
    if (school.leaderDepth == LeaderDepth::kLowerHalf)
        PlaceInLowerHalf(leader);
    else
        PlaceAnywhereAboveBottom(leader);

    for (std::size_t i = 0; i < row.records.size(); ++i) {
        Sprite& member = *row.records[i];
        const SchoolMember& place = school.formation[i];
        if (i > 0) {
            member.X = ToLong(std::int64_t{leader.X} + place.dx);
            member.Y = ToLong(std::int64_t{leader.Y} + place.dy);
        }
        member.DY = place.ownDY;
        member.BobPeriod = place.bobPeriod;
    }
}

Long OnScreen(const ScreenOffset& position, Integer screenSize) {
    return RoundToLong(screenSize * position.fraction + position.offset);
}

void SetUp(const CatalogueRow& row, const Fixed& fixed) {
    for (Sprite* record : row.records) {
        Randomize();
        SetSheet(*record, row);
        record->SrcX = fixed.srcX;
        record->Frame = StartFrame(row);
        record->FrameStep = fixed.frameStep;
        record->X = OnScreen(fixed.x, ScreenWidth);
        record->Y = OnScreen(fixed.y, ScreenHeight);
    }
}

void SetUp(const CatalogueRow& row, const Dropper& dropper) {
    for (Sprite* record : row.records) {
        Randomize();
        SetSheet(*record, row);
        record->Frame = StartFrame(row);
        record->X = RandomFrom(0.0, static_cast<double>(ScreenWidth) - record->Width + 1);
        record->Y = -record->Height;
        record->State = dropper.state;
    }
}

void PlaceInColumn(Sprite& bubble, BubbleColumn column) {
    if (column == BubbleColumn::kLeftSixth) {
        bubble.X = RandomFrom(0.0, ScreenWidth / 6.0 - bubble.Width + 1);
        return;
    }
    const double rightSixth = ScreenWidth * 5.0 / 6.0;
    bubble.X = RandomFrom(rightSixth, ScreenWidth - bubble.Width - rightSixth + 1);
}

void SetUp(const CatalogueRow& row, const BubbleStream& stream) {
    const std::size_t firstHalf = row.records.size() / 2;
    for (std::size_t i = 0; i < row.records.size(); ++i) {
        Sprite& bubble = *row.records[i];
        Randomize();
        SetFrameSizeAndSteps(bubble, row);
        if (i >= firstHalf) bubble.DX = ToInteger(-row.dx);
        bubble.Frame = row.startFrame;
        // A bubble may start one row below the visible screen.
        bubble.Y = RandomFrom(0.0, ScreenHeight + 1.0);
        PlaceInColumn(bubble, stream.column);
    }
    // The stream draws every bubble from its first bubble's picture.
    SetPictureFile(*row.records.front(), row);
}

}  // namespace

void SetUpCatalogue(std::span<const CatalogueRow> rows) {
    for (const CatalogueRow& row : rows)
        std::visit([&](const auto& placement) { SetUp(row, placement); }, row.placement);
}

}  // namespace bv
