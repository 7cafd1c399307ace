#include "CheckRunFixture.h"

#include "support/pop3/ScriptedPop3Server.h"
#include "support/pop3/TestMessages.h"

#include "accounts/SettingsCipher.h"
#include "mail/headers/MailDate.h"

#include <gmock/gmock.h>

#include <ostream>

namespace tarnwell::test {

namespace {

using ::testing::ElementsAre;
using ::testing::HasSubstr;
using ::testing::IsEmpty;
using ::testing::StartsWith;
using Result = CheckRun::Outcome::Result;

qsizetype indexOf(const QStringList &calls, const QString &call)
{
    return calls.indexOf(call);
}

using CheckRunTest = CheckRunFixture;

TEST_F(CheckRunTest, OneEnabledMailboxIsListedRowByRowInServerOrder)
{
    const Pop3Account account = mailboxWith(1, testMessages(3));
    const QString server = dovecot().plainServer();
    ports.onJudge = [this](int index) {
        if (index == 1)
            list.setMark(1, kDeleteMark);
    };

    const CheckRun::Outcome outcome = run.btListClick();

    ASSERT_EQ(outcome.result, Result::Listed) << outcome.message.toStdString();
    EXPECT_THAT(prompter.texts(), IsEmpty());
    EXPECT_THAT(ports.callsStartingWith(QStringLiteral("picker")), IsEmpty());
    ASSERT_EQ(list.count(), 3);
    for (int i = 0; i < 3; ++i) {
        const QByteArray n = QByteArray::number(i + 1);
        EXPECT_EQ(list.row(i).subject, "Message " + n);
        EXPECT_EQ(list.row(i).sender, "sender" + n + "@example.net");
        EXPECT_EQ(list.row(i).realName, "Sender " + n);
        EXPECT_EQ(list.row(i).size, DovecotServer::wireSize(testMessage(i + 1)));
        EXPECT_EQ(list.row(i).date, dateColumn("Tue, 5 Mar 2024 14:03:09 +0100", formats));
    }
    EXPECT_EQ(list.rowCount(), 3) << "views hear of every row once the listing is done";

    // The classifier judges each row as it arrives, then all rows once more.
    EXPECT_THAT(ports.callsStartingWith(QStringLiteral("judge")),
                ElementsAre("judge 0", "judge 1", "judge 2", "judge -1"));

    const QString user = account.userName;
    const QStringList statuses = ports.statuses();
    EXPECT_THAT(statuses, ::testing::Contains(QStringLiteral("Opening connection for %1 on %2").arg(user, server)));
    EXPECT_THAT(statuses, ::testing::Contains(QStringLiteral("Updating headers")));
    EXPECT_THAT(statuses, ::testing::Contains(QStringLiteral("Checking message 2 of 3 total waiting messages")));
    EXPECT_THAT(statuses, ::testing::Contains(QStringLiteral("3 msg(s) for %1 on %2").arg(user, server)));
    EXPECT_EQ(statuses.last(), QStringLiteral("Message Total: 3 Number Marked: 1"));

    const QStringList &calls = ports.calls;
    const QStringList progress = ports.callsStartingWith(QStringLiteral("progress "));
    EXPECT_EQ(progress.first(), QStringLiteral("progress title Retrieving messages ... standby"));
    EXPECT_EQ(progress.at(1), QStringLiteral("progress show %1 %2").arg(server, user));
    EXPECT_THAT(progress, ::testing::Contains(QStringLiteral("progress message Opening connection ... ")));
    EXPECT_THAT(progress, ::testing::Contains(QStringLiteral("progress message Message 3 of 3")));
    EXPECT_THAT(progress, ::testing::Contains(QStringLiteral("progress bar 3/3")));
    EXPECT_EQ(ports.callsStartingWith(QStringLiteral("scroll")).size(), 3);

    // Busy before the listing, idle after it, then the log line, the totals and the save.
    const QString logLine = QStringLiteral("log check 3 %1 %2").arg(user, server);
    EXPECT_LT(indexOf(calls, QStringLiteral("exit Cancel")), indexOf(calls, QStringLiteral("judge 0")));
    EXPECT_LT(indexOf(calls, QStringLiteral("tray disabled")), indexOf(calls, QStringLiteral("judge 0")));
    EXPECT_LT(indexOf(calls, QStringLiteral("judge -1")), indexOf(calls, QStringLiteral("tray enabled")));
    EXPECT_LT(indexOf(calls, QStringLiteral("exit normal")), indexOf(calls, logLine));
    EXPECT_LT(indexOf(calls, logLine), indexOf(calls, QStringLiteral("status Message Total: 3 Number Marked: 1")));
    EXPECT_EQ(calls.last(), QStringLiteral("saveRuleTables"));
    EXPECT_EQ(calls.count(logLine), 1);
    EXPECT_FALSE(state.checkInProgress);
    EXPECT_EQ(mailboxes.selectedSlot(), 1);
}

TEST_F(CheckRunTest, ListsWithoutOptionalPorts)
{
    mailboxWith(1, testMessages(2));
    run.attach(ports.windowOnly());

    const CheckRun::Outcome outcome = run.btListClick();

    EXPECT_EQ(outcome.result, Result::Listed) << outcome.message.toStdString();
    EXPECT_EQ(list.count(), 2);
    EXPECT_EQ(ports.statuses().last(), QStringLiteral("Message Total: 2 Number Marked: 0"));
}

struct Precondition
{
    const char *name;
    const char *server;
    const char *userName;
    bool check;
    const char *message;
};

void PrintTo(const Precondition &c, std::ostream *os)
{
    *os << c.name;
}

class CheckRunPreconditionTest : public CheckRunFixture, public ::testing::WithParamInterface<Precondition>
{
protected:
    void storeSlotOne()
    {
        const Precondition &p = GetParam();
        store->setText(QStringLiteral("Server"), QStringLiteral("Server1"), QString::fromLatin1(p.server));
        store->setText(QStringLiteral("Server"), QStringLiteral("Mailbox1"), QString::fromLatin1(p.userName));
        store->setFlag(QStringLiteral("Server"), QStringLiteral("Check1"), p.check);
        store->setText(QStringLiteral("Server"), QStringLiteral("Passwd1"), SettingsCipher::encipher(QStringLiteral("pw")));
        store->setText(QStringLiteral("Server"), QStringLiteral("Version161"), QStringLiteral("161"));
        reread();
    }
};

TEST_P(CheckRunPreconditionTest, RefusesWithItsMessageAndOpensTheGeneralSettings)
{
    storeSlotOne();
    list.append(MessageRow{"kept", {}, {}, 1, {}, kNoMark});

    const CheckRun::Outcome outcome = run.btListClick();

    EXPECT_EQ(outcome.result, Result::Refused);
    EXPECT_EQ(outcome.message, QString::fromLatin1(GetParam().message));
    EXPECT_THAT(prompter.textsOf(UserPrompter::Kind::Error), ElementsAre(QString::fromLatin1(GetParam().message)));
    EXPECT_THAT(ports.calls, ::testing::Contains(QStringLiteral("openGeneralSettings")));
    EXPECT_THAT(ports.callsStartingWith(QStringLiteral("log")), IsEmpty()) << "a refused check is not logged";
    EXPECT_EQ(list.count(), 1) << "the list stays as it was";
}

TEST_P(CheckRunPreconditionTest, UnattendedRefusalShowsNothing)
{
    storeSlotOne();
    ports.shown = false;
    state.unattendedCheck = true;

    const CheckRun::Outcome outcome = run.btListClick();

    EXPECT_EQ(outcome.result, Result::Refused);
    EXPECT_EQ(outcome.message, QString::fromLatin1(GetParam().message));
    EXPECT_THAT(prompter.texts(), IsEmpty());
    EXPECT_THAT(ports.calls, ::testing::Not(::testing::Contains(QStringLiteral("openGeneralSettings"))));
}

INSTANTIATE_TEST_SUITE_P(
    Preconditions, CheckRunPreconditionTest,
    ::testing::Values(Precondition{"NoMailboxEnabled", "pop.example.com", "joe", false,
                                   "At least ONE mailbox needs to be checked."},
                      Precondition{"BlankUserName", "pop.example.com", " \r\n", true,
                                   "You need to enter your e-mail username in the settings."},
                      Precondition{"BlankServer", " ", "joe", true,
                                   "You need to enter the name of your mail server in the settings."}),
    [](const auto &info) { return std::string(info.param.name); });

TEST_F(CheckRunTest, SeveralEnabledMailboxesAskAndCancelLeavesTheListAsItWas)
{
    mailboxWith(1, testMessages(1));
    mailboxWith(2, testMessages(2));
    state.currentMailbox = 2;
    list.append(MessageRow{"kept", {}, {}, 1, {}, kNoMark});

    const CheckRun::Outcome outcome = run.btListClick();

    EXPECT_EQ(outcome.result, Result::Refused);
    EXPECT_THAT(ports.pickerPreselections, ElementsAre(2));
    ASSERT_EQ(list.count(), 1);
    EXPECT_EQ(list.row(0).subject, "kept");
    EXPECT_THAT(prompter.texts(), IsEmpty());
    EXPECT_THAT(ports.callsStartingWith(QStringLiteral("log")), IsEmpty());
}

TEST_F(CheckRunTest, ThePickedMailboxIsLoadedAndChecked)
{
    mailboxWith(1, testMessages(1));
    const Pop3Account tenth = mailboxWith(10, testMessages(3));
    ports.pickerAnswers = {10};

    const CheckRun::Outcome outcome = run.btListClick();

    ASSERT_EQ(outcome.result, Result::Listed) << outcome.message.toStdString();
    EXPECT_EQ(state.currentMailbox, 10);
    EXPECT_EQ(mailboxes.selectedSlot(), 10) << "the preferred row follows the choice";
    EXPECT_EQ(client.userName(), tenth.userName);
    EXPECT_EQ(list.count(), 3);
    EXPECT_EQ(run.serverToIndex(), 10);
}

struct ChoiceCase
{
    const char *name;
    bool automatic;
    int minutesToNextCheck;
    bool shown;
    bool unattended;
    bool asks;
};

void PrintTo(const ChoiceCase &c, std::ostream *os)
{
    *os << c.name;
}

class CheckRunChoiceTest : public CheckRunFixture, public ::testing::WithParamInterface<ChoiceCase>
{
};

TEST_P(CheckRunChoiceTest, AsksOnlyForManualOrInteractiveChecks)
{
    const ChoiceCase &c = GetParam();
    mailboxWith(1, testMessages(1));
    const Pop3Account second = mailboxWith(2, testMessages(2));
    options.automatic = c.automatic;
    state.minutesToNextCheck = c.minutesToNextCheck;
    ports.shown = c.shown;
    state.unattendedCheck = c.unattended;
    state.currentMailbox = 2;
    ports.pickerAnswers = {2};

    const CheckRun::Outcome outcome = run.btListClick();

    ASSERT_EQ(outcome.result, Result::Listed) << outcome.message.toStdString();
    EXPECT_EQ(ports.pickerPreselections.size(), c.asks ? 1 : 0);
    EXPECT_EQ(client.userName(), second.userName);
    EXPECT_EQ(list.count(), 2);
}

INSTANTIATE_TEST_SUITE_P(
    Choices, CheckRunChoiceTest,
    ::testing::Values(ChoiceCase{"Manual", false, 10, true, false, true},
                      ChoiceCase{"ManualEvenWithTheCountdownAtZero", false, 0, true, false, true},
                      ChoiceCase{"AutomaticFromTheWindow", true, 5, true, false, true},
                      ChoiceCase{"AutomaticFromTheTrayWhileHidden", true, 5, false, false, true},
                      ChoiceCase{"TimerPass", true, 0, false, true, false},
                      ChoiceCase{"TimerPassWithTheWindowUp", true, 0, true, true, false},
                      ChoiceCase{"UnattendedAndHidden", true, 5, false, true, false}),
    [](const auto &info) { return std::string(info.param.name); });

TEST_F(CheckRunTest, OneEnabledAmongSeveralFilledIsTakenWithoutAsking)
{
    storeMailbox(*store, 1, dovecot().plainServer(), QStringLiteral("unused"), QStringLiteral("pw"), false);
    const Pop3Account third = mailboxWith(3, testMessages(2));
    state.currentMailbox = 1;

    const CheckRun::Outcome outcome = run.btListClick();

    ASSERT_EQ(outcome.result, Result::Listed) << outcome.message.toStdString();
    EXPECT_THAT(ports.pickerPreselections, IsEmpty());
    EXPECT_EQ(state.currentMailbox, 3);
    EXPECT_EQ(client.userName(), third.userName);
}

TEST_F(CheckRunTest, AWrongPasswordGivesTheMailboxMessageWithTheServersReply)
{
    const Pop3Account account = mailboxWith(1, testMessages(1), QStringLiteral("wrong"));

    const CheckRun::Outcome outcome = run.btListClick();

    ASSERT_EQ(outcome.result, Result::Failed);
    const QString reply = client.lastFailure().text;
    EXPECT_THAT(reply.toStdString(), HasSubstr("Authentication failed"));
    const QString expected = QLatin1Char('"') + reply + QStringLiteral("\"  Unable to connect to your mailbox - \"")
                             + account.userName
                             + QStringLiteral("\".  Either your UserName/Mailbox or Password is incorrect.  "
                                              "Go to the General Settings screen to correct your mailbox or password.");
    EXPECT_EQ(outcome.message, expected);
    EXPECT_THAT(prompter.textsOf(UserPrompter::Kind::Error), ElementsAre(expected));
    EXPECT_FALSE(client.IsConnected());
    EXPECT_THAT(ports.callsStartingWith(QStringLiteral("log check")),
                ElementsAre(QStringLiteral("log check 0 %1 %2").arg(account.userName, dovecot().plainServer())));
    EXPECT_EQ(ports.calls.last(), QStringLiteral("saveRuleTables"));
}

TEST_F(CheckRunTest, AnUnresolvableHostGivesThePopServerMessageAndAnErrorLine)
{
    storeMailbox(*store, 1, QStringLiteral("no.such.host.invalid"), QStringLiteral("joe"), QStringLiteral("pw"));
    reread();

    const CheckRun::Outcome outcome = run.btListClick();

    ASSERT_EQ(outcome.result, Result::Failed);
    const QString expected = QStringLiteral(
        "\"Error resolving remote host\"  Unable to connect to your remote POP Server - \"no.such.host.invalid\".  "
        "Your remote POP server is either unavailable or incorrectly specified.  "
        "Go to the General Settings screen to correct the POP server.");
    EXPECT_EQ(outcome.message, expected);
    EXPECT_THAT(prompter.textsOf(UserPrompter::Kind::Error), ElementsAre(expected));
    EXPECT_THAT(ports.calls,
                ::testing::Contains(QStringLiteral("log error Error resolving remote host | joe no.such.host.invalid")));
    EXPECT_THAT(ports.statuses(), ::testing::Contains(QStringLiteral("Error resolving remote host")));
    // Back to idle whatever happened.
    EXPECT_EQ(ports.callsStartingWith(QStringLiteral("exit ")).last(), QStringLiteral("exit normal"));
    EXPECT_EQ(ports.callsStartingWith(QStringLiteral("tray ")).last(), QStringLiteral("tray exit Exit"));
    EXPECT_EQ(ports.callsStartingWith(QStringLiteral("progress ")).last(), QStringLiteral("progress hide"));
    EXPECT_FALSE(state.checkInProgress);
}

TEST_F(CheckRunTest, AnUnattendedFailureShowsNoMessage)
{
    storeMailbox(*store, 1, QStringLiteral("no.such.host.invalid"), QStringLiteral("joe"), QStringLiteral("pw"));
    reread();
    ports.shown = false;
    state.unattendedCheck = true;
    options.automatic = true;
    state.minutesToNextCheck = 0;

    const CheckRun::Outcome outcome = run.btListClick();

    EXPECT_EQ(outcome.result, Result::Failed);
    EXPECT_THAT(outcome.message.toStdString(), StartsWith("\"Error resolving remote host\""));
    EXPECT_THAT(prompter.texts(), IsEmpty());
    EXPECT_THAT(ports.callsStartingWith(QStringLiteral("progress show")), IsEmpty());
    EXPECT_THAT(ports.callsStartingWith(QStringLiteral("log check")), ::testing::SizeIs(1));
}

class CheckRunCancelTest : public CheckRunFixture
{
protected:
    void SetUp() override
    {
        ASSERT_TRUE(scripted.listen());
        scripted.setMessages(testMessages(3));
        scripted.script("TOP 2", ScriptedPop3Server::Action::stall());
        storeMailbox(*store, 1, scripted.server(), QString::fromLatin1(ScriptedPop3Server::userName()),
                     QString::fromLatin1(ScriptedPop3Server::password()));
        reread();
        // The first row has arrived and the listing stalls: the user cancels.
        ports.onJudge = [this](int index) {
            if (index == 0)
                QTimer::singleShot(50, &client, [this] { run.cancelOperation(); });
        };
    }

    ScriptedPop3Server scripted;
};

TEST_F(CheckRunCancelTest, EmptiesTheListAndSaysSo)
{
    const CheckRun::Outcome outcome = run.btListClick();

    EXPECT_EQ(outcome.result, Result::Failed);
    EXPECT_EQ(outcome.message, QStringLiteral("Operation has been canceled"));
    EXPECT_THAT(prompter.textsOf(UserPrompter::Kind::Error), ElementsAre(QStringLiteral("Operation has been canceled")));
    EXPECT_EQ(list.count(), 0);
    EXPECT_THAT(ports.statuses(), ::testing::Contains(QStringLiteral("Operation has been canceled")));
    EXPECT_THAT(ports.calls, ::testing::Contains(QStringLiteral("tray normalIcon")));
    EXPECT_THAT(ports.callsStartingWith(QStringLiteral("log check")),
                ElementsAre(QStringLiteral("log check 0 alice %1").arg(scripted.server())));
    EXPECT_THAT(ports.callsStartingWith(QStringLiteral("judge")), ElementsAre("judge 0"));
    EXPECT_THAT(ports.calls, ::testing::Not(::testing::Contains(QStringLiteral("leave"))));
}

TEST_F(CheckRunCancelTest, WithExitAfterCheckingTheProgramLeaves)
{
    options.exitWhenEmpty = true;

    run.btListClick();

    EXPECT_THAT(ports.calls, ::testing::Contains(QStringLiteral("leave")));
}

struct LeaveCase
{
    const char *name;
    bool automatic;
    bool exitWhenEmpty;
    int messages;
    bool leaves;
};

void PrintTo(const LeaveCase &c, std::ostream *os)
{
    *os << c.name;
}

class CheckRunLeaveTest : public CheckRunFixture, public ::testing::WithParamInterface<LeaveCase>
{
};

TEST_P(CheckRunLeaveTest, LeavesOnlyAfterAnEmptyManualCheck)
{
    const LeaveCase &c = GetParam();
    mailboxWith(1, testMessages(c.messages));
    options.automatic = c.automatic;
    options.exitWhenEmpty = c.exitWhenEmpty;

    const CheckRun::Outcome outcome = run.btListClick();

    ASSERT_EQ(outcome.result, Result::Listed) << outcome.message.toStdString();
    EXPECT_EQ(ports.calls.contains(QStringLiteral("leave")), c.leaves);
    // The totals and the save come after it in any case.
    EXPECT_EQ(ports.calls.last(), QStringLiteral("saveRuleTables"));
}

INSTANTIATE_TEST_SUITE_P(Leaving, CheckRunLeaveTest,
                         ::testing::Values(LeaveCase{"EmptyManualWithExitOn", false, true, 0, true},
                                           LeaveCase{"MailWaiting", false, true, 2, false},
                                           LeaveCase{"Automatic", true, true, 0, false},
                                           LeaveCase{"ExitOff", false, false, 0, false}),
                         [](const auto &info) { return std::string(info.param.name); });

TEST_F(CheckRunTest, OnlyMailboxOneKeepsTheConnectionForTheNextCheck)
{
    const Pop3Account account = mailboxWith(1, testMessages(2));

    ASSERT_EQ(run.btListClick().result, Result::Listed);
    EXPECT_TRUE(client.keepConnected());
    EXPECT_TRUE(client.IsConnected());
    ASSERT_EQ(run.btListClick().result, Result::Listed);

    EXPECT_EQ(list.count(), 2);
    EXPECT_EQ(dovecot().loginCount(account.userName), 1);
    client.Disconnect();
}

TEST_F(CheckRunTest, ASecondFilledRowClosesTheConnection)
{
    mailboxWith(1, testMessages(1));
    storeMailbox(*store, 2, QStringLiteral("pop.example.com"), QStringLiteral("other"), QStringLiteral("pw"), false);
    reread();

    ASSERT_EQ(run.btListClick().result, Result::Listed);

    EXPECT_FALSE(client.keepConnected());
    EXPECT_FALSE(client.IsConnected());
}

TEST_F(CheckRunTest, ASecondStartDuringACheckIsIgnored)
{
    mailboxWith(1, testMessages(2));
    std::optional<CheckRun::Outcome> nested;
    ports.onJudge = [&](int index) {
        if (index == 0) {
            EXPECT_TRUE(run.isRunning());
            nested = run.btListClick();
        }
    };

    ASSERT_EQ(run.btListClick().result, Result::Listed);

    ASSERT_TRUE(nested);
    EXPECT_EQ(nested->result, Result::Ignored);
    EXPECT_EQ(ports.callsStartingWith(QStringLiteral("log check")).size(), 1);
    EXPECT_FALSE(run.isRunning());
}

TEST_F(CheckRunTest, TheCheckTickPausesAndComesBackAsItWas)
{
    mailboxWith(1, testMessages(1));
    for (const bool wasActive : {true, false}) {
        tick.setInterval(60000);
        if (wasActive)
            tick.start();
        else
            tick.stop();
        bool activeDuring = true;
        ports.onJudge = [&](int) { activeDuring = tick.isActive(); };

        ASSERT_EQ(run.btListClick().result, Result::Listed);

        EXPECT_FALSE(activeDuring);
        EXPECT_EQ(tick.isActive(), wasActive);
    }
}

TEST_F(CheckRunTest, CancelOutsideACheckLeavesTheListAlone)
{
    list.append(MessageRow{"kept", {}, {}, 1, {}, kNoMark});

    run.cancelOperation();

    EXPECT_EQ(list.count(), 1);
    EXPECT_THAT(ports.calls, ::testing::Contains(QStringLiteral("enableAllButtons")));
}

TEST_F(CheckRunTest, LoadsASlotsSettingsIntoTheClient)
{
    storeMailbox(*store, 4, QStringLiteral("pop.example.com:1110"), QStringLiteral("joe"), QStringLiteral("secret"));

    EXPECT_TRUE(run.GetRemotePOPSettings(4));
    EXPECT_EQ(client.server(), QStringLiteral("pop.example.com:1110"));
    EXPECT_EQ(client.userName(), QStringLiteral("joe"));
    EXPECT_EQ(client.password(), QStringLiteral("secret"));
    EXPECT_FALSE(run.GetRemotePOPSettings(0));
    EXPECT_FALSE(run.GetRemotePOPSettings(13));
}

TEST_F(CheckRunTest, TheFirstLoadOnAnUnmarkedStoreLoadsNothing)
{
    store->setText(QStringLiteral("Server"), QStringLiteral("Server1"), QStringLiteral("pop.example.com"));
    store->setText(QStringLiteral("Server"), QStringLiteral("Mailbox1"), QStringLiteral("joe"));

    EXPECT_FALSE(run.GetRemotePOPSettings(1));
    EXPECT_TRUE(client.server().isEmpty());
    EXPECT_TRUE(run.GetRemotePOPSettings(1));
    EXPECT_EQ(client.server(), QStringLiteral("pop.example.com"));
}

TEST_F(CheckRunTest, ServerToIndexFindsTheRowOfTheLoadedAccountIgnoringCase)
{
    storeMailbox(*store, 2, QStringLiteral("pop.example.com"), QStringLiteral("Joe"), QStringLiteral("pw"));
    storeMailbox(*store, 5, QStringLiteral("pop.example.org"), QStringLiteral("joe"), QStringLiteral("pw"));
    reread();

    client.setServer(QStringLiteral("POP.EXAMPLE.ORG"));
    client.setUserName(QStringLiteral("JOE"));
    EXPECT_EQ(run.serverToIndex(), 5);
    client.setServer(QStringLiteral("pop.example.net"));
    EXPECT_EQ(run.serverToIndex(), 0);
}

} // namespace

} // namespace tarnwell::test
