#include "scene/scene_view.h"

namespace bv {

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
