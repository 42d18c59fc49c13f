#pragma once

namespace bv {
// Runs the program for its arguments and returns the process's exit status.
int RunProgram(int argc, char** argv);
}  // namespace bv
