// The scenery lists put a small picture of the chosen background, reef or
// centre piece into the scenery preview.

#include "dialog/configuration_form.h"
#include "dialog/drop_down_list.h"
#include "dialog/preview_animations.h"
#include "errors/error_handler.h"
#include "scene/centre_pieces.h"
#include "scene/records.h"
#include "scene/scene_globals.h"
#include "settings/settings_globals.h"
#include "surfaces/memory_surfaces.h"

namespace bv {
namespace {

// Background and reef previews are single stills filling the box.
void PlaceFullBoxStill(Sprite& preview) {
    preview.X = 0;
    preview.Y = 0;
    preview.Width = 181;
    preview.Height = 167;
    preview.Frames = 1;
    preview.Frame = 0;
    preview.SrcX = 0;
}

// Gives the scenery preview a picture of its own, releasing the one it had.
void LoadSceneryPicture(const std::string& fileName) {
    RemoveDC(PreviewScenery.DC);
    PreviewScenery.FileName = fileName;
    PreviewScenery.DC = GenerateDC(AssetDir + fileName);
}

}  // namespace

void Configuration::CheckBackground_Click() {
    Guarded("Configuration/CheckBackground_Click", [&] {
        const int choice = CheckBackground->ListIndex();
        if (choice == 0) {
            RemoveDC(PreviewScenery.DC);
            PreviewScenery.FileName.clear();
        } else {
            LoadSceneryPicture("bv_backgroundpreview" + std::to_string(choice) + ".bmp");
        }
        PlaceFullBoxStill(PreviewScenery);
    });
}

void Configuration::CheckForeGround_Click() {
    Guarded("Configuration/CheckForeground_Click", [&] {
        if (CheckForeGround->currentText() == QStringLiteral("Coral Reef"))
            LoadSceneryPicture("bv_foregroundpreview0.bmp");
        PlaceFullBoxStill(PreviewScenery);
    });
}

void Configuration::CheckCenterPiece_Click() {
    Guarded("Configuration/CheckCenterpiece_Click", [&] {
        const Sprite* piece = CentrePieceOfChoice(CheckCenterPiece->ListIndex());
        RemoveDC(PreviewScenery.DC);  // "<None>" keeps the rest of the record
        if (piece != nullptr) PreviewScenery = *piece;
        ShortTick = 0;  // its timed animation starts from the beginning
        if (piece != nullptr) PreviewScenery.DC = GenerateDC(AssetDir + PreviewScenery.FileName);
        PreviewScenery.X = RoundToLong(PreviewScaleWidth / 2.0 - PreviewScenery.Width / 2.0);
        PreviewScenery.Y = RoundToLong(PreviewScaleHeight / 2.0 - PreviewScenery.Height / 2.0);
    });
}

}  // namespace bv
