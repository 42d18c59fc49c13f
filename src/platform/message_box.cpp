#include "platform/message_box.h"

#include <QMessageBox>
#include <utility>

namespace bv::platform {
namespace {

void ShowRealMessageBox(QWidget* owner, const std::string& title, const std::string& text) {
    QMessageBox box(QMessageBox::Warning, QString::fromStdString(title),
                    QString::fromStdString(text), QMessageBox::Ok, owner);
    // A window of the program that stays on top (the message entry) must not hide it.
    box.setWindowFlag(Qt::WindowStaysOnTopHint, true);
    box.exec();
}

MessageShower& Shower() {
    static MessageShower shower;
    return shower;
}

}  // namespace

void SetMessageShower(MessageShower shower) {
    Shower() = std::move(shower);
}

void ShowMessageBox(QWidget* owner, const std::string& title, const std::string& text) {
    if (Shower())
        Shower()(owner, title, text);
    else
        ShowRealMessageBox(owner, title, text);
}

}  // namespace bv::platform
