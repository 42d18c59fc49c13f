#pragma once
// Hiding and showing the mouse pointer over the program's windows. Calls
// count like the platform's: the pointer shows while shows >= hides.

namespace bv::platform {
void ShowCursor(bool show);
}  // namespace bv::platform
