#include "HeaderField.h"

#include "mail/headers/EncodedWords.h"
#include "mail/headers/TextCut.h"

namespace tarnwell {

namespace {

bool beginsWithField(const QByteArray &line, const QByteArray &name)
{
    return line.size() > name.size() && line.at(name.size()) == ':'
           && qstrnicmp(line.constData(), name.constData(), size_t(name.size())) == 0;
}

bool isContinuation(const QByteArray &line)
{
    return !line.isEmpty() && (line.at(0) == ' ' || line.at(0) == '\t');
}

// These two are read by machines, not people: they stay exactly as sent.
bool keptAsSent(const QByteArray &name)
{
    return name.compare("Content-Type", Qt::CaseInsensitive) == 0 || name.compare("X-UIDL", Qt::CaseInsensitive) == 0;
}

} // namespace

QByteArray headerField(const QList<QByteArray> &lines, const QByteArray &name)
{
    if (name.isEmpty())
        return {};
    for (qsizetype i = 0; i < lines.size(); ++i) {
        const QByteArray &line = lines.at(i);
        if (line.isEmpty())
            break;
        if (!beginsWithField(line, name))
            continue;
        QByteArray value = line.mid(name.size() + 1).trimmed();
        for (qsizetype j = i + 1; j < lines.size() && isContinuation(lines.at(j)); ++j) {
            const QByteArray part = lines.at(j).trimmed();
            // A field whose text starts on the next line gets no leading space.
            if (!value.isEmpty())
                value += ' ';
            value += part;
        }
        if (keptAsSent(name))
            return value;
        bool decoded = false;
        value = decodeEncodedWords(value, &decoded);
        if (decoded)
            value.replace('_', ' ');
        return cutText(value);
    }
    return {};
}

} // namespace tarnwell
