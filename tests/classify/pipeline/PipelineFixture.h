#pragma once

#include "PlainMessages.h"

#include "classify/pipeline/Classifier.h"
#include "classify/rules/KnownList.h"
#include "classify/rules/RuleTableEdits.h"
#include "classify/rules/RuleTables.h"
#include "classify/rules/SpamOptions.h"

#include "support/PrintTo.h"
#include "support/TempHome.h"

#include <gtest/gtest.h>

namespace tarnwell::test {

// A classifier over plain messages, empty rule tables, default options and an
// empty blacklist; the current slot is 1 unless a test sets it.
class PipelineTest : public HomeTest
{
protected:
    int hits(RuleTableKind kind, int row) const
    {
        const RuleTable &table = tables.table(kind);
        return table.cell(row, hitsColumn(kind)).toInt();
    }

    // Adds the message with this mark, judges it alone and answers its mark.
    Mark judge(const MessageInput &message, Mark start = kNoMark)
    {
        const int index = messages.add(message, start);
        classifier.MarkForDeletion(index);
        return messages.mark(index);
    }

    RuleTables tables;
    SpamOptions options;
    KnownList known;
    PlainMessages messages;
    int slot = 1;
    int slotQuestions = 0;
    Classifier classifier{{messages, tables, options, known, [this] {
                               ++slotQuestions;
                               return slot;
                           }}};
};

} // namespace tarnwell::test
