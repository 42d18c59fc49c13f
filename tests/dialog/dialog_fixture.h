#pragma once
// A settings dialog opened the way "/c" opens it, in its own environment.

#include <gtest/gtest.h>

#include <QApplication>
#include <QCheckBox>
#include <QTest>
#include <memory>
#include <stdexcept>

#include "dialog/configuration_form.h"
#include "dialog_test_support.h"

namespace bv::test {

class DialogTest : public ::testing::Test {
protected:
    void TearDown() override {
        dialog_.reset();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    }

    Configuration& Open() {
        dialog_ = std::make_unique<Configuration>();
        dialog_->Load();
        return *dialog_;
    }

    template <typename Control>
    Control& Find(const char* name) const {
        auto* control = dialog_->findChild<Control*>(QString::fromLatin1(name));
        if (control == nullptr) throw std::logic_error(std::string("no control ") + name);
        return *control;
    }

    QCheckBox& Check(const char* name) const { return Find<QCheckBox>(name); }

    // A user's click on the box's square.
    static void ClickBox(QCheckBox& box) {
        QTest::mouseClick(&box, Qt::LeftButton, {}, QPoint(6, box.height() / 2));
    }

    // A window of the program on screen other than the settings dialog.
    template <typename Window>
    static Window* VisibleWindow(const char* name) {
        for (QWidget* window : QApplication::topLevelWidgets())
            if (window->objectName() == QLatin1String(name) && window->isVisible())
                if (auto* found = qobject_cast<Window*>(window)) return found;
        return nullptr;
    }

    DialogEnvironment environment_;
    std::unique_ptr<Configuration> dialog_;
};

}  // namespace bv::test
