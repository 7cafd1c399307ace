#include "IniDocument.h"

#include "classify/text/AsciiCase.h"

namespace tarnwell {

IniDocument IniDocument::parse(QByteArrayView bytes)
{
    IniDocument document;
    qsizetype start = 0;
    while (start < bytes.size()) {
        qsizetype end = bytes.indexOf('\n', start);
        if (end < 0)
            end = bytes.size();
        QByteArrayView line = bytes.sliced(start, end - start);
        if (line.endsWith('\r'))
            line.chop(1);
        document.m_lines.push_back(parseLine(line));
        start = end + 1;
    }
    return document;
}

IniDocument::Line IniDocument::parseLine(QByteArrayView text)
{
    Line line;
    line.text = text.toByteArray();
    const QByteArrayView trimmed = text.trimmed();
    if (trimmed.startsWith('[')) {
        const qsizetype close = trimmed.indexOf(']');
        if (close > 0) {
            line.kind = Line::Kind::Section;
            line.name = trimmed.sliced(1, close - 1).trimmed().toByteArray();
        }
        return line;
    }
    if (trimmed.startsWith(';') || trimmed.startsWith('#'))
        return line;
    const qsizetype equals = trimmed.indexOf('=');
    if (equals <= 0)
        return line;
    const QByteArrayView name = trimmed.first(equals).trimmed();
    if (name.isEmpty())
        return line;
    line.kind = Line::Kind::Key;
    line.name = name.toByteArray();
    line.value = trimmed.sliced(equals + 1).trimmed().toByteArray();
    return line;
}

IniDocument::Line IniDocument::keyLine(QByteArrayView key, QByteArrayView value)
{
    QByteArray clean = value.toByteArray();
    clean.replace('\r', ' ').replace('\n', ' '); // a value never spans lines
    return parseLine(key.toByteArray() + '=' + clean);
}

qsizetype IniDocument::findSection(QByteArrayView section) const
{
    for (size_t i = 0; i < m_lines.size(); ++i) {
        if (m_lines[i].kind == Line::Kind::Section && equalIgnoringCase(m_lines[i].name, section))
            return qsizetype(i);
    }
    return -1;
}

qsizetype IniDocument::findKey(qsizetype sectionLine, QByteArrayView key) const
{
    for (size_t i = size_t(sectionLine) + 1; i < m_lines.size(); ++i) {
        const Line &line = m_lines[i];
        if (line.kind == Line::Kind::Section)
            break;
        if (line.kind == Line::Kind::Key && equalIgnoringCase(line.name, key))
            return qsizetype(i);
    }
    return -1;
}

std::optional<QByteArray> IniDocument::value(QByteArrayView section, QByteArrayView key) const
{
    const qsizetype sectionLine = findSection(section);
    if (sectionLine < 0)
        return std::nullopt;
    const qsizetype keyIndex = findKey(sectionLine, key);
    if (keyIndex < 0)
        return std::nullopt;
    return m_lines[size_t(keyIndex)].value;
}

void IniDocument::setValue(QByteArrayView section, QByteArrayView key, QByteArrayView value)
{
    qsizetype sectionLine = findSection(section);
    if (sectionLine < 0) {
        m_lines.push_back(parseLine("[" + section.toByteArray() + "]"));
        m_lines.push_back(keyLine(key, value));
        return;
    }
    const qsizetype keyIndex = findKey(sectionLine, key);
    if (keyIndex >= 0) {
        m_lines[size_t(keyIndex)] = keyLine(key, value);
        return;
    }
    // After the section's last key (or its heading), before any blank lines that follow.
    size_t insertAt = size_t(sectionLine) + 1;
    for (size_t i = insertAt; i < m_lines.size() && m_lines[i].kind != Line::Kind::Section; ++i) {
        if (m_lines[i].kind == Line::Kind::Key)
            insertAt = i + 1;
    }
    m_lines.insert(m_lines.begin() + qsizetype(insertAt), keyLine(key, value));
}

QByteArray IniDocument::serialize() const
{
    QByteArray out;
    for (const Line &line : m_lines)
        out += line.text + "\r\n";
    return out;
}

} // namespace tarnwell
