#include "SpamOptionsFile.h"

#include "DataFile.h"
#include "SpamOptionKeys.h"

#include "platform/ByteText.h"

#include <algorithm>
#include <optional>

namespace tarnwell {

namespace {

std::optional<qint64> number(const QByteArray &text)
{
    bool ok = false;
    const qint64 value = text.toLongLong(&ok, 10);
    return ok ? std::optional<qint64>(value) : std::nullopt;
}

template<class... F>
struct Overloaded : F...
{
    using F::operator()...;
};
template<class... F>
Overloaded(F...) -> Overloaded<F...>;

} // namespace

SpamOptions SpamOptionsFile::fromIni(const IniDocument &ini)
{
    SpamOptions options;
    for (const SpamOptionKey &key : spamOptionKeys()) {
        if (key.writeOnly)
            continue;
        const std::optional<QByteArray> stored = ini.value(key.section, key.key);
        if (!stored)
            continue;
        std::visit(Overloaded{
                       [&](bool SpamOptions::*flag) {
                           if (const auto n = number(*stored))
                               options.*flag = (*n != 0) != key.inverted;
                       },
                       [&](int SpamOptions::*whole) {
                           if (const auto n = number(*stored))
                               options.*whole = int(std::clamp<qint64>(*n, key.minimum, key.maximum));
                       },
                       [&](QString SpamOptions::*text) { options.*text = displayText(*stored); },
                   },
                   key.field);
    }
    return options;
}

QList<SpamOptionsFile::Entry> SpamOptionsFile::entries(const SpamOptions &options, bool withUnread)
{
    QList<Entry> result;
    for (const SpamOptionKey &key : spamOptionKeys()) {
        if (key.writeOnly && !withUnread)
            continue;
        const QByteArray value = std::visit(
            Overloaded{
                [&](bool SpamOptions::*flag) { return QByteArray((options.*flag) != key.inverted ? "1" : "0"); },
                [&](int SpamOptions::*whole) { return QByteArray::number(options.*whole); },
                [&](QString SpamOptions::*text) { return storedBytes(options.*text); },
            },
            key.field);
        result.append({key.section, key.key, value});
    }
    return result;
}

void SpamOptionsFile::toIni(const SpamOptions &options, IniDocument &ini)
{
    for (const Entry &entry : entries(options, true))
        ini.setValue(entry.section, entry.key, entry.value);
}

SpamOptions SpamOptionsFile::read(const QString &path)
{
    const DataFile::Read file = DataFile::read(path, DataFile::kMaxBytes);
    if (file.status != DataFile::Status::Ok)
        return {};
    return fromIni(IniDocument::parse(file.bytes));
}

bool SpamOptionsFile::write(const QString &path, const SpamOptions &options)
{
    const DataFile::Read old = DataFile::read(path, DataFile::kMaxBytes);
    if (old.status != DataFile::Status::Ok && old.status != DataFile::Status::Missing)
        return false; // rewriting would lose what we could not read
    IniDocument ini = IniDocument::parse(old.bytes);
    toIni(options, ini);
    return DataFile::writeAtomically(path, ini.serialize());
}

} // namespace tarnwell
