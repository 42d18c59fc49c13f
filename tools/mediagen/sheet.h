#pragma once

#include <QImage>
#include <QSize>

#include "frame_art.h"

namespace mediagen {

// How the frames of a sheet are laid out.
enum class Strips {
    One,             // one strip as drawn
    TurnFirstRight,  // strip 1 as drawn (facing right), strip 2 mirrored
    TurnFirstLeft,   // strip 1 mirrored (facing left), strip 2 as drawn
};

// Renders one frame onto a transparent, antialiased premultiplied canvas;
// `scale` enlarges the canvas and drawing alike (for thumbnails).
QImage renderFrame(QSize frameSize, const FrameArt& art, int index, int count, double scale = 1.0);

// Renders all frames of a piece side by side as one transparent strip,
// mirroring each frame in its own cell where the layout asks for it.
QImage renderStrip(QSize frameSize, int frames, const FrameArt& art, Strips strips);

// The hard mask of a coverage picture: black where alpha >= 128, white elsewhere.
QImage maskFromCoverage(const QImage& coverage);

// The colour picture that belongs to a mask: the opaque colours
// (un-premultiplied) where the mask is black, pure black where it is white.
QImage colourUnderMask(const QImage& coverage, const QImage& mask);

// The standard two-row sheet: colour rows above, mask rows below.
QImage sheetFromCoverage(const QImage& coverage);

}  // namespace mediagen
