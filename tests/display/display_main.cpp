// The main of the tests that need the window system itself.
#include <gtest/gtest.h>

#include <QApplication>

#include "run_reset_listener.h"

int main(int argc, char** argv) {
    QApplication application(argc, argv);
    ::testing::InitGoogleTest(&argc, argv);
    bv::test::StartEveryTestFromTheReset();
    return RUN_ALL_TESTS();
}
