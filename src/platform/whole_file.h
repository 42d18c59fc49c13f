#pragma once
// Whole-file reads, and whole-file replacement that never leaves a torn file:
// the new contents go to a temporary file beside the old one, reach the disk,
// and then take the old file's place in one rename.

#include <string>
#include <string_view>
#include <system_error>

namespace bv {

struct WholeFileRead {
    enum class Status { kRead, kMissing, kUnreadable };
    Status status = Status::kMissing;
    std::string bytes;
    std::error_code error;  // why the file could not be read, for kMissing and kUnreadable
};

// Reads every byte of the file. A file that does not exist is kMissing; one
// that exists but cannot be read (no permission, a folder, an I/O error) is
// kUnreadable, so that a caller never mistakes it for an empty file.
WholeFileRead ReadWholeFile(const std::string& path);

// Replaces the file's contents with contents, or leaves the file exactly as it
// was and returns false, with the system's reason in *failure when asked for.
// A link is followed, so the file it names is replaced. The temporary file is
// hidden (its name starts with a dot) and is removed again when anything goes
// wrong.
bool ReplaceFileAtomically(const std::string& path, std::string_view contents,
                           std::error_code* failure = nullptr);

}  // namespace bv
