#pragma once

#include <QByteArray>
#include <QByteArrayView>

#include <optional>
#include <vector>

namespace tarnwell {

// A small INI text of "[Section]" and "Key=Value" lines. Section and key names match
// without regard to case; the first section and the first key of a name count. Names
// and values are trimmed. Changing a value keeps every other line as it was, so
// sections and keys of other versions survive a save.
class IniDocument
{
public:
    static IniDocument parse(QByteArrayView bytes);

    std::optional<QByteArray> value(QByteArrayView section, QByteArrayView key) const;
    // Replaces the key's value, or adds the key at the end of its section, or adds the
    // section at the end of the text.
    void setValue(QByteArrayView section, QByteArrayView key, QByteArrayView value);

    QByteArray serialize() const; // CR LF lines

private:
    struct Line
    {
        enum class Kind { Other, Section, Key } kind = Kind::Other;
        QByteArray text; // the line as it stands
        QByteArray name; // section or key name
        QByteArray value;
    };

    static Line parseLine(QByteArrayView text);
    static Line keyLine(QByteArrayView key, QByteArrayView value);
    qsizetype findSection(QByteArrayView section) const; // -1 when absent
    qsizetype findKey(qsizetype sectionLine, QByteArrayView key) const;

    std::vector<Line> m_lines;
};

} // namespace tarnwell
