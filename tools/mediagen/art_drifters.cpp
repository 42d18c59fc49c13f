#include <cmath>
#include <numbers>

#include "art.h"
#include "paint_kit.h"
#include "people_kit.h"
#include "prng.h"

namespace mediagen::art {
namespace {

// A bottle turning end over end about the frame's centre.
void drawBottle(QPainter& p, const FrameInfo& f, const QColor& glass, bool message) {
    const QColor rim = glass.darker(250);
    p.save();
    p.translate(f.size.width() / 2.0, f.size.height() / 2.0);
    p.rotate(360.0 * f.index / f.count);
    p.scale(0.9, 0.9);  // lying across, it still fits inside the frame's width
    QPainterPath bottle;
    bottle.addRoundedRect(QRectF(-5.5, -3, 11, 18), 3, 3);
    QPainterPath shoulder;
    shoulder.moveTo(-5.5, -1);
    shoulder.cubicTo(-5.5, -6, -2.5, -6, -2.5, -9);
    shoulder.lineTo(2.5, -9);
    shoulder.cubicTo(2.5, -6, 5.5, -6, 5.5, -1);
    shoulder.closeSubpath();
    bottle.addPath(shoulder);
    bottle.addRect(QRectF(-2.5, -13, 5, 5));
    const QPainterPath solid = solidUnion(bottle);
    fillWithRim(p, solid,
                linear(QPointF(-6, 0), QPointF(6, 0),
                       {{0.0, glass.darker(140)}, {0.4, glass}, {1.0, glass.darker(160)}}),
                rim);
    if (message) {
        // A rolled note inside, tied with string.
        p.setPen(QPen(QColor(150, 120, 80), 0.6));
        p.setBrush(QColor(235, 222, 180));
        p.drawRoundedRect(QRectF(-3, -1, 6, 13), 2, 2);
        p.setPen(QPen(QColor(180, 40, 30), 1.0));
        p.drawLine(QPointF(-3, 5), QPointF(3, 5));
    } else {
        p.setPen(Qt::NoPen);
        p.setBrush(QColor(240, 230, 200));
        p.drawRect(QRectF(-5.5, 2, 11, 7));
        p.setBrush(QColor(190, 40, 40));
        p.drawEllipse(QPointF(0, 5.5), 2.3, 2.3);
    }
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(255, 255, 255, 150));
    p.drawRoundedRect(QRectF(-4, -2, 1.6, 14), 0.8, 0.8);
    p.setBrush(QColor(150, 100, 60));
    p.drawRoundedRect(QRectF(-2.8, -15.5, 5.6, 4), 1, 1);
    p.restore();
}

void limb(QPainter& p, QPointF from, QPointF elbow, QPointF to, double width,
          const QColor& colour) {
    const auto spine = sampleSpine(
        [&](double t) {
            const QPointF a = from + (elbow - from) * t;
            const QPointF b = elbow + (to - elbow) * t;
            return a + (b - a) * t;
        },
        12);
    fillWithRim(p, taperedPath(spine, width, width * 0.85), colour, colour.darker(200), 0.8);
}

}  // namespace

void greenBottle(QPainter& p, const FrameInfo& f) {
    drawBottle(p, f, QColor(60, 160, 90), true);
}

void brownBottle(QPainter& p, const FrameInfo& f) {
    drawBottle(p, f, QColor(150, 90, 40), false);
}

void mofiaSnitch(QPainter& p, const FrameInfo& f) {
    const double phase = f.phase();
    const QColor suit(44, 46, 60);
    const QColor skin(236, 196, 160);

    // Concrete overshoes.
    QPainterPath block;
    block.addRoundedRect(QRectF(9, 118, 47, 25), 2, 2);
    fillWithRim(p, block,
                linear(QPointF(0, 118), QPointF(0, 143),
                       {{0.0, QColor(186, 184, 176)}, {1.0, QColor(120, 118, 112)}}),
                QColor(60, 60, 56));
    Prng grit(3);
    p.setPen(Qt::NoPen);
    for (int i = 0; i < 40; ++i) {
        p.setBrush(QColor(90 + grit.below(60), 90 + grit.below(60), 86 + grit.below(60)));
        p.drawEllipse(QPointF(grit.range(11, 54), grit.range(120, 141)), 0.7, 0.7);
    }
    // Legs in pinstripes.
    for (const double x : {26.0, 39.0})
        limb(p, QPointF(x, 82), QPointF(x + (x < 30 ? -1 : 1), 100), QPointF(x, 121), 10, suit);
    // Flailing arms behind the body.
    const double flail = std::sin(phase);
    limb(p, QPointF(21, 52), QPointF(10, 46 + 6 * flail), QPointF(7, 30 - 8 * flail), 7, suit);
    limb(p, QPointF(44, 52), QPointF(55, 46 - 6 * flail), QPointF(58, 30 + 8 * flail), 7, suit);
    p.setPen(QPen(skin.darker(160), 0.7));
    p.setBrush(skin);
    p.drawEllipse(QPointF(7, 28 - 8 * flail), 3.5, 3.5);
    p.drawEllipse(QPointF(58, 28 + 8 * flail), 3.5, 3.5);
    // Jacket, shirt and a tie floating up.
    QPainterPath jacket;
    jacket.moveTo(20, 50);
    jacket.quadTo(32, 45, 45, 50);
    jacket.lineTo(46, 86);
    jacket.lineTo(19, 86);
    jacket.closeSubpath();
    fillWithRim(
        p, jacket,
        linear(QPointF(19, 0), QPointF(46, 0), {{0.0, suit.lighter(130)}, {1.0, suit.darker(120)}}),
        QColor(10, 10, 16));
    p.setPen(QPen(suit.lighter(170), 0.5));
    for (int i = 0; i < 4; ++i) p.drawLine(QPointF(22 + i * 7, 52), QPointF(22 + i * 7, 85));
    QPainterPath shirt;
    shirt.moveTo(27, 48);
    shirt.lineTo(38, 48);
    shirt.lineTo(32.5, 64);
    shirt.closeSubpath();
    fillWithRim(p, shirt, QColor(245, 245, 240), QColor(120, 120, 120), 0.6);
    const auto tie = sampleSpine(
        [&](double t) {
            return QPointF(32.5 + 4 * t * std::sin(phase * 2 + t * 3),
                           50 - 14 * t * (0.5 + 0.5 * flail));
        },
        10);
    fillWithRim(p, taperedPath(tie, 3.5, 4.5), QColor(200, 30, 40), QColor(90, 10, 15), 0.6);
    // Worried face, hat floating off.
    FaceLook face;
    face.skin = skin;
    face.hair = QColor(30, 26, 24);
    face.hair_style = FaceLook::Hair::Slick;
    face.mood = FaceLook::Mood::Surprised;
    drawFace(p, QPointF(32.5, 36), 9, face);
    p.save();
    p.translate(34, 14 - 2 * flail);
    p.rotate(-10 + 8 * flail);
    QPainterPath hat;
    hat.addEllipse(QRectF(-13, 2, 26, 6));
    hat.addRoundedRect(QRectF(-8, -7, 16, 11), 3, 3);
    fillWithRim(p, solidUnion(hat), QColor(60, 56, 50), QColor(20, 18, 16));
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(150, 30, 30));
    p.drawRect(QRectF(-8, 0, 16, 2.5));
    p.restore();
    for (int k = 0; k < 3; ++k) {
        const double rise = std::fmod(f.index * 14.0 / f.count + k * 4.7, 14.0);
        drawBubble(p, QPointF(44 + k * 2 + std::sin(rise) * 1.5, 36 - rise * 2), 1.3 + k * 0.4);
    }
}

void marinaSign(QPainter& p, const FrameInfo& f) {
    const double sway = std::sin(f.phase()) * 2.5;
    const QColor wood(140, 96, 56);
    // Sand mound, then the post.
    QPainterPath mound;
    mound.moveTo(8, 139.5);
    mound.quadTo(27.5, 124.5, 47, 139.5);
    mound.closeSubpath();
    fillWithRim(p, mound, QColor(210, 190, 140), QColor(150, 130, 90));
    QPainterPath post;
    post.addRect(QRectF(24, 40, 7, 95));
    fillWithRim(
        p, post,
        linear(QPointF(24, 0), QPointF(31, 0), {{0.0, wood.lighter(120)}, {1.0, wood.darker(140)}}),
        wood.darker(220));
    // Kelp wrapped round the post, waving.
    for (int k = 0; k < 2; ++k) {
        const auto kelp = sampleSpine(
            [&](double t) {
                return QPointF(27.5 + (k ? 9 : -9) * std::sin(t * 4 + f.phase() + k) * t,
                               136.5 - t * (66 - k * 20));
            },
            24);
        fillWithRim(p, taperedPath(kelp, 4, 1.5), QColor(70, 150, 60), QColor(25, 70, 25), 0.7);
    }
    // The board swings a little from the top of the post.
    p.save();
    p.translate(27.5, 40);
    p.rotate(sway);
    p.translate(-27.5, -40);
    QPainterPath board;
    board.addRoundedRect(QRectF(3, 4, 49, 38), 3, 3);
    fillWithRim(p, board,
                linear(QPointF(0, 4), QPointF(0, 42),
                       {{0.0, QColor(246, 240, 226)}, {1.0, QColor(210, 200, 180)}}),
                QColor(80, 60, 40), 1.2);
    // Picture sign: a hooked fish inside a red circle with a bar, no words.
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(40, 110, 190));
    QPainterPath fish;
    fish.addEllipse(QRectF(16, 18, 20, 10));
    fish.moveTo(17, 23);
    fish.lineTo(10, 17);
    fish.lineTo(10, 29);
    fish.closeSubpath();
    p.drawPath(solidUnion(fish));
    p.setBrush(Qt::white);
    p.drawEllipse(QPointF(31, 22), 1.5, 1.5);
    p.setPen(QPen(QColor(90, 90, 100), 1.2));
    p.setBrush(Qt::NoBrush);
    p.drawLine(QPointF(38, 8), QPointF(38, 22));
    p.drawArc(QRectF(34, 19, 5, 6), 180 * 16, 180 * 16);
    p.setPen(QPen(QColor(210, 30, 30), 3.2));
    p.drawEllipse(QPointF(27.5, 23), 15, 15);
    p.drawLine(QPointF(17, 33.5), QPointF(38, 12.5));
    // Bolts.
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(110, 110, 110));
    p.drawEllipse(QPointF(6.5, 7.5), 1.3, 1.3);
    p.drawEllipse(QPointF(48.5, 7.5), 1.3, 1.3);
    p.restore();
    // A small fish that circles the post.
    const double a = f.phase();
    const QPointF fishAt(27.5 + 17 * std::cos(a), 95 + 6 * std::sin(a));
    if (std::sin(a) > -0.2) {
        p.save();
        p.translate(fishAt);
        p.scale(std::cos(a) > 0 ? -1 : 1, 1);
        QPainterPath small;
        small.addEllipse(QRectF(-4, -2, 8, 4));
        small.moveTo(3, 0);
        small.lineTo(6, -2.5);
        small.lineTo(6, 2.5);
        small.closeSubpath();
        fillWithRim(p, solidUnion(small), QColor(250, 190, 40), QColor(120, 80, 10), 0.5);
        p.restore();
    }
}

}  // namespace mediagen::art
