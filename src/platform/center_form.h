#pragma once
// Centring a window on the screen.

class QWidget;

namespace bv {

// Moves form, keeping its size, to the centre of the primary screen. Nothing
// happens when there is no screen.
void CenterForm(QWidget& form);

}  // namespace bv
