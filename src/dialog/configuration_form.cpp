#include "dialog/configuration_form.h"

#include <QGroupBox>
#include <QPushButton>
#include <QTabWidget>
#include <QTimer>

#include "dialog/dialog_font.h"
#include "dialog/message_entry_form.h"
#include "dialog/picture_box.h"
#include "dialog/preview_animations.h"
#include "dialog/twips.h"
#include "platform/process_end.h"

namespace bv {
namespace {

QPushButton* CommandButton(const char* name, const QString& caption, const QString& toolTip,
                           int left, QWidget* form) {
    auto* button = new QPushButton(caption, form);
    button->setObjectName(QString::fromLatin1(name));
    button->setToolTip(toolTip);
    PlaceInTwips(*button, left, 3120, 1215, 375);
    return button;
}

}  // namespace

Configuration::Configuration() {
    setObjectName(QStringLiteral("Configuration"));
    setWindowTitle(QStringLiteral("Bluvessa ScreenSaver"));
    // A fixed tool window: small title bar with a close button only.
    setWindowFlags(Qt::Tool | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                   Qt::WindowCloseButtonHint);
    setFixedSize(TwipsRect(0, 0, 7335, 3675).size());

    Tabs = new QTabWidget(this);
    Tabs->setObjectName(QStringLiteral("Tabs"));
    Tabs->setGeometry(0, 0, width(), height());
    for (const char* caption :
         {"Scenery", "Large Fish", "Coral Fish", "More Stuff", "Options", "About"})
        Tabs->addTab(new QWidget, QString::fromLatin1(caption));

    BuildSceneryTab();
    BuildCreatureTabs();
    BuildOptionsTab();
    BuildAboutTab();

    PreviewPicture = new PictureBox(181, 167, this);
    PreviewPicture->setObjectName(QStringLiteral("PreviewPicture"));
    PreviewPicture->move(TwipsRect(4275, 600, 2775, 2565).topLeft());
    PreviewScaleWidth = PreviewPicture->ScaleWidth();
    PreviewScaleHeight = PreviewPicture->ScaleHeight();

    Command1 = CommandButton("Command1", QStringLiteral("&Cancel"),
                             QStringLiteral("Exit Without Saving Changes"), 225, this);
    command2 = CommandButton("command2", QStringLiteral("&Apply"),
                             QStringLiteral("Save Changes And Exit"), 1530, this);
    connect(Command1, &QPushButton::clicked, this, [this] { Command1_Click(); });
    connect(command2, &QPushButton::clicked, this, [this] { Command2_Click(); });
    // "&Apply" comes first: it has the focus when the dialog opens.
    setTabOrder(command2, Command1);
    setTabOrder(Command1, Tabs);
    command2->setFocus();

    Timer1 = new QTimer(this);
    Timer1->setObjectName(QStringLiteral("Timer1"));
    Timer1->setInterval(100);
    connect(Timer1, &QTimer::timeout, this, [this] { Timer1_Timer(); });

    connect(Tabs, &QTabWidget::currentChanged, this, [this](int index) {
        ShowTabContents(index);
        Tabs_Click();
    });
    ShowTabContents(Tabs->currentIndex());
    FitDialogFont(*this);
    // Frame captions sit on the frame's top line, as the positions inside
    // the frames are measured for.
    setStyleSheet(QStringLiteral(
        "QGroupBox { border: 1px solid palette(mid); border-radius: 2px; margin-top: 6px; }"
        "QGroupBox::title { subcontrol-origin: margin; left: 6px; padding: 0 2px; }"));
}

// The message entry is a window of its own, not a child of this one (it
// shows while this one is hidden), so nothing else would delete it.
Configuration::~Configuration() {
    delete messageEntry_.data();
}

QGroupBox* Configuration::AddFrame(ConfigurationTab tab, const QString& caption,
                                   const QString& toolTip, int left, int top, int width,
                                   int height) {
    auto* frame = new QGroupBox(caption, this);
    frame->setToolTip(toolTip);
    PlaceInTwips(*frame, left, top, width, height);
    tabContents_[tab].push_back(frame);
    return frame;
}

// What the tab control does by itself: only the selected tab's frames show.
void Configuration::ShowTabContents(int index) {
    for (int tab = 0; tab < kTabCount; ++tab)
        for (QWidget* control : tabContents_[tab]) control->setVisible(tab == index);
}

void Configuration::Tabs_Click() {
    PreviewPicture->setVisible(Tabs->currentIndex() <= kMoreStuffTab);
}

void Configuration::Form_Initialize() {
    Timer1->start();
}

void Configuration::Command1_Click() {
    Unload();
}

void Configuration::Form_Unload() {
    Timer1->stop();
    platform::EndRun();
}

}  // namespace bv
