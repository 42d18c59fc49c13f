#pragma once
// The small dialog that edits the personalised message. It is the only
// place that writes the message text, and writes it at once on apply.
// While it is open the settings dialog steps aside.

#include "platform/form.h"

class QLabel;
class QLineEdit;
class QPushButton;

namespace bv {

class messageentry : public platform::Form {
    Q_OBJECT
public:
    // settingsDialog is shown again when this dialog is applied or cancelled.
    explicit messageentry(QWidget& settingsDialog);

    void apply_Click();
    void Cancel_Click();

signals:
    // Cancelled or closed: the next "Change" needs a new dialog.
    void Unloaded();

protected:
    void Form_Load() override;
    void Form_Unload() override;
    void Form_KeyPress(int keyAscii) override;
    void Form_Activate();

    void changeEvent(QEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    QWidget& settingsDialog_;
    QLabel* textentry = nullptr;
    QLineEdit* Text1 = nullptr;
    QPushButton* Apply = nullptr;
    QPushButton* Cancel = nullptr;
};

}  // namespace bv
