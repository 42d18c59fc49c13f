// The "Options" tab: sound type and songs, animation speed, and the two
// on-screen extras, the clock and the personalised message.

#include <QCheckBox>
#include <QGroupBox>
#include <QLabel>
#include <QPushButton>
#include <QScrollBar>

#include "dialog/configuration_form.h"
#include "dialog/drop_down_list.h"
#include "dialog/message_entry_form.h"
#include "dialog/twips.h"
#include "errors/error_handler.h"
#include "settings/settings_globals.h"

namespace bv {
namespace {

QCheckBox* OptionCheckBox(QGroupBox& frame, const QString& name, const QString& caption,
                          const QString& toolTip, int left, int top, int width) {
    auto* check = new QCheckBox(caption, &frame);
    check->setObjectName(name);
    check->setToolTip(toolTip);
    PlaceInTwips(*check, left, top, width, 255);
    return check;
}

void SpeedLabel(QGroupBox& frame, const QString& caption, Qt::Alignment alignment, int left,
                int width) {
    auto* label = new QLabel(caption, &frame);
    label->setAlignment(alignment | Qt::AlignTop);
    label->setToolTip(QStringLiteral("Select Animation Speed"));
    PlaceInTwips(*label, left, 570, width, 255);
}

struct Song {
    const char* caption;
    int left;
    int top;
};
// Box i is song i; the right column is not in index order.
// The media pack's own songs, by their titles.
constexpr Song kSongs[] = {
    {"Tide Ballad", 150, 300},  {"Harbour Jig", 150, 600},  {"Lagoon Bossa", 150, 900},
    {"Coral Waltz", 1800, 600}, {"Abyss Drift", 1800, 300}, {"Sunlit Shallows", 1800, 900},
};

}  // namespace

void Configuration::BuildOptionsTab() {
    QGroupBox* soundFrame = AddFrame(kOptionsTab, QStringLiteral("Sound Options"),
                                     QStringLiteral("Select A Sound Type"), 225, 600, 3240, 915);
    SoundCheck = new DropDownList(
        {QStringLiteral("<None>"), QStringLiteral("MIDI Music"), QStringLiteral("Sound Effects")},
        soundFrame);
    SoundCheck->setObjectName(QStringLiteral("SoundCheck"));
    SoundCheck->setToolTip(QStringLiteral("Select A Sound Type"));
    PlaceInTwips(*SoundCheck, 120, 360, 2910, 315);
    SoundCheck->SetClickHandler([this] { SoundCheck_Click(); });

    QGroupBox* speedFrame =
        AddFrame(kOptionsTab, QStringLiteral("Speed Option"),
                 QStringLiteral("Select Animation Speed"), 3750, 600, 3240, 915);
    speedchk = new QScrollBar(Qt::Horizontal, speedFrame);
    speedchk->setObjectName(QStringLiteral("speedchk"));
    speedchk->setRange(0, 140);
    speedchk->setSingleStep(1);
    speedchk->setPageStep(1);
    PlaceInTwips(*speedchk, 195, 300, 2805, 255);
    // "Normal" is centred under the middle of the bar, "Fast" ends with it.
    SpeedLabel(*speedFrame, QStringLiteral("Slow"), Qt::AlignLeft, 225, 735);
    SpeedLabel(*speedFrame, QStringLiteral("Normal"), Qt::AlignHCenter, 1200, 795);
    SpeedLabel(*speedFrame, QStringLiteral("Fast"), Qt::AlignRight, 2400, 600);

    MusicFrame = AddFrame(kOptionsTab, QStringLiteral("Music Selections"),
                          QStringLiteral("Select Background Music"), 225, 1650, 3240, 1275);
    MusicFrame->setObjectName(QStringLiteral("MusicFrame"));
    for (std::size_t i = 0; i < songchk.size(); ++i) {
        const Song& song = kSongs[i];
        songchk[i] = OptionCheckBox(*MusicFrame, QStringLiteral("songchk%1").arg(i),
                                    QString::fromLatin1(song.caption),
                                    QStringLiteral("Select Background Music"), song.left, song.top,
                                    song.left < 1800 ? 1575 : 1350);
    }

    QGroupBox* otherFrame =
        AddFrame(kOptionsTab, QStringLiteral("Other Options"),
                 QStringLiteral("Select Other Options"), 3750, 1650, 3255, 1275);
    // Three rows, level with the music selections beside them.
    messagecheck =
        OptionCheckBox(*otherFrame, QStringLiteral("messagecheck"), QStringLiteral("Text Message"),
                       QStringLiteral("Include A Personalized Message On-Screen"), 150, 300, 1530);
    connect(messagecheck, &QCheckBox::toggled, this, [this] { messagecheck_Click(); });
    changebutton = new QPushButton(QStringLiteral("Change"), otherFrame);
    changebutton->setObjectName(QStringLiteral("changebutton"));
    changebutton->setToolTip(QStringLiteral("Change Personalized Message"));
    changebutton->setEnabled(false);
    PlaceInTwips(*changebutton, 1725, 300, 1200, 255);
    connect(changebutton, &QPushButton::clicked, this, [this] { changebutton_Click(); });
    clockcheck =
        OptionCheckBox(*otherFrame, QStringLiteral("clockcheck"), QStringLiteral("Digital Clock"),
                       QStringLiteral("Include A  Digital Clock On-Screen"), 150, 600, 1530);

    const QString sizeTip = QStringLiteral("Select How Large The Creatures Are Drawn");
    auto* sizeCaption = new QLabel(QStringLiteral("Creature Size"), otherFrame);
    sizeCaption->setToolTip(sizeTip);
    PlaceInTwips(*sizeCaption, 180, 915, 1200, 255);
    CreatureSize = new DropDownList(
        {QStringLiteral("Automatic"), QStringLiteral("Normal (1x)"), QStringLiteral("Double (2x)"),
         QStringLiteral("Triple (3x)"), QStringLiteral("Quadruple (4x)")},
        otherFrame);
    CreatureSize->setObjectName(QStringLiteral("CreatureSize"));
    CreatureSize->setToolTip(sizeTip);
    PlaceInTwips(*CreatureSize, 1380, 870, 1725, 315);
}

// The songs only matter for music; their ticks are kept while they are greyed.
void Configuration::SoundCheck_Click() {
    Guarded("Configuration/SoundCheck_Click", [&] {
        const bool music = SoundCheck->ListIndex() == kSoundMusic;
        MusicFrame->setEnabled(music);
        for (QCheckBox* song : songchk) song->setEnabled(music);
    });
}

void Configuration::messagecheck_Click() {
    changebutton->setEnabled(messagecheck->isChecked());
}

// The message is edited in a dialog of its own while this one steps aside.
void Configuration::changebutton_Click() {
    Guarded("Configuration/ChangeButton_Click", [&] {
        if (!messageEntry_) {
            messageEntry_ = new messageentry(*this);
            connect(messageEntry_, &messageentry::Unloaded, this,
                    [this] { messageEntry_.clear(); });
            messageEntry_->Load();
        }
        messageEntry_->show();
        hide();
    });
}

}  // namespace bv
