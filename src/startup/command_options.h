#pragma once
// The program's GNU-style options ("--help", "--delay 40", "--sound=music"),
// read beside the classic screen-saver switches ("/s", "/c", "/p 123").
//
// Every argument that starts with "--" is an option and must be one the
// program knows; "-h" is the short form of "--help"; a lone "--" ends the
// options. Every other argument is left to the switch rule. Options with a
// value take it either as "--name=VALUE" or as the next argument. The
// override options apply to one run only, on top of the settings file.

#include <cstdio>
#include <optional>
#include <string>
#include <vector>

namespace bv {

enum class CommandAction {
    kRun,      // run the mode the switches ask for
    kHelp,     // print the usage to standard output, status 0
    kVersion,  // print "bluvessa <version>" to standard output, status 0
    kError,    // print the message and the usage to standard error, status 2
};

struct CommandOptions {
    CommandAction action = CommandAction::kRun;
    std::string error;  // for kError: one line, without the program's name

    bool root = false;                      // "--root": draw into $XSCREENSAVER_WINDOW
    std::optional<unsigned long> windowId;  // "--window-id": draw into this window
    std::optional<int> delay;               // "--delay": frame delay in ms, 1 to 32767
    std::optional<bool> clock;              // "--clock" / "--no-clock"
    std::optional<int> soundMode;           // "--sound": 0 none, 1 music, 2 effect
    std::optional<int> scale;               // "--scale": 0 automatic, 1 to 4

    // The arguments that are neither options nor their values, in order:
    // what the switch rule has to look at.
    std::vector<std::string> switches;
};

// The switch arguments joined by single blanks: the command line as the
// classic switch rule reads it, without the options and their values.
std::string SwitchLine(const CommandOptions& options);

// Reads the arguments (without the program's name). The first "--help",
// "-h", "--version" or faulty option decides the action; later arguments
// are not read. A repeated override keeps its last value. "--delay 0"
// (xscreensaver's way of leaving a slider at its default) sets no delay.
CommandOptions ParseCommandOptions(const std::vector<std::string>& arguments);

// "Usage: bluvessa ..." with every switch and option, ending in a newline.
const char* CommandUsage();

// "bluvessa 1.0.0": the program and its version, without a newline.
std::string VersionLine();

// Parses this process's arguments once and keeps the result, which
// ProcessCommandOptions() hands to the rest of the start-up.
const CommandOptions& ParseProcessCommandOptions(int argc, const char* const* argv);

// The options of this process as parsed by ParseProcessCommandOptions; a
// plain run with no overrides before that (as in tools and tests).
const CommandOptions& ProcessCommandOptions();

// For help, version and errors: prints what the action asks for and returns
// the exit status. For a run: prints nothing and returns nothing.
std::optional<int> AnswerWithoutRunning(const CommandOptions& options, std::FILE* out,
                                        std::FILE* err);

}  // namespace bv
