#pragma once

#include <QImage>

namespace mediagen {

// Sheets that depart from the plain two-row layout.
QImage clamSheet();       // 350 x 54: large clams from x 0, small clams from x 200
QImage scubaDudeSheet();  // 368 x 155: three frames and one shared mask in a row

}  // namespace mediagen
