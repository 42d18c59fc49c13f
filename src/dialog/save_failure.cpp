#include "dialog/save_failure.h"

#include "platform/message_box.h"

namespace bv {

std::string SaveFailureText(const IniWriteFailure& failure) {
    return "Bluvessa could not save its settings to " + failure.path + ": " + failure.reason +
           "\n\nThe dialog stays open, so that you can try again or cancel.";
}

void ShowSaveFailure(QWidget& owner, const IniWriteFailure& failure) {
    platform::ShowMessageBox(&owner, kSaveFailureTitle, SaveFailureText(failure));
}

}  // namespace bv
