// Two runs of the generator must write byte-identical packs, equal to the
// one the build made.
#include <gtest/gtest.h>

#include <cstdlib>
#include <string>

#include "media_files.h"

using namespace media_test;

namespace {

std::filesystem::path freshDir(const std::string& name) {
    const auto dir = std::filesystem::temp_directory_path() /
                     ("bluvessa-media-test-" + std::to_string(::getpid())) / name;
    std::filesystem::remove_all(dir);
    std::filesystem::create_directories(dir);
    return dir;
}

int runGenerator(const std::filesystem::path& windows) {
    const std::string command = std::string("\"") + MEDIAGEN_EXECUTABLE + "\" \"" +
                                windows.string() + "\" > /dev/null 2>&1";
    return std::system(command.c_str());
}

TEST(Repeatability, TwoRunsWriteIdenticalBytes) {
    const auto first = freshDir("first");
    const auto second = freshDir("second");
    ASSERT_EQ(runGenerator(first), 0);
    ASSERT_EQ(runGenerator(second), 0);
    const auto packOf = [](const std::filesystem::path& windows) {
        return windows / "Zentrova" / "Bluvessa";
    };
    int files = 0;
    for (const auto& entry : std::filesystem::directory_iterator(packOf(first))) {
        const auto name = entry.path().filename();
        ++files;
        const auto bytes = readBytes(entry.path());
        EXPECT_EQ(bytes, readBytes(packOf(second) / name)) << name << " differs between runs";
        EXPECT_EQ(bytes, readBytes(mediaDir() / name)) << name << " differs from the built pack";
    }
    EXPECT_EQ(files, 58);
    std::filesystem::remove_all(first.parent_path());
}

}  // namespace
