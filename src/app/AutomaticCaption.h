#pragma once

#include <QString>

namespace tarnwell {

// "Tarnwell", and while automatic checking is on the countdown:
// "Tarnwell - next e-mail check in 5 minutes" (no plural s for 1).
QString automaticCaption(bool automatic, int minutes);

} // namespace tarnwell
