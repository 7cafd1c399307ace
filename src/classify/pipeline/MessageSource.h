#pragma once

#include "MessageInput.h"

#include "classify/rules/Mark.h"

namespace tarnwell {

// The message list as the classifier sees it: row i's fields and mark, and the
// header lines of header-list entry i. The desktop program and tarnwell-cli give
// the message list and the POP3 client's header list; tests give plain data.
class MessageSource
{
public:
    virtual ~MessageSource() = default;

    virtual int messageCount() const = 0;
    // index from 0 to messageCount() - 1.
    virtual MessageInput message(int index) const = 0;
    virtual Mark mark(int index) const = 0;
    virtual void setMark(int index, Mark mark) = 0;
};

} // namespace tarnwell
