// The platform family, the screen-saver-running rule and centring a form.

#include "settings/platform_version.h"

#include <gtest/gtest.h>

#include <QApplication>
#include <QGuiApplication>
#include <QScreen>
#include <QWidget>

#include "platform/center_form.h"
#include "platform/platform_family.h"
#include "test_support.h"

namespace bv {
namespace {

class PlatformVersionTest : public ::testing::Test {
protected:
};

TEST_F(PlatformVersionTest, ThisPlatformIsOfTheNtFamily) {
    EXPECT_EQ(GetVersion32(), "NT");
}

TEST_F(PlatformVersionTest, OnlyThe95FamilyWithAPasswordSwitchesTheRunningState) {
    WinVersion = "95";
    UsePassword = 1;
    SetTFS("DiSaBlE");
    EXPECT_EQ(ScreenSaverRunningState, kTrue);
    SetTFS("something else");
    EXPECT_EQ(ScreenSaverRunningState, kTrue);
    SetTFS("ENABLE");
    EXPECT_EQ(ScreenSaverRunningState, kFalse);

    for (const auto& [version, password] : {std::pair{"NT", 1}, {"95", 0}, {"Unknown", 1}}) {
        SCOPED_TRACE(version);
        WinVersion = version;
        UsePassword = static_cast<Integer>(password);
        ScreenSaverRunningState = kFalse;
        SetTFS("disable");
        EXPECT_EQ(ScreenSaverRunningState, kFalse);
        ScreenSaverRunningState = kTrue;
        SetTFS("enable");
        EXPECT_EQ(ScreenSaverRunningState, kTrue);
    }
}

TEST_F(PlatformVersionTest, CenterFormPutsTheFormInTheMiddleOfThePrimaryScreen) {
    test::ScopedEnvironment platform("QT_QPA_PLATFORM", "offscreen");
    int argc = 1;
    char name[] = "settings_tests";
    char* argv[] = {name, nullptr};
    QApplication application(argc, argv);
    const QRect screen = QGuiApplication::primaryScreen()->geometry();

    QWidget form;
    form.resize(201, 100);
    form.move(3, 7);
    CenterForm(form);
    EXPECT_EQ(form.size(), QSize(201, 100));
    EXPECT_EQ(form.pos(),
              QPoint(screen.x() + screen.width() / 2 - 100, screen.y() + screen.height() / 2 - 50));
}

}  // namespace
}  // namespace bv
