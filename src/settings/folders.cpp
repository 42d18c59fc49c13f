#include "settings/folders.h"

#include <pwd.h>
#include <unistd.h>

#include <cstdlib>
#include <filesystem>
#include <optional>
#include <system_error>
#include <vector>

#include "errors/error_handler.h"
#include "platform/case_insensitive_path.h"
#include "settings/settings_globals.h"

namespace bv {
namespace {

std::string Environment(const char* name) {
    const char* value = std::getenv(name);
    return value ? std::string(value) : std::string();
}

std::string HomeFolder() {
    std::string home = Environment("HOME");
    if (!home.empty()) return home;
    // No HOME (a bare service environment): the account's home folder.
    long size = ::sysconf(_SC_GETPW_R_SIZE_MAX);
    std::vector<char> buffer(size > 0 ? static_cast<std::size_t>(size) : 16384);
    passwd entry{};
    passwd* found = nullptr;
    if (::getpwuid_r(::getuid(), &entry, buffer.data(), buffer.size(), &found) == 0 && found &&
        found->pw_dir)
        home = found->pw_dir;
    return home;
}

std::string WithOneTrailingSeparator(std::string folder) {
    while (!folder.empty() && folder.back() == '/') folder.pop_back();
    return folder + "/";
}

// The folder the settings file lives in; "" when there is none to be had.
std::string WindowsFolder() {
    std::string chosen = Environment("BLUVESSA_WINDOWS_DIR");
    if (!chosen.empty()) return chosen;
    // The XDG rule: a relative $XDG_DATA_HOME is invalid and is ignored.
    const std::string dataHome = Environment("XDG_DATA_HOME");
    if (!dataHome.empty() && dataHome.front() == '/')
        return WithOneTrailingSeparator(dataHome) + "bluvessa";
    const std::string home = HomeFolder();
    return home.empty() ? std::string() : WithOneTrailingSeparator(home) + ".local/share/bluvessa";
}

// The media pack an installed copy shares with every user:
// $BLUVESSA_INSTALLED_MEDIA_DIR when set, otherwise
// share/bluvessa/Zentrova/Bluvessa/ beside the folder of the program's own
// binary (a link to the program, as in xscreensaver's folder of hacks, is
// followed to the binary). Whatever the prefix of the install, the pack is
// where the install put it. "" when the binary cannot be found.
std::string InstalledMediaFolder() {
    const std::string chosen = Environment("BLUVESSA_INSTALLED_MEDIA_DIR");
    if (!chosen.empty()) return WithOneTrailingSeparator(chosen);
    std::error_code error;
    const std::filesystem::path binary = std::filesystem::read_symlink("/proc/self/exe", error);
    if (error || !binary.is_absolute()) return {};
    return (binary.parent_path().parent_path() / "share/bluvessa/Zentrova/Bluvessa/").string();
}

// A user's own Windows folder with a media folder of its own takes
// precedence over the installed pack.
std::string AssetFolderFor(const std::string& windowsDir) {
    std::string own = windowsDir + "Zentrova/" + "Bluvessa" + "/";
    if (FindFileIgnoringCase(own + "bv_palette.bmp")) return own;
    std::string installed = InstalledMediaFolder();
    if (!installed.empty() && FindFileIgnoringCase(installed + "bv_palette.bmp")) return installed;
    return own;
}

}  // namespace

void GetDiectories() {
    Guarded("Starter/GetDiectories", [&] {
        WindowsDir = WithOneTrailingSeparator(WindowsFolder());
        AssetDir = AssetFolderFor(WindowsDir);
    });
}

std::string TrimPath(const std::string& path) {
    return GuardedOr("System/TrimPath", std::string(), [&] {
        const std::size_t separator = path.find_last_of("/\\");
        return separator == std::string::npos ? path : path.substr(separator + 1);
    });
}

Integer FileInstallCheck(const std::string& path) {
    // The search matches names without regard to case and finds only normal
    // files, so finding one is the whole check. A path with no file-name part
    // finds nothing and is not installed.
    return GuardedOr("System/FileInstallCheck", kFalse,
                     [&] { return Flag(FindFileIgnoringCase(path).has_value()); });
}

}  // namespace bv
