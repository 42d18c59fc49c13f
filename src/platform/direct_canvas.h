#pragma once
// A child window over the whole of its form that shows the form's drawing
// surface by writing it into the X window itself (ShmWindowWriter), outside
// Qt's painting and its backing store. Qt still says which parts were
// exposed, through paintEvent. A widget meant to show over it must be a
// native window of its own, so that the X server keeps the writes off it.

#include <QRect>
#include <QWidget>
#include <functional>
#include <memory>
#include <vector>

#include "platform/bitmap.h"

namespace bv::platform {

class ShmWindowWriter;

class DirectCanvas : public QWidget {
    Q_OBJECT
public:
    // The surface shown, each of its pixels a scale x scale block.
    struct ShownSurface {
        const Bitmap* picture = nullptr;
        int scale = 1;
    };
    using SurfaceSource = std::function<ShownSurface()>;
    using ShownHook = std::function<void()>;

    // nullptr where writing directly is not possible (not X11, a remote
    // display, pixels not laid out as ours): the form paints as usual then.
    // `shown` is called whenever some of the surface has reached the screen.
    static DirectCanvas* Create(QWidget& form, SurfaceSource surface, ShownHook shown);
    // Readies the way to the screen for a canvas made later, while the
    // program loads what it will show.
    static void Prepare();
    ~DirectCanvas() override;

    // Shows parts of the surface (device pixels). While the window is not
    // exposed there is nothing to do: its exposure shows the whole surface.
    // False when the server refused: the canvas has stepped aside for good,
    // and the form is to paint itself from then on.
    bool Show(const std::vector<QRect>& deviceParts);
    bool Working() const { return writer_ != nullptr; }

    // Qt paints nothing here.
    QPaintEngine* paintEngine() const override { return nullptr; }

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    DirectCanvas(QWidget& form, SurfaceSource surface, ShownHook shown,
                 std::unique_ptr<ShmWindowWriter> writer);
    void StepAside();

    SurfaceSource surface_;
    ShownHook shown_;
    std::unique_ptr<ShmWindowWriter> writer_;
    bool windowKnownToServer_ = false;
};

}  // namespace bv::platform
