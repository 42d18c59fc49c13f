#pragma once
// The error reporter: every procedure's handler names its location here, and
// the user sees "Error Code: BV-<number>-<TracePoint> <location>".

#include <functional>
#include <string>
#include <string_view>

namespace bv {

// Set by the bubble routines as they pass their steps; never cleared, so
// later codes carry the last value set.
inline std::string TracePoint;

// Number of the failure being reported (what a handler caught last).
inline int LastFailureNumber = 0;

std::string ErrorCodeText(int number, std::string_view tracePoint, std::string_view location);

// Where reports go: the bug-report form in a windowed run, standard error in
// the headless renderer, a recorder in tests.
using ErrorReporter = std::function<void(const std::string& codeText)>;
void SetErrorReporter(ErrorReporter reporter);

// Reports LastFailureNumber at the given location.
void ShowErrorCode(std::string_view location);

// No failure reported yet, no trace point, reports to standard error.
void ResetErrorState();

}  // namespace bv
