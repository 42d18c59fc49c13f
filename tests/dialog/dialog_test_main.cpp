// The dialog tests need a widget application; the platform plug-in comes
// from the environment (offscreen under ctest).

#include <gtest/gtest.h>

#include <QApplication>

#include "run_reset_listener.h"

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    ::testing::InitGoogleTest(&argc, argv);
    bv::test::StartEveryTestFromTheReset();
    return RUN_ALL_TESTS();
}
