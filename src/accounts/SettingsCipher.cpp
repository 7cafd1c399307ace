#include "SettingsCipher.h"

#include <QByteArray>
#include <QRandomGenerator>

namespace tarnwell::SettingsCipher {

namespace {

// The one key shared by everything that reads or writes stored passwords.
constexpr unsigned char kKey[4] = {'V', 'm', 'T', 'w'};

// Each byte is mixed with the key and the previous output byte, so one changed lead
// byte changes the whole text.
unsigned char mask(int index, unsigned char previous)
{
    return static_cast<unsigned char>(kKey[index % 4] + previous * 31 + index * 7);
}

} // namespace

QString encipher(const QString &password)
{
    if (password.isEmpty())
        return {};
    const QByteArray plain = password.toUtf8();
    QByteArray out;
    out.reserve(plain.size() + 1);
    unsigned char previous = static_cast<unsigned char>(QRandomGenerator::global()->bounded(256));
    out.append(static_cast<char>(previous));
    for (int i = 0; i < plain.size(); ++i) {
        const unsigned char c = static_cast<unsigned char>(plain.at(i)) ^ mask(i, previous);
        out.append(static_cast<char>(c));
        previous = c;
    }
    return QString::fromLatin1(out.toHex().toUpper());
}

QString decipher(const QString &stored)
{
    if (stored.isEmpty() || stored.size() % 2 != 0)
        return {};
    const QByteArray hex = stored.toLatin1();
    for (char c : hex)
        if (!std::isxdigit(static_cast<unsigned char>(c)))
            return {};
    const QByteArray bytes = QByteArray::fromHex(hex);
    QByteArray plain;
    unsigned char previous = static_cast<unsigned char>(bytes.at(0));
    for (int i = 1; i < bytes.size(); ++i) {
        const unsigned char c = static_cast<unsigned char>(bytes.at(i));
        plain.append(static_cast<char>(c ^ mask(i - 1, previous)));
        previous = c;
    }
    return QString::fromUtf8(plain);
}

} // namespace tarnwell::SettingsCipher
