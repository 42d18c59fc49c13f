// The three creature tabs: ten creatures each in two columns of five, a
// check box with its thumbnail to the right.

#include <QCheckBox>
#include <QGroupBox>

#include "dialog/configuration_form.h"
#include "dialog/thumbnail_box.h"
#include "dialog/twips.h"

namespace bv {
namespace {

constexpr int kRowTops[] = {225, 675, 1125, 1575, 2025};

struct Column {
    int checkBoxLeft;
    int thumbnailLeft;
};
constexpr Column kLeftColumn{225, 1575};
constexpr Column kRightColumn{2100, 3300};

// The check box's caption runs up to just before its thumbnail.
constexpr int kCaptionGap = 15;

}  // namespace

void Configuration::BuildCreatureTabs() {
    QGroupBox* frames[] = {
        AddFrame(kLargeFishTab, QString(), QStringLiteral("Select "), 225, 525, 3735, 2400),
        AddFrame(kCoralFishTab, QString(), QString(), 225, 525, 3735, 2400),
        AddFrame(kMoreStuffTab, QString(), QString(), 225, 525, 3735, 2400),
    };
    const auto creatures = Creatures();
    for (std::size_t index = 0; index < creatures.size(); ++index) {
        const Creature& creature = creatures[index];
        QGroupBox& frame = *frames[creature.tab - kLargeFishTab];
        const Column column = creature.column == DialogColumn::kRight ? kRightColumn : kLeftColumn;
        const int top = kRowTops[creature.row - 1];

        auto* check = new QCheckBox(QString::fromLatin1(creature.caption), &frame);
        check->setObjectName(QString::fromLatin1(creature.checkBoxName));
        check->setToolTip(QString::fromLatin1(creature.checkBoxTip));
        PlaceInTwips(*check, column.checkBoxLeft, top,
                     column.thumbnailLeft - column.checkBoxLeft - kCaptionGap, 250);
        creatureChecks_.push_back(check);

        auto* thumbnail = new ThumbnailBox(ThumbnailPicture(index), &frame);
        thumbnail->setObjectName(QString::fromLatin1(creature.thumbnailName));
        thumbnail->setToolTip(QString::fromLatin1(creature.thumbnailTip));
        PlaceInTwips(*thumbnail, column.thumbnailLeft, top, 255, 255);
        thumbnail->SetClickHandler([this, &creature] { Picture_Click(creature); });
    }
}

}  // namespace bv
