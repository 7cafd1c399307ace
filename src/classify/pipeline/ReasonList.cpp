#include "ReasonList.h"

#include "classify/text/BlankText.h"

namespace tarnwell {

namespace {
constexpr QByteArrayView kWhiteList = "White List : ";
constexpr QByteArrayView kDelete = "Delete   : ";
constexpr QByteArrayView kQuestion = "Question : ";
constexpr QByteArrayView kCaseNote = " (Case Sensitive)";
} // namespace

QByteArray ReasonList::reasonLine(QByteArrayView prefix, QByteArrayView subject, QByteArrayView condition,
                                  QByteArrayView pattern, bool caseSensitive)
{
    QByteArray line;
    line.reserve(prefix.size() + subject.size() + condition.size() + pattern.size() + kCaseNote.size() + 6);
    line.append(prefix).append(' ').append(subject).append(' ').append(condition);
    if (isBlankText(pattern))
        return line;
    line.append(" \"").append(pattern).append("\" ");
    if (caseSensitive)
        line.append(kCaseNote);
    return line;
}

void ReasonList::whyAdd(bool deletes, QByteArrayView subject, QByteArrayView condition, QByteArrayView pattern,
                        bool caseSensitive)
{
    if (!m_explaining)
        return;
    const QByteArrayView prefix = m_whiteListWording ? kWhiteList : deletes ? kDelete : kQuestion;
    m_lines.append(reasonLine(prefix, subject, condition, pattern, caseSensitive));
}

void ReasonList::whyExcept(QByteArrayView subject, QByteArrayView condition, bool caseSensitive,
                           QByteArrayView pattern)
{
    m_whiteListWording = true;
    whyAdd(false, subject, condition, pattern, caseSensitive);
    m_whiteListWording = false;
}

} // namespace tarnwell
