// A write lands whole or not at all: the settings file is never torn, lost or
// replaced by something it did not hold.

#include <gtest/gtest.h>
#include <sys/resource.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <csignal>
#include <filesystem>
#include <string>
#include <system_error>
#include <vector>

#include "platform/profile_file.h"
#include "test_support.h"

namespace bv {
namespace {

using test::FolderEntries;
using test::ReadBytes;
using test::WriteBytes;

namespace fs = std::filesystem;

std::string Read(const std::string& path, const std::string& key) {
    return ReadProfileString(path, "Bluvessa", key, "", 128);
}

TEST(ProfileFileDurability, ATemporaryFileLeftByACrashIsNeverRead) {
    test::ScratchFolder folder;
    const std::string path = folder / "zentrova.ini";
    WriteBytes(path, "[Bluvessa]\nshark=1\n");
    // What an interrupted write leaves behind: a half-written hidden copy.
    const std::string leftover = folder / ".zentrova.ini.Xy12Zq";
    WriteBytes(leftover, "[Bluvessa]\nshark=0\nor");

    EXPECT_EQ(Read(path, "shark"), "1");
    ASSERT_TRUE(WriteProfileString(path, "Bluvessa", "orca", "1"));
    EXPECT_EQ(ReadBytes(path), "[Bluvessa]\nshark=1\norca=1\n");
    EXPECT_EQ(ReadBytes(leftover), "[Bluvessa]\nshark=0\nor");
}

TEST(ProfileFileDurability, AWriteThatFailsHalfwayLeavesTheOldFileWhole) {
    test::ScratchFolder folder;
    const std::string path = folder / "zentrova.ini";
    const std::string before = "; comment\n[Bluvessa]\nmessagetext=" + std::string(300, 'm') + "\n";
    WriteBytes(path, before);

    // A child process may write files of at most 100 bytes, so the new copy
    // breaks off after its first 100 bytes, as if the disk filled up.
    const pid_t child = ::fork();
    ASSERT_GE(child, 0);
    if (child == 0) {
        std::signal(SIGXFSZ, SIG_IGN);
        const rlimit limit{100, 100};
        ::setrlimit(RLIMIT_FSIZE, &limit);
        std::error_code why;
        const bool written = WriteProfileString(path, "Bluvessa", "shark", "1", &why);
        ::_exit(written ? 1 : why == std::errc::file_too_large ? 0 : 2);
    }
    int status = 0;
    ASSERT_EQ(::waitpid(child, &status, 0), child);
    ASSERT_TRUE(WIFEXITED(status));
    EXPECT_NE(WEXITSTATUS(status), 1) << "the write should have reported its failure";
    EXPECT_NE(WEXITSTATUS(status), 2) << "the write should have named the reason";

    EXPECT_EQ(ReadBytes(path), before);
    EXPECT_EQ(FolderEntries(folder.path()), std::vector<std::string>{"zentrova.ini"})
        << "the broken copy should have been removed";
}

TEST(ProfileFileDurability, AMissingFolderIsCreatedByTheFirstWrite) {
    test::ScratchFolder folder;
    const std::string path = folder / "share/bluvessa/zentrova.ini";

    ASSERT_TRUE(WriteProfileString(path, "Bluvessa", "firstrun", "1"));
    EXPECT_EQ(Read(path, "firstrun"), "1");
}

TEST(ProfileFileDurability, AReplacedFileKeepsItsPermissionsAndLinks) {
    test::ScratchFolder folder;
    const std::string target = folder / "real.ini";
    const std::string link = folder / "zentrova.ini";
    WriteBytes(target, "[Bluvessa]\nshark=1\n");
    ASSERT_EQ(::chmod(target.c_str(), 0640), 0);
    fs::create_symlink(target, link);

    ASSERT_TRUE(WriteProfileString(link, "Bluvessa", "shark", "0"));
    EXPECT_TRUE(fs::is_symlink(link));
    EXPECT_EQ(ReadBytes(target), "[Bluvessa]\nshark=0\n");
    struct stat status {};
    ASSERT_EQ(::stat(target.c_str(), &status), 0);
    EXPECT_EQ(status.st_mode & 07777, 0640u);
    EXPECT_EQ(FolderEntries(folder.path()), (std::vector<std::string>{"real.ini", "zentrova.ini"}));
}

}  // namespace
}  // namespace bv
