#include "media_files.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <map>

#include "scene/all_records.h"
#include "scene/anim_timed.h"
#include "scene/anim_worm.h"
#include "scene/properties.h"
#include "scene/records.h"
#include "scene/scene_globals.h"
#include "settings/settings_globals.h"
#include "startup/run_reset.h"

namespace media_test {

std::filesystem::path mediaDir() {
    return BLUVESSA_MEDIA_DIR;
}

QImage loadPicture(const std::string& file) {
    const auto path = mediaDir() / file;
    QImage image(QString::fromStdString(path.string()));
    EXPECT_FALSE(image.isNull()) << "cannot load " << path;
    return image.convertToFormat(QImage::Format_RGB32);
}

QRect SheetSpec::picture(int column) const {
    return QRect(srcX + column * frameWidth, 0, frameWidth, frameHeight);
}

QRect SheetSpec::mask(int column) const {
    return maskRow > 0 ? picture(column).translated(0, maskRow) : picture(columns);
}

void PrintTo(const SheetSpec& spec, std::ostream* out) {
    *out << spec.name;
}

namespace {

struct Catalogue {
    std::vector<SheetSpec> sheets;
    QSize reef;
};

const Catalogue& catalogue() {
    static const Catalogue made = [] {
        // The program's own catalogue, set up as a run on a full-HD screen
        // would set it up.
        bv::ResetRunState();
        bv::AssetDir = mediaDir().string() + "/";
        bv::SetScreenSize(1920, 1080);
        bv::Properties_Fish();
        bv::Properties_Predator();
        bv::Properties_Other();
        bv::Properties_Scenery();
        // The pieces with timed animations step through frames of their own
        // choosing, some beyond the strip the catalogue gives them: two whole
        // cycles of the tick counters show each frame every one of them draws.
        std::map<const bv::Sprite*, int> highest;
        for (int tick = 0; tick < 2 * 1001; ++tick) {
            bv::LongTick = tick % 1001;
            bv::ShortTick = tick % 101;
            bv::ForEachRecord([&](const bv::Sprite& r) {
                highest[&r] = std::max(highest[&r], static_cast<int>(r.Frame));
            });
            bv::Anim_Custom_Clam();
            bv::Anim_Custom_Eyes(bv::Eyes);
            bv::Anim_Custom_Crab(bv::Crab);
            bv::Anim_Custom_Anchor(bv::Anchor);
            bv::Anim_Custom_DiverHead(bv::DiverHead);
            bv::Anim_Custom_ScubaDude(bv::ScubaDude);
            bv::Anim_Custom_Treasure(bv::Treasure);
            bv::Anim_Custom_Worm(bv::Worm);
        }
        Catalogue out{{}, QSize(bv::Foreground.Width, bv::Foreground.Height)};
        bv::ForEachRecord([&](const bv::Sprite& r) {
            if (r.FileName.empty() || &r == &bv::Background || &r == &bv::Foreground) return;
            // Whatever moves sideways and animates turns round: it has two strips.
            const int strips = r.DX != 0 && r.Frames > 1 ? 2 : 1;
            // The clams share the large clam's mask row; the scuba dude's
            // one mask follows his frames.
            const int maskRow = &r == &bv::ScubaDude                 ? 0
                                : r.FileName == bv::Clam(1).FileName ? bv::Clam(1).Height
                                                                     : r.Height;
            const int columns = strips * std::max<int>(r.Frames, highest[&r] + 1);
            SheetSpec spec{r.FileName.substr(3, r.FileName.size() - 7),
                           r.FileName,
                           r.SrcX,
                           r.Width,
                           r.Height,
                           strips,
                           columns,
                           maskRow};
            int sameSheet = 0;
            for (const SheetSpec& s : out.sheets) {
                if (s.file == spec.file && s.picture(0) == spec.picture(0) &&
                    s.columns == spec.columns)
                    return;  // another member of a group, or a piece just like it
                sameSheet += s.file == spec.file;
            }
            if (sameSheet > 0) spec.name += "_" + std::to_string(sameSheet + 1);
            out.sheets.push_back(spec);
        });
        bv::ResetRunState();
        return out;
    }();
    return made;
}

}  // namespace

const std::vector<SheetSpec>& standardSheets() {
    return catalogue().sheets;
}

QSize reefSize() {
    return catalogue().reef;
}

bool isBlack(QRgb pixel) {
    return (pixel & 0xFFFFFF) == 0;
}

bool isWhite(QRgb pixel) {
    return (pixel & 0xFFFFFF) == 0xFFFFFF;
}

}  // namespace media_test
