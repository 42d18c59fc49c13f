#include <array>
#include <cmath>
#include <numbers>

#include "art.h"
#include "paint_kit.h"
#include "people_kit.h"
#include "prng.h"

namespace mediagen::art {
namespace {

void limb(QPainter& p, QPointF from, QPointF elbow, QPointF to, double width,
          const QColor& colour) {
    const auto spine = sampleSpine(
        [&](double t) {
            const QPointF a = from + (elbow - from) * t;
            const QPointF b = elbow + (to - elbow) * t;
            return a + (b - a) * t;
        },
        12);
    fillWithRim(p, taperedPath(spine, width, width * 0.8), colour, colour.darker(190), 0.8);
}

const QColor skin(240, 198, 164);

}  // namespace

void evilRelic(QPainter& p, const FrameInfo&) {
    // A sunken stone idol with glowing eyes.
    const QColor stone(120, 122, 110);
    const QColor rim = stone.darker(250);
    const QRectF sand(4, 102.5, 117, 16);
    drawSandPatch(p, sand);
    QPainterPath head;
    head.moveTo(22, 112);
    head.lineTo(18, 40);
    head.quadTo(20, 8, 62, 6);
    head.quadTo(104, 8, 106, 40);
    head.lineTo(102, 112);
    head.closeSubpath();
    fillWithRim(
        p, head,
        linear(QPointF(18, 0), QPointF(106, 0),
               {{0.0, stone.darker(130)}, {0.4, stone.lighter(125)}, {1.0, stone.darker(150)}}),
        rim, 1.4);
    p.save();
    p.setClipPath(head);
    // Carved brow, nose and grimace.
    p.setPen(Qt::NoPen);
    p.setBrush(stone.darker(160));
    p.drawRect(QRectF(18, 30, 90, 7));
    p.drawRoundedRect(QRectF(30, 80, 64, 20), 6, 6);
    p.setBrush(QColor(236, 230, 210));
    for (int i = 0; i < 7; ++i) p.drawRect(QRectF(33 + i * 8.5, 82, 6.5, 7));
    for (int i = 0; i < 7; ++i) p.drawRect(QRectF(33 + i * 8.5, 91, 6.5, 7));
    QPainterPath nose;
    nose.moveTo(62, 40);
    nose.lineTo(52, 70);
    nose.lineTo(72, 70);
    nose.closeSubpath();
    fillWithRim(p, nose, stone.lighter(115), rim, 1.0);
    // Moss and cracks.
    Prng moss(21);
    p.setPen(Qt::NoPen);
    for (int i = 0; i < 40; ++i) {
        p.setBrush(QColor(60 + moss.below(40), 110 + moss.below(50), 50, 210));
        p.drawEllipse(QPointF(moss.range(18, 106), 10 + std::pow(moss.unit(), 0.6) * 20),
                      moss.range(1.5, 4.5), moss.range(1, 3));
    }
    p.setPen(QPen(rim, 1.0));
    p.drawPolyline(
        std::array<QPointF, 4>{QPointF(88, 12), QPointF(84, 26), QPointF(90, 44), QPointF(86, 60)}
            .data(),
        4);
    p.restore();
    // Glowing eyes.
    for (const double x : {42.0, 82.0}) {
        p.setPen(QPen(QColor(40, 0, 0), 1.0));
        p.setBrush(radial(
            QPointF(x, 50), 11,
            {{0.0, QColor(255, 255, 160)}, {0.4, QColor(255, 90, 20)}, {1.0, QColor(120, 0, 0)}}));
        p.drawEllipse(QPointF(x, 50), 10, 7);
    }
    // A gold band on the forehead with a green gem.
    p.setPen(QPen(QColor(120, 80, 10), 1.0));
    p.setBrush(linear(QPointF(0, 16), QPointF(0, 26),
                      {{0.0, QColor(255, 230, 120)}, {1.0, QColor(190, 130, 20)}}));
    p.drawRect(QRectF(24, 17, 76, 8));
    p.setBrush(
        radial(QPointF(61, 20), 6, {{0.0, QColor(180, 255, 180)}, {1.0, QColor(10, 130, 60)}}));
    p.drawEllipse(QPointF(62, 21), 6, 6);
    // Sunk into the sand up to the chin.
    drawSandDrift(p, sand, head, 16, 108, 105);
}

void lifeGuard(QPainter& p, const FrameInfo& f) {
    // Standing on the sea bed, whistle round the neck, waving hello: the
    // frames play forwards and back, the raised forearm rocking from the
    // right to the left of the elbow and back.
    const double wave = f.progress();
    drawSandPatch(p, QRectF(8, 143, 75, 10));
    const QColor shorts(220, 40, 40);
    for (const double x : {38.0, 54.0})
        limb(p, QPointF(x, 100), QPointF(x, 122), QPointF(x + (x < 45 ? -2 : 2), 146), 11, skin);
    QPainterPath trunks;
    trunks.addRoundedRect(QRectF(30, 86, 32, 24), 4, 4);
    fillWithRim(p, trunks,
                linear(QPointF(0, 86), QPointF(0, 110),
                       {{0.0, shorts.lighter(120)}, {1.0, shorts.darker(120)}}),
                shorts.darker(220));
    QPainterPath torso;
    torso.addRoundedRect(QRectF(29, 46, 34, 44), 11, 11);
    fillWithRim(
        p, torso,
        linear(QPointF(29, 0), QPointF(63, 0), {{0.0, skin.lighter(106)}, {1.0, skin.darker(118)}}),
        skinShade(skin).darker(140));
    // Rescue tube under the left arm.
    QPainterPath tube;
    tube.addRoundedRect(QRectF(14, 58, 12, 48), 5, 5);
    fillWithRim(p, tube,
                linear(QPointF(14, 0), QPointF(26, 0),
                       {{0.0, QColor(255, 120, 60)}, {1.0, QColor(220, 60, 20)}}),
                QColor(120, 30, 10));
    limb(p, QPointF(32, 52), QPointF(22, 68), QPointF(27, 88), 8, skin);
    // Waving arm: the upper arm raised out to the side, the forearm up.
    const double tilt = (24 - 46 * wave) * std::numbers::pi / 180.0;
    const QPointF shoulder(60, 52);
    const QPointF elbow(71, 42);
    const QPointF hand = elbow + QPointF(15 * std::sin(tilt), -15 * std::cos(tilt));
    limb(p, shoulder, (shoulder + elbow) / 2 + QPointF(1, 1), elbow, 8, skin);
    limb(p, elbow, (elbow + hand) / 2, hand, 7, skin);
    // An open hand: palm and thumb.
    p.save();
    p.translate(hand);
    p.rotate(tilt * 180.0 / std::numbers::pi);
    p.setPen(QPen(skinShade(skin), 0.7));
    p.setBrush(skin);
    p.drawEllipse(QPointF(-3.2, 0.5), 1.8, 3.0);
    p.drawEllipse(QPointF(0, -1.5), 4.0, 4.8);
    p.setPen(QPen(skinShade(skin), 0.6));
    for (const double x : {-1.5, 0.5, 2.5}) p.drawLine(QPointF(x, -6), QPointF(x, -3.5));
    p.restore();
    // Whistle on a cord.
    p.setPen(QPen(QColor(30, 80, 200), 1.0));
    p.setBrush(Qt::NoBrush);
    p.drawArc(QRectF(38, 40, 16, 22), 200 * 16, 140 * 16);
    p.setPen(QPen(QColor(100, 100, 100), 0.7));
    p.setBrush(QColor(230, 230, 230));
    p.drawRoundedRect(QRectF(44, 60, 6, 4), 1.5, 1.5);
    FaceLook face;
    face.skin = skin;
    face.hair = QColor(240, 200, 80);
    face.lookX = 0.2;
    drawFace(p, QPointF(46, 30), 14, face);
}

void swimDude(QPainter& p, const FrameInfo& f) {
    // A round holiday-maker bobbing in a rubber ring, snorkel on, kicking.
    const double phase = f.phase();
    const double bob = std::sin(phase) * 2.0;
    p.translate(0, bob);
    for (int leg = 0; leg < 2; ++leg) {
        const double kick = std::sin(phase + leg * std::numbers::pi) * 6;
        const double x = 24 + leg * 16;
        limb(p, QPointF(x, 92), QPointF(x + kick * 0.3, 108), QPointF(x + kick * 0.6, 118), 11,
             skin);
        QPainterPath flipper;
        flipper.moveTo(x + kick * 0.6 - 5, 116);
        flipper.lineTo(x + kick * 0.9 - 7, 127);
        flipper.lineTo(x + kick * 0.9 + 7, 127);
        flipper.lineTo(x + kick * 0.6 + 5, 116);
        flipper.closeSubpath();
        fillWithRim(p, flipper, QColor(40, 170, 220), QColor(10, 60, 90));
    }
    QPainterPath belly;
    belly.addEllipse(QRectF(10, 40, 44, 58));
    fillWithRim(p, belly,
                radial(QPointF(26, 60), 34, {{0.0, skin.lighter(108)}, {1.0, skin.darker(120)}}),
                skinShade(skin).darker(140));
    QPainterPath trunks;
    trunks.addRoundedRect(QRectF(14, 80, 36, 16), 6, 6);
    fillWithRim(p, trunks, QColor(60, 160, 70), QColor(20, 70, 30));
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(250, 240, 90));
    for (int i = 0; i < 4; ++i) p.drawEllipse(QPointF(19 + i * 8.5, 88), 1.8, 1.8);
    // Striped rubber ring around the waist.
    QPainterPath ring;
    ring.addEllipse(QRectF(2, 64, 60, 20));
    QPainterPath hole;
    hole.addEllipse(QRectF(12, 69, 40, 9));
    const QPainterPath ringShape = ring.subtracted(hole);
    fillWithRim(p, ringShape, QColor(250, 250, 245), QColor(120, 30, 30));
    p.save();
    p.setClipPath(ringShape);
    p.setBrush(QColor(230, 40, 40));
    for (int i = 0; i < 4; ++i) p.drawPie(QRectF(2, 64, 60, 20), (i * 90 + 20) * 16, 45 * 16);
    p.restore();
    // Arms resting on the ring.
    limb(p, QPointF(16, 50), QPointF(6, 62), QPointF(10, 70), 8, skin);
    limb(p, QPointF(48, 50), QPointF(58, 62), QPointF(54, 70), 8, skin);
    FaceLook face;
    face.skin = skin;
    face.hair = QColor(70, 50, 40);
    face.hair_style = FaceLook::Hair::None;
    face.mood = FaceLook::Mood::Smile;
    drawFace(p, QPointF(32, 27), 15, face);
    // Mask and snorkel.
    p.setPen(QPen(QColor(20, 20, 20), 1.6));
    p.setBrush(QColor(150, 210, 240, 230));
    p.drawRoundedRect(QRectF(20, 18, 24, 12), 4, 4);
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(30, 20, 20));
    p.drawEllipse(QPointF(27, 24), 2, 2);
    p.drawEllipse(QPointF(37, 24), 2, 2);
    p.setPen(QPen(QColor(250, 140, 20), 3.0, Qt::SolidLine, Qt::RoundCap));
    p.setBrush(Qt::NoBrush);
    QPainterPath snorkel;
    snorkel.moveTo(44, 34);
    snorkel.quadTo(50, 34, 50, 24);
    snorkel.lineTo(50, 4);
    p.drawPath(snorkel);
    for (int k = 0; k < 2; ++k) {
        const double rise = std::fmod(f.index * 8.0 / f.count + k * 4.0, 8.0);
        drawBubble(p, QPointF(54 + k * 2, 8 - rise * 0.6), 1.4 + k * 0.4);
    }
}

void bather(QPainter& p, const FrameInfo& f) {
    // A bath tub on the sea bed: soap bubbles rise, the duck bobs, the
    // brush scrubs.
    const double phase = f.phase();
    // Back of the tub and the bather.
    FaceLook face;
    face.skin = skin;
    face.hair_style = FaceLook::Hair::None;
    face.mood = FaceLook::Mood::Sleepy;
    drawFace(p, QPointF(32, 54), 13, face);
    // Shower cap.
    p.setPen(QPen(QColor(180, 60, 120), 0.8));
    p.setBrush(QColor(250, 150, 200));
    p.drawChord(QRectF(17, 36, 30, 24), 0, 180 * 16);
    p.setBrush(QColor(255, 255, 255, 180));
    for (int i = 0; i < 4; ++i) p.drawEllipse(QPointF(23 + i * 6, 44 - (i % 2) * 3), 1.5, 1.5);
    // Scrubbing brush on a stick.
    const double scrub = std::sin(phase * 2) * 4;
    p.setPen(QPen(QColor(140, 90, 40), 2.2, Qt::SolidLine, Qt::RoundCap));
    p.drawLine(QPointF(58, 76), QPointF(70 + scrub, 42));
    p.setPen(QPen(QColor(90, 60, 20), 0.8));
    p.setBrush(QColor(200, 150, 80));
    p.drawRoundedRect(QRectF(64 + scrub, 33, 13, 9), 2, 2);
    p.setPen(Qt::NoPen);
    p.setBrush(skin);
    p.drawEllipse(QPointF(60, 72), 4, 4);
    // The tub, standing on a patch of sand.
    const QRectF sand(4, 109.5, 82, 11);
    drawSandPatch(p, sand);
    QPainterPath tub;
    tub.moveTo(6, 66);
    tub.lineTo(84, 66);
    tub.quadTo(82, 104, 63, 106);
    tub.lineTo(27, 106);
    tub.quadTo(8, 104, 6, 66);
    tub.closeSubpath();
    // Claw feet: a leg curving out from under the tub to a ball in a claw,
    // each on its shadow in the sand.
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(110, 90, 50, 110));
    for (const double x : {21.5, 68.5}) p.drawEllipse(QPointF(x, 116.5), 6.5, 2.2);
    QPainterPath feet;
    for (const double x : {24.0, 66.0}) {
        const double out = x < 45 ? -1.0 : 1.0;
        QPainterPath foot;
        foot.moveTo(x - 5.5, 102);
        foot.lineTo(x + 5.5, 102);
        foot.quadTo(x + 2.5 + out * 2.5, 107, x + 3 + out * 2.5, 111);
        foot.lineTo(x - 3 + out * 2.5, 111);
        foot.quadTo(x - 2.5 + out * 2.5, 107, x - 5.5, 102);
        foot.closeSubpath();
        foot.addEllipse(QPointF(x + out * 2.5, 113), 4.6, 3.6);
        feet.addPath(solidUnion(foot));
    }
    fillWithRim(p, feet,
                linear(QPointF(0, 102), QPointF(0, 117),
                       {{0.0, QColor(250, 214, 96)},
                        {0.6, QColor(226, 176, 56)},
                        {1.0, QColor(180, 128, 30)}}),
                QColor(130, 90, 20), 0.8);
    p.save();
    p.setPen(QPen(QColor(150, 104, 24), 0.6));
    for (const double x : {24.0, 66.0}) {
        const double c = x + (x < 45 ? -2.5 : 2.5);
        for (const double k : {-1.6, 0.0, 1.6})
            p.drawLine(QPointF(c + k, 110.4), QPointF(c + k * 1.4, 115));
    }
    p.restore();
    fillWithRim(p, tub,
                linear(QPointF(0, 66), QPointF(0, 106),
                       {{0.0, QColor(252, 252, 250)}, {1.0, QColor(190, 196, 206)}}),
                QColor(90, 96, 110), 1.2);
    p.setPen(QPen(QColor(170, 176, 186), 3.0, Qt::SolidLine, Qt::RoundCap));
    p.drawLine(QPointF(5, 66), QPointF(85, 66));
    // Foam over the rim.
    p.setPen(QPen(QColor(200, 210, 225), 0.6));
    p.setBrush(QColor(250, 252, 255));
    for (int i = 0; i < 9; ++i)
        p.drawEllipse(QPointF(9 + i * 9.0, 64 + std::sin(i * 1.7) * 1.5), 5 + ((i + 1) % 3),
                      4 + (i % 2));
    // Rubber duck bobbing on the foam.
    const double duckBob = std::sin(phase) * 1.5;
    p.save();
    p.translate(14, 54 + duckBob);
    p.setPen(QPen(QColor(150, 110, 10), 0.7));
    p.setBrush(QColor(255, 220, 40));
    p.drawEllipse(QRectF(-7, 0, 15, 9));
    p.drawEllipse(QPointF(4, -1), 4.5, 4.5);
    p.setBrush(QColor(250, 120, 20));
    p.drawEllipse(QRectF(7.5, -1.5, 4, 2.5));
    p.setPen(Qt::NoPen);
    p.setBrush(Qt::black);
    p.drawEllipse(QPointF(5, -2.5), 0.9, 0.9);
    p.restore();
    // Soap bubbles rising from the tub.
    for (int k = 0; k < 5; ++k) {
        const double rise = std::fmod(f.index * 30.0 / f.count + k * 6.0, 30.0);
        drawBubble(p, QPointF(40 + k * 9 + std::sin(rise * 0.3 + k) * 2, 58 - rise * 1.8),
                   2.0 + (k % 3) * 0.7);
    }
}

void treasure(QPainter& p, const FrameInfo& f) {
    // A chest seen from the front and a little above. Frame 0 is shut; over
    // frames 1 to 3 the lid tips back on its rear hinge, showing its red
    // lining and the hoard inside. The lid is a half barrel turned in depth
    // and projected, so it rises behind the chest and never swings through it.
    const double open = f.progress();
    const QColor wood(130, 80, 40);
    const QColor iron(70, 64, 60);
    const QColor rim = wood.darker(250);
    const double left = 12;
    const double right = 97;
    const double frontTop = 58;  // the front top edge of the chest
    const double frontBottom = 86;
    const double depth = 28;
    const double bulge = 12;
    const double elevation = 24 * std::numbers::pi / 180.0;
    const double angle = 105 * open * std::numbers::pi / 180.0;
    // Depth Y (up) and Z (towards the viewer) to the picture's y.
    const auto project = [&](double y, double z) {
        return frontTop - (y * std::cos(elevation) - z * std::sin(elevation));
    };
    const double backTop = project(0, -depth);

    drawSandPatch(p, QRectF(2, 81, 105, 10));

    // The lid's cross-section: the barrel arc from the front edge over to
    // the hinge, closed by the flat underside, turned about the hinge.
    struct Point {
        double y;
        double z;
    };
    std::vector<Point> section;
    constexpr int arcSteps = 14;
    for (int i = 0; i <= arcSteps; ++i) {
        const double t = double(i) / arcSteps;
        section.push_back({bulge * std::sin(std::numbers::pi * t),
                           -depth * (1 - std::cos(std::numbers::pi * t)) / 2});
    }
    for (Point& pt : section) {
        const double ry = pt.y;
        const double rz = pt.z + depth;
        pt = {ry * std::cos(angle) + rz * std::sin(angle),
              -ry * std::sin(angle) + rz * std::cos(angle) - depth};
    }
    const double centreY = (section.front().y + section.back().y + section[arcSteps / 2].y) / 3;
    const double centreZ = (section.front().z + section.back().z + section[arcSteps / 2].z) / 3;
    const auto drawLid = [&] {
        double top = 1e9;
        double bottom = -1e9;
        const std::size_t n = section.size();
        for (const Point& pt : section) {
            top = std::min(top, project(pt.y, pt.z));
            bottom = std::max(bottom, project(pt.y, pt.z));
        }
        // The barrel's ends round off the lid's upper corners.
        const double round = std::min(9.0, (bottom - top) * 0.6);
        QPainterPath outline;
        outline.moveTo(left, bottom);
        outline.lineTo(left, top + round);
        outline.quadTo(left, top, left + round, top);
        outline.lineTo(right - round, top);
        outline.quadTo(right, top, right, top + round);
        outline.lineTo(right, bottom);
        outline.closeSubpath();
        p.save();
        p.setClipPath(outline);
        QPainterPath outerFace;
        for (std::size_t i = 0; i < n; ++i) {
            const Point a = section[i];
            const Point b = section[(i + 1) % n];
            const bool underside = i + 1 == n;
            // Outward normal of this face and whether it faces the viewer.
            double ny = -(b.z - a.z);
            double nz = b.y - a.y;
            const double len = std::hypot(ny, nz);
            ny /= len;
            nz /= len;
            if (ny * ((a.y + b.y) / 2 - centreY) + nz * ((a.z + b.z) / 2 - centreZ) < 0) {
                ny = -ny;
                nz = -nz;
            }
            const double facing = ny * std::sin(elevation) + nz * std::cos(elevation);
            const double ya = project(a.y, a.z);
            const double yb = project(b.y, b.z);
            if (facing <= 0) continue;
            const double light = std::clamp(0.5 + 0.6 * (ny * 0.8 + nz * 0.6), 0.55, 1.15);
            const QColor base = underside ? QColor(170, 36, 48) : wood;
            const QRectF band(left, std::min(ya, yb), right - left, std::abs(yb - ya) + 0.6);
            p.fillRect(band, light >= 1 ? base.lighter(int(100 * light))
                                        : base.darker(int(100 / std::max(light, 0.3))));
            if (!underside) outerFace.addRect(band);
        }
        // Iron bands over the outside of the lid, the hasp while it is low.
        p.save();
        p.setClipPath(outerFace);
        p.setPen(Qt::NoPen);
        p.setBrush(iron.lighter(120));
        for (const double x : {18.0, 85.0}) p.drawRect(QRectF(x, top, 6, bottom - top));
        p.restore();
        // The lip where the outside meets the lining.
        p.setPen(QPen(rim, 1.0));
        const double lip = project(section.front().y, section.front().z);
        if (open > 0) p.drawLine(QPointF(left, lip), QPointF(right, lip));
        p.restore();
        p.setPen(QPen(rim, 1.2));
        p.setBrush(Qt::NoBrush);
        p.drawPath(outline);
        // The hasp hangs from the front edge while the lid is low.
        if (open < 0.5) {
            const double edge = project(section.front().y, section.front().z);
            p.setPen(QPen(QColor(120, 80, 10), 0.8));
            p.setBrush(QColor(220, 180, 60));
            p.drawRoundedRect(QRectF(50.5, edge - 2, 8, 7), 1.5, 1.5);
        }
    };

    const bool lidBehind = angle > std::numbers::pi / 2;
    if (lidBehind) drawLid();

    // Inside the chest: a dark hold heaped with coins, gems and pearls.
    QPainterPath hold;
    hold.addRect(QRectF(left, backTop, right - left, frontTop - backTop));
    p.setPen(Qt::NoPen);
    p.setBrush(linear(QPointF(0, backTop), QPointF(0, frontTop),
                      {{0.0, wood.darker(260)}, {1.0, wood.darker(180)}}));
    p.drawPath(hold);
    if (open > 0) {
        p.save();
        p.setPen(QPen(QColor(150, 100, 10), 0.6));
        Prng coins(9);
        for (int i = 0; i < 52; ++i) {
            const double x = coins.range(left + 3, right - 3);
            const double heap = std::sin((x - left) / (right - left) * std::numbers::pi);
            const double y = frontTop - 2 - heap * (frontTop - backTop + 3) * coins.unit();
            p.setBrush(radial(QPointF(x - 1, y - 1), 3.5,
                              {{0.0, QColor(255, 245, 160)}, {1.0, QColor(220, 160, 20)}}));
            p.drawEllipse(QPointF(x, y), 3.2, 2.4);
        }
        p.setBrush(QColor(230, 30, 60));
        p.drawEllipse(QPointF(36, backTop + 3), 3, 3);
        p.setBrush(QColor(40, 200, 90));
        p.drawEllipse(QPointF(72, backTop + 2), 3, 3);
        p.setBrush(QColor(245, 245, 240));
        for (int i = 0; i < 7; ++i)
            p.drawEllipse(QPointF(46 + i * 3.5, backTop + 4 + std::sin(i * 0.9) * 1.5), 1.6, 1.6);
        p.restore();
    }

    // The front of the chest.
    const QRectF box(left, frontTop, right - left, frontBottom - frontTop);
    QPainterPath front;
    front.addRoundedRect(box, 2.5, 2.5);
    fillWithRim(p, front,
                linear(box.topLeft(), box.bottomLeft(),
                       {{0.0, wood.lighter(130)}, {1.0, wood.darker(140)}}),
                rim, 1.2);
    p.setPen(QPen(wood.darker(160), 0.8));
    for (int i = 1; i < 3; ++i)
        p.drawLine(QPointF(box.left(), box.top() + i * box.height() / 3),
                   QPointF(box.right(), box.top() + i * box.height() / 3));
    p.setPen(Qt::NoPen);
    p.setBrush(linear(QPointF(0, box.top()), QPointF(0, box.bottom()),
                      {{0.0, iron.lighter(140)}, {1.0, iron}}));
    for (const double x : {18.0, 85.0}) p.drawRect(QRectF(x, box.top(), 6, box.height()));
    p.setBrush(QColor(220, 180, 60));
    p.drawRoundedRect(QRectF(47.5, 63, 14, 14), 2, 2);
    p.setBrush(QColor(30, 20, 10));
    p.drawEllipse(QPointF(54.5, 68), 2, 2);
    p.drawRect(QRectF(53.7, 68, 1.6, 5));

    if (!lidBehind) drawLid();

    // A golden glow once it is open.
    if (open > 0.5) {
        p.setPen(Qt::NoPen);
        p.setBrush(QColor(255, 240, 150, 220));
        for (int i = 0; i < 5; ++i) {
            const QPointF star(26 + i * 14.5, 14 + (i % 2) * 9 + (1 - open) * 8);
            QPainterPath sparkle;
            sparkle.moveTo(star + QPointF(0, -4));
            sparkle.lineTo(star + QPointF(1, -1));
            sparkle.lineTo(star + QPointF(4, 0));
            sparkle.lineTo(star + QPointF(1, 1));
            sparkle.lineTo(star + QPointF(0, 4));
            sparkle.lineTo(star + QPointF(-1, 1));
            sparkle.lineTo(star + QPointF(-4, 0));
            sparkle.lineTo(star + QPointF(-1, -1));
            sparkle.closeSubpath();
            p.drawPath(sparkle);
        }
    }
}

void ladybird(QPainter& p, const FrameInfo& f) {
    const double s = f.size.width() / 32.0;
    p.scale(s, s);
    p.setPen(QPen(QColor(20, 20, 20), 1.4, Qt::SolidLine, Qt::RoundCap));
    for (int i = 0; i < 3; ++i) {
        p.drawLine(QPointF(16, 12 + i * 6), QPointF(5, 10 + i * 7));
        p.drawLine(QPointF(16, 12 + i * 6), QPointF(27, 10 + i * 7));
    }
    p.drawLine(QPointF(14, 6), QPointF(11, 1));
    p.drawLine(QPointF(18, 6), QPointF(21, 1));
    QPainterPath head;
    head.addEllipse(QPointF(16, 7.5), 5, 4);
    fillWithRim(p, head, QColor(30, 30, 34), Qt::black);
    QPainterPath shell;
    shell.addEllipse(QRectF(6, 8, 20, 22));
    fillWithRim(
        p, shell,
        radial(QPointF(12, 13), 16, {{0.0, QColor(255, 120, 100)}, {1.0, QColor(190, 20, 20)}}),
        QColor(60, 0, 0));
    p.setPen(QPen(QColor(20, 20, 20), 1.0));
    p.drawLine(QPointF(16, 9), QPointF(16, 30));
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(20, 20, 20));
    for (const QPointF spot : {QPointF(11, 14), QPointF(21, 14), QPointF(10, 22), QPointF(22, 22),
                               QPointF(13.5, 27), QPointF(18.5, 27)})
        p.drawEllipse(spot, 2.2, 2.2);
    p.setBrush(Qt::white);
    p.drawEllipse(QPointF(14, 6.5), 1, 1);
    p.drawEllipse(QPointF(18, 6.5), 1, 1);
}

}  // namespace mediagen::art
