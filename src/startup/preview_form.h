#pragma once
// The live miniature shown inside a host window (the display settings'
// preview): an eight-frame loop, centred, on a 70 ms timer.

#include <QTimer>

#include "platform/form.h"
#include "platform/x11_windows.h"
#include "startup/preview_handle.h"

namespace bv {

class PreviewScreen : public platform::Form {
    Q_OBJECT
public:
    PreviewScreen();

    // Makes the form a child of the host window, filling its client area.
    void EmbedInto(platform::WindowId host, const platform::ClientRect& area);

    void previewtimer_Timer();
    QTimer& PreviewTimer() { return previewtimer_; }

protected:
    void Form_Initialize() override;
    void Form_Load() override;
    void Form_Unload() override;

private:
    QTimer previewtimer_;
    QTimer hostWatch_;
};

}  // namespace bv
