// A thumbnail click puts a copy of its creature into its tab's preview.

#include "dialog/configuration_form.h"
#include "dialog/preview_animations.h"
#include "dialog/preview_routines.h"
#include "platform/random.h"
#include "scene/anim_steps.h"
#include "scene/records.h"
#include "scene/scene_globals.h"
#include "settings/settings_globals.h"
#include "surfaces/memory_surfaces.h"

namespace bv {

void Configuration::Picture_Click(const Creature& creature) {
    Sprite& preview = PreviewRecordOf(creature.tab);
    RemoveDC(preview.DC);
    // The whole record, file name included; the preview centres it on every tick.
    preview = *creature.record;
    switch (creature.restart) {
        case ThumbnailRestart::kScatterBubbles:
            ScatterPreviewBubbles();
            return;
        case ThumbnailRestart::kShortTick:
            ShortTick = 0;
            break;
        case ThumbnailRestart::kLongTick:
            LongTick = 0;
            break;
        case ThumbnailRestart::kNone:
            break;
    }
    preview.DC = GenerateDC(AssetDir + preview.FileName);
}

// The bubble preview draws the stream itself, from the stream's own
// surface, so the copy in the preview record holds none: otherwise
// replacing either surface would leave the other naming a released one.
void Configuration::ScatterPreviewBubbles() {
    PreviewOther3.DC = 0;
    Sprite& stream = BubblesLeft(1);
    RemoveDC(stream.DC);
    stream.DC = GenerateDC(AssetDir + stream.FileName);
    for (int i = 1; i <= 25; ++i) {
        Sprite& bubble = BubblesLeft(i);
        bubble.X = FloorToLong(Rnd() * (PreviewScaleWidth - bubble.Width + 1));
        bubble.Y = FloorToLong(Rnd() * (PreviewScaleHeight + 1));
        // Half of them drift the other way.
        if (i > 12) bubble.DX = Reversed(bubble.DX);
    }
}

}  // namespace bv
