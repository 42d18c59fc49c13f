#pragma once

namespace bv::test {

// Makes every test of this program start from the program's one reset, as a
// new process does.
void StartEveryTestFromTheReset();

}  // namespace bv::test
