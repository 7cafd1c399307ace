#include "mail/CheckFailureMessage.h"

#include <gtest/gtest.h>

#include <ostream>

namespace tarnwell {

namespace {

struct FailureCase
{
    const char *name;
    Pop3FailureKind kind;
    const char *text;
    const char *message;
};

void PrintTo(const FailureCase &c, std::ostream *os)
{
    *os << c.name;
}

class CheckFailureMessageTest : public ::testing::TestWithParam<FailureCase>
{
};

TEST_P(CheckFailureMessageTest, WordsTheFailureByItsKind)
{
    const FailureCase &c = GetParam();
    const QString message = CheckFailureMessage(Pop3Failure{c.kind, QString::fromUtf8(c.text)},
                                                QStringLiteral("pop.example.com:110"), QStringLiteral("joe"));
    EXPECT_EQ(message, QString::fromUtf8(c.message));
}

INSTANTIATE_TEST_SUITE_P(
    Kinds, CheckFailureMessageTest,
    ::testing::Values(
        FailureCase{"Canceled", Pop3FailureKind::Canceled, "Operation has been canceled", "Operation has been canceled"},
        FailureCase{"Network", Pop3FailureKind::Network, "Connection refused",
                    "\"Connection refused\"  Unable to connect to your remote POP Server - \"pop.example.com:110\".  "
                    "Your remote POP server is either unavailable or incorrectly specified.  "
                    "Go to the General Settings screen to correct the POP server."},
        FailureCase{"Server", Pop3FailureKind::Server, "-ERR [AUTH] Authentication failed.",
                    "\"-ERR [AUTH] Authentication failed.\"  Unable to connect to your mailbox - \"joe\".  "
                    "Either your UserName/Mailbox or Password is incorrect.  "
                    "Go to the General Settings screen to correct your mailbox or password."},
        // A server reply that happens to say "canceled" is still a mailbox problem.
        FailureCase{"ServerReplyMentioningCanceled", Pop3FailureKind::Server, "-ERR account canceled",
                    "\"-ERR account canceled\"  Unable to connect to your mailbox - \"joe\".  "
                    "Either your UserName/Mailbox or Password is incorrect.  "
                    "Go to the General Settings screen to correct your mailbox or password."}),
    [](const auto &info) { return std::string(info.param.name); });

} // namespace

} // namespace tarnwell
