#include "dialog/message_entry_form.h"

#include <QEvent>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <limits>
#include <optional>

#include "dialog/dialog_font.h"
#include "dialog/save_failure.h"
#include "dialog/twips.h"
#include "platform/center_form.h"
#include "settings/ini_access.h"
#include "settings/settings_globals.h"

namespace bv {
namespace {

constexpr char kProductName[] = "Bluvessa";
constexpr int kCarriageReturn = 13;

}  // namespace

messageentry::messageentry(QWidget& settingsDialog) : settingsDialog_(settingsDialog) {
    setObjectName(QStringLiteral("messageentry"));
    setWindowFlags(Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                   Qt::WindowCloseButtonHint);
    setFixedSize(TwipsRect(0, 0, 5175, 1425).size());

    textentry = new QLabel(QStringLiteral("Please Enter Your Text Message Below:"), this);
    textentry->setObjectName(QStringLiteral("textentry"));
    textentry->setAlignment(Qt::AlignCenter);
    PlaceInTwips(*textentry, 120, 120, 4935, 255);

    Text1 = new QLineEdit(this);
    Text1->setObjectName(QStringLiteral("Text1"));
    QPalette white = Text1->palette();
    white.setColor(QPalette::Base, Qt::white);
    white.setColor(QPalette::Text, Qt::black);
    Text1->setPalette(white);
    Text1->setMaxLength(std::numeric_limits<int>::max());  // no limit of its own
    PlaceInTwips(*Text1, 360, 480, 4455, 285);

    Apply = new QPushButton(QStringLiteral("&Apply Changes"), this);
    Apply->setObjectName(QStringLiteral("Apply"));
    PlaceInTwips(*Apply, 375, 960, 1815, 375);
    connect(Apply, &QPushButton::clicked, this, [this] { apply_Click(); });

    Cancel = new QPushButton(QStringLiteral("&Cancel"), this);
    Cancel->setObjectName(QStringLiteral("Cancel"));
    PlaceInTwips(*Cancel, 3000, 960, 1815, 375);
    connect(Cancel, &QPushButton::clicked, this, [this] { Cancel_Click(); });

    setTabOrder(Text1, Apply);
    setTabOrder(Apply, Cancel);
    // Every key typed anywhere in the dialog passes its own handler first.
    for (QWidget* control : {static_cast<QWidget*>(Text1), static_cast<QWidget*>(Apply),
                             static_cast<QWidget*>(Cancel)})
        control->installEventFilter(this);
    FitDialogFont(*this);
}

void messageentry::Form_Load() {
    setWindowTitle(QString::fromLatin1(kProductName) + QStringLiteral(" ScreenSaver Message"));
    Text1->setText(QString::fromStdString(MessageText));
    CenterForm(*this);
    setWindowFlag(Qt::WindowStaysOnTopHint, true);
}

void messageentry::Form_Activate() {
    Text1->setFocus();
}

void messageentry::changeEvent(QEvent* event) {
    platform::Form::changeEvent(event);
    if (event->type() == QEvent::ActivationChange && isActiveWindow()) Form_Activate();
}

bool messageentry::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::KeyPress) {
        const QString typed = static_cast<QKeyEvent*>(event)->text();
        if (!typed.isEmpty()) {
            const int keyAscii = typed.at(0).unicode();
            Form_KeyPress(keyAscii);
            // The dialog has acted on Enter; the control must not act again.
            if (keyAscii == kCarriageReturn) return true;
        }
    }
    return platform::Form::eventFilter(watched, event);
}

void messageentry::Form_KeyPress(int keyAscii) {
    if (keyAscii == kCarriageReturn) apply_Click();
}

// The text is stored exactly as typed. The dialog stays loaded, so the next
// "Change" shows the text as the user left it. A text the settings file does
// not take is told to the user, and the dialog stays up to try again.
void messageentry::apply_Click() {
    if (const std::optional<IniWriteFailure> failure = PutIniData(
            kSettingsFileName, kSettingsSection, "messagetext", Text1->text().toStdString())) {
        ShowSaveFailure(*this, *failure);
        return;
    }
    settingsDialog_.show();
    hide();
}

void messageentry::Cancel_Click() {
    settingsDialog_.show();
    Unload();
}

// Cancelled or closed from the title bar: the edit is dropped, and the next
// "Change" starts again from the text read at start-up.
void messageentry::Form_Unload() {
    settingsDialog_.show();
    emit Unloaded();
    deleteLater();
}

}  // namespace bv
