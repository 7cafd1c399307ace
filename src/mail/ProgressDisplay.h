#pragma once

class QString;

namespace tarnwell {

// The progress dialog as the check run drives it.
class ProgressDisplay
{
public:
    virtual ~ProgressDisplay() = default;

    virtual void setTitle(const QString &title) = 0;
    // Shows the dialog with the server and mailbox lines filled, an empty message,
    // the standby title, the animation running and no bar.
    virtual void showFor(const QString &server, const QString &userName) = 0;
    virtual void hideDisplay() = 0;
    virtual void setMessage(const QString &text) = 0;
    virtual void hideBar() = 0;
    virtual void showBar(int maximum, int position) = 0;
};

} // namespace tarnwell
