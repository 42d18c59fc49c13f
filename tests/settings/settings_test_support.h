#pragma once
// What the settings tests share: a scratch folder, files in it, the globals
// back at their start values, and a recorder for reported failures.

#include <string>
#include <vector>

#include "test_support.h"

namespace bv::test {

// The folders, the settings globals, the trace point and every record the
// settings fill back at the values a new process starts with.
void ResetSettingsGlobals();

}  // namespace bv::test
