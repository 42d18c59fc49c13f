#include "platform/form.h"

#include <QCloseEvent>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>

namespace bv::platform {

namespace {
int loadedForms = 0;
}

Form::Form(QWidget* parent) : QWidget(parent) {}

Form::~Form() {
    if (loaded_ && !unloading_) --loadedForms;
    DeleteSurface(surface_);
}

int Form::LoadedCount() {
    return loadedForms;
}

void Form::Load() {
    if (loaded_) return;
    loaded_ = true;
    ++loadedForms;
    Form_Initialize();
    Form_Load();
}

bool Form::QueryUnload(int unloadMode) {
    Integer cancel = kFalse;
    Form_QueryUnload(cancel, unloadMode);
    return cancel == kFalse;
}

bool Form::Unload() {
    if (unloading_) return true;
    if (!QueryUnload(kUnloadByCode)) return false;
    unloading_ = true;
    --loadedForms;
    Form_Unload();
    hide();
    return true;
}

void Form::closeEvent(QCloseEvent* event) {
    if (unloading_) {
        event->accept();
        return;
    }
    if (!QueryUnload(kUnloadByControlMenu)) {
        event->ignore();
        return;
    }
    unloading_ = true;
    --loadedForms;
    event->accept();
    Form_Unload();
}

void Form::mouseReleaseEvent(QMouseEvent* event) {
    if (event->button() == Qt::LeftButton || event->button() == Qt::RightButton ||
        event->button() == Qt::MiddleButton)
        Form_Click();
}

void Form::mouseDoubleClickEvent(QMouseEvent*) {
    Form_DblClick();
}

void Form::keyPressEvent(QKeyEvent* event) {
    int shift = 0;
    if (event->modifiers() & Qt::ShiftModifier) shift |= 1;
    if (event->modifiers() & Qt::ControlModifier) shift |= 2;
    if (event->modifiers() & Qt::AltModifier) shift |= 4;
    Form_KeyDown(event->key(), shift);
    const QString text = event->text();
    if (!text.isEmpty()) Form_KeyPress(text.at(0).unicode());
}

Handle Form::hDC() {
    return surface_;
}

void Form::CreateDrawingSurface(int width, int height) {
    DeleteSurface(surface_);
    surface_ = CreateSurface(Bitmap(width, height, PixelFormat::TrueColour));
}

void Form::paintEvent(QPaintEvent*) {
    const Bitmap* picture = FindSurface(surface_);
    if (picture == nullptr) return;
    QPainter painter(this);
    // The picture is in device pixels: draw it one to one, whatever the
    // desktop's scale factor.
    const QImage& image = picture->view();
    const qreal ratio = devicePixelRatioF();
    painter.drawImage(QRectF(0, 0, image.width() / ratio, image.height() / ratio), image);
}

}  // namespace bv::platform
