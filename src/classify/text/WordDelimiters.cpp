#include "WordDelimiters.h"

#include "AsciiCase.h"
#include "BlankText.h"

#include <algorithm>
#include <array>

namespace tarnwell {

namespace {

constexpr char kDelimiters[] = "\t'\r\n ,./?;:`\"<>[]{}-=\\+|()%@&^$#!~*";
static_assert(sizeof(kDelimiters) - 1 == 35);

constexpr std::array<bool, 256> makeDelimiterTable()
{
    std::array<bool, 256> table{};
    for (unsigned char c : kDelimiters) {
        if (c != 0)
            table[c] = true;
    }
    return table;
}

constexpr std::array<bool, 256> kIsDelimiter = makeDelimiterTable();

// Calls visit(piece) for every non-empty piece between delimiters until it returns true.
template<typename Visit>
bool anyPiece(QByteArrayView text, Visit visit)
{
    qsizetype start = 0;
    const qsizetype size = text.size();
    for (qsizetype i = 0; i <= size; ++i) {
        if (i < size && !isWordDelimiter(text[i]))
            continue;
        if (i > start && visit(text.sliced(start, i - start)))
            return true;
        start = i + 1;
    }
    return false;
}

} // namespace

bool isWordDelimiter(char c)
{
    return kIsDelimiter[static_cast<unsigned char>(c)];
}

QList<QByteArray> splitWords(QByteArrayView text)
{
    QList<QByteArray> words;
    if (isBlankText(text))
        return words;
    anyPiece(text, [&words](QByteArrayView piece) {
        words.append(piece.toByteArray());
        return false;
    });
    return words;
}

bool containsWholeWord(QByteArrayView text, QByteArrayView word, bool caseSensitive)
{
    if (isBlankText(text) || isBlankText(word))
        return false;
    // A piece equal to the word is also an occurrence of it, so no separate search.
    return anyPiece(text, [&](QByteArrayView piece) {
        return caseSensitive ? piece == word : equalIgnoringCase(piece, word);
    });
}

} // namespace tarnwell
