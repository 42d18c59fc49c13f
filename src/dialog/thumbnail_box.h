#pragma once
// A creature's small still picture; clicking it shows the creature in the
// preview. A missing picture leaves the box empty but still clickable.

#include <QLabel>
#include <QPixmap>
#include <cstddef>
#include <functional>

namespace bv {

// The thumbnail of the creature at this index of the creature table: its
// cell of the built-in strip of thumbnails, or a null picture.
QPixmap ThumbnailPicture(std::size_t creatureIndex);

class ThumbnailBox : public QLabel {
    Q_OBJECT
public:
    ThumbnailBox(const QPixmap& picture, QWidget* parent);

    void SetClickHandler(std::function<void()> handler) { click_ = std::move(handler); }

protected:
    void mouseReleaseEvent(QMouseEvent* event) override;

private:
    std::function<void()> click_;
};

}  // namespace bv
