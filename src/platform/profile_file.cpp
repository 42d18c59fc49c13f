#include "platform/profile_file.h"

#include <filesystem>
#include <optional>
#include <system_error>

#include "platform/profile_text.h"
#include "platform/whole_file.h"

namespace bv {
namespace {

bool IsUtf8Continuation(char c) {
    return (static_cast<unsigned char>(c) & 0xC0) == 0x80;
}

// At most capacity - 1 bytes, the room a C buffer of that capacity has next
// to its terminator. A cut never leaves half a UTF-8 character at the end.
std::string CutToCapacity(std::string_view text, std::size_t capacity) {
    const std::size_t room = capacity > 0 ? capacity - 1 : 0;
    if (text.size() <= room) return std::string(text);
    std::size_t end = room;
    while (end > 0 && IsUtf8Continuation(text[end])) --end;
    if (end == 0) end = room;  // not UTF-8 text: cut at the byte count
    return std::string(text.substr(0, end));
}

}  // namespace

std::string ReadProfileString(const std::string& path, std::string_view section,
                              std::string_view key, std::string_view defaultValue,
                              std::size_t capacity) {
    const WholeFileRead file = ReadWholeFile(path);
    if (file.status == WholeFileRead::Status::kRead) {
        if (const std::optional<std::string> value = ProfileText(file.bytes).Find(section, key))
            return CutToCapacity(*value, capacity);
    }
    return CutToCapacity(defaultValue, capacity);
}

bool WriteProfileString(const std::string& path, std::string_view section, std::string_view key,
                        std::string_view value, std::error_code* failure) {
    const auto failed = [failure](std::error_code why) {
        if (failure != nullptr) *failure = why;
        return false;
    };
    const WholeFileRead file = ReadWholeFile(path);
    // An existing file that cannot be read must not be replaced by one that
    // holds only the new value.
    if (file.status == WholeFileRead::Status::kUnreadable) return failed(file.error);
    ProfileText text(file.bytes);
    if (!text.Set(section, key, value))
        return failed(std::make_error_code(std::errc::invalid_argument));
    if (file.status == WholeFileRead::Status::kMissing) {
        // The per-user data folder does not exist before the first save.
        std::error_code ignored;
        const std::filesystem::path folder = std::filesystem::path(path).parent_path();
        if (!folder.empty()) std::filesystem::create_directories(folder, ignored);
    }
    return ReplaceFileAtomically(path, text.Contents(), failure);
}

}  // namespace bv
