#pragma once

namespace tarnwell {

// What the main window knows about the run besides its controls; the check run,
// the automatic check and tarnwell-cli share it through one instance.
struct SessionState
{
    int currentMailbox = 1;      // the slot loaded in the POP3 client; the list belongs to it
    int minutesToNextCheck = 10; // countdown of the automatic check
    bool sysTrayMode = false;    // read once at start
    bool checkInProgress = false;
    bool unattendedCheck = false; // a timer-driven check runs
};

} // namespace tarnwell
