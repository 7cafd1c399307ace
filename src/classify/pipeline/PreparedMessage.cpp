#include "PreparedMessage.h"

#include "classify/text/AsciiCase.h"
#include "classify/text/SenderAddress.h"
#include "mail/headers/AddressSplit.h"
#include "mail/headers/HeaderField.h"

#include <algorithm>

namespace tarnwell {

void PreparedMessage::reset(MessageInput input)
{
    m_input = std::move(input);
    m_examinedLines = int(std::max<qsizetype>(0, m_input.headerLines.size() - 1));
    for (Folded *f : {&m_subject, &m_sender, &m_realName, &m_localPart, &m_domain})
        f->ready = false;
    m_linesReady = false;
    m_pairsReady = false;
    m_fields.clear();
    m_fromReady = m_toReady = false;
}

FoldedText PreparedMessage::folded(QByteArrayView text, Folded &cache)
{
    if (!cache.ready) {
        foldInto(text, cache.buffer);
        cache.ready = true;
    }
    return {text, cache.buffer};
}

FoldedText PreparedMessage::subject()
{
    return folded(m_input.subject, m_subject);
}

FoldedText PreparedMessage::sender()
{
    return folded(m_input.sender, m_sender);
}

FoldedText PreparedMessage::realName()
{
    return folded(m_input.realName, m_realName);
}

FoldedText PreparedMessage::senderLocalPart()
{
    const QByteArrayView address = m_input.sender;
    const qsizetype at = address.indexOf('@');
    return folded(at < 0 ? address : address.first(at), m_localPart);
}

FoldedText PreparedMessage::senderDomain()
{
    if (!m_domain.ready)
        m_domainText = tarnwell::senderDomain(m_input.sender);
    return folded(m_domainText, m_domain);
}

void PreparedMessage::foldLines()
{
    m_lineStarts.clear();
    qsizetype total = 0;
    for (int i = 0; i < m_examinedLines; ++i)
        total += m_input.headerLines.at(i).size();
    m_upperLines.resize(total);
    char *out = m_upperLines.data();
    qsizetype at = 0;
    for (int i = 0; i < m_examinedLines; ++i) {
        const QByteArray &line = m_input.headerLines.at(i);
        m_lineStarts.push_back(at);
        out = std::transform(line.begin(), line.end(), out, upperAscii);
        at += line.size();
    }
    m_lineStarts.push_back(at);
    m_linesReady = true;
}

FoldedText PreparedMessage::foldedLine(int index)
{
    if (!m_linesReady)
        foldLines();
    const qsizetype start = m_lineStarts[size_t(index)];
    const qsizetype size = m_lineStarts[size_t(index) + 1] - start;
    return {m_input.headerLines.at(index), QByteArrayView(m_upperLines).sliced(start, size)};
}

const BigramSet &PreparedMessage::linePairs()
{
    if (!m_pairsReady) {
        m_linePairs.clear();
        for (int i = 0; i < m_examinedLines; ++i)
            m_linePairs.addText(foldedLine(i).upper);
        m_pairsReady = true;
    }
    return m_linePairs;
}

QByteArray PreparedMessage::field(QByteArrayView name)
{
    for (const auto &[known, value] : m_fields) {
        if (known == name)
            return value;
    }
    const QByteArray key = name.toByteArray();
    m_fields.emplace_back(key, headerField(m_input.headerLines, key));
    return m_fields.back().second;
}

const QByteArray &PreparedMessage::fromAddress()
{
    if (!m_fromReady) {
        m_fromAddress = splitAddress(field("From")).address;
        m_fromReady = true;
    }
    return m_fromAddress;
}

const QByteArray &PreparedMessage::toAddress()
{
    if (!m_toReady) {
        m_toAddress = splitAddress(field("To")).address;
        m_toReady = true;
    }
    return m_toAddress;
}

} // namespace tarnwell
