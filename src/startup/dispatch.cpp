#include "startup/dispatch.h"

#include <algorithm>
#include <cctype>

#include "settings/settings_globals.h"
#include "startup/run_state.h"

namespace bv {
namespace {
char Lower(char c) {
    return static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
}
}  // namespace

std::string JoinArguments(int argc, const char* const* argv) {
    std::string joined;
    for (int i = 1; i < argc; ++i) {
        if (i > 1) joined += ' ';
        joined += argv[i];
    }
    return joined;
}

std::string NormaliseCommandLine(std::string_view commandLine) {
    const auto first = commandLine.find_first_not_of(' ');
    if (first == std::string_view::npos) return {};
    const auto last = commandLine.find_last_not_of(' ');
    std::string trimmed(commandLine.substr(first, last - first + 1));
    std::transform(trimmed.begin(), trimmed.end(), trimmed.begin(), Lower);
    return trimmed;
}

bool ContainsSwitch(std::string_view commandLine, std::string_view switchText) {
    const auto found =
        std::search(commandLine.begin(), commandLine.end(), switchText.begin(), switchText.end(),
                    [](char a, char b) { return Lower(a) == Lower(b); });
    return found != commandLine.end();
}

Integer DispatchRunMode(std::string_view commandLine) {
    struct Row {
        const char* switchText;
        Integer mode;
    };
    static constexpr Row kOrder[] = {
        {"/p", kRunModePreview},     {"/c", kRunModeConfigure}, {"/a", kRunModePassword},
        {"/h", kRunModeSupportPage}, {"/w", kRunModeHomePage},
    };
    for (const Row& row : kOrder)
        if (ContainsSwitch(commandLine, row.switchText)) return row.mode;
    return kRunModeScreenSaver;
}

}  // namespace bv
