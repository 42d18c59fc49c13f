#pragma once
// The dialogs' font: the platform's own dialog font at the small size the
// dialogs' fixed layouts are measured for.

class QWidget;

namespace bv {

// Gives the dialog the dialog font, narrowed (or, failing that, made a
// little smaller) when a caption would not fit its fixed control: a wide
// platform font must not cut captions off.
void FitDialogFont(QWidget& dialog);

}  // namespace bv
