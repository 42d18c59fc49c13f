#pragma once
// Setting up every creature and scene record before anything is drawn: its
// picture file and whether it is installed, frame size and count, start frame,
// steps and start position. Run once, in this order, after the screen size,
// the swim bounds and the settings are known.

namespace bv {

void Properties_Fish();
void Properties_Predator();
void Properties_Other();
void Properties_Scenery();

}  // namespace bv
