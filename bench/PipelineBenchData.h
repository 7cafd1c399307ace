#pragma once

#include "classify/rules/KnownList.h"
#include "classify/rules/RuleTables.h"
#include "platform/pop3/HeaderEntry.h"

#include <QList>

#include <random>

namespace tarnwell::bench {

// Mail and rules of the kind a mailbox and a well-used rule set hold, made from a
// fixed seed so that every run judges the same data.
class PipelineBenchData
{
public:
    explicit PipelineBenchData(unsigned seed = 20240305);

    // Header sets of 15 to 25 lines (Received chains, folded DKIM signatures, list
    // headers); about one in ten is spam whose subject or sender some rule names.
    QList<HeaderEntry> headerSets(int count);

    // `rules` rows spread over the four tables (white list 10%, subject 40%, sender
    // 30%, header 20%) with every condition, both case flags and both outcomes.
    RuleTables ruleTables(int rules);

    // Addresses and domains, with some of the spam senders among them.
    KnownList blacklist(int entries);

private:
    QByteArray pick(const QList<QByteArray> &list);
    QByteArray word();
    QByteArray domain();
    QByteArray madeUpDomain();
    int number(int below);

    std::mt19937 m_random;
};

} // namespace tarnwell::bench
