#include "errors/error_code.h"

#include <cstdio>
#include <utility>

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
