#include "AddressSplit.h"

#include "mail/headers/TextCut.h"

namespace tarnwell {

namespace {

QByteArray tidy(const QByteArray &part)
{
    QByteArray text = part.trimmed();
    qsizetype begin = 0;
    qsizetype end = text.size();
    while (begin < end && text.at(begin) == '"')
        ++begin;
    while (end > begin && text.at(end - 1) == '"')
        --end;
    return cutText(text.mid(begin, end - begin));
}

} // namespace

MailAddress splitAddress(const QByteArray &value)
{
    QByteArray address;
    QByteArray name;
    const qsizetype open = value.indexOf('<');
    const qsizetype paren = value.indexOf('(');
    if (open >= 0) {
        const qsizetype close = value.indexOf('>', open + 1);
        if (close < 0) {
            name = value;
        } else {
            address = value.mid(open + 1, close - open - 1);
            name = value.left(open) + value.mid(close + 1);
        }
    } else if (paren >= 0) {
        address = value.left(paren);
        name = value.mid(paren + 1);
        name.chop(1);
    } else {
        address = value;
    }
    return {tidy(address), tidy(name)};
}

} // namespace tarnwell
