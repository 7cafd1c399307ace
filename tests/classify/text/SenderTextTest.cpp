#include "classify/text/SenderAddress.h"
#include "classify/text/SubjectPrefix.h"

#include "support/PrintTo.h"

#include <gtest/gtest.h>

using namespace tarnwell;

TEST(StripReFwd, RemovesPrefixesInRounds)
{
    struct Case
    {
        QByteArray subject, stripped;
    };
    const Case cases[] = {
        {"Re: Fwd: Hello", "Hello"},
        {"RE:FWD: Hello", " Hello"},
        {"RE:RE: Hi", "Hi"},
        {" Re: Hello", " Re: Hello"},
        {"Fw: Hello", "Fw: Hello"},
        {"FW: Hello", "FW: Hello"},
        {"re: re: fwd: fwd:x", " fwd: fwd:x"}, // "RE:" leaves the space in front of "fwd:"
        {"Fwd: Re: Hi", " Hi"}, // "RE:" runs after "FWD: " in the same round
        {"Re:", ""},
        {"RE", "RE"},
        {"", ""},
        {"Hello", "Hello"},
        {"Re:  two spaces", " two spaces"},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(c.subject.toStdString());
        EXPECT_EQ(stripReFwd(c.subject), c.stripped);
    }
}

TEST(SenderDomain, ReducesHostsToTheirDomain)
{
    struct Case
    {
        QByteArray address, domain;
    };
    const QByteArray longLabel(300, 'a');
    const Case cases[] = {
        {"joe@example.com", "example.com"},
        {"joe@mail.example.com", "example.com"},
        {"joe@a.b.example.com", "b.example.com"},
        {"joe@shop.co.uk", "co.uk"},
        {"no-at-sign.example.com", "no-at-sign.example.com"},
        {"joe@localhost", "localhost"},
        {"joe@", ""},
        {"a@b@mail.example.com", "example.com"}, // the first at sign counts
        {"", ""},
        {"joe@x." + longLabel + ".com", longLabel.left(255)},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(c.address.left(60).toStdString());
        EXPECT_EQ(senderDomain(c.address), c.domain);
    }
}

TEST(CountrySuffix, IsADotAmongTheLastThreeCharacters)
{
    struct Case
    {
        QByteArray address, suffix;
    };
    const Case cases[] = {
        {"joe@shop.co.uk", ".uk"},
        {"joe@example.de", ".de"},
        {"joe@example.com", ""},
        {"joe@example.info", ""},
        {"joe@example.x", ".x"},
        {"joe@example.", "."},
        {".uk", ".uk"},
        {"uk", ""},
        {"", ""},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(c.address.toStdString());
        EXPECT_EQ(countrySuffix(c.address), c.suffix);
    }
}
