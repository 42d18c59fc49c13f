#include "art.h"
#include "fish_look.h"

namespace mediagen::art {

using Tail = FishLook::Tail;
using Pattern = FishLook::Pattern;

void tuna(QPainter& p, const FrameInfo& f) {
    FishLook look;
    look.tailX = 0.24;
    look.bodyHalf = 0.24;
    look.peakAt = 0.5;
    look.noseExp = 0.8;
    look.tailHalf = 0.12;
    look.top = QColor(22, 40, 92);
    look.bottom = QColor(214, 222, 230);
    look.fin = QColor(60, 70, 100);
    look.tail = Tail::Lunate;
    look.dorsalHeight = 0.16;
    look.analHeight = 0.12;
    look.eyeRadius = 0.07;
    look.finlets = true;
    drawFish(p, f, look);
}

void blueDevil(QPainter& p, const FrameInfo& f) {
    FishLook look;
    look.tailX = 0.28;
    look.bodyHalf = 0.28;
    look.noseExp = 0.55;
    look.top = QColor(18, 60, 210);
    look.bottom = QColor(70, 150, 255);
    look.fin = QColor(30, 90, 235);
    look.tail = Tail::Fork;
    look.pattern = Pattern::Spots;
    look.patternColour = QColor(150, 225, 255);
    look.patternCount = 6;
    look.dorsalHeight = 0.14;
    look.analHeight = 0.12;
    look.eyeRadius = 0.13;
    drawFish(p, f, look);
}

void emperorFish(QPainter& p, const FrameInfo& f) {
    FishLook look;
    look.tailX = 0.27;
    look.bodyHalf = 0.3;
    look.noseExp = 0.5;
    look.top = QColor(20, 40, 150);
    look.bottom = QColor(40, 90, 200);
    look.fin = QColor(250, 205, 40);
    look.tail = Tail::Fan;
    look.pattern = Pattern::Stripes;
    look.patternColour = QColor(255, 225, 60);
    look.patternCount = 4;
    look.dorsalHeight = 0.13;
    look.analHeight = 0.12;
    look.eyeRadius = 0.12;
    look.iris = QColor(20, 20, 60);
    drawFish(p, f, look);
}

void redFish(QPainter& p, const FrameInfo& f) {
    FishLook look;
    look.tailX = 0.28;
    look.bodyHalf = 0.27;
    look.noseExp = 0.7;
    look.top = QColor(200, 30, 36);
    look.bottom = QColor(255, 178, 160);
    look.fin = QColor(225, 60, 50);
    look.tail = Tail::Fork;
    look.dorsalHeight = 0.16;
    look.analHeight = 0.1;
    look.eyeRadius = 0.1;
    look.iris = QColor(180, 30, 20);
    look.spinyDorsal = true;
    drawFish(p, f, look);
}

void yellowFish(QPainter& p, const FrameInfo& f) {
    FishLook look;
    look.tailX = 0.26;
    look.bodyHalf = 0.33;
    look.peakAt = 0.45;
    look.noseExp = 0.9;
    look.tailHalf = 0.25;
    look.top = QColor(245, 200, 10);
    look.bottom = QColor(255, 240, 110);
    look.fin = QColor(250, 215, 30);
    look.tail = Tail::Fan;
    look.dorsalHeight = 0.15;
    look.analHeight = 0.14;
    look.eyeRadius = 0.09;
    drawFish(p, f, look);
}

void angelFish(QPainter& p, const FrameInfo& f) {
    FishLook look;
    look.tailX = 0.28;
    look.bodyHalf = 0.26;
    look.peakAt = 0.5;
    look.noseExp = 0.6;
    look.tailHalf = 0.25;
    look.top = QColor(190, 196, 190);
    look.bottom = QColor(236, 236, 224);
    look.fin = QColor(120, 120, 118);
    look.tail = Tail::Fan;
    look.pattern = Pattern::Bars;
    look.patternColour = QColor(30, 30, 34);
    look.patternCount = 3;
    look.dorsalHeight = 0.42;
    look.analHeight = 0.42;
    look.eyeRadius = 0.07;
    look.iris = QColor(170, 40, 30);
    drawFish(p, f, look);
}

}  // namespace mediagen::art
