#include <QMessageBox>

#include "errors/error_handler.h"
#include "platform/text_number.h"
#include "settings/settings_globals.h"
#include "startup/command_options.h"
#include "startup/run_state.h"
#include "startup/starter.h"

namespace bv {

namespace {

// There is no screen-saver password of Bluvessa's own on this platform: the
// desktop's locker asks for the login password. Changing it is the system's
// business, so the user is told where it lives.
void PwdChangePassword(const char* /*provider*/, Long /*parent*/) {
    QMessageBox::information(
        nullptr, QStringLiteral("Bluvessa"),
        QStringLiteral("Bluvessa has no password of its own.\n\nWhen the screen is locked, "
                       "your desktop's screen locker asks for your login password; change "
                       "that password in your system settings."));
}

}  // namespace

void Run_Password() {
    Guarded("Starter/Run_Password", [] {
        RunMode = kRunModePassword;
        // The handle follows the two-letter switch and one separator ("/a 1234",
        // "/a:0x4d2"); the options and their values are not part of it.
        const std::string switches = SwitchLine(ProcessCommandOptions());
        if (switches.size() < 3) Fail(kInvalidArgument);
        PasswordParent = ToLong(ToWindowHandleStrict(std::string_view(switches).substr(3)));
        PwdChangePassword("SCRSAVE", PasswordParent);
    });
}

}  // namespace bv
