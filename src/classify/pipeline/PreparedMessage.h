#pragma once

#include "BigramSet.h"
#include "FoldedText.h"
#include "MessageInput.h"

#include <QByteArray>
#include <QByteArrayView>

#include <utility>
#include <vector>

namespace tarnwell {

// One message while it is judged: its inputs and, made on first use and kept for
// the rest of the judgement, the folded texts the rules compare against and the
// header field values they ask for. One object serves every row of a pass, so its
// buffers are reused instead of allocated anew for each message.
class PreparedMessage
{
public:
    void reset(MessageInput input);
    const MessageInput &input() const { return m_input; }

    FoldedText subject();
    FoldedText sender();
    FoldedText realName();
    // The part of the sender address before its first at sign; the whole address without one.
    FoldedText senderLocalPart();
    // senderDomain() of the sender address.
    FoldedText senderDomain();

    // The header lines the rules examine: all but the last line of the entry.
    int examinedLineCount() const { return m_examinedLines; }
    QByteArrayView line(int index) const { return m_input.headerLines.at(index); }
    FoldedText foldedLine(int index);
    // The byte pairs of the folded examined lines, each line on its own.
    const BigramSet &linePairs();

    // The value of a header field by its name without the colon ("Reply-to"), as the
    // header field lookup gives it; empty when absent. Looked up once per message.
    QByteArray field(QByteArrayView name);
    // The address parts of "From" and "To".
    const QByteArray &fromAddress();
    const QByteArray &toAddress();

private:
    struct Folded
    {
        QByteArray buffer;
        bool ready = false;
    };
    FoldedText folded(QByteArrayView text, Folded &cache);
    void foldLines();

    MessageInput m_input;
    int m_examinedLines = 0;
    Folded m_subject, m_sender, m_realName, m_localPart, m_domain;
    QByteArray m_domainText;
    // Every examined line folded, back to back; line i starts at m_lineStarts[i].
    QByteArray m_upperLines;
    std::vector<qsizetype> m_lineStarts;
    bool m_linesReady = false;
    BigramSet m_linePairs;
    bool m_pairsReady = false;
    std::vector<std::pair<QByteArray, QByteArray>> m_fields;
    QByteArray m_fromAddress, m_toAddress;
    bool m_fromReady = false, m_toReady = false;
};

} // namespace tarnwell
