#pragma once

namespace tarnwell {

// The general options the check run reads at the moment it needs them.
class CheckOptions
{
public:
    virtual ~CheckOptions() = default;
    // "Check e-mail unattended or automatically" rather than manually.
    virtual bool automaticChecking() const = 0;
    // "If no mail is on the server, exit after checking e-mail".
    virtual bool exitWhenNoMail() const = 0;
};

} // namespace tarnwell
