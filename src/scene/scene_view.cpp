#include "scene/scene_view.h"

#include "platform/surface_table.h"
#include "scene/scene_globals.h"

namespace bv {

bool WindowShowsBackBuffer(int deviceWidth, int deviceHeight) {
    const platform::Bitmap* buffer = platform::FindSurface(BufferDC);
    return buffer != nullptr && buffer->width() * PixelScale == deviceWidth &&
           buffer->height() * PixelScale == deviceHeight &&
           buffer->format() == platform::PixelFormat::TrueColour;
}

void StyleSceneLabel(QLabel& label, const QString& caption, double labelScale) {
    QFont font(QStringLiteral("Arial"), 12, QFont::Bold);
    font.setPointSizeF(12.0 * labelScale);
    font.setStyleHint(QFont::SansSerif);
    label.setFont(font);
    label.setAlignment(Qt::AlignCenter);
    label.setAutoFillBackground(true);
    QPalette palette = label.palette();
    palette.setColor(QPalette::Window, Qt::black);
    palette.setColor(QPalette::WindowText, QColor(128, 128, 255));
    label.setPalette(palette);
    label.setText(caption);
    label.adjustSize();
    label.hide();
}

}  // namespace bv
