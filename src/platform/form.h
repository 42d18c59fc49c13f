#pragma once
// A form: a top-level window with the events the program's forms handle.
// Load runs Form_Initialize and then Form_Load; every unload, asked for in
// code or by the window's close button, runs Form_QueryUnload (which may
// cancel it) and then Form_Unload.

#include <QWidget>
#include <vector>

#include "platform/checked_arithmetic.h"
#include "platform/direct_canvas.h"
#include "platform/surface_table.h"

namespace bv::platform {

enum UnloadMode { kUnloadByControlMenu = 0, kUnloadByCode = 1 };

class Form : public QWidget {
    Q_OBJECT
public:
    explicit Form(QWidget* parent = nullptr);
    ~Form() override;

    void Load();
    // Returns false when Form_QueryUnload cancelled the unload.
    bool Unload();
    bool isLoaded() const { return loaded_; }
    // Forms loaded and not yet unloaded: the process lives while there is one.
    static int LoadedCount();

    // The form's drawing surface: a true-colour picture the size of the
    // form's client area in device pixels, shown as the form's content.
    Handle hDC();
    void CreateDrawingSurface(int width, int height);
    // Shows a surface that belongs to someone else as the form's content,
    // instead of a drawing surface of its own: each of its pixels as a
    // scale x scale block of device pixels, enlarged on the way to the screen.
    void ShowSurface(Handle surface, int scale = 1);

    // A region of the drawing surface's device pixels, given as bands (the
    // rectangles of each band as high as each other, top to bottom, left to
    // right, none touching at the sides), in the form's own coordinates,
    // covering every pixel it touches.
    QRegion FromDevicePixels(const std::vector<QRect>& bands) const;

    // From now on the surface goes to the window directly (DirectCanvas)
    // where the display allows it; false where it does not. Child widgets
    // that are to show over the surface must then be native windows.
    bool PresentDirectly();
    // Readies, ahead of the form, what presenting directly needs of the
    // display, while the program has other work to do.
    static void PrepareToPresentDirectly();
    // Shows what changed in the surface (device pixels): the same changes as
    // bands for Qt's painting and as pieces (possibly overlapping, fewer
    // pixels) for writing directly.
    void Present(const std::vector<QRect>& bands, const std::vector<QRect>& pieces);

protected:
    virtual void Form_Initialize() {}
    virtual void Form_Load() {}
    virtual void Form_QueryUnload(Integer& /*cancel*/, int /*unloadMode*/) {}
    virtual void Form_Unload() {}
    virtual void Form_Click() {}
    virtual void Form_DblClick() {}
    virtual void Form_KeyDown(int /*keyCode*/, int /*shift*/) {}
    virtual void Form_KeyPress(int /*keyAscii*/) {}
    // Some of the surface has reached the screen: painted into an exposed
    // window, or written into it directly.
    virtual void SurfaceShown() {}

    void closeEvent(QCloseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;

private:
    bool QueryUnload(int unloadMode);

    bool loaded_ = false;
    bool unloading_ = false;
    Handle surface_ = 0;
    int surfaceScale_ = 1;
    bool ownsSurface_ = false;
    DirectCanvas* canvas_ = nullptr;  // a child: Qt deletes it with the form
};

}  // namespace bv::platform
