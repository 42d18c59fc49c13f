#include "dialog/drop_down_list.h"

#include "platform/runtime_failure.h"

namespace bv {

DropDownList::DropDownList(const QStringList& items, QWidget* parent) : QComboBox(parent) {
    setEditable(false);
    addItems(items);
    setCurrentIndex(-1);
    connect(this, &QComboBox::activated, this, [this] { Click(); });
}

void DropDownList::SetListIndex(int index) {
    if (index < -1 || index >= count()) Fail(kInvalidArgument);
    setCurrentIndex(index);
    if (index != -1) Click();
}

void DropDownList::Click() {
    if (click_) click_();
}

}  // namespace bv
