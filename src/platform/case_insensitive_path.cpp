#include "platform/case_insensitive_path.h"

#include <algorithm>
#include <filesystem>
#include <string_view>
#include <system_error>
#include <vector>

namespace bv {
namespace {

namespace fs = std::filesystem;

bool EqualIgnoringCase(std::string_view a, std::string_view b) {
    const auto lower = [](unsigned char c) { return c >= 'A' && c <= 'Z' ? c + ('a' - 'A') : c; };
    return a.size() == b.size() && std::equal(a.begin(), a.end(), b.begin(), [&](char x, char y) {
               return lower(static_cast<unsigned char>(x)) == lower(static_cast<unsigned char>(y));
           });
}

bool IsFolder(const fs::path& path) {
    std::error_code error;
    return fs::is_directory(path, error);
}

// A normal file: a regular file (or a link to one) whose name does not start
// with a dot.
bool IsNormalFile(const fs::path& path) {
    std::error_code error;
    const std::string name = path.filename().string();
    return !name.empty() && name.front() != '.' && fs::is_regular_file(path, error);
}

// The entry of folder named like name, exactly if possible, otherwise the first
// in name order that matches without regard to case and passes accept.
template <typename Accept>
std::optional<fs::path> FindEntry(const fs::path& folder, const std::string& name, Accept accept) {
    const fs::path exact = folder / name;
    if (accept(exact)) return exact;
    std::vector<fs::path> matches;
    std::error_code error;
    for (fs::directory_iterator it(folder.empty() ? fs::path(".") : folder, error), end;
         !error && it != end; it.increment(error)) {
        const std::string entryName = it->path().filename().string();
        if (EqualIgnoringCase(entryName, name) && accept(folder / entryName))
            matches.push_back(folder / entryName);
    }
    if (matches.empty()) return std::nullopt;
    return *std::min_element(matches.begin(), matches.end());
}

}  // namespace

std::optional<std::string> FindFileIgnoringCase(const std::string& path) {
    const fs::path wanted(path);
    const std::string fileName = wanted.filename().string();
    if (fileName.empty() || fileName == "." || fileName == "..") return std::nullopt;

    // Walk the folders from the root (or the current folder) down, each one
    // matched without regard to case.
    fs::path folder = wanted.root_path();
    for (const fs::path& part : wanted.parent_path().relative_path()) {
        const std::string partName = part.string();
        if (partName.empty() || partName == "." || partName == "..") {
            folder /= part;
            continue;
        }
        const std::optional<fs::path> found = FindEntry(folder, partName, IsFolder);
        if (!found) return std::nullopt;
        folder = *found;
    }
    const std::optional<fs::path> file = FindEntry(folder, fileName, IsNormalFile);
    if (!file) return std::nullopt;
    return file->string();
}

std::string ResolveCaseInsensitive(const std::string& path) {
    return FindFileIgnoringCase(path).value_or(path);
}

}  // namespace bv
