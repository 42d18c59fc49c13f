// The error code text and the one-line failure handler.
#include <gtest/gtest.h>

#include "errors/error_code.h"
#include "errors/error_handler.h"
#include "platform/checked_arithmetic.h"

namespace bv {
namespace {

class ErrorReportTest : public ::testing::Test {
protected:
    void SetUp() override {
        TracePoint.clear();
        SetErrorReporter([this](const std::string& code) { reports_.push_back(code); });
    }
    void TearDown() override {
        SetErrorReporter(nullptr);
        TracePoint.clear();
    }
    std::vector<std::string> reports_;
};

TEST_F(ErrorReportTest, CodeCarriesNumberTracePointAndLocation) {
    EXPECT_EQ(ErrorCodeText(6, "", "Starter/X_GetData"), "Error Code: BV-6- Starter/X_GetData");
    EXPECT_EQ(ErrorCodeText(9, "007", "Animations\\Anim_Custom_BubbleLeft"),
              "Error Code: BV-9-007 Animations\\Anim_Custom_BubbleLeft");
}

TEST_F(ErrorReportTest, HandlerReportsAndTheCallerCarriesOn) {
    int stepsAfter = 0;
    Guarded("Starter/Main", [&] {
        ToInteger(40000);
        ++stepsAfter;  // skipped: the procedure returns at the failure
    });
    TracePoint = "003";
    Guarded("Animations\\Anim_Custom_BubbleRight", [] { Fail(kSubscriptOutOfRange); });
    Guarded("System/Quiet", [] {});
    ASSERT_EQ(reports_.size(), 2u);
    EXPECT_EQ(stepsAfter, 0);
    EXPECT_EQ(reports_[0], "Error Code: BV-6- Starter/Main");
    EXPECT_EQ(reports_[1], "Error Code: BV-9-003 Animations\\Anim_Custom_BubbleRight");
}

TEST_F(ErrorReportTest, FunctionsGiveTheirDefaultAfterAFailure) {
    const int value = GuardedOr<int>("System/TrimPath", -1, [] {
        Fail(kTypeMismatch);
        return 5;
    });
    EXPECT_EQ(value, -1);
    EXPECT_EQ(reports_.at(0), "Error Code: BV-13- System/TrimPath");
}

}  // namespace
}  // namespace bv
