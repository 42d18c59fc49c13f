#include "run_reset_listener.h"

#include <gtest/gtest.h>

#include "platform/process_end.h"
#include "startup/run_reset.h"

namespace bv::test {
namespace {

class RunResetListener : public ::testing::EmptyTestEventListener {
    void OnTestStart(const ::testing::TestInfo&) override {
        platform::SetProcessEnder(nullptr);
        ResetRunState();
    }
};

}  // namespace

void StartEveryTestFromTheReset() {
    ::testing::UnitTest::GetInstance()->listeners().Append(new RunResetListener);
}

}  // namespace bv::test
