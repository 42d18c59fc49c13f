#pragma once
// The scene drawn without a window: for the headless renderer, benchmarks and
// tests. The labels are real labels, laid out but never shown on a screen.

#include <QImage>
#include <QLabel>
#include <QTimer>
#include <QWidget>

#include "scene/scene_view.h"

namespace bv {

class OffscreenSceneView : public SceneView {
public:
    // A window width x height device pixels large.
    OffscreenSceneView(int width, int height);
    ~OffscreenSceneView() override;

    platform::Handle FormDC() override { return surface_; }
    void Refresh(const std::vector<QRect>&, const std::vector<QRect>&) override {}
    QLabel& ClockLabel() override { return *clockLabel_; }
    QLabel& ScreenLabel() override { return *screenLabel_; }
    QTimer& MainTimer() override { return mainTimer_; }
    QTimer& MusicTimer() override { return musicTimer_; }
    double LabelScale() const override;

    // What the window would show: the last frame with the labels the scene
    // made visible over it.
    QImage Snapshot() const;

private:
    platform::Handle surface_ = 0;
    bool ownsSurface_ = false;
    QWidget canvas_;
    QLabel* clockLabel_;
    QLabel* screenLabel_;
    QTimer mainTimer_;
    QTimer musicTimer_;
};

}  // namespace bv
