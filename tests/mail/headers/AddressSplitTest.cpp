#include "mail/headers/AddressSplit.h"

#include "support/PrintTo.h"
#include "support/TempHome.h"

#include <gtest/gtest.h>

namespace tarnwell {
namespace {

struct SplitCase
{
    QByteArray from;
    QByteArray address;
    QByteArray name;
};

void PrintTo(const SplitCase &c, std::ostream *os)
{
    *os << (c.from.size() > 40 ? c.from.left(40) + "..." : c.from).toStdString();
}

class AddressSplitTest : public test::HomeTest, public ::testing::WithParamInterface<SplitCase>
{
};

TEST_P(AddressSplitTest, Splits)
{
    const MailAddress split = splitAddress(GetParam().from);
    EXPECT_EQ(split.address, GetParam().address);
    EXPECT_EQ(split.name, GetParam().name);
}

const QByteArray k300(300, 'n');

INSTANTIATE_TEST_SUITE_P(
    Cases, AddressSplitTest,
    ::testing::Values(SplitCase{"John Doe <john@example.com>", "john@example.com", "John Doe"},
                      SplitCase{"\"John Doe\" <john@example.com>", "john@example.com", "John Doe"},
                      SplitCase{"<john@example.com>", "john@example.com", ""},
                      SplitCase{"<john@example.com> trailing name", "john@example.com", "trailing name"},
                      SplitCase{"Jo <a@b> <c@d>", "a@b", "Jo  <c@d>"},
                      SplitCase{"Broken <john@example.com", "", "Broken <john@example.com"},
                      SplitCase{"john@example.com (John Doe)", "john@example.com", "John Doe"},
                      SplitCase{"john@example.com (\"Quoted\")", "john@example.com", "Quoted"},
                      SplitCase{"john@example.com (", "john@example.com", ""},
                      SplitCase{"john@example.com", "john@example.com", ""},
                      SplitCase{"  \"john@example.com\"  ", "john@example.com", ""},
                      SplitCase{"\"\"Twice\"\" <x@y>", "x@y", "Twice"},
                      SplitCase{"", "", ""},
                      SplitCase{k300 + " <" + k300 + "@x>", (k300 + "@x").left(255), k300.left(255)}));

} // namespace
} // namespace tarnwell
