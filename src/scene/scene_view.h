#pragma once
// What the frame composition draws on: the full-screen window in a run, an
// offscreen stand-in in the headless renderer.

#include <QLabel>
#include <QRect>
#include <QTimer>
#include <vector>

#include "platform/surface_table.h"

namespace bv {

class SceneView {
public:
    virtual ~SceneView() = default;

    // The window's drawing surface in device pixels: the scene, each of its
    // pixels a PixelScale x PixelScale block, from the top-left corner.
    virtual platform::Handle FormDC() = 0;
    // Shows what changed in the drawing surface, in device pixels, with the
    // labels over it: as bands (see platform::Form::FromDevicePixels) and as
    // the pieces composed anew (possibly overlapping, fewer pixels).
    virtual void Refresh(const std::vector<QRect>& bands, const std::vector<QRect>& pieces) = 0;

    virtual QLabel& ClockLabel() = 0;
    virtual QLabel& ScreenLabel() = 0;
    virtual QTimer& MainTimer() = 0;
    virtual QTimer& MusicTimer() = 0;

    // How many of the labels' own coordinate units one scene pixel spans:
    // PixelScale, less the desktop's scale factor the toolkit applies itself.
    virtual double LabelScale() const = 0;
};

// Whether a window of devicePixels can show the back buffer itself, each of
// its pixels a PixelScale x PixelScale block enlarged on the way to the
// screen: the frame composed there is then all the window needs.
bool WindowShowsBackBuffer(int deviceWidth, int deviceHeight);

// Gives a label the look both scene labels share: Arial bold 12 pt (times
// labelScale), text (128, 128, 255) on black, centred, hidden until the scene
// decides.
void StyleSceneLabel(QLabel& label, const QString& caption, double labelScale);

}  // namespace bv
