#include "errors/bug_report_form.h"

#include <QApplication>
#include <QHBoxLayout>
#include <QStyle>
#include <QTimer>
#include <QVBoxLayout>

#include "dialog_pictures.h"
#include "errors/error_code.h"
#include "platform/center_form.h"
#include "platform/process_end.h"
#include "platform/web_browser.h"

namespace bv {
namespace {
BugReportForm* instance = nullptr;

// The project's own small pictures; the toolkit's standard ones stand in
// should they be missing.
QLabel* Picture(const QString& resource, QStyle::StandardPixmap standIn, QWidget* parent) {
    auto* label = new QLabel(parent);
    const QPixmap own(resource);
    label->setPixmap(own.isNull() ? QApplication::style()->standardIcon(standIn).pixmap(32, 32)
                                  : own);
    label->setAlignment(Qt::AlignTop);
    return label;
}
}  // namespace

BugReportForm::BugReportForm() {
    setWindowTitle(QStringLiteral("Error Code:"));
    setWindowFlags(Qt::Dialog | Qt::WindowStaysOnTopHint | Qt::WindowCloseButtonHint);
    setAttribute(Qt::WA_DeleteOnClose, false);

    explanation_ =
        new QLabel(tr("Bluvessa has found a bug in itself and cannot go on as it should.\n\n"
                      "Please report the error code shown in the title of this window through "
                      "our online bug-report form: the button below opens it in your web browser. "
                      "Closing this window ends the screen saver."),
                   this);
    explanation_->setWordWrap(true);
    explanation_->setMinimumWidth(320);
    command1_ = new QPushButton(tr("Report This Bug Now"), this);
    connect(command1_, &QPushButton::clicked, this, [this] { Command1_Click(); });

    auto* pictures = new QVBoxLayout;
    pictures->addWidget(
        Picture(bluvessa::bugPictureResource(), QStyle::SP_MessageBoxWarning, this));
    pictures->addWidget(
        Picture(bluvessa::fishPictureResource(), QStyle::SP_MessageBoxInformation, this));
    pictures->addStretch();
    auto* text = new QVBoxLayout;
    text->addWidget(explanation_);
    text->addStretch();
    text->addWidget(command1_, 0, Qt::AlignRight);
    auto* layout = new QHBoxLayout(this);
    layout->addLayout(pictures);
    layout->addLayout(text, 1);
    setFixedSize(sizeHint().expandedTo(QSize(440, 200)));
}

BugReportForm& BugReportForm::Instance() {
    if (instance == nullptr)
        instance = new BugReportForm;  // never freed, on purpose: the run ends the process
    return *instance;
}

bool BugReportForm::Exists() {
    return instance != nullptr;
}

bool BugReportForm::Showing() {
    return instance != nullptr && instance->isVisible();
}

void BugReportForm::ShowCode(const std::string& codeText) {
    setWindowTitle(QString::fromStdString(codeText));
    Load();
    show();
    BringToFront();
    // A failure may interrupt a form on its way up, which then carries on
    // and shows itself over the report: every window the program shows from
    // now on is watched for.
    QCoreApplication::instance()->installEventFilter(this);
}

void BugReportForm::BringToFront() {
    raise();
    activateWindow();
}

bool BugReportForm::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::Show && watched != this && isVisible()) {
        const auto* shown = qobject_cast<QWidget*>(watched);
        // Menus and tool tips come and go over everything; they may.
        if (shown != nullptr && shown->isWindow() && shown->windowType() != Qt::Popup &&
            shown->windowType() != Qt::ToolTip)
            // After the window has reached the screen, not before.
            QTimer::singleShot(0, this, [this] {
                if (isVisible()) BringToFront();
            });
    }
    return platform::Form::eventFilter(watched, event);
}

void BugReportForm::Form_Load() {
    CenterForm(*this);
}

void BugReportForm::Form_Unload() {
    platform::EndRun();
}

void BugReportForm::Command1_Click() {
    platform::OpenInBrowser(std::string(kMakerSite) + "/bugs.htm");
}

void InstallBugReportForm(std::function<void()> beforeShow) {
    SetErrorReporter([beforeShow = std::move(beforeShow)](const std::string& codeText) {
        if (beforeShow) beforeShow();
        BugReportForm::Instance().ShowCode(codeText);
    });
}

}  // namespace bv
