#pragma once
// What the full-screen run draws on: its size in device pixels, and the
// pixel scale the scene is composed at.

#include <QSize>

namespace bv {

// The window the full scene is drawn into instead of a window of our own:
// the one named with --window-id, or else the one xscreensaver hands over in
// XSCREENSAVER_WINDOW when it runs the saver (0 when there is neither).
unsigned long HostSaverWindow();

// That window's size when there is one, otherwise the primary screen's,
// counted in device pixels.
QSize DrawingAreaPixels();

// The desktop's scale factor for that area (the screen's device pixel ratio).
double DrawingAreaPixelRatio();

// The automatic pixel scale for an area that many device pixels high on a
// desktop with that scale factor: the larger of the rounded factor and the
// height in whole thousands, from 1 to 4.
int AutomaticPixelScale(int deviceHeight, double devicePixelRatio);

// The pixel scale a run uses: `chosen` (a setting or an option, 1 to 4), or
// the automatic one for kAutomaticScale.
int ChosenPixelScale(int chosen, QSize devicePixels, double devicePixelRatio);

// Composes the scene for an area of this many device pixels at this pixel
// scale: PixelScale, and a screen of the whole scaled pixels that fit.
void UseDrawingArea(QSize devicePixels, int pixelScale);

}  // namespace bv
