#pragma once
// A non-editable drop-down list with a click handler that runs whenever an
// item is chosen: by the user (even the item already shown) or by setting
// the list index in code.

#include <QComboBox>
#include <QStringList>
#include <functional>

namespace bv {

class DropDownList : public QComboBox {
    Q_OBJECT
public:
    DropDownList(const QStringList& items, QWidget* parent);

    void SetClickHandler(std::function<void()> handler) { click_ = std::move(handler); }

    int ListIndex() const { return currentIndex(); }

    // Selects an item and runs the click handler, as a user's choice does.
    // -1 selects nothing and runs nothing; an index with no item is an
    // invalid-argument failure and changes nothing.
    void SetListIndex(int index);

private:
    void Click();

    std::function<void()> click_;
};

}  // namespace bv
