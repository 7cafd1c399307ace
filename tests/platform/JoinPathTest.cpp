#include "platform/JoinPath.h"

#include "support/PrintTo.h"

#include <QDir>

#include <gtest/gtest.h>

using tarnwell::JoinPath;

TEST(JoinPath, JoinsWithOneSeparator)
{
    const QString sep = QDir::separator();
    struct Case
    {
        QString folder, name, expected;
    } cases[] = {
        {"", "known.lst", "known.lst"},
        {"/home/u/tarnwell", "known.lst", "/home/u/tarnwell" + sep + "known.lst"},
        {"/home/u/tarnwell" + sep, "known.lst", "/home/u/tarnwell" + sep + "known.lst"},
        {"data", "", "data" + sep},
    };
    for (const Case &c : cases)
        EXPECT_EQ(JoinPath(c.folder, c.name), c.expected) << c.folder.toStdString();
}
