#include "dialog/dialog_font.h"

#include <QCheckBox>
#include <QFontDatabase>
#include <QLabel>
#include <QPushButton>
#include <QWidget>
#include <type_traits>

namespace bv {
namespace {

constexpr double kDialogPointSize = 8.0;
constexpr double kSmallestPointSize = 7.0;

template <typename Control>
bool EveryCaptionFits(const QWidget& dialog) {
    for (const Control* control : dialog.findChildren<Control*>()) {
        if constexpr (std::is_same_v<Control, QLabel>)
            if (control->wordWrap() || !control->pixmap().isNull()) continue;
        if (control->sizeHint().width() > control->width()) return false;
    }
    return true;
}

bool CaptionsFit(const QWidget& dialog) {
    return EveryCaptionFits<QCheckBox>(dialog) && EveryCaptionFits<QPushButton>(dialog) &&
           EveryCaptionFits<QLabel>(dialog);
}

QFont DialogFont() {
    QFont font = QFontDatabase::systemFont(QFontDatabase::GeneralFont);
    font.setPointSizeF(kDialogPointSize);
    return font;
}

}  // namespace

void FitDialogFont(QWidget& dialog) {
    QFont font = DialogFont();
    for (int stretch : {QFont::Unstretched, QFont::SemiCondensed, QFont::Condensed}) {
        font.setStretch(stretch);
        dialog.setFont(font);
        if (CaptionsFit(dialog)) return;
    }
    for (double size = kDialogPointSize - 0.5; size >= kSmallestPointSize; size -= 0.5) {
        font.setPointSizeF(size);
        dialog.setFont(font);
        if (CaptionsFit(dialog)) return;
    }
}

}  // namespace bv
