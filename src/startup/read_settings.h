#pragma once
// Reading every setting once at start-up.

namespace bv {

// Fills the settings globals and the Enabled and Choice fields of the records
// from the settings file, or with the first-run values while the settings
// dialog has never saved. Flags are only ever set here, never cleared. A
// failure (an Integer value out of range) is reported and the keys after it
// keep their start values.
void X_GetData();

}  // namespace bv
