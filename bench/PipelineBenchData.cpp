#include "PipelineBenchData.h"

#include "classify/rules/RuleTableEdits.h"

namespace tarnwell::bench {

namespace {

const QList<QByteArray> kWords{"meeting", "invoice", "report", "weekend", "photos", "budget", "draft", "project",
                               "lunch", "tomorrow", "update", "question", "agenda", "minutes", "review", "order",
                               "shipped", "newsletter", "garden", "tips", "account", "password", "schedule",
                               "holiday", "family", "dinner", "tickets", "concert", "flight", "hotel"};
const QList<QByteArray> kSpamWords{"FREE", "viagra", "casino", "lottery", "winner", "cheap", "pills", "refinance",
                                   "mortgage", "bitcoin", "prize", "URGENT", "guaranteed", "diet", "replica"};
const QList<QByteArray> kDomains{"example.com", "example.org", "mail.example.net", "lists.example.org",
                                 "corp.example.co.uk", "shop.example", "news.example.com", "uni.example.edu"};
const QList<QByteArray> kNames{"Alice Smith", "Bob Jones", "Carol White", "Dave Brown", "Eve Black",
                               "Frank Green", "Grace Hall", "Heidi Klein", "Ivan Petrov", "Judy Moore"};
const QList<QByteArray> kMailers{"Microsoft Outlook 16.0", "Apple Mail (2.3608)", "Thunderbird 115.3",
                                 "PHPMailer 6.8", "Floodgate 4.1", "MassMailer Pro"};
const QList<QByteArray> kConditions{"Contains", "Contains (whole word)", "Equals", "Starts with", "Ends with"};

} // namespace

PipelineBenchData::PipelineBenchData(unsigned seed) : m_random(seed) {}

int PipelineBenchData::number(int below)
{
    return std::uniform_int_distribution<int>(0, below - 1)(m_random);
}

QByteArray PipelineBenchData::pick(const QList<QByteArray> &list)
{
    return list.at(number(int(list.size())));
}

QByteArray PipelineBenchData::word()
{
    return pick(kWords);
}

QByteArray PipelineBenchData::domain()
{
    return pick(kDomains);
}

QByteArray PipelineBenchData::madeUpDomain()
{
    static const char letters[] = "abcdefghijklmnopqrstuvwxyz";
    QByteArray name;
    const int length = 5 + number(8);
    for (int i = 0; i < length; ++i)
        name += letters[number(26)];
    static const QList<QByteArray> tlds{".com", ".net", ".biz", ".info", ".ru", ".cn", ".co.uk"};
    return name + pick(tlds);
}

QList<HeaderEntry> PipelineBenchData::headerSets(int count)
{
    QList<HeaderEntry> sets;
    sets.reserve(count);
    for (int n = 0; n < count; ++n) {
        const bool spam = number(10) == 0;
        const QByteArray senderDomain = spam ? (number(2) ? madeUpDomain() : "spam" + QByteArray::number(number(500)) + ".example") : domain();
        const QByteArray user = spam ? QByteArray::number(number(100000)) : pick(kNames).split(' ').first().toLower();
        const QByteArray address = user + '@' + senderDomain;
        const QByteArray name = spam ? pick(kSpamWords) + " Deals" : pick(kNames);
        QByteArray subject = spam ? pick(kSpamWords) + ' ' + word() + " now " + pick(kSpamWords)
                                  : (number(3) ? "Re: " : "") + word() + ' ' + word() + " for " + word();
        const QByteArray id = QByteArray::number(quint64(m_random()), 36);

        HeaderEntry entry;
        entry.size = spam ? 800 + number(4000) : 2000 + number(60000);
        QList<QByteArray> &lines = entry.lines;
        lines << "Return-Path: <" + address + ">";
        const int hops = 2 + number(3);
        for (int h = 0; h < hops; ++h) {
            lines << "Received: from mx" + QByteArray::number(h) + '.' + senderDomain + " (mx" + QByteArray::number(h) +
                         '.' + senderDomain + " [192.0.2." + QByteArray::number(number(250)) + "])";
            lines << "\tby mail.example.net with ESMTPS id " + id + " for <me@example.net>;";
            lines << "\tTue, 5 Mar 2024 14:0" + QByteArray::number(h) + ":09 +0100";
        }
        lines << "Message-ID: <" + id + '@' + senderDomain + ">";
        lines << "Date: Tue, 5 Mar 2024 14:03:09 +0100";
        lines << "From: \"" + name + "\" <" + address + ">";
        if (number(5) == 0)
            lines << "Reply-To: " + (spam ? "collect@" + madeUpDomain() : address);
        lines << (number(8) == 0 ? QByteArray("To: undisclosed-recipients:;") : QByteArray("To: Me <me@example.net>"));
        if (number(6) == 0)
            lines << "Cc: team@example.org";
        lines << "Subject: " + subject;
        lines << "MIME-Version: 1.0";
        lines << "Content-Type: text/plain; charset=\"utf-8\"";
        lines << "Content-Transfer-Encoding: quoted-printable";
        if (number(2))
            lines << "X-Mailer: " + pick(kMailers);
        if (number(3) == 0)
            lines << "List-Unsubscribe: <mailto:unsubscribe@" + senderDomain + ">";
        lines << "DKIM-Signature: v=1; a=rsa-sha256; c=relaxed/relaxed; d=" + senderDomain + "; s=sel1;";
        lines << "\th=from:to:subject:date:message-id; bh=" + QByteArray(44, 'q') + ';';
        lines << "\tb=" + QByteArray(76, 'Z');
        lines << QByteArray();
        sets.append(entry);
    }
    return sets;
}

RuleTables PipelineBenchData::ruleTables(int rules)
{
    RuleTables tables;
    const int whiteRows = rules / 10;
    const int subjectRows = rules * 4 / 10;
    const int senderRows = rules * 3 / 10;
    const int headerRows = rules - whiteRows - subjectRows - senderRows;
    const auto yesNo = [this](int oneIn) { return QByteArray(number(oneIn) == 0 ? "Yes" : "No"); };

    for (int i = 0; i < whiteRows; ++i) {
        const QByteArray image = QByteArray::number(3 + number(12));
        switch (i % 10) {
        case 0:
            appendRule(tables.gridExcept, {"Any Header", pick(kConditions), "X-Friend: " + madeUpDomain(), "No", "0", "", image});
            break;
        case 1:
            appendRule(tables.gridExcept, {"CC:", "Contains", "friends@" + madeUpDomain(), "No", "0", "", image});
            break;
        case 2:
            appendRule(tables.gridExcept, {"E-mail address", "Equals", "someone@" + madeUpDomain(), "No", "0", "", image});
            break;
        case 3:
            // One real correspondent's domain among the made-up ones.
            appendRule(tables.gridExcept, {"Domain name", "Equals", i == 3 ? QByteArray("uni.example.edu") : madeUpDomain(), "No", "0", "", image});
            break;
        default:
            appendRule(tables.gridExcept, {"Domain name", "Equals", madeUpDomain(), "No", "0", "", image});
        }
    }
    for (int i = 0; i < subjectRows; ++i) {
        if (i == 7) {
            appendRule(tables.gridSubject, {"", "Is UPPERCASE", "", "", "No", "0"});
        } else if (i == 11) {
            appendRule(tables.gridSubject, {"", "Contains >= 3 spaces", "", "", "No", "0"});
        } else {
            // Mostly made-up words, a spam word now and then.
            const QByteArray pattern = number(8) == 0 ? pick(kSpamWords) : madeUpDomain().split('.').first();
            appendRule(tables.gridSubject, {"", pick(kConditions), pattern, yesNo(5), yesNo(3), "0"});
        }
    }
    for (int i = 0; i < senderRows; ++i) {
        switch (i % 6) {
        case 0:
            appendRule(tables.gridFrom, {"", "E-mail address", pick(kConditions), "offers@" + madeUpDomain(), yesNo(2), "0"});
            break;
        case 1:
            appendRule(tables.gridFrom, {"", "Real name", "Contains", pick(kSpamWords) + " Deals " + QByteArray::number(i), yesNo(2), "0"});
            break;
        case 2:
            appendRule(tables.gridFrom, {"", "E-mail address", "All numeric", "", "No", "0"});
            break;
        default:
            appendRule(tables.gridFrom, {"", "Domain name", "Equals", madeUpDomain(), yesNo(2), "0"});
        }
    }
    appendRule(tables.gridHeader, {"", "To does not contain", "me@example.net - MailBox #1", "No", "No", "0"});
    appendRule(tables.gridHeader, {"", "Sender", "does not match Reply-to", "No", "No", "0"});
    for (int i = 2; i < headerRows; ++i) {
        const QByteArray pattern = number(10) == 0 ? "X-Mailer: " + pick(kMailers).split(' ').first()
                                                   : "X-" + madeUpDomain().split('.').first() + ": ";
        appendRule(tables.gridHeader, {"", pick(kConditions), pattern, yesNo(4), yesNo(3), "0"});
    }
    return tables;
}

KnownList PipelineBenchData::blacklist(int entries)
{
    QByteArray file;
    for (int i = 0; i < entries; ++i) {
        if (i % 20 == 0)
            file += "spam" + QByteArray::number(i / 20) + ".example";
        else if (i % 3 == 0)
            file += "sales" + QByteArray::number(number(1000000)) + '@' + madeUpDomain();
        else
            file += madeUpDomain();
        file += "\r\n";
    }
    KnownList list;
    list.load(file);
    return list;
}

} // namespace tarnwell::bench
