#include "scene/offscreen_view.h"

#include <QPainter>

#include "platform/surface_table.h"
#include "scene/scene_globals.h"

namespace bv {

OffscreenSceneView::OffscreenSceneView(int width, int height)
    : clockLabel_(new QLabel(&canvas_)), screenLabel_(new QLabel(&canvas_)) {
    // Its frames are handed out in device pixels: above scale 1 the changed
    // blocks are enlarged into a surface of its own.
    if (PixelScale == 1 && WindowShowsBackBuffer(width, height)) {
        surface_ = BufferDC;
    } else {
        surface_ = platform::CreateSurface(
            platform::Bitmap(width, height, platform::PixelFormat::TrueColour));
        ownsSurface_ = true;
    }
    canvas_.resize(width, height);
    StyleSceneLabel(*clockLabel_, QStringLiteral("CLOCK"), OffscreenSceneView::LabelScale());
    StyleSceneLabel(*screenLabel_, QStringLiteral("INSERT TEXT MESSAGE HERE"),
                    OffscreenSceneView::LabelScale());
}

double OffscreenSceneView::LabelScale() const {
    return PixelScale;
}

OffscreenSceneView::~OffscreenSceneView() {
    if (ownsSurface_) platform::DeleteSurface(surface_);
}

QImage OffscreenSceneView::Snapshot() const {
    const platform::Bitmap* frame = platform::FindSurface(surface_);
    if (frame == nullptr) return {};
    QImage image = frame->toImage();
    QPainter painter(&image);
    for (QLabel* label : {screenLabel_, clockLabel_})
        if (!label->isHidden()) label->render(&painter, label->pos());
    return image;
}

}  // namespace bv
