#include "EncodedWords.h"

#include <algorithm>
#include <optional>

namespace tarnwell {

namespace {

int hexValue(char c)
{
    if (c >= '0' && c <= '9')
        return c - '0';
    if (c >= 'A' && c <= 'F')
        return c - 'A' + 10;
    if (c >= 'a' && c <= 'f')
        return c - 'a' + 10;
    return -1;
}

// Q form: "=XX" is a byte; anything else, the underscore included, stays itself.
QByteArray decodeQ(const QByteArray &text)
{
    QByteArray out;
    out.reserve(text.size());
    for (qsizetype i = 0; i < text.size(); ++i) {
        const char c = text.at(i);
        if (c == '=' && i + 2 < text.size() && hexValue(text.at(i + 1)) >= 0 && hexValue(text.at(i + 2)) >= 0) {
            out += char(hexValue(text.at(i + 1)) * 16 + hexValue(text.at(i + 2)));
            i += 2;
        } else {
            out += c;
        }
    }
    return out;
}

std::optional<QByteArray> decodeB(QByteArray text)
{
    // Some senders leave out the padding.
    while (text.size() % 4 != 0)
        text += '=';
    const auto result = QByteArray::fromBase64Encoding(text, QByteArray::AbortOnBase64DecodingErrors);
    if (!result)
        return std::nullopt;
    return result.decoded;
}

bool isTokenChar(char c)
{
    return uchar(c) > 0x20 && uchar(c) < 0x7f && c != '?';
}

struct Word
{
    qsizetype end = 0; // one past the closing "?="
    QByteArray bytes;
};

// An encoded word starting at `at` (which holds "=?"), decoded.
std::optional<Word> readWord(const QByteArray &value, qsizetype at)
{
    qsizetype i = at + 2;
    const qsizetype charsetStart = i;
    while (i < value.size() && isTokenChar(value.at(i)))
        ++i;
    if (i == charsetStart || i + 2 >= value.size() || value.at(i) != '?' || value.at(i + 2) != '?')
        return std::nullopt;
    const char form = value.at(i + 1);
    i += 3;
    const qsizetype textStart = i;
    while (i < value.size() && isTokenChar(value.at(i)))
        ++i;
    if (i + 1 >= value.size() || value.at(i) != '?' || value.at(i + 1) != '=')
        return std::nullopt;
    const QByteArray text = value.mid(textStart, i - textStart);
    Word word;
    word.end = i + 2;
    if (form == 'Q' || form == 'q') {
        word.bytes = decodeQ(text);
    } else if (form == 'B' || form == 'b') {
        const auto decoded = decodeB(text);
        if (!decoded)
            return std::nullopt;
        word.bytes = *decoded;
    } else {
        return std::nullopt;
    }
    return word;
}

bool isBlank(char c)
{
    return c == ' ' || c == '\t';
}

} // namespace

QByteArray decodeEncodedWords(const QByteArray &value, bool *decodedAny)
{
    bool any = false;
    QByteArray out;
    out.reserve(value.size());
    qsizetype pos = 0;
    qsizetype lastWordEnd = -1; // where the previous decoded word ended
    while (pos < value.size()) {
        const qsizetype start = value.indexOf("=?", pos);
        if (start < 0) {
            out += value.mid(pos);
            break;
        }
        const auto word = readWord(value, start);
        if (!word) {
            out += value.mid(pos, start + 2 - pos);
            pos = start + 2;
            continue;
        }
        const QByteArray between = value.mid(pos, start - pos);
        const bool onlyBlanks = std::all_of(between.cbegin(), between.cend(), isBlank);
        // The gap between two adjacent encoded words is not part of the text.
        if (lastWordEnd != pos || !onlyBlanks)
            out += between;
        out += word->bytes;
        any = true;
        pos = word->end;
        lastWordEnd = pos;
    }
    if (decodedAny)
        *decodedAny = any;
    return out;
}

} // namespace tarnwell
