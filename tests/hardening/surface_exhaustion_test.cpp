// A drawing surface that cannot be had is reported as the program's
// out-of-memory failure, never a crash or a hang.
#include <gtest/gtest.h>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

#include <QTemporaryDir>
#include <fstream>
#include <string>
#include <vector>

#include "bmp_builder.h"
#include "errors/error_code.h"
#include "platform/runtime_failure.h"
#include "platform/surface_table.h"
#include "surfaces/memory_surfaces.h"

namespace bv {
namespace {

class SurfaceExhaustion : public ::testing::Test {
protected:
    void SetUp() override {
        test::BmpSpec spec;
        spec.pixels = {0x102030, 0x405060, 0x708090, 0xA0B0C0};
        const std::string path = dir_.filePath("reef.bmp").toStdString();
        test::WriteFile(path, test::BuildBmp(spec));
        reference_ = GenerateDC(path);
        ASSERT_EQ(platform::FindSurface(reference_)->format(), platform::PixelFormat::TrueColour);
        SetErrorReporter([this](const std::string& code) { reports_.push_back(code); });
    }
    void TearDown() override {
        SetErrorReporter(nullptr);
        RemoveDC(reference_);
    }

    QTemporaryDir dir_;
    SurfaceHandle reference_ = 0;
    std::vector<std::string> reports_;
};

TEST_F(SurfaceExhaustion, AnAbsurdScreenSizeIsReportedAsOutOfMemory) {
    const int before = platform::LiveSurfaceCount();
    EXPECT_EQ(GenerateBufferDC(32767, 32767, reference_), 0);  // 4 GiB in true colour
    ASSERT_EQ(reports_.size(), 1u);
    EXPECT_EQ(reports_[0], ErrorCodeText(kOutOfMemory, TracePoint, "System/GenerateBufferDC"));
    EXPECT_NE(reports_[0].find("BV-7-"), std::string::npos);
    EXPECT_EQ(platform::LiveSurfaceCount(), before);
}

// The exit status of a child that asks for a surface under an address-space
// limit: 0 when it was refused and reported as out of memory.
int BufferUnderMemoryLimit(SurfaceHandle reference, std::vector<std::string>& reports) {
    const pid_t child = fork();
    if (child == 0) {
        rlimit limit{};
        getrlimit(RLIMIT_AS, &limit);
        // Whatever the process holds now, plus far less than the buffer needs.
        std::ifstream status("/proc/self/statm");
        unsigned long long pages = 0;
        status >> pages;
        limit.rlim_cur =
            pages * static_cast<unsigned long long>(sysconf(_SC_PAGESIZE)) + (128ULL << 20);
        if (setrlimit(RLIMIT_AS, &limit) != 0) _exit(3);
        const SurfaceHandle buffer = GenerateBufferDC(12000, 12000, reference);  // 576 MB
        const bool reported = reports.size() == 1 &&
                              reports[0].find("BV-7- System/GenerateBufferDC") != std::string::npos;
        _exit(buffer == 0 && reported ? 0 : 1);
    }
    int status = 0;
    waitpid(child, &status, 0);
    return WIFEXITED(status) ? WEXITSTATUS(status) : 128 + WTERMSIG(status);
}

TEST_F(SurfaceExhaustion, ASurfaceTheMemoryLimitRefusesIsReportedAsOutOfMemory) {
#if defined(__SANITIZE_ADDRESS__)
    GTEST_SKIP() << "AddressSanitizer's allocator ends the process when memory runs out";
#else
    EXPECT_EQ(BufferUnderMemoryLimit(reference_, reports_), 0);
#endif
}

}  // namespace
}  // namespace bv
