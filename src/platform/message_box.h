#pragma once
// Messages to the user in a box with an OK button, in front of the window
// they concern, waiting until the user has read them. Tests replace the
// message shower to answer the box without a user.

#include <functional>
#include <string>

class QWidget;

namespace bv::platform {

using MessageShower =
    std::function<void(QWidget* owner, const std::string& title, const std::string& text)>;
// nullptr puts the real message box back.
void SetMessageShower(MessageShower shower);

// A warning over `owner` (nullptr: over no window in particular).
void ShowMessageBox(QWidget* owner, const std::string& title, const std::string& text);

}  // namespace bv::platform
