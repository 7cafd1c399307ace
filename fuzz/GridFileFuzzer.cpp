// libFuzzer target: the grid file reader. Any bytes must either be rejected or give a
// table whose saved form reads back as the same table once the layout's own
// normalisation (line breaks and TABs in one cell) has been applied.
#include "classify/rules/GridFile.h"
#include "classify/rules/SpamSettingsFiles.h"

#include <cstdint>
#include <cstdlib>

using namespace tarnwell;

namespace {

void check(bool condition)
{
    if (!condition)
        std::abort();
}

void roundTrip(QByteArrayView bytes, RuleTableKind kind)
{
    RuleTable table(kind);
    if (GridFile::parse(bytes, table) != GridFile::Status::Ok)
        return;
    check(table.columnCount() > 0 && table.columnCount() <= GridFile::kMaxColumns);
    check(table.rowCount() > 0);
    normalizeLoadedTable(table);
    check(table.columnCount() == gridColumnCount(kind));

    // Two rounds settle the cells the layout cannot hold unchanged (a raw CR, a TAB
    // beside a line break); from then on a save and a load change nothing.
    RuleTable settled(kind);
    check(GridFile::parse(GridFile::serialize(table), settled) == GridFile::Status::Ok);
    check(settled.rowCount() == table.rowCount() && settled.columnCount() == table.columnCount());
    RuleTable again(kind);
    check(GridFile::parse(GridFile::serialize(settled), again) == GridFile::Status::Ok);
    RuleTable last(kind);
    check(GridFile::parse(GridFile::serialize(again), last) == GridFile::Status::Ok);
    check(GridFile::serialize(last) == GridFile::serialize(again));
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    const QByteArrayView bytes(reinterpret_cast<const char *>(data), qsizetype(size));
    roundTrip(bytes, RuleTableKind::Subject);
    roundTrip(bytes, RuleTableKind::WhiteList);
    return 0;
}
