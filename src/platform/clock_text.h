#pragma once
#include <string>

namespace bv {
// The local time as "h:mm AMPM", e.g. "3:07 PM".
std::string LocalTimeText();
}  // namespace bv
