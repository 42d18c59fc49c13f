#pragma once
// Groups that move as one, each a routine of its own working on its own
// record array; element 1 is the leader or first member and holds the
// surface every member is drawn from. One call is one tick of the group.

namespace bv {

// Schools whose leader decides when every member turns.
void Anim_Custom_bluedevil();  // BlueDevil, vertical box 0 to SwimBottom
void Anim_Custom_SwimHorse();  // SwimHorse, vertical band SwimBottom / 2 to SwimBottom

// Schools that follow the leader's vertical movement while bobbing on their own.
void Anim_Custom_redfish();      // RedFish
void Anim_Custom_Yellowfish();   // YellowFish
void Anim_Custom_AngelFish();    // AngelFish
void Anim_Custom_emperorfish();  // EmperorFish

// Rising bubbles in the right-most and left-most sixth of the screen, both
// drawn from BubblesLeft element 1's surface. They mark each step in TracePoint.
void Anim_Custom_BubbleRight();  // BubblesRight
void Anim_Custom_BubbleLeft();   // BubblesLeft

// The two pillars, standing still.
void Anim_Custom_Pillars();

}  // namespace bv
