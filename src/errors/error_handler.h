#pragma once
// A procedure's failure handler in one line:
//
//     void RemoveSomething() {
//         Guarded("Starter/RemoveSomething", [&] { ... });
//     }
//
// A run-time failure inside the body is reported with the location and the
// procedure returns; the caller carries on.

#include <new>
#include <stdexcept>
#include <string_view>
#include <utility>

#include "errors/error_code.h"
#include "platform/runtime_failure.h"

namespace bv {

namespace detail {
inline void Report(std::string_view location, int number) {
    LastFailureNumber = number;
    ShowErrorCode(location);
}

// For trying out how failures reach the user: the location named in the
// environment variable BLUVESSA_FAIL_AT fails every time it runs.
bool FailsOnPurpose(std::string_view location);
}  // namespace detail

template <typename Body>
void Guarded(std::string_view location, Body&& body) {
    try {
        if (detail::FailsOnPurpose(location)) Fail(kInvalidArgument);
        std::forward<Body>(body)();
    } catch (const RuntimeFailure& failure) {
        detail::Report(location, failure.number());
    } catch (const std::bad_alloc&) {
        detail::Report(location, kOutOfMemory);
    } catch (const std::out_of_range&) {
        detail::Report(location, kSubscriptOutOfRange);
    } catch (const std::exception&) {
        detail::Report(location, kInvalidArgument);
    }
}

// For functions with a result: the fallback is returned after a failure.
template <typename Result, typename Body>
Result GuardedOr(std::string_view location, Result fallback, Body&& body) {
    Result result = std::move(fallback);
    Guarded(location, [&] { result = std::forward<Body>(body)(); });
    return result;
}

}  // namespace bv
