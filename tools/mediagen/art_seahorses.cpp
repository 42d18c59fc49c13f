#include <algorithm>
#include <cmath>
#include <numbers>

#include "art.h"
#include "paint_kit.h"

namespace mediagen::art {
namespace {

constexpr double kPi = std::numbers::pi;

// How a sea horse is drawn, in a 40 x 45 design box with the snout to the
// right. The lone one on the sea bed shows its ridges and fin rays; the small
// swimmers get a bolder outline, a bigger head and a wider curl of the tail so
// that they still read as sea horses a few pixels tall.
struct HorseLook {
    QColor colour;
    bool bold = false;
    double headScale = 1.0;  // about the neck
    double snoutHalf = 1.35;
    double tailTurns = 0.86;
    double curlOuter = 4.3;  // radius where the curl starts
    double curlInner = 2.5;  // radius at the tip
    double tailWide = 4.0;
    double tailThin = 1.6;

    // Where a point of the head lands once the head is scaled about the neck.
    QPointF head(double x, double y) const {
        const QPointF neck(19.5, 15.0);
        return neck + (QPointF(x, y) - neck) * headScale;
    }
};

// The tail's centre line: down from the trunk, then curled forwards under
// the belly. `curl` (-1 .. 1) breathes the curl in and out.
std::vector<QPointF> tailSpine(const HorseLook& look, double curl) {
    return sampleSpine(
        [&look, curl](double t) {
            constexpr double split = 0.3;
            const QPointF start(20.2, 28.0);
            // A wider curl starts higher, so that its lowest point stays put.
            const QPointF bend(19.3, 40.7 - look.curlOuter);
            if (t < split) {
                const double u = t / split;
                return start + (bend - start) * u + QPointF(0.4 * u * (1.0 - u), 0);
            }
            const double u = (t - split) / (1.0 - split);
            const QPointF centre = bend + QPointF(look.curlOuter, 0);
            const double a = kPi - u * (look.tailTurns + 0.05 * curl) * 2.0 * kPi;
            const double r = look.curlOuter + (look.curlInner - look.curlOuter) * u;
            return centre + QPointF(r * std::cos(a), r * std::sin(a));
        },
        48);
}

// A tapering band along `spine` that may curl round onto itself: built from
// a few pieces, none long enough to meet itself, so that the space a curl
// encloses stays open.
QPainterPath curledBand(const std::vector<QPointF>& spine, double startWidth, double endWidth) {
    constexpr std::size_t piece = 12;
    const std::size_t n = spine.size();
    const auto widthAt = [&](std::size_t i) {
        return startWidth + (endWidth - startWidth) * double(i) / double(n - 1);
    };
    QPainterPath band;
    for (std::size_t from = 0; from + 1 < n; from += piece) {
        const std::size_t to = std::min(n - 1, from + piece);
        const std::vector<QPointF> part(spine.begin() + from, spine.begin() + to + 1);
        band = band.united(taperedPath(part, widthAt(from), widthAt(to)));
    }
    return band;
}

// Head, trunk and belly as one outline, the snout tipped down a little.
QPainterPath trunkOutline(const HorseLook& look) {
    const auto h = [&look](double x, double y) { return look.head(x, y); };
    // The snout runs from its root under the eye to the mouth, thinning a little.
    const QPointF root = h(24.4, 10.2);
    const QPointF mouth = h(31.6, 13.2);
    QPointF along = mouth - root;
    along /= std::hypot(along.x(), along.y());
    const QPointF across(-along.y(), along.x());
    const double rootHalf = look.snoutHalf * 1.25 * look.headScale;
    const double tipHalf = look.snoutHalf * look.headScale;
    const QPointF rootTop = root - across * rootHalf;
    const QPointF mouthTop = mouth - across * tipHalf;
    const QPointF mouthBottom = mouth + across * tipHalf;
    const QPointF rootBottom = root + across * rootHalf;

    QPainterPath body;
    body.moveTo(h(19.8, 3.6));
    body.cubicTo(h(22.2, 3.6), h(23.4, 6.4), rootTop);
    body.lineTo(mouthTop);
    // The mouth flares a little at the tip.
    body.cubicTo(mouthTop + along * 1.6 - across * 0.4, mouthBottom + along * 1.6 + across * 0.4,
                 mouthBottom);
    body.lineTo(rootBottom);
    body.cubicTo(rootBottom - along * 1.2, h(22.4, 13.8), h(22.2, 15.4));
    body.cubicTo(24.6, 16.6, 27.0, 19.4, 26.9, 22.8);
    body.cubicTo(26.8, 26.6, 24.2, 29.0, 21.8, 30.6);
    body.lineTo(18.2, 30.2);
    body.cubicTo(16.0, 27.4, 14.6, 24.2, 15.0, 21.0);
    body.cubicTo(15.3, 17.6, 17.0, 16.2, 17.0, 14.2);
    body.cubicTo(h(17.0, 12.4), h(15.4, 10.8), h(15.6, 8.6));
    body.cubicTo(h(15.8, 5.6), h(17.6, 3.6), h(19.8, 3.6));
    body.closeSubpath();
    // The coronet: a little crown of knobs on top of the head.
    QPainterPath crown;
    const double rise = look.bold ? 0.5 : 1.0;
    crown.moveTo(h(17.4, 5.4));
    crown.quadTo(h(17.2, 5.4 - 2.4 * rise), h(18.4, 5.4 - 3.0 * rise));
    crown.quadTo(h(19.2, 5.4 - 2.0 * rise), h(19.8, 5.4 - 3.2 * rise));
    crown.quadTo(h(20.8, 5.4 - 2.6 * rise), h(21.4, 4.6));
    crown.closeSubpath();
    body.addPath(crown);
    return body;
}

// The dorsal fin on the back, its rays rippling from root to tip with the phase.
void drawDorsalFin(QPainter& p, double phase, const HorseLook& look, const QColor& rim,
                   double rimWidth) {
    constexpr int rays = 8;
    std::vector<QPointF> roots;
    std::vector<QPointF> tips;
    for (int i = 0; i <= rays; ++i) {
        const double s = double(i) / rays;
        // The roots follow the curve of the back, tucked just inside it.
        const QPointF root(16.2 - 1.0 * std::sin(kPi * (0.1 + 0.8 * s)), 20.0 + 8.0 * s);
        const double reach = 3.4 * std::pow(std::sin(kPi * (0.06 + 0.88 * s)), 0.5);
        const double wave = phase * 2.0 - s * 2.0 * kPi;
        tips.push_back(root + QPointF(-reach * (1.0 + 0.22 * std::sin(wave)),
                                      1.0 * (s - 0.3) + 0.6 * std::cos(wave)));
        roots.push_back(root + QPointF(1.2, 0));
    }
    QPainterPath fin;
    fin.moveTo(roots.front());
    fin.lineTo(tips.front());
    for (int i = 1; i <= rays; ++i)
        fin.quadTo(tips[i - 1] * 0.5 + tips[i] * 0.5 + QPointF(-0.3, 0), tips[i]);
    fin.lineTo(roots.back());
    fin.closeSubpath();
    const QColor pale = mix(look.colour, QColor(255, 250, 225), 0.35);
    fillWithRim(p, fin, linear(roots[rays / 2], tips[rays / 2], {{0.0, look.colour}, {1.0, pale}}),
                rim, rimWidth);
    p.save();
    p.setClipPath(fin);
    p.setPen(QPen(mix(look.colour, rim, 0.4), look.bold ? 0.9 : 0.5));
    for (int i = look.bold ? 2 : 1; i < rays; i += look.bold ? 2 : 1) p.drawLine(roots[i], tips[i]);
    p.restore();
}

void drawSeaHorse(QPainter& p, double phase, const HorseLook& look) {
    const QColor rim = look.colour.darker(look.bold ? 230 : 260);
    const double rimWidth = look.bold ? 1.25 : 0.8;
    const QColor cream = QColor(255, 240, 190);
    const QBrush skin = linear(QPointF(15, 0), QPointF(27, 0),
                               {{0.0, look.colour.darker(look.bold ? 118 : 140)},
                                {0.4, look.colour},
                                {0.85, mix(look.colour, cream, 0.35)},
                                {1.0, mix(look.colour, cream, 0.5)}});

    drawDorsalFin(p, phase, look, rim, rimWidth * 0.8);

    const double curl = std::sin(phase);
    const auto spine = tailSpine(look, curl);
    const QPainterPath trunk = solidUnion(trunkOutline(look));
    QPainterPath body;
    if (look.bold) {
        // At the swimmers' size the tail is drawn with a round pen, thinning
        // in steps: the rim round it first, then the trunk, then the tail's
        // colour over both so that tail and trunk run into one another.
        constexpr int steps = 4;
        const auto strokeTail = [&](double extra, const QBrush& brush) {
            for (int k = 0; k < steps; ++k) {
                const std::size_t from = k * (spine.size() - 1) / steps;
                const std::size_t to = (k + 1) * (spine.size() - 1) / steps;
                QPainterPath part;
                part.moveTo(spine[from]);
                for (std::size_t i = from + 1; i <= to; ++i) part.lineTo(spine[i]);
                const double width =
                    look.tailWide + (look.tailThin - look.tailWide) * (k + 0.5) / steps;
                p.strokePath(
                    part, QPen(brush, width + extra, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
            }
        };
        strokeTail(2.0 * rimWidth, rim);
        fillWithRim(p, trunk, skin, rim, rimWidth);
        strokeTail(0.0, skin);
        body = trunk;
        for (const QPointF& at : spine) body.addEllipse(at, look.tailWide / 2, look.tailWide / 2);
        body = solidUnion(body);
    } else {
        // The lone sea horse's curl stays open.
        body = trunk.united(curledBand(spine, look.tailWide, look.tailThin));
        fillWithRim(p, body, skin, rim, rimWidth);
    }

    p.save();
    p.setClipPath(body);
    // Ridged rings round the trunk and down the tail.
    p.setPen(QPen(look.colour.darker(150), look.bold ? 1.0 : 0.55, Qt::SolidLine, Qt::RoundCap));
    const int rings = look.bold ? 3 : 7;
    for (int i = 0; i < rings; ++i) {
        const double y = 17.0 + (i + 0.5) * 13.0 / rings;
        const double front = 22.0 + 4.6 * std::sin(kPi * (y - 14.5) / 17.0);
        QPainterPath ring;
        ring.moveTo(14.5, y - 1.4);
        ring.quadTo(19.5, y + 0.9, front, y + 0.4);
        p.drawPath(ring);
    }
    if (!look.bold) {
        for (std::size_t i = 4; i + 10 < spine.size(); i += 3) {
            const QPointF d = spine[i + 1] - spine[i - 1];
            const QPointF n = QPointF(-d.y(), d.x()) / std::hypot(d.x(), d.y());
            const double half = 2.4 * (1.0 - double(i) / spine.size());
            p.drawLine(spine[i] - n * half, spine[i] + n * half);
        }
    }
    // Pale belly plates, a shine on the crown, and a few white flecks.
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(255, 250, 220, look.bold ? 120 : 100));
    p.drawEllipse(QPointF(24.6, 23.0), 1.5, 5.0);
    p.setBrush(QColor(255, 255, 255, 80));
    p.drawEllipse(look.head(19.6, 5.4), 2.2, 1.1);
    if (!look.bold) {
        p.setBrush(QColor(255, 250, 230, 210));
        for (const QPointF at : {QPointF(18.0, 19.2), QPointF(19.6, 26.0), QPointF(17.4, 10.4)})
            p.drawEllipse(at, 0.55, 0.55);
        // The gill plate's curve behind the eye.
        p.setPen(QPen(look.colour.darker(150), 0.6, Qt::SolidLine, Qt::RoundCap));
        p.setBrush(Qt::NoBrush);
        p.drawArc(QRectF(15.6, 6.4, 6.0, 7.0), -80 * 16, 120 * 16);
    }
    p.restore();

    if (look.bold) {
        // Too small for an iris or a pectoral fin: a dark eye with a glint.
        const QPointF eye = look.head(20.6, 8.2);
        p.setPen(Qt::NoPen);
        p.setBrush(QColor(10, 8, 20));
        p.drawEllipse(eye, 2.1, 2.3);
        p.setBrush(Qt::white);
        p.drawEllipse(eye + QPointF(0.9, -0.9), 0.9, 0.9);
    } else {
        // The little pectoral fin behind the eye, fanning fast.
        const double fan = 0.7 + 0.3 * std::sin(phase * 3.0);
        QPainterPath pectoral;
        pectoral.moveTo(18.8, 11.6);
        pectoral.quadTo(16.8 - 1.0 * fan, 10.8 - 1.4 * fan, 16.6 - 0.5 * fan, 13.2);
        pectoral.quadTo(17.2, 14.0, 18.8, 13.0);
        pectoral.closeSubpath();
        fillWithRim(p, pectoral, mix(look.colour, cream, 0.6), rim, 0.45);
        drawEye(p, QPointF(20.7, 7.8), 1.9, QColor(30, 90, 40));
    }
}

}  // namespace

void seaHorse(QPainter& p, const FrameInfo& f) {
    // Standing on its tail, swaying gently while the fin ripples.
    const double phase = f.phase();
    p.scale(f.size.width() / 40.0, f.size.height() / 45.0);
    p.translate(20, 40);
    p.rotate(2.0 * std::sin(phase));
    p.translate(-20, -40);
    HorseLook look;
    look.colour = QColor(240, 150, 40);
    drawSeaHorse(p, phase, look);
}

void swimHorse(QPainter& p, const FrameInfo& f) {
    // Upright with a slight forward lean, bobbing as the fin drives it on.
    const double phase = f.phase();
    // Drawn a little wider than tall: a chubbier sea horse holds its shape
    // better at this size.
    p.translate(f.size.width() * 0.5, f.size.height() * 0.5 + 0.4 + 0.3 * std::sin(phase));
    p.rotate(8);
    p.scale(0.54, 0.44);
    p.translate(-22.2, -22.4);
    HorseLook look;
    look.colour = QColor(250, 196, 40);
    look.bold = true;
    look.headScale = 1.1;
    look.snoutHalf = 1.9;
    look.tailTurns = 0.75;
    look.curlOuter = 4.6;
    look.curlInner = 2.8;
    look.tailWide = 4.2;
    look.tailThin = 2.2;
    drawSeaHorse(p, phase, look);
}

}  // namespace mediagen::art
