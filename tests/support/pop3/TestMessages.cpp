#include "TestMessages.h"

namespace tarnwell::test {

QList<QByteArray> testHeaderLines(int n)
{
    const QByteArray number = QByteArray::number(n);
    return {"Return-Path: <sender" + number + "@example.net>",
            "From: \"Sender " + number + "\" <sender" + number + "@example.net>",
            "To: alice@example.org",
            "Subject: Message " + number,
            "Date: Tue, 5 Mar 2024 14:03:09 +0100",
            "X-Folded: first part",
            "\tsecond part",
            "Message-ID: <" + number + "@example.net>",
            QByteArray()};
}

QByteArray testMessage(int n)
{
    QByteArray message;
    for (const QByteArray &line : testHeaderLines(n))
        message += line + "\r\n";
    return message + "Body of message " + QByteArray::number(n) + "\r\n.a line with a leading dot\r\n";
}

QList<QByteArray> testMessages(int count)
{
    QList<QByteArray> messages;
    for (int n = 1; n <= count; ++n)
        messages.append(testMessage(n));
    return messages;
}

} // namespace tarnwell::test
