#pragma once

namespace bv {

// Puts the whole run back to its state before Main: every surface released,
// every record, setting, counter and remembered command line as it was at
// the start of the process, the error reporter back to standard error, and
// the common way out installed. The program starts from it; so does every
// test.
void ResetRunState();

}  // namespace bv
