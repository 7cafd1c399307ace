#include "accounts/SettingsCipher.h"

#include "support/PrintTo.h"

#include <QRegularExpression>

#include <gtest/gtest.h>

using namespace tarnwell;

TEST(SettingsCipher, RoundTripsAndHidesThePassword)
{
    const QString passwords[] = {"a", "secret", "pässwörd ✓", QString(300, 'x'), "with space and \"quotes\""};
    for (const QString &password : passwords) {
        const QString stored = SettingsCipher::encipher(password);
        EXPECT_TRUE(QRegularExpression("^([0-9A-F]{2})+$").match(stored).hasMatch()) << stored.toStdString();
        // One lead byte, then one byte per byte of the UTF-8 form.
        EXPECT_EQ(stored.size(), 2 * (password.toUtf8().size() + 1));
        EXPECT_FALSE(stored.contains(password.toUtf8().toHex().toUpper()));
        EXPECT_EQ(SettingsCipher::decipher(stored), password);
    }
}

TEST(SettingsCipher, TwoSavesOfOnePasswordDiffer)
{
    // The lead byte is random: 20 tries all alike would be a one-in-a-huge-number event.
    QSet<QString> seen;
    for (int i = 0; i < 20; ++i)
        seen.insert(SettingsCipher::encipher("hunter2"));
    EXPECT_GT(seen.size(), 1);
}

TEST(SettingsCipher, EmptyStaysEmptyAndGarbageGivesNothing)
{
    EXPECT_EQ(SettingsCipher::encipher(""), "");
    EXPECT_EQ(SettingsCipher::decipher(""), "");
    EXPECT_EQ(SettingsCipher::decipher("ABC"), "");   // odd length
    EXPECT_EQ(SettingsCipher::decipher("ZZZZ"), "");  // not hex
    EXPECT_EQ(SettingsCipher::decipher("7F"), "");    // lead byte only
}
