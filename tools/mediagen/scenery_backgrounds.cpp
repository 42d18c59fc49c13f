#include <array>
#include <cmath>
#include <numbers>
#include <tuple>

#include "paint_kit.h"
#include "prng.h"
#include "scenery.h"
#include "scenery_sea.h"

// The three backdrops, drawn at 2560 x 1440. The scene scales a backdrop to
// cover the screen and crops what overflows, so on a 4:3 screen only the
// middle 1920 columns show: everything that matters lies within them. The
// pillars, the fishing sign and the centre piece stand in front of the sea
// bed's middle, so the bottom 40% within 400 pixels of the centre holds
// nothing but sand and haze.
namespace mediagen {
namespace {

using namespace sea;

// ---------------------------------------------------------------- ArchWay

void archWay(Canvas& picture) {
    const Water water{tint(QColor(168, 232, 244)),
                      tint(QColor(64, 166, 206)),
                      tint(QColor(40, 124, 164)),
                      tint(QColor(10, 46, 80)),
                      920,
                      QPointF(1420, -900)};
    const Bed bed{tint(QColor(206, 200, 166)), 0.25f, 0.6f, 0.12};
    const Canvas fog = waterPlate(water, 11);
    picture = fog;
    surfaceShimmer(picture, water, 0.32f, 12);

    farRidge(picture, fog, 930, 150, 0.8f, QColor(30, 92, 120), 13);
    // Far pinnacles off to both sides.
    Layer pinnacles(QRectF(0, 200, kWidth, 860), 0.5, [](QPainter& p) {
        p.setPen(Qt::NoPen);
        p.setBrush(QColor(40, 96, 118));
        for (const auto& [x, height, width] :
             std::array<std::tuple<double, double, double>, 5>{{{150, 640, 190},
                                                                {430, 430, 130},
                                                                {2140, 520, 150},
                                                                {2420, 700, 200},
                                                                {1830, 200, 90}}})
            p.drawPath(crag(QPointF(x, 990), height, width, std::uint32_t(x)));
    });
    Stone farStone;
    farStone.lighting.roundness = 30;
    farStone.lighting.steepness = 30;
    farStone.lighting.ambient = 0.6f;
    farStone.lighting.diffuse = 0.5f;
    farStone.grain = 0.5f;
    farStone.growthAmount = 0;
    rockFace(pinnacles, 16, farStone);
    pinnacles.blur(2.5);
    picture.over(pinnacles, &fog, hazeFor(0.6f, 0.8f, 500, 1000));

    seaBed(picture, fog, water, bed, 14);

    // Kelp far off at both sides, beyond where the pieces stand.
    Prng kelpRng(15);
    Layer kelp(kWhole, 0.5, [&](QPainter& p) {
        p.setPen(Qt::NoPen);
        p.setBrush(QColor(50, 96, 60));
        for (int i = 0; i < 9; ++i) {
            const double x = i < 5 ? kelpRng.range(20, 420) : kelpRng.range(2160, 2540);
            drawKelp(p, kelpRng, QPointF(x, 1000 + kelpRng.range(0, 40)), kelpRng.range(560, 860),
                     kelpRng.range(9, 14));
        }
    });
    kelp.blur(2.5);
    picture.over(kelp, &fog, hazeFor(0.6f, 0.78f, 400, 1040));

    // The arch: a broad span of rock with open water through it. Its feet
    // stand well outside the middle of the sea bed.
    contactShadow(picture, QRectF(360, 990, 520, 70), 0.35f);
    contactShadow(picture, QRectF(1700, 990, 520, 70), 0.35f);
    Layer arch(QRectF(300, 100, 1980, 1000), 1.0, [](QPainter& p) {
        QPainterPath outer;
        outer.moveTo(380, 1060);
        outer.cubicTo(440, 830, 400, 500, 600, 340);
        outer.cubicTo(820, 170, 1640, 190, 1900, 340);
        outer.cubicTo(2080, 450, 2060, 770, 2200, 1060);
        outer.closeSubpath();
        QPainterPath opening;
        opening.moveTo(840, 1080);
        opening.cubicTo(850, 820, 900, 560, 1240, 500);
        opening.cubicTo(1600, 470, 1730, 760, 1750, 1080);
        opening.closeSubpath();
        // Boulders fallen beside the feet.
        QPainterPath rubble;
        for (const auto& [x, r] : std::array<std::pair<double, double>, 4>{
                 {{480, 70}, {790, 44}, {1800, 52}, {2120, 80}}})
            rubble.addEllipse(QPointF(x, 1040 - r * 0.4), r * 1.4, r);
        const QPainterPath shape =
            roughened(roughened(solidUnion(outer.subtracted(opening).united(rubble)), 26, 420, 21),
                      7, 70, 22);
        p.setPen(Qt::NoPen);
        p.setBrush(linear(QPointF(380, 0), QPointF(2200, 0),
                          {{0.0, QColor(92, 108, 112)},
                           {0.55, QColor(132, 138, 128)},
                           {1.0, QColor(88, 100, 106)}}));
        p.drawPath(shape);
    });
    Stone archStone;
    archStone.lighting.roundness = 70;
    archStone.lighting.steepness = 50;
    archStone.lighting.ambient = 0.36f;
    archStone.lighting.diffuse = 0.95f;
    archStone.mass = 240;
    archStone.sheen = 0.3f;
    archStone.growth = tint(QColor(110, 140, 84));
    archStone.growthAmount = 0.35f;
    rockFace(arch, 24, archStone);
    picture.over(arch, &fog, hazeFor(0.32f, 0.7f, 520, 1060));
    sandDrifts(picture, fog, water, bed, 14,
               {QRectF(270, 1013, 660, 124), QRectF(1650, 1013, 660, 124)});

    siltBand(picture, fog, 1010, 50, 0.3f);
    lightShafts(picture, water, 13, 1100, tint(QColor(64, 104, 108)), 25);
    marineSnow(picture, 600, tint(QColor(200, 236, 240)), 26);
    vignette(picture, 0.3f);
}

// ---------------------------------------------------------- Muddy Waters

// A tapering limb along a curve, with rounded ends drawn as shapes of their
// own so nothing cancels where limbs overlap.
void drawLimb(QPainter& p, const std::vector<QPointF>& spine, double from, double to) {
    QPainterPath body;
    std::vector<QPointF> left;
    std::vector<QPointF> right;
    const std::size_t n = spine.size();
    for (std::size_t i = 0; i < n; ++i) {
        const QPointF d = spine[std::min(n - 1, i + 1)] - spine[i == 0 ? 0 : i - 1];
        const double len = std::max(1e-9, std::hypot(d.x(), d.y()));
        const QPointF normal(-d.y() / len, d.x() / len);
        const double w = (from + (to - from) * double(i) / double(n - 1)) / 2;
        left.push_back(spine[i] + normal * w);
        right.push_back(spine[i] - normal * w);
    }
    body.moveTo(left.front());
    for (std::size_t i = 1; i < n; ++i) body.lineTo(left[i]);
    for (std::size_t i = n; i-- > 0;) body.lineTo(right[i]);
    body.closeSubpath();
    p.drawPath(body);
    p.drawEllipse(spine.front(), from / 2, from / 2);
    p.drawEllipse(spine.back(), to / 2, to / 2);
}

// A dead tree drowned where it stood: gnarled, bare, some limbs snapped off.
void drownedTree(QPainter& p, Prng& rng, QPointF base, double height, double girth, double lean) {
    std::vector<std::tuple<QPointF, double, double, double, int>> stack{
        {base, -90 + lean, height * 0.32, girth, 0}};
    while (!stack.empty()) {
        const auto [from, angle, length, width, depth] = stack.back();
        stack.pop_back();
        const double a = angle * std::numbers::pi / 180.0;
        const QPointF start = from;
        const QPointF to = from + QPointF(std::cos(a), std::sin(a)) * length;
        const QPointF kink = (from + to) / 2 + QPointF(rng.range(-0.12, 0.12) * length,
                                                       rng.range(-0.05, 0.05) * length);
        drawLimb(p,
                 sampleSpine(
                     [&](double t) {
                         return (1 - t) * (1 - t) * start + 2 * t * (1 - t) * kink + t * t * to;
                     },
                     12),
                 width, width * 0.66);
        if (depth >= 5 || (depth >= 2 && rng.unit() < 0.15)) continue;  // snapped off
        const int children = depth == 0 ? 2 : 2 + (rng.unit() < 0.35 ? 1 : 0);
        for (int c = 0; c < children; ++c) {
            const double turn = (c - (children - 1) / 2.0) * rng.range(22, 40) + rng.range(-10, 10);
            stack.emplace_back(to, angle + turn, length * rng.range(0.55, 0.78),
                               width * rng.range(0.55, 0.7), depth + 1);
        }
    }
    // Roots splaying into the mud.
    for (int r = 0; r < 6; ++r) {
        const double side = r % 2 ? 1.0 : -1.0;
        const double reach = girth * rng.range(1.4, 3.0);
        const double drop = rng.range(0.1, 0.4);
        drawLimb(p,
                 sampleSpine(
                     [&](double t) {
                         return base + QPointF(side * reach * t,
                                               -girth * 0.6 * (1 - t) + girth * drop * t * t);
                     },
                     10),
                 girth * 0.5, girth * 0.08);
    }
}

void muddyWaters(Canvas& picture) {
    const Water water{tint(QColor(184, 190, 120)),
                      tint(QColor(116, 132, 70)),
                      tint(QColor(80, 96, 52)),
                      tint(QColor(28, 34, 17)),
                      880,
                      QPointF(1100, -800)};
    const Bed bed{tint(QColor(118, 106, 68)), 0.14f, 0.3f, -0.2};
    const Canvas fog = waterPlate(water, 31);
    picture = fog;
    surfaceShimmer(picture, water, 0.2f, 32);

    farRidge(picture, fog, 890, 90, 0.82f, QColor(58, 64, 34), 33, 0.8);
    // Drowned trees fading into the murk, nearer ones clearer; none in the
    // middle of the sea bed.
    Prng rng(34);
    using Grove = std::tuple<float, double, std::array<double, 4>>;
    for (const auto& [hazeOf, sizeOf, xsOf] :
         std::array<Grove, 3>{{{0.9f, 0.42, {260, 720, 1850, 2330}},
                               {0.82f, 0.6, {90, 560, 2000, 2480}},
                               {0.7f, 0.85, {-40, 2120, 2400, 2620}}}}) {
        const float haze = hazeOf;
        const double size = sizeOf;
        const std::array<double, 4> xs = xsOf;
        Layer trees(kWhole, 0.5, [&](QPainter& p) {
            p.setPen(Qt::NoPen);
            p.setBrush(QColor(52, 44, 30));
            for (const double x : xs)
                drownedTree(p, rng, QPointF(x, 895 + size * 50), 1000 * size, 46 * size,
                            rng.range(-8, 8));
        });
        trees.blur(size < 0.5 ? 5 : (size < 0.7 ? 3.5 : 2.5));
        picture.over(trees, &fog, hazeFor(haze, std::min(0.95f, haze + 0.06f), 400, 940));
    }

    seaBed(picture, fog, water, bed, 35);

    // The big drowned tree at the right, its roots in the mud.
    contactShadow(picture, QRectF(1790, 1000, 460, 60), 0.3f);
    Layer tree(QRectF(700, 0, 1860, 1150), 1.0, [&](QPainter& p) {
        Prng treeRng(36);
        p.setPen(Qt::NoPen);
        p.setBrush(linear(
            QPointF(1880, 0), QPointF(2140, 0),
            {{0.0, QColor(92, 78, 52)}, {0.5, QColor(122, 104, 70)}, {1.0, QColor(66, 54, 36)}}));
        drownedTree(p, treeRng, QPointF(2010, 1050), 1500, 96, -6);
    });
    Stone wood;
    wood.lighting.roundness = 22;
    wood.lighting.steepness = 26;
    wood.lighting.lightX = -0.2f;
    wood.grain = 0.35f;
    wood.sheen = 0.12f;
    wood.sheenReach = 12;
    wood.size = 0.35;
    wood.growth = tint(QColor(96, 104, 56));
    wood.growthAmount = 0.4f;
    rockFace(tree, 37, wood);
    picture.over(tree, &fog, hazeFor(0.38f, 0.58f, 300, 1050));

    // A sunken log on the left, lying in the mud.
    contactShadow(picture, QRectF(-20, 1040, 760, 70), 0.3f);
    Layer log(QRectF(0, 780, 800, 380), 1.0, [](QPainter& p) {
        p.setPen(Qt::NoPen);
        QPainterPath trunk;
        trunk.moveTo(710, 1056);
        trunk.cubicTo(560, 1030, 260, 990, -40, 958);
        trunk.lineTo(-40, 1070);
        trunk.cubicTo(260, 1088, 560, 1104, 700, 1118);
        trunk.quadTo(734, 1088, 710, 1056);
        trunk.addPath(taperedPath({{500, 1040}, {530, 950}, {575, 860}}, 26, 9));
        trunk.addPath(taperedPath({{260, 1010}, {220, 930}, {150, 850}}, 22, 8));
        trunk.addPath(taperedPath({{380, 1030}, {360, 990}}, 18, 12));
        p.setBrush(linear(QPointF(0, 960), QPointF(0, 1118),
                          {{0.0, QColor(126, 106, 72)}, {1.0, QColor(62, 50, 32)}}));
        p.drawPath(roughened(solidUnion(trunk), 3, 40, 39));
        p.setBrush(QColor(140, 122, 86));
        p.drawEllipse(QPointF(708, 1087), 15, 27);
    });
    rockFace(log, 38, wood);
    picture.over(log, &fog, hazeFor(0.4f, 0.5f, 900, 1100));
    sandDrifts(picture, fog, water, bed, 35, {QRectF(-40, 1080, 700, 60)});

    // Water weed at both sides, far and near.
    using Bank = std::tuple<float, double, int, double, QColor>;
    for (const auto& [hazeOf, blurOf, countOf, tallOf, colourOf] :
         std::array<Bank, 3>{{{0.6f, 2.5, 24, 300, QColor(96, 112, 52)},
                              {0.42f, 1.6, 16, 420, QColor(84, 100, 44)},
                              {0.3f, 3.0, 7, 600, QColor(64, 76, 36)}}}) {
        const float haze = hazeOf;
        const int count = countOf;
        const double tall = tallOf;
        const QColor colour = colourOf;
        const double bottom = 980 + (tall - 300) * 1.2;
        Layer weed(kWhole, 0.5, [&](QPainter& p) {
            p.setPen(Qt::NoPen);
            p.setBrush(colour);
            for (int i = 0; i < count; ++i) {
                const bool left = i % 2 == 0;
                const double x = left ? rng.range(0, 780) : rng.range(1780, kWidth);
                drawReeds(p, rng, QPointF(x, bottom + rng.range(0, 60)), tall * rng.range(0.7, 1.2),
                          tall / 80);
            }
        });
        weed.blur(blurOf);
        picture.over(weed, &fog, [haze](int, int) { return haze; });
    }

    siltBand(picture, fog, 990, 60, 0.3f);
    lightShafts(picture, water, 14, 820, tint(QColor(66, 70, 36)), 40);
    marineSnow(picture, 1800, tint(QColor(180, 172, 116)), 41);
    vignette(picture, 0.34f);
}

// --------------------------------------------------------- Skull Mountain

void skullMountain(Canvas& picture) {
    const Water water{tint(QColor(126, 152, 208)),
                      tint(QColor(46, 70, 138)),
                      tint(QColor(30, 44, 94)),
                      tint(QColor(6, 10, 30)),
                      930,
                      QPointF(980, -900)};
    const Bed bed{tint(QColor(96, 100, 124)), 0.18f, 0.22f, 0.3};
    const Canvas fog = waterPlate(water, 51);
    picture = fog;
    surfaceShimmer(picture, water, 0.2f, 52);

    farRidge(picture, fog, 940, 220, 0.84f, QColor(26, 32, 64), 53, 1.3);
    seaBed(picture, fog, water, bed, 54);

    // Crags at both sides, far and near.
    for (const auto& [hazeOf, spots] :
         std::array<std::pair<float, std::array<std::tuple<double, double, double>, 3>>, 2>{
             {{0.72f, {{{520, 420, 190}, {2110, 480, 210}, {2300, 300, 160}}}},
              {0.46f, {{{170, 720, 320}, {2440, 660, 300}, {660, 220, 160}}}}}}) {
        const float haze = hazeOf;
        const auto where = spots;
        Layer crags(QRectF(0, 0, kWidth, 1120), 1.0, [&](QPainter& p) {
            p.setPen(Qt::NoPen);
            p.setBrush(QColor(78, 80, 100));
            for (const auto& [x, height, width] : where)
                p.drawPath(crag(QPointF(x, 1000), height, width, std::uint32_t(x) * 3));
        });
        Stone cragStone;
        cragStone.lighting.roundness = 36;
        cragStone.lighting.steepness = 44;
        cragStone.lighting.lightX = -0.3f;
        cragStone.lighting.ambient = 0.34f;
        cragStone.lighting.diffuse = 0.95f;
        cragStone.size = 0.6;
        cragStone.growth = tint(QColor(70, 90, 100));
        rockFace(crags, 55, cragStone);
        picture.over(crags, &fog, hazeFor(haze, 0.85f, 500, 1020));
    }

    // The mountain, its summit a skull staring out over the sea bed. The face
    // sits high; below the jaw the slope fades into the murk.
    const QPointF eyes[2] = {QPointF(1130, 430), QPointF(1430, 430)};
    const QRectF mouth(1076, 630, 408, 136);
    // Teeth: worn stone pegs, a few lost.
    std::vector<QRectF> teeth;
    {
        Prng rng(60);
        for (int i = 0; i < 8; ++i) {
            if (i == 5) continue;
            const double h = 70 - std::abs(i - 3.5) * 4 + rng.range(-6, 3);
            teeth.emplace_back(1082 + i * 50.0, 628, 46, h);
        }
        for (int i = 0; i < 7; ++i) {
            if (i == 1) continue;
            const double h = 54 - std::abs(i - 3) * 4 + rng.range(-5, 3);
            teeth.emplace_back(1107 + i * 50.0, 768 - h, 46, h);
        }
    }
    const auto socketPath = [](QPointF eye) {
        QPainterPath socket;
        socket.addEllipse(eye, 104, 86);
        return roughened(socket, 7, 60, std::uint32_t(eye.x()));
    };
    QPainterPath nose;
    nose.moveTo(1280, 500);
    nose.cubicTo(1244, 532, 1220, 590, 1238, 612);
    nose.quadTo(1262, 622, 1280, 598);
    nose.quadTo(1298, 622, 1322, 612);
    nose.cubicTo(1340, 590, 1316, 532, 1280, 500);
    nose = roughened(nose, 3, 30, 63);
    const QPainterPath mouthPath = [&] {
        QPainterPath m;
        m.addRoundedRect(mouth, 50, 50);
        return roughened(m, 5, 50, 64);
    }();
    // The face carved into the relief: sockets, nose and mouth sink in, the
    // teeth stand out of the mouth.
    const QRectF faceArea(820, 200, 920, 640);
    Layer hollow(faceArea, 0.5, [&](QPainter& p) {
        p.setPen(Qt::NoPen);
        p.setBrush(Qt::white);
        for (const QPointF& eye : eyes) p.drawPath(socketPath(eye));
        p.drawPath(nose);
        p.drawPath(mouthPath);
    });
    hollow.blur(7, true);
    Layer raised(faceArea, 0.5, [&](QPainter& p) {
        p.setPen(Qt::NoPen);
        p.setBrush(Qt::white);
        for (const QRectF& tooth : teeth) p.drawRoundedRect(tooth, 16, 16);
    });
    raised.blur(4, true);
    const auto carving = [&](double x, double y) {
        float in[4];
        float out[4];
        hollow.sample(x, y, in);
        raised.sample(x, y, out);
        return 1.1f * out[3] - 1.2f * in[3];
    };

    Layer mountain(QRectF(120, 40, 2320, 1080), 1.0, [&](QPainter& p) {
        QPainterPath mass;
        mass.moveTo(160, 1010);
        mass.cubicTo(420, 860, 600, 720, 720, 610);
        mass.cubicTo(800, 540, 860, 470, 880, 400);
        mass.cubicTo(870, 200, 1060, 104, 1280, 100);
        mass.cubicTo(1500, 104, 1690, 200, 1680, 400);
        mass.cubicTo(1700, 470, 1760, 540, 1840, 610);
        mass.cubicTo(1960, 720, 2140, 860, 2400, 1010);
        mass.closeSubpath();
        const QPainterPath shape = roughened(roughened(mass, 18, 320, 61), 5, 60, 62);
        p.setPen(Qt::NoPen);
        p.setBrush(linear(
            QPointF(760, 0), QPointF(1820, 0),
            {{0.0, QColor(78, 80, 96)}, {0.4, QColor(118, 116, 126)}, {1.0, QColor(70, 74, 92)}}));
        p.drawPath(shape);
        // The dark depths of the sockets, nose and mouth.
        for (const QPointF& eye : eyes) {
            p.setBrush(radial(
                eye + QPointF(0, 8), 104,
                {{0.0, QColor(6, 10, 14)}, {0.7, QColor(14, 16, 26)}, {1.0, QColor(40, 42, 56)}}));
            p.drawPath(socketPath(eye));
        }
        p.setBrush(QColor(10, 12, 20));
        p.drawPath(nose);
        p.setBrush(
            radial(mouth.center(), 230, {{0.0, QColor(6, 8, 14)}, {1.0, QColor(22, 24, 36)}}));
        p.drawPath(mouthPath);
        Prng rng(65);
        for (const QRectF& tooth : teeth) {
            QPainterPath peg;
            peg.addRoundedRect(tooth, 16, 16);
            p.setBrush(linear(tooth.topLeft(), tooth.bottomLeft(),
                              {{0.0, QColor(112, 110, 112)}, {1.0, QColor(84, 84, 96)}}));
            p.drawPath(roughened(peg, 2.5, 22, std::uint32_t(rng.next() & 0xFFFF)));
        }
    });
    Stone mountainStone;
    mountainStone.lighting.roundness = 50;
    mountainStone.lighting.steepness = 44;
    mountainStone.lighting.lightX = -0.3f;
    mountainStone.lighting.ambient = 0.34f;
    mountainStone.lighting.diffuse = 0.95f;
    mountainStone.mass = 300;
    mountainStone.growth = tint(QColor(64, 84, 96));
    rockFace(mountain, 67, mountainStone, carving);
    picture.over(mountain, &fog, [](int x, int y) {
        // Thick murk at the foot, thinner up at the face.
        const float side = std::abs(float(x - kCentre)) / 1200.0f;
        return 0.34f + 0.56f * smoothStep(720, 1010, float(y)) * (1.0f - 0.2f * side);
    });
    sandDrifts(picture, fog, water, bed, 54,
               {QRectF(100, 990, 700, 56), QRectF(640, 978, 640, 70), QRectF(1180, 992, 560, 50),
                QRectF(1620, 980, 860, 66)});
    siltBand(picture, fog, 1000, 45, 0.55f);
    // A cold green glow deep in the eye sockets.
    Layer glow(QRectF(960, 300, 640, 300), 0.25, [&](QPainter& p) {
        p.setPen(Qt::NoPen);
        for (const QPointF& eye : eyes) {
            const QPointF at = eye + QPointF(0, 22);
            p.setBrush(radial(
                at, 46, {{0.0, QColor(255, 255, 255, 255)}, {1.0, QColor(255, 255, 255, 0)}}));
            p.drawEllipse(at, 46, 46);
        }
    });
    glow.blur(8, true);
    picture.glow(glow, tint(QColor(30, 130, 80)));

    lightShafts(picture, water, 12, 1000, tint(QColor(54, 74, 120)), 68);
    marineSnow(picture, 900, tint(QColor(170, 190, 230)), 69);
    vignette(picture, 0.38f);
}

QImage drawBackground(int number) {
    Canvas picture(QSize(kWidth, kHeight));
    switch (number) {
        case 1:
            archWay(picture);
            break;
        case 2:
            muddyWaters(picture);
            break;
        default:
            skullMountain(picture);
            break;
    }
    return picture.toImage(std::uint32_t(number) * 7919u);
}

}  // namespace

const QImage& backgroundPicture(int number) {
    // Each backdrop takes a while to draw and is wanted for its file and its
    // previews both: draw each once.
    static std::array<QImage, 3> drawn;
    const std::size_t index = static_cast<std::size_t>(std::clamp(number, 1, 3) - 1);
    if (drawn[index].isNull()) drawn[index] = drawBackground(static_cast<int>(index) + 1);
    return drawn[index];
}

QImage paletteSwatch() {
    // A spread of the scene's colours; only its pixel format matters to the
    // loader, but it should still be a sensible picture.
    QImage image(16, 16, QImage::Format_RGB32);
    for (int y = 0; y < 16; ++y)
        for (int x = 0; x < 16; ++x)
            image.setPixel(x, y,
                           QColor::fromHsv((x * 360 / 16) % 360, 80 + y * 10, 255 - y * 12).rgb());
    return image;
}

}  // namespace mediagen
