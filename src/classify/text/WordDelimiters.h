#pragma once

#include <QByteArray>
#include <QByteArrayView>
#include <QList>

namespace tarnwell {

// The 35 characters that separate words: TAB, the apostrophe, CR, LF, space and
// , . / ? ; : ` " < > [ ] { } - = \ + | ( ) % @ & ^ $ # ! ~ *
bool isWordDelimiter(char c);

// The non-empty pieces between delimiters, in order; a blank text has no words.
QList<QByteArray> splitWords(QByteArrayView text);

// "Contains (whole word)": some piece of the text equals the word exactly. The word
// itself is not cut, so a word holding a delimiter never matches; a blank text or
// word never matches either.
bool containsWholeWord(QByteArrayView text, QByteArrayView word, bool caseSensitive);

} // namespace tarnwell
