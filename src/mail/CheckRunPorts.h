#pragma once

namespace tarnwell {

class CheckActivityLog;
class CheckRunWindow;
class MailboxPicker;
class MessageJudge;
class ProgressDisplay;
class RuleTablesSaver;
class TrayMenu;

// Whatever the check run talks to besides the engine. Only the window is required;
// each of the others may be absent: tarnwell-cli has no progress dialog, picker or
// tray, and the classifier, the activity log and the rule tables plug in here when
// they exist.
struct CheckRunPorts
{
    CheckRunWindow *window = nullptr;
    ProgressDisplay *progress = nullptr;
    MailboxPicker *picker = nullptr;
    MessageJudge *judge = nullptr;
    CheckActivityLog *log = nullptr;
    RuleTablesSaver *ruleTables = nullptr;
    TrayMenu *tray = nullptr;
};

} // namespace tarnwell
