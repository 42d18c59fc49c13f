#pragma once

#include <QPainterPath>

namespace mediagen {

// Side view of a streamlined body lying along the x axis, tail end at
// `tailX`, nose at `noseX`: the outline fish, sharks and whales share.
struct BodyShape {
    double tailX = 0;
    double noseX = 100;
    double midY = 50;
    double halfHeight = 20;  // at the deepest point
    double peakAt = 0.55;    // 0 tail .. 1 nose: where the body is deepest
    double tailHalf = 0.18;  // half height at the tail end, relative
    double noseExp = 0.5;    // 0.5 round nose, larger = more pointed
    double belly = 1.0;      // lower half height relative to upper

    // Half height of the upper outline at u (0 tail .. 1 nose).
    double halfAt(double u) const;
    double xAt(double u) const { return tailX + (noseX - tailX) * u; }
    double topAt(double u) const { return midY - halfAt(u); }
    double bottomAt(double u) const { return midY + halfAt(u) * belly; }

    QPainterPath outline(int samples = 48) const;
};

}  // namespace mediagen
