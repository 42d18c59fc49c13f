#include "platform/whole_file.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <filesystem>
#include <system_error>
#include <utility>

namespace bv {
namespace {

namespace fs = std::filesystem;

// Owns a file descriptor and closes it once.
class UniqueFd {
public:
    explicit UniqueFd(int fd = -1) : fd_(fd) {}
    UniqueFd(const UniqueFd&) = delete;
    UniqueFd& operator=(const UniqueFd&) = delete;
    ~UniqueFd() { Close(); }

    int get() const { return fd_; }
    bool valid() const { return fd_ >= 0; }

    // Closes now and reports whether the close succeeded: a failed close can
    // be the first sign that the data never reached the file.
    bool Close() {
        if (fd_ < 0) return true;
        const int result = ::close(std::exchange(fd_, -1));
        return result == 0;
    }

private:
    int fd_;
};

// Removes the temporary file unless the rename has consumed it.
class TemporaryFileGuard {
public:
    explicit TemporaryFileGuard(std::string path) : path_(std::move(path)) {}
    TemporaryFileGuard(const TemporaryFileGuard&) = delete;
    TemporaryFileGuard& operator=(const TemporaryFileGuard&) = delete;
    ~TemporaryFileGuard() {
        if (!path_.empty()) ::unlink(path_.c_str());
    }
    void Release() { path_.clear(); }

private:
    std::string path_;
};

bool WriteAll(int fd, std::string_view bytes) {
    while (!bytes.empty()) {
        const ssize_t written = ::write(fd, bytes.data(), bytes.size());
        if (written < 0) {
            if (errno == EINTR) continue;
            return false;
        }
        bytes.remove_prefix(static_cast<std::size_t>(written));
    }
    return true;
}

// The file a write must replace: the target of a link, so that a linked
// settings file stays linked.
fs::path ReplacedFile(const std::string& path) {
    std::error_code error;
    if (fs::is_symlink(path, error)) {
        fs::path target = fs::canonical(path, error);
        if (!error) return target;
    }
    return fs::path(path);
}

// The permissions the new file gets: those of the file it replaces, or what a
// newly created file would get under the process's file-creation mask. The
// mask can only be read by setting it; it is put straight back. The sound
// threads never create files, and only the interface thread writes them, so
// nothing is created during that moment.
mode_t PermissionsFor(const fs::path& replaced) {
    struct stat status {};
    if (::stat(replaced.c_str(), &status) == 0) return status.st_mode & 07777;
    const mode_t mask = ::umask(0);
    ::umask(mask);
    return 0666 & ~mask;
}

std::error_code LastError() {
    return std::error_code(errno, std::generic_category());
}

void SyncFolder(const fs::path& folder) {
    UniqueFd fd(::open(folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC));
    if (fd.valid()) ::fsync(fd.get());
}

}  // namespace

WholeFileRead ReadWholeFile(const std::string& path) {
    WholeFileRead result;
    UniqueFd fd(::open(path.c_str(), O_RDONLY | O_CLOEXEC));
    if (!fd.valid()) {
        result.error = LastError();
        result.status = errno == ENOENT || errno == ENOTDIR ? WholeFileRead::Status::kMissing
                                                            : WholeFileRead::Status::kUnreadable;
        return result;
    }
    char chunk[65536];
    for (;;) {
        const ssize_t count = ::read(fd.get(), chunk, sizeof chunk);
        if (count == 0) break;
        if (count < 0) {
            if (errno == EINTR) continue;
            result.error = LastError();
            result.status = WholeFileRead::Status::kUnreadable;
            result.bytes.clear();
            return result;
        }
        result.bytes.append(chunk, static_cast<std::size_t>(count));
    }
    result.status = WholeFileRead::Status::kRead;
    return result;
}

bool ReplaceFileAtomically(const std::string& path, std::string_view contents,
                           std::error_code* failure) {
    // The reason is taken at the call that failed, before any clean-up can
    // overwrite errno.
    const auto failed = [failure](std::error_code why) {
        if (failure != nullptr) *failure = why;
        return false;
    };
    const fs::path replaced = ReplacedFile(path);
    const std::string fileName = replaced.filename().string();
    if (fileName.empty()) return failed(std::make_error_code(std::errc::is_a_directory));
    const fs::path folder = replaced.has_parent_path() ? replaced.parent_path() : fs::path(".");

    std::string temporaryPath = (folder / ("." + fileName + ".XXXXXX")).string();
    UniqueFd fd(::mkostemp(temporaryPath.data(), O_CLOEXEC));
    if (!fd.valid()) return failed(LastError());
    TemporaryFileGuard guard(temporaryPath);

    if (::fchmod(fd.get(), PermissionsFor(replaced)) != 0) return failed(LastError());
    if (!WriteAll(fd.get(), contents)) return failed(LastError());
    if (::fsync(fd.get()) != 0) return failed(LastError());
    if (!fd.Close()) return failed(LastError());
    if (::rename(temporaryPath.c_str(), replaced.c_str()) != 0) return failed(LastError());
    guard.Release();
    SyncFolder(folder);
    return true;
}

}  // namespace bv
