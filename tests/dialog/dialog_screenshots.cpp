// Pictures of the settings dialog's six tabs and of the message dialog, for
// looking at the layout: dialog_screenshots <output folder> [windows folder].
// With a windows folder that holds the media pack the previews and
// thumbnails show real pictures; nothing is written there.

#include <QApplication>
#include <QCheckBox>
#include <QPushButton>
#include <QTabWidget>
#include <QTest>
#include <cstdio>
#include <cstdlib>

#include "dialog/configuration_form.h"
#include "platform/process_end.h"
#include "scene/properties.h"
#include "scene/scene_globals.h"
#include "settings/folders.h"
#include "startup/read_settings.h"

int main(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    if (argc < 2) {
        std::fprintf(stderr, "usage: dialog_screenshots <output folder> [windows folder]\n");
        return 2;
    }
    const QString output = QString::fromLocal8Bit(argv[1]);
    if (argc > 2) qputenv("BLUVESSA_WINDOWS_DIR", argv[2]);
    bv::platform::SetProcessEnder([](int) {});

    bv::GetDiectories();
    bv::SetScreenSize(1024, 768);
    bv::X_GetData();
    bv::Properties_Fish();
    bv::Properties_Predator();
    bv::Properties_Other();
    bv::Properties_Scenery();

    bv::Configuration dialog;
    dialog.Load();
    auto* tabs = dialog.findChild<QTabWidget*>(QStringLiteral("Tabs"));
    // A creature on each creature tab, so the preview shows something.
    const char* thumbnails[] = {nullptr, "Picture4", "Picture23", "Picture29"};
    for (int tab = 0; tab < tabs->count(); ++tab) {
        tabs->setCurrentIndex(tab);
        if (tab >= 1 && tab <= 3)
            QTest::mouseClick(dialog.findChild<QWidget*>(QString::fromLatin1(thumbnails[tab])),
                              Qt::LeftButton);
        for (int tick = 0; tick < 12; ++tick) dialog.Timer1_Timer();
        QApplication::processEvents();
        dialog.grab().save(QStringLiteral("%1/bluvessa-tab%2.png").arg(output).arg(tab));
    }

    dialog.findChild<QCheckBox*>(QStringLiteral("messagecheck"))->setChecked(true);
    dialog.changebutton_Click();
    QApplication::processEvents();
    for (QWidget* window : QApplication::topLevelWidgets())
        if (window->objectName() == QLatin1String("messageentry") && window->isVisible())
            window->grab().save(QStringLiteral("%1/bluvessa-message.png").arg(output));
    return 0;
}
