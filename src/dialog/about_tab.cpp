// The "About" tab: the version, and who makes the screen saver.

#include <QGroupBox>
#include <QLabel>

#include "dialog/configuration_form.h"
#include "dialog/twips.h"
#include "errors/bug_report_form.h"

namespace bv {
namespace {

QLabel* FrameText(QGroupBox& frame, const QString& text, int left, int top, int width, int height) {
    auto* label = new QLabel(text, &frame);
    label->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    label->setWordWrap(true);
    PlaceInTwips(*label, left, top, width, height);
    return label;
}

}  // namespace

void Configuration::BuildAboutTab() {
    QGroupBox* version =
        AddFrame(kAboutTab, QStringLiteral("Version Information"), QString(), 240, 600, 3450, 1020);
    FrameText(*version, QStringLiteral("Version:  6.00 "), 150, 300, 3150, 255);
    FrameText(*version, QStringLiteral("Released: 4/12/01"), 150, 600, 3150, 255);

    QGroupBox* support =
        AddFrame(kAboutTab, QStringLiteral("Support"), QString(), 240, 1740, 3450, 1185);
    QLabel* site = FrameText(*support,
                             QStringLiteral("Questions, ideas and bug reports are welcome at "
                                            "<a href=\"%1/support.htm\">%1</a>")
                                 .arg(QString::fromLatin1(kMakerSite)),
                             150, 300, 3150, 765);
    site->setOpenExternalLinks(true);

    QGroupBox* maker =
        AddFrame(kAboutTab, QStringLiteral("Zentrova Software"), QString(), 3840, 600, 3255, 2325);
    FrameText(*maker,
              QStringLiteral("Bluvessa brings a quiet reef to your desktop while you are away: "
                             "sharks, whales, schools of coral fish and the odd treasure "
                             "chest, every one drawn and animated by Bluvessa itself.\n\n"
                             "Pick your favourite scenery and cast on the other tabs; the "
                             "preview shows each choice as you make it."),
              150, 300, 2955, 1935);
}

}  // namespace bv
