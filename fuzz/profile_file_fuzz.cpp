// Any settings file on disk, read and written through the profile service:
// reads stay within their capacity, a write that succeeds reads back, and a
// refused write leaves the file as it was.
#include <fuzzer/FuzzedDataProvider.h>
#include <unistd.h>

#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <filesystem>
#include <string>

#include "platform/profile_file.h"
#include "platform/whole_file.h"
#include "profile_read_back.h"

namespace {

// A private folder for the settings file, removed again when the run ends.
class ScratchFolder {
public:
    ScratchFolder() {
        // Memory-backed where possible: every write reaches the disk first.
        const std::filesystem::path base = std::filesystem::is_directory("/dev/shm")
                                               ? std::filesystem::path("/dev/shm")
                                               : std::filesystem::temp_directory_path();
        folder_ = base / ("bluvessa-fuzz-" + std::to_string(getpid()));
        std::filesystem::create_directories(folder_);
    }
    ~ScratchFolder() {
        std::error_code ignored;
        std::filesystem::remove_all(folder_, ignored);
    }
    ScratchFolder(const ScratchFolder&) = delete;
    ScratchFolder& operator=(const ScratchFolder&) = delete;

    std::string SettingsPath() const { return (folder_ / "settings.ini").string(); }

private:
    std::filesystem::path folder_;
};

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    FuzzedDataProvider input(data, size);
    const std::string section = input.ConsumeRandomLengthString(40);
    const std::string key = input.ConsumeRandomLengthString(40);
    const std::string value = input.ConsumeRandomLengthString(80);
    const std::size_t capacity = input.ConsumeIntegralInRange<std::size_t>(0, 300);
    const std::string contents = input.ConsumeRemainingBytesAsString();

    static const ScratchFolder scratch;
    const std::string path = scratch.SettingsPath();
    if (!bv::ReplaceFileAtomically(path, contents)) std::abort();

    const std::string read = bv::ReadProfileString(path, section, key, "fallback", capacity);
    if (read.size() > (capacity > 0 ? capacity - 1 : 0)) std::abort();

    if (!bv::WriteProfileString(path, section, key, value)) {
        if (bv::ReadWholeFile(path).bytes != contents) std::abort();
        return 0;
    }
    // Read back with room for anything the write could have stored.
    if (bv::ReadProfileString(path, section, key, "", 1000) != AsReadBack(value)) std::abort();
    return 0;
}
