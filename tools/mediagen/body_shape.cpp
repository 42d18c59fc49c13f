#include "body_shape.h"

#include <algorithm>
#include <cmath>
#include <numbers>

namespace mediagen {

double BodyShape::halfAt(double u) const {
    u = std::clamp(u, 0.0, 1.0);
    if (u <= peakAt) {
        const double t = u / peakAt;
        return halfHeight * (tailHalf + (1.0 - tailHalf) * std::sin(t * std::numbers::pi / 2.0));
    }
    const double t = (u - peakAt) / (1.0 - peakAt);
    return halfHeight * std::pow(std::max(0.0, 1.0 - std::pow(t, 2.0)), noseExp);
}

QPainterPath BodyShape::outline(int samples) const {
    QPainterPath path;
    path.moveTo(xAt(0), topAt(0));
    for (int i = 1; i <= samples; ++i) {
        const double u = double(i) / samples;
        path.lineTo(xAt(u), topAt(u));
    }
    for (int i = samples; i >= 0; --i) {
        const double u = double(i) / samples;
        path.lineTo(xAt(u), bottomAt(u));
    }
    path.closeSubpath();
    return path;
}

}  // namespace mediagen
