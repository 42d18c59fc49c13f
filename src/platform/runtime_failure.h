#pragma once
// The run-time failures the program reports, numbered as its error codes show them.

#include <exception>

namespace bv {

enum FailureNumber : int {
    kInvalidArgument = 5,
    kOverflow = 6,
    kOutOfMemory = 7,
    kSubscriptOutOfRange = 9,
    kDivisionByZero = 11,
    kTypeMismatch = 13,
};

class RuntimeFailure : public std::exception {
public:
    explicit RuntimeFailure(int number) : number_(number) {}
    int number() const { return number_; }
    const char* what() const noexcept override { return "run-time failure"; }

private:
    int number_;
};

[[noreturn]] inline void Fail(int number) {
    throw RuntimeFailure(number);
}

}  // namespace bv
