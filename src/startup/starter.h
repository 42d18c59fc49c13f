#pragma once
// The program's entry point and its run modes.

#include "platform/checked_arithmetic.h"

namespace bv {

// Prepares what every mode shares (folders, screen size, swim bounds, random
// seed, settings, creatures) and hands over to exactly one run procedure.
void Main();

void Run_ScreenSaver();
void Run_Preview();
void Run_Password();
void Run_WebSite(Integer mode);

}  // namespace bv
