#include "platform/pop3/ServerAddress.h"

#include "support/PrintTo.h"
#include "support/TempHome.h"

#include <gtest/gtest.h>

namespace tarnwell {
namespace {

struct AddressCase
{
    const char *text;
    const char *host; // "" for an invalid address
    quint16 port;
    Pop3Transport transport;
};

void PrintTo(const AddressCase &c, std::ostream *os)
{
    *os << '"' << c.text << '"';
}

class ServerAddressTest : public test::HomeTest, public ::testing::WithParamInterface<AddressCase>
{
};

TEST_P(ServerAddressTest, Parses)
{
    const AddressCase &c = GetParam();
    const ServerAddress address = ServerAddress::parse(QString::fromUtf8(c.text), 110);
    if (!*c.host) {
        EXPECT_FALSE(address.isValid()) << address.host.toStdString() << ":" << address.port;
        return;
    }
    EXPECT_TRUE(address.isValid());
    EXPECT_EQ(address.host, QString::fromUtf8(c.host));
    EXPECT_EQ(address.port, c.port);
    EXPECT_EQ(address.transport, c.transport);
}

constexpr auto kTls = Pop3Transport::Tls;
constexpr auto kPlain = Pop3Transport::PlainOnly;
constexpr auto kStls = Pop3Transport::StartTlsIfOffered;

INSTANTIATE_TEST_SUITE_P(Cases, ServerAddressTest,
                         ::testing::Values(AddressCase{"mail.example.com", "mail.example.com", 110, kStls},
                                           AddressCase{"mail.example.com:2110", "mail.example.com", 2110, kStls},
                                           AddressCase{"mail.example.com:", "mail.example.com", 110, kStls},
                                           AddressCase{"  mail.example.com  ", "mail.example.com", 110, kStls},
                                           AddressCase{"mail.example.com:995", "mail.example.com", 995, kTls},
                                           AddressCase{"pop3s://mail.example.com", "mail.example.com", 995, kTls},
                                           AddressCase{"POP3S://mail.example.com:1995/", "mail.example.com", 1995, kTls},
                                           AddressCase{"pop3://mail.example.com", "mail.example.com", 110, kPlain},
                                           AddressCase{"pop3://mail.example.com:995", "mail.example.com", 995, kPlain},
                                           AddressCase{"[::1]:1100", "::1", 1100, kStls},
                                           AddressCase{"pop3s://[::1]", "::1", 995, kTls},
                                           AddressCase{"::1", "::1", 110, kStls},
                                           AddressCase{"mail.example.com:0", "", 0, kStls},
                                           AddressCase{"mail.example.com:70000", "", 0, kStls},
                                           AddressCase{"mail.example.com:pop", "", 0, kStls},
                                           AddressCase{"pop3s://", "", 0, kTls},
                                           AddressCase{"imap://mail.example.com", "", 0, kStls},
                                           AddressCase{"mail example.com", "", 0, kStls},
                                           AddressCase{"[::1", "", 0, kStls}));

} // namespace
} // namespace tarnwell
