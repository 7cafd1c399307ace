#include "support/TempHome.h"

#include "mail/MessageFiles.h"

#include <QFile>

#include <gtest/gtest.h>

namespace tarnwell::test {

namespace {

using MessageFilesTest = HomeTest;

TEST_F(MessageFilesTest, NamesADownloadedMessageByItsRow)
{
    EXPECT_EQ(MessageFiles::fileName(0), QStringLiteral("msg_0.eml"));
    EXPECT_EQ(MessageFiles::fileName(42), QStringLiteral("msg_42.eml"));
}

TEST_F(MessageFilesTest, CleanUpDeletesTheLeftoversOfRowsZeroToHundredOnly)
{
    for (const char *name : {"msg_0.eml", "msg_7.eml", "msg_100.eml", "msg_101.eml", "msg_x.eml", "known.lst"})
        home.write(QString::fromLatin1(name), "data");

    MessageFiles::CleanUpEMLFiles(home.path() + QLatin1Char('/'));

    for (const char *gone : {"msg_0.eml", "msg_7.eml", "msg_100.eml"})
        EXPECT_FALSE(QFile::exists(home.file(QString::fromLatin1(gone)))) << gone;
    for (const char *kept : {"msg_101.eml", "msg_x.eml", "known.lst"})
        EXPECT_TRUE(QFile::exists(home.file(QString::fromLatin1(kept)))) << kept;
}

} // namespace

} // namespace tarnwell::test
