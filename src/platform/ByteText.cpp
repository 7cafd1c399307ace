#include "ByteText.h"

#include <QStringDecoder>

namespace tarnwell {

QString displayText(const QByteArray &bytes)
{
    QStringDecoder utf8(QStringDecoder::Utf8, QStringDecoder::Flag::Stateless);
    QString text = utf8.decode(bytes);
    if (!utf8.hasError())
        return text;
    return QString::fromLatin1(bytes);
}

QByteArray storedBytes(const QString &text)
{
    return text.toUtf8();
}

} // namespace tarnwell
