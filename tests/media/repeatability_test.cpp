// The generator run again writes the very pack the build made, byte for
// byte: nothing in it depends on the time, the machine or chance.
#include <gtest/gtest.h>

#include <cstdlib>

#include "media_files.h"
#include "test_support.h"

using bv::test::FolderEntries;
using bv::test::ReadBytes;

namespace {

TEST(Repeatability, AnotherRunWritesTheBuiltPackAgain) {
    const bv::test::ScratchFolder windows;
    const std::string command =
        std::string("\"") + MEDIAGEN_EXECUTABLE + "\" \"" + windows.path() + "\" > /dev/null 2>&1";
    ASSERT_EQ(std::system(command.c_str()), 0);
    const std::string pack = windows / "Zentrova/Bluvessa/";
    const std::string built = media_test::mediaDir().string() + "/";
    ASSERT_EQ(FolderEntries(pack), FolderEntries(built));
    for (const std::string& name : FolderEntries(pack))
        EXPECT_TRUE(ReadBytes(pack + name) == ReadBytes(built + name)) << name << " differs";
}

}  // namespace
