#pragma once

#include <QColor>

#include "frame_art.h"

namespace mediagen {

// How one kind of bony fish looks; drawFish turns it into a swimming frame.
struct FishLook {
    enum class Tail { Fork, Fan, Lunate };
    enum class Pattern { None, Bars, Stripes, Spots };

    double tailX = 0.3;      // where the body meets the tail fin, of the width
    double bodyHalf = 0.28;  // of the height
    double peakAt = 0.55;
    double noseExp = 0.6;
    double tailHalf = 0.2;
    double tailTipX = 0.02;  // of the width: how far back the tail reaches at full stretch
    QColor top;
    QColor bottom;
    QColor fin;
    Tail tail = Tail::Fork;
    Pattern pattern = Pattern::None;
    QColor patternColour;
    int patternCount = 0;
    double dorsalHeight = 0.15;  // of the height
    double analHeight = 0.1;
    double eyeRadius = 0.08;  // of the height
    QColor iris = QColor(60, 40, 10);
    bool spinyDorsal = false;
    bool finlets = false;
};

void drawFish(QPainter& p, const FrameInfo& f, const FishLook& look);

}  // namespace mediagen
