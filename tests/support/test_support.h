#pragma once
// What the test folders share: a scratch folder, reading and writing whole
// files, an environment variable for one scope, and a recorder for reported
// failures.

#include <string>
#include <vector>

namespace bv::test {

// A fresh folder removed with everything in it at the end of the test.
class ScratchFolder {
public:
    ScratchFolder();
    ScratchFolder(const ScratchFolder&) = delete;
    ScratchFolder& operator=(const ScratchFolder&) = delete;
    ~ScratchFolder();

    const std::string& path() const { return path_; }  // ends in "/"
    std::string operator/(const std::string& name) const { return path_ + name; }

private:
    std::string path_;
};

// Throws when the file cannot be written.
void WriteBytes(const std::string& path, const std::string& bytes);
std::string ReadBytes(const std::string& path);  // "" when the file cannot be read
std::vector<std::string> FolderEntries(const std::string& folder);  // names, sorted

// Sets an environment variable (or unsets it for nullptr) for one scope.
class ScopedEnvironment {
public:
    ScopedEnvironment(const char* name, const char* value);
    ScopedEnvironment(const ScopedEnvironment&) = delete;
    ScopedEnvironment& operator=(const ScopedEnvironment&) = delete;
    ~ScopedEnvironment();

private:
    std::string name_;
    bool hadValue_;
    std::string oldValue_;
};

// Collects the error codes reported while it lives.
class ErrorRecorder {
public:
    ErrorRecorder();
    ErrorRecorder(const ErrorRecorder&) = delete;
    ErrorRecorder& operator=(const ErrorRecorder&) = delete;
    ~ErrorRecorder();

    const std::vector<std::string>& codes() const { return codes_; }

private:
    std::vector<std::string> codes_;
};

}  // namespace bv::test
