// The main of every test program that needs no window toolkit of its own.
#include <gtest/gtest.h>

#include "run_reset_listener.h"

int main(int argc, char** argv) {
    ::testing::InitGoogleTest(&argc, argv);
    bv::test::StartEveryTestFromTheReset();
    return RUN_ALL_TESTS();
}
