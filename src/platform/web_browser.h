#pragma once
// Opening a web page in the user's browser.

#include <string>

namespace bv::platform {

// Hands the address to the desktop's opener and returns at once. When
// BLUVESSA_URL_RECORDER names a file, the address is appended to it instead
// (tests watch what would have been opened).
void OpenInBrowser(const std::string& url);

}  // namespace bv::platform
