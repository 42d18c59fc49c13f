#pragma once
// The settings dialog: six tabs for the scene, the cast, the options and
// the version, with a live preview box animating the current tab's choice.
// "&Apply" saves every setting and ends the program; every other way out
// ends it without saving.

#include <QPointer>
#include <array>
#include <vector>

#include "platform/form.h"
#include "scene/creatures.h"

class QCheckBox;
class QGroupBox;
class QPushButton;
class QScrollBar;
class QTabWidget;
class QTimer;

namespace bv {

class DropDownList;
class PictureBox;
class messageentry;

class Configuration : public platform::Form {
    Q_OBJECT
public:
    Configuration();
    ~Configuration() override;

    // The event procedures, run by the controls; public so that they can be
    // driven as the platform drives them.
    void Tabs_Click();
    void Command1_Click();
    void Command2_Click();

    void CheckBackground_Click();
    void CheckCenterPiece_Click();
    void CheckForeGround_Click();
    void Picture_Click(const Creature& creature);

    void Timer1_Timer();
    void RunScenery();
    void RunPredators();
    void RunFish();
    void RunOther();
    void RunTicker();

    void SoundCheck_Click();
    void messagecheck_Click();
    void changebutton_Click();

protected:
    void Form_Initialize() override;
    void Form_Load() override;
    void Form_Unload() override;

private:
    static constexpr int kTabCount = 6;

    void BuildSceneryTab();
    void BuildCreatureTabs();
    void BuildOptionsTab();
    void BuildAboutTab();

    // A frame on one tab, shown only while its tab is selected.
    QGroupBox* AddFrame(ConfigurationTab tab, const QString& caption, const QString& toolTip,
                        int left, int top, int width, int height);
    void ShowTabContents(int index);

    Integer ShownSpeed() const;
    void ShowCreatureChoices();
    void ShowSoundChoices();
    void PreparePreview();

    void WriteCreatureChoices();
    void WriteSongChoices();

    // One preview frame for a creature tab: the record centred in the box.
    void RunCreatureTab(ConfigurationTab tab);
    void DrawPreviewFrame(ConfigurationTab tab);
    void ScatterPreviewBubbles();

    QTabWidget* Tabs = nullptr;
    std::array<std::vector<QWidget*>, kTabCount> tabContents_;
    PictureBox* PreviewPicture = nullptr;
    QTimer* Timer1 = nullptr;
    QPushButton* Command1 = nullptr;
    QPushButton* command2 = nullptr;

    DropDownList* CheckCenterPiece = nullptr;
    DropDownList* CheckBackground = nullptr;
    DropDownList* CheckForeGround = nullptr;

    std::vector<QCheckBox*> creatureChecks_;  // in the order of Creatures()

    DropDownList* SoundCheck = nullptr;
    QScrollBar* speedchk = nullptr;
    QGroupBox* MusicFrame = nullptr;
    std::array<QCheckBox*, 6> songchk{};
    QCheckBox* messagecheck = nullptr;
    QPushButton* changebutton = nullptr;
    QCheckBox* clockcheck = nullptr;
    DropDownList* CreatureSize = nullptr;  // the "scale" setting

    QPointer<messageentry> messageEntry_;
};

}  // namespace bv
