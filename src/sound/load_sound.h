#pragma once

#include <string>

namespace bv {

// The whole content of the file at path, less any leading and trailing blank
// bytes (value 32). A file that is not installed turns the sound off and gives "", and so does a
// failure, which is reported.
std::string LoadSound(const std::string& path);

}  // namespace bv
