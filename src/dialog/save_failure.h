#pragma once
// Telling the user that a setting was not saved.

#include <string>

#include "settings/ini_access.h"

class QWidget;

namespace bv {

inline constexpr char kSaveFailureTitle[] = "Bluvessa: Settings Not Saved";

// "Bluvessa could not save its settings to <file>: <reason>", and that the
// dialog stays open.
std::string SaveFailureText(const IniWriteFailure& failure);

// The message in a box over `owner`, once the user has read it.
void ShowSaveFailure(QWidget& owner, const IniWriteFailure& failure);

}  // namespace bv
