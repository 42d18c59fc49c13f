// Any command line: the dispatch picks one of the known modes, and the preview
// and password handles are read or refused with the program's own failures.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string>

#include "platform/runtime_failure.h"
#include "platform/text_number.h"
#include "settings/settings_globals.h"
#include "startup/dispatch.h"
#include "startup/preview_handle.h"
#include "startup/run_state.h"

namespace {

bool IsKnownMode(bv::Integer mode) {
    switch (mode) {
        case bv::kRunModeScreenSaver:
        case bv::kRunModeConfigure:
        case bv::kRunModePassword:
        case bv::kRunModePreview:
        case bv::kRunModeSupportPage:
        case bv::kRunModeHomePage:
            return true;
        default:
            return false;
    }
}

// The handle readers may fail only with a type mismatch or an overflow.
template <typename Read>
void ReadHandle(Read read) {
    try {
        read();
    } catch (const bv::RuntimeFailure& failure) {
        if (failure.number() != bv::kTypeMismatch && failure.number() != bv::kOverflow)
            std::abort();
    }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string raw(reinterpret_cast<const char*>(data), size);
    const std::string normalised = bv::NormaliseCommandLine(raw);
    if (normalised.size() > raw.size()) std::abort();
    if (!normalised.empty() && (normalised.front() == ' ' || normalised.back() == ' '))
        std::abort();
    if (!IsKnownMode(bv::DispatchRunMode(normalised))) std::abort();
    if (bv::DispatchRunMode(raw) != bv::DispatchRunMode(normalised)) std::abort();

    ReadHandle([&] { (void)bv::FindPreviewHandle(normalised); });
    // The password form takes its parent window from the text after "/a ".
    if (raw.size() >= 3)
        ReadHandle([&] { (void)bv::ToLongStrict(std::string_view(raw).substr(3)); });
    return 0;
}
