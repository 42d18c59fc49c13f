#pragma once
// Which mode a command line asks for.

#include <string>
#include <string_view>

#include "platform/checked_arithmetic.h"

namespace bv {

// The program's arguments joined by single blanks: the command line as the
// platform would hand it over.
std::string JoinArguments(int argc, const char* const* argv);

// Trimmed of blanks at both ends and lower-cased.
std::string NormaliseCommandLine(std::string_view commandLine);

// The run mode the switches ask for: "/p" preview, "/c" settings, "/a"
// password, "/h" support page, "/w" home page, anything else the full-screen
// run. Each switch may stand anywhere, in either case; the first in that
// order wins.
Integer DispatchRunMode(std::string_view commandLine);

// Whether a command line found anywhere contains the switch, ignoring case.
bool ContainsSwitch(std::string_view commandLine, std::string_view switchText);

}  // namespace bv
