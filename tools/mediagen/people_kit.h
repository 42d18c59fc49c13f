#pragma once

#include <QColor>
#include <QPainter>
#include <QPointF>

namespace mediagen {

// Cartoon people share one face so the cast looks like it belongs together.
struct FaceLook {
    QColor skin = QColor(240, 196, 160);
    QColor hair = QColor(90, 50, 20);
    enum class Hair { None, Short, Long, Slick } hair_style = Hair::Short;
    enum class Mood { Smile, Worried, Sleepy, Surprised } mood = Mood::Smile;
    double lookX = 0.0;  // where the eyes look, -1 left .. 1 right
};

// A round head of radius r centred at `centre`, seen from the front.
void drawFace(QPainter& p, QPointF centre, double r, const FaceLook& look);

QColor skinShade(const QColor& skin);

}  // namespace mediagen
