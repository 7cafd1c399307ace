#pragma once

#include "classify/rules/RuleTableEdits.h"
#include "classify/rules/RuleTables.h"
#include "classify/rules/SpamOptions.h"

namespace tarnwell::test {

// What the interrupted save tries to write: a subject table far larger than any
// limit the test sets, small other tables and changed options.
struct InterruptedSave
{
    RuleTables tables;
    SpamOptions options;

    InterruptedSave()
    {
        for (int i = 0; i < 2000; ++i)
            appendRule(tables.gridSubject, {"", "Contains", "new subject rule " + QByteArray::number(i), "No", "Yes", "0"});
        appendRule(tables.gridHeader, {"", "Contains", "X-Mailer: new", "No", "Yes", "0"});
        options.spellOn = false;
    }
};

} // namespace tarnwell::test
