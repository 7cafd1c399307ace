#pragma once

#include <QByteArray>
#include <QByteArrayView>
#include <QList>

namespace tarnwell {

// The reason list (memoWhy) of an explanation and the explanation mode under which
// the classifier records one line per match and counts no hits.
class ReasonList
{
public:
    bool explanationMode() const { return m_explaining; }
    void setExplanationMode(bool on) { m_explaining = on; }

    const QList<QByteArray> &memoWhy() const { return m_lines; }
    void clear() { m_lines.clear(); }
    // A line of the explanation's own, added whatever the mode.
    void append(const QByteArray &line) { m_lines.append(line); }

    // One reason line; nothing outside explanation mode. The prefix says what the
    // match asks for ("Delete   : ", "Question : "), or "White List : " while a
    // white-list match is recorded.
    void whyAdd(bool deletes, QByteArrayView subject, QByteArrayView condition, QByteArrayView pattern,
                bool caseSensitive);
    // A white-list reason: whyAdd with the white-list wording.
    void whyExcept(QByteArrayView subject, QByteArrayView condition, bool caseSensitive, QByteArrayView pattern);

    // "%s %s %s \"%s\" %s" from prefix, subject, condition, pattern and case note, or
    // "%s %s %s" when the pattern is blank.
    static QByteArray reasonLine(QByteArrayView prefix, QByteArrayView subject, QByteArrayView condition,
                                 QByteArrayView pattern, bool caseSensitive);

private:
    QList<QByteArray> m_lines;
    bool m_explaining = false;
    bool m_whiteListWording = false;
};

} // namespace tarnwell
