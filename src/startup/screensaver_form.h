#pragma once
// The full-screen saver window: black, borderless, on top of everything,
// ended by a click, a double click or a key (never by moving the mouse).
// Drawing into a host window instead, it ends with that window.

#include <QLabel>
#include <QTimer>

#include "platform/form.h"
#include "scene/scene_view.h"

namespace bv {

class ScreenSaver : public platform::Form, public SceneView {
    Q_OBJECT
public:
    // host: the window xscreensaver hands over to draw into, or 0 for a
    // window of our own covering the screen; devicePixels: the size of either.
    ScreenSaver(unsigned long host, QSize devicePixels);

    // The one saver window of a full-screen run, or nullptr.
    static ScreenSaver* Current();

    platform::Handle FormDC() override { return hDC(); }
    void Refresh(const std::vector<QRect>& bands, const std::vector<QRect>& pieces) override;
    QLabel& ClockLabel() override { return clockLabel_; }
    QLabel& ScreenLabel() override { return screenLabel_; }
    QTimer& MainTimer() override { return maintimer_; }
    QTimer& MusicTimer() override { return musicTimer_; }
    double LabelScale() const override;

    // Shows the window on top of everything at the screen's top-left corner.
    void MakeTopmost();
    // What the error reporter does before its form appears: the run stops
    // and the window gets out of the report's way for good.
    void StepAsideForReport();

protected:
    void Form_Initialize() override;
    void Form_Load() override;
    void Form_QueryUnload(Integer& cancel, int unloadMode) override;
    void Form_Unload() override;
    void Form_Click() override;
    void Form_DblClick() override;
    void Form_KeyDown(int keyCode, int shift) override;
    void Form_KeyPress(int keyAscii) override;
    void SurfaceShown() override;

private:
    void UnloadOnInput();
    static void ReportFirstFrame();

    unsigned long host_;
    QSize devicePixels_;
    QTimer maintimer_;
    QTimer musicTimer_;
    QTimer hostWatch_;
    QLabel clockLabel_;
    QLabel screenLabel_;
    bool frameComposed_ = false;
    bool firstFrameShown_ = false;
    bool steppedAside_ = false;
    bool soundStarted_ = false;
};

}  // namespace bv
