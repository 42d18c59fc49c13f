#pragma once
// A picture box with a sunken two-pixel border: its inner area shows a
// drawing surface of the same size in pixels, which the program draws into
// by handle and then repaints.

#include <QFrame>

#include "platform/checked_arithmetic.h"
#include "platform/surface_table.h"

namespace bv {

class PictureBox : public QFrame {
    Q_OBJECT
public:
    // The box is inner size plus its border on every side.
    PictureBox(int innerWidth, int innerHeight, QWidget* parent);
    ~PictureBox() override;
    PictureBox(const PictureBox&) = delete;
    PictureBox& operator=(const PictureBox&) = delete;

    platform::Handle hDC() const { return surface_; }
    Integer ScaleWidth() const { return scaleWidth_; }
    Integer ScaleHeight() const { return scaleHeight_; }

    // Fills the drawing surface with the box's background colour (black).
    void Cls();
    // Shows what the drawing surface holds now.
    void Refresh();

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    static constexpr int kBorder = 2;

    Integer scaleWidth_;
    Integer scaleHeight_;
    platform::Handle surface_ = 0;
};

}  // namespace bv
