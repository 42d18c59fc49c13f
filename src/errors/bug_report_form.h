#pragma once
// The form that shows an error code and invites the user to report it.

#include <QLabel>
#include <QPushButton>
#include <functional>
#include <string>

#include "platform/form.h"

namespace bv {

inline constexpr const char* kMakerSite = "https://bluvessa.example.org";

class BugReportForm : public platform::Form {
    Q_OBJECT
public:
    BugReportForm();

    // The one form of the process, made on first use.
    static BugReportForm& Instance();
    static bool Exists();
    // Whether the form is on the screen: a window of the program that comes
    // up afterwards must keep out of its way.
    static bool Showing();

    // Sets the title to the code and shows the form without making it modal,
    // in front of every other window of the program, and keeps it there.
    void ShowCode(const std::string& codeText);

protected:
    void Form_Load() override;
    void Form_Unload() override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void Command1_Click();
    void BringToFront();

    QLabel* explanation_ = nullptr;
    QPushButton* command1_ = nullptr;
};

// Sends every report to the bug-report form. `beforeShow` runs first on
// each report (the full-screen run hides its window there).
void InstallBugReportForm(std::function<void()> beforeShow);

}  // namespace bv
