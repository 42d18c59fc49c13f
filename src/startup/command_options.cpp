#include "startup/command_options.h"

#include <charconv>
#include <string_view>

#ifndef BLUVESSA_VERSION
#error "BLUVESSA_VERSION must name the program's version (the build sets it)"
#endif

namespace bv {
namespace {

constexpr char kUsage[] =
    "Usage: bluvessa [OPTION]... [SWITCH]\n"
    "An animated undersea screen saver for X11.\n"
    "\n"
    "Switches (anywhere on the command line, in any case):\n"
    "  /s, or none      run full screen until a click or a key\n"
    "  /p ID            draw a live miniature into the X window ID\n"
    "  /c               open the settings dialog\n"
    "  /a ID            show the password note\n"
    "  /h, /w           open the support page or the home page in the web browser\n"
    "  -root            as --root\n"
    "\n"
    "Options (they apply to this run only, on top of the settings file):\n"
    "      --root           draw into the window named by $XSCREENSAVER_WINDOW\n"
    "                         (as xscreensaver starts it)\n"
    "      --window-id ID   draw the full scene into the X window ID\n"
    "                         (decimal or 0x hexadecimal)\n"
    "      --delay MS       frame delay in milliseconds, 1 to 32767;\n"
    "                         0 keeps the settings file's speed\n"
    "      --clock          show the clock\n"
    "      --no-clock       hide the clock\n"
    "      --sound MODE     none, music or effect\n"
    "      --scale N        creature size: 0 automatic, 1 to 4\n"
    "  -h, --help           show this help and end\n"
    "      --version        show the version and end\n"
    "Options with a value take it as --name VALUE or --name=VALUE.\n"
    "\n"
    "The settings live in zentrova.ini in $BLUVESSA_WINDOWS_DIR when set, otherwise\n"
    "in $XDG_DATA_HOME/bluvessa or ~/.local/share/bluvessa; \"bluvessa /c\" edits them.\n"
    "See bluvessa(6) for the whole story.\n";

// Digits only, in the given base, the whole text, within the limit.
std::optional<unsigned long> Number(std::string_view text, int base, unsigned long limit) {
    if (text.empty()) return std::nullopt;
    unsigned long value = 0;
    const char* end = text.data() + text.size();
    const auto [stop, fault] = std::from_chars(text.data(), end, value, base);
    if (fault != std::errc() || stop != end || value > limit) return std::nullopt;
    return value;
}

using Setter = bool (*)(CommandOptions&, std::string_view value);

struct OptionRow {
    std::string_view name;
    bool takesValue;
    Setter set;          // false for a value it cannot take
    const char* values;  // what a value may be, for the error message
};

bool SetWindowId(CommandOptions& options, std::string_view value) {
    // X resource ids are 32 bits wide; 0 names no window.
    const bool hex = value.starts_with("0x") || value.starts_with("0X");
    const auto id =
        hex ? Number(value.substr(2), 16, 0xFFFFFFFFul) : Number(value, 10, 0xFFFFFFFFul);
    if (!id || *id == 0) return false;
    options.windowId = *id;
    return true;
}

bool SetDelay(CommandOptions& options, std::string_view value) {
    const auto delay = Number(value, 10, 32767);
    if (!delay) return false;
    // 0 is where xscreensaver's slider rests when left alone: no override.
    options.delay = *delay == 0 ? std::nullopt : std::optional<int>(static_cast<int>(*delay));
    return true;
}

bool SetSound(CommandOptions& options, std::string_view value) {
    static constexpr std::string_view kModes[] = {"none", "music", "effect"};
    for (int mode = 0; mode < 3; ++mode) {
        if (value == kModes[mode]) {
            options.soundMode = mode;
            return true;
        }
    }
    return false;
}

bool SetScale(CommandOptions& options, std::string_view value) {
    const auto scale = Number(value, 10, 4);
    if (!scale) return false;
    options.scale = static_cast<int>(*scale);
    return true;
}

bool AskForHelp(CommandOptions& options, std::string_view) {
    options.action = CommandAction::kHelp;
    return true;
}

bool AskForVersion(CommandOptions& options, std::string_view) {
    options.action = CommandAction::kVersion;
    return true;
}

bool SetRoot(CommandOptions& options, std::string_view) {
    options.root = true;
    return true;
}

bool SetClockOn(CommandOptions& options, std::string_view) {
    options.clock = true;
    return true;
}

bool SetClockOff(CommandOptions& options, std::string_view) {
    options.clock = false;
    return true;
}

constexpr OptionRow kOptions[] = {
    {"--help", false, AskForHelp, ""},
    {"--version", false, AskForVersion, ""},
    {"--root", false, SetRoot, ""},
    {"--clock", false, SetClockOn, ""},
    {"--no-clock", false, SetClockOff, ""},
    {"--window-id", true, SetWindowId, "an X window id, decimal or 0x hexadecimal"},
    {"--delay", true, SetDelay, "milliseconds from 1 to 32767, or 0 for the settings file's"},
    {"--sound", true, SetSound, "none, music or effect"},
    {"--scale", true, SetScale, "0 (automatic) or 1 to 4"},
};

const OptionRow* FindOption(std::string_view name) {
    for (const OptionRow& row : kOptions)
        if (row.name == name) return &row;
    return nullptr;
}

CommandOptions Failed(CommandOptions options, std::string message) {
    options.action = CommandAction::kError;
    options.error = std::move(message);
    return options;
}

std::string Quoted(std::string_view text) {
    return "'" + std::string(text) + "'";
}

CommandOptions processOptions;

}  // namespace

CommandOptions ParseCommandOptions(const std::vector<std::string>& arguments) {
    CommandOptions options;
    bool optionsEnded = false;
    for (std::size_t i = 0; i < arguments.size(); ++i) {
        const std::string_view argument = arguments[i];
        if (optionsEnded || !(argument.starts_with("--") || argument == "-h")) {
            options.switches.emplace_back(argument);
            continue;
        }
        if (argument == "--") {
            optionsEnded = true;
            continue;
        }
        const std::size_t equals = argument.find('=');
        const std::string_view name =
            argument == "-h" ? std::string_view("--help") : argument.substr(0, equals);
        const OptionRow* row = FindOption(name);
        if (row == nullptr) return Failed(options, "unrecognized option " + Quoted(argument));

        std::string_view value;
        if (equals != std::string_view::npos) {
            if (!row->takesValue)
                return Failed(options, "option " + Quoted(name) + " doesn't allow an argument");
            value = argument.substr(equals + 1);
        } else if (row->takesValue) {
            if (i + 1 >= arguments.size())
                return Failed(options, "option " + Quoted(name) + " requires an argument");
            value = arguments[++i];
        }
        if (!row->set(options, value))
            return Failed(options, "invalid argument " + Quoted(value) + " for " + Quoted(name) +
                                       ": " + row->values);
        if (options.action != CommandAction::kRun) return options;
    }
    return options;
}

std::string SwitchLine(const CommandOptions& options) {
    std::string line;
    for (std::size_t i = 0; i < options.switches.size(); ++i) {
        if (i > 0) line += ' ';
        line += options.switches[i];
    }
    return line;
}

const char* CommandUsage() {
    return kUsage;
}

std::string VersionLine() {
    return std::string("bluvessa ") + BLUVESSA_VERSION;
}

const CommandOptions& ParseProcessCommandOptions(int argc, const char* const* argv) {
    processOptions = ParseCommandOptions(std::vector<std::string>(argv + (argc > 0), argv + argc));
    return processOptions;
}

const CommandOptions& ProcessCommandOptions() {
    return processOptions;
}

std::optional<int> AnswerWithoutRunning(const CommandOptions& options, std::FILE* out,
                                        std::FILE* err) {
    switch (options.action) {
        case CommandAction::kRun:
            return std::nullopt;
        case CommandAction::kHelp:
            std::fputs(kUsage, out);
            return 0;
        case CommandAction::kVersion:
            std::fprintf(out, "%s\n", VersionLine().c_str());
            return 0;
        case CommandAction::kError:
            std::fprintf(err, "bluvessa: %s\n", options.error.c_str());
            std::fputs(kUsage, err);
            return 2;
    }
    return 2;
}

}  // namespace bv
