#include "InterruptedSave.h"

#include "classify/rules/GridFile.h"
#include "classify/rules/SpamOptionsFile.h"
#include "classify/rules/SpamSettingsFiles.h"

#include "support/PrintTo.h"
#include "support/RecordingPrompter.h"
#include "support/TempHome.h"

#include <QDir>
#include <QProcess>

#include <gtest/gtest.h>

using namespace tarnwell;

namespace {

const QStringList kFiles{"subj.lst", "header.lst", "from.lst", "except.lst", "tarnwell.ini"};

class InterruptedSaveTest : public test::HomeTest
{
protected:
    void SetUp() override
    {
        appendRule(old.gridSubject, {"", "Contains", "old subject rule", "Yes", "Yes", "7"});
        appendRule(old.gridHeader, {"", "Contains", "X-Mailer: old", "No", "No", "1"});
        oldOptions.largerOn = true;
        ASSERT_TRUE(Savesettings(old, oldOptions, home.folder()));
        for (const QString &name : kFiles)
            oldBytes[name] = home.read(name);
        IniDocument ini = IniDocument::parse(oldBytes["tarnwell.ini"]);
        SpamOptionsFile::toIni(attempt.options, ini);
        newBytes["tarnwell.ini"] = ini.serialize();
        for (RuleTableKind kind : RuleTables::kinds)
            newBytes[ruleFileName(kind)] = GridFile::serialize(attempt.tables.table(kind));
    }

    // Runs the child; returns whether it was killed.
    bool interrupt(qint64 limit, const char *mode)
    {
        QProcess child;
        child.start(QStringLiteral(TARNWELL_SAVE_INTERRUPTER), {home.path(), QString::number(limit), mode});
        EXPECT_TRUE(child.waitForFinished(60000));
        if (child.exitStatus() == QProcess::CrashExit)
            return true;
        EXPECT_EQ(child.exitCode(), 1) << "the cut-off save must report its failure";
        return false;
    }

    // Every file is whole: the old content or the complete new one, never a part.
    void expectEveryFileWhole(qint64 limit)
    {
        for (const QString &name : kFiles) {
            SCOPED_TRACE(name.toStdString());
            const QByteArray now = home.read(name);
            if (newBytes[name].size() > limit)
                EXPECT_EQ(now, oldBytes[name]);
            else
                EXPECT_TRUE(now == oldBytes[name] || now == newBytes[name]);
        }
        RuleTables tables;
        SpamOptions options;
        test::RecordingPrompter prompter;
        EXPECT_TRUE(readSettings(tables, options, home.folder(), prompter));
        EXPECT_TRUE(prompter.shown().isEmpty());
        EXPECT_EQ(tables.gridSubject, old.gridSubject);
    }

    RuleTables old;
    SpamOptions oldOptions;
    test::InterruptedSave attempt;
    QMap<QString, QByteArray> oldBytes, newBytes;
};

} // namespace

TEST_F(InterruptedSaveTest, AFailingWriteLeavesThePreviousFileAndWritesTheOthers)
{
    for (qint64 limit : {1, 512, 4096, 32768}) {
        SCOPED_TRACE(limit);
        ASSERT_GT(newBytes["subj.lst"].size(), limit);
        EXPECT_FALSE(interrupt(limit, "fail"));
        expectEveryFileWhole(limit);
        if (limit > newBytes["header.lst"].size()) {
            EXPECT_EQ(home.read("header.lst"), newBytes["header.lst"]);
            EXPECT_EQ(home.read("tarnwell.ini"), newBytes["tarnwell.ini"]);
        }
    }
}

TEST_F(InterruptedSaveTest, AProcessKilledInTheMiddleOfASaveLeavesThePreviousFiles)
{
    for (qint64 limit : {1, 4096, 32768}) {
        SCOPED_TRACE(limit);
        EXPECT_TRUE(interrupt(limit, "kill"));
        expectEveryFileWhole(limit);
        // The kill came while the subject rules were written: nothing after them changed.
        for (const QString &name : kFiles)
            EXPECT_EQ(home.read(name), oldBytes[name]) << name.toStdString();
    }
}

TEST_F(InterruptedSaveTest, AnUninterruptedSaveReplacesEveryFile)
{
    ASSERT_TRUE(Savesettings(attempt.tables, attempt.options, home.folder()));
    for (const QString &name : kFiles)
        EXPECT_EQ(home.read(name), newBytes[name]) << name.toStdString();
    EXPECT_EQ(QDir(home.path()).entryList(QDir::Files).filter(".lst.").size(), 0); // no temporary files left
}
