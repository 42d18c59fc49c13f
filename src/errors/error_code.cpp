#include "errors/error_code.h"

#include <cstdio>
#include <cstdlib>
#include <utility>

#include "errors/error_handler.h"

namespace bv {
namespace {

void PrintToStandardError(const std::string& codeText) {
    std::fprintf(stderr, "%s\n", codeText.c_str());
}

ErrorReporter& Reporter() {
    static ErrorReporter reporter = PrintToStandardError;
    return reporter;
}

}  // namespace

namespace detail {
bool FailsOnPurpose(std::string_view location) {
    static const std::string named = [] {
        const char* value = std::getenv("BLUVESSA_FAIL_AT");
        return std::string(value != nullptr ? value : "");
    }();
    return !named.empty() && named == location;
}
}  // namespace detail

std::string ErrorCodeText(int number, std::string_view tracePoint, std::string_view location) {
    std::string text = "Error Code: BV-";
    text += std::to_string(number);
    text += '-';
    text += tracePoint;
    text += ' ';
    text += location;
    return text;
}

void SetErrorReporter(ErrorReporter reporter) {
    Reporter() = reporter ? std::move(reporter) : ErrorReporter(PrintToStandardError);
}

void ResetErrorState() {
    TracePoint.clear();
    LastFailureNumber = 0;
    SetErrorReporter(nullptr);
}

void ShowErrorCode(std::string_view location) {
    Reporter()(ErrorCodeText(LastFailureNumber, TracePoint, location));
}

}  // namespace bv
