// The "Scenery" tab: three frames one above the other, each with its list.

#include <QGroupBox>

#include "dialog/configuration_form.h"
#include "dialog/drop_down_list.h"
#include "dialog/twips.h"

namespace bv {
namespace {

// Every scenery list sits at the same place inside its frame.
DropDownList* SceneryList(QGroupBox& frame, const char* name, const QString& toolTip,
                          const QStringList& items) {
    auto* list = new DropDownList(items, &frame);
    list->setObjectName(QString::fromLatin1(name));
    list->setToolTip(toolTip);
    PlaceInTwips(*list, 120, 240, 3225, 315);
    return list;
}

}  // namespace

void Configuration::BuildSceneryTab() {
    QGroupBox* centerPieceFrame =
        AddFrame(kSceneryTab, QStringLiteral("CenterPiece"), QStringLiteral("Select A CenterPiece"),
                 240, 600, 3690, 645);
    CheckCenterPiece =
        SceneryList(*centerPieceFrame, "CheckCenterPiece", QStringLiteral("Select A CenterPiece"),
                    {QStringLiteral("<None>"), QStringLiteral("Confused Diver"),
                     QStringLiteral("Evil Relic"), QStringLiteral("Friendly LifeGuard"),
                     QStringLiteral("Pudgy Vacationer"), QStringLiteral("Relaxed Mermaid"),
                     QStringLiteral("Rub-A-Dub-Dub"), QStringLiteral("Treasure Chest")});
    CheckCenterPiece->SetClickHandler([this] { CheckCenterPiece_Click(); });

    QGroupBox* backgroundFrame =
        AddFrame(kSceneryTab, QStringLiteral("Background"),
                 QStringLiteral("Select A Background Image"), 240, 1440, 3690, 645);
    CheckBackground = SceneryList(
        *backgroundFrame, "CheckBackground", QStringLiteral("Select A BackGround Image"),
        {QStringLiteral("<None>"), QStringLiteral("ArchWay"), QStringLiteral("Muddy Waters"),
         QStringLiteral("Skull Mountain")});
    CheckBackground->SetClickHandler([this] { CheckBackground_Click(); });

    QGroupBox* foregroundFrame =
        AddFrame(kSceneryTab, QStringLiteral("Foreground"),
                 QStringLiteral("Select A Foreground Image"), 240, 2280, 3690, 645);
    CheckForeGround =
        SceneryList(*foregroundFrame, "CheckForeGround",
                    QStringLiteral("Select A ForeGround Image"), {QStringLiteral("Coral Reef")});
    CheckForeGround->SetClickHandler([this] { CheckForeGround_Click(); });
}

}  // namespace bv
