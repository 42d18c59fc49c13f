#pragma once
// A creature's small still picture; clicking it shows the creature in the
// preview. A missing picture leaves the box empty but still clickable.

#include <QLabel>
#include <functional>

namespace bv {

class ThumbnailBox : public QLabel {
    Q_OBJECT
public:
    ThumbnailBox(const QString& resourcePath, QWidget* parent);

    void SetClickHandler(std::function<void()> handler) { click_ = std::move(handler); }

protected:
    void mouseReleaseEvent(QMouseEvent* event) override;

private:
    std::function<void()> click_;
};

}  // namespace bv
