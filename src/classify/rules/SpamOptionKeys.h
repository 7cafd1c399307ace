#pragma once

#include "SpamOptions.h"

#include <QString>

#include <span>
#include <variant>

namespace tarnwell {

// One key of "tarnwell.ini" and the option it holds. The default is whatever a
// default-constructed SpamOptions holds.
struct SpamOptionKey
{
    const char *section;
    const char *key;
    std::variant<bool SpamOptions::*, int SpamOptions::*, QString SpamOptions::*> field;
    bool inverted = false;  // a flag stored as the other choice of its pair
    bool writeOnly = false; // written on every save, never read
    int minimum = 0;        // numbers are kept within their control's range
    int maximum = 0;
};

// Every key in the order of saving (the unread question keys after their check key).
std::span<const SpamOptionKey> spamOptionKeys();

} // namespace tarnwell
