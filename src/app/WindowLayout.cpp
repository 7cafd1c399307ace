#include "WindowLayout.h"

#include "platform/SettingsStore.h"

#include <QString>

namespace tarnwell {

namespace {
const QString kColumn = QStringLiteral("Column");

QString columnName(int column)
{
    return QStringLiteral("col") + QString::number(column + 1);
}
} // namespace

WindowLayout WindowLayout::read(const SettingsStore &store)
{
    WindowLayout layout;
    for (int c = 0; c < kColumns; ++c)
        layout.columnWidths[c] = store.integer(kColumn, columnName(c), layout.columnWidths[c]);
    layout.top = store.integer({}, QStringLiteral("FormTop"), layout.top);
    layout.left = store.integer({}, QStringLiteral("FormLeft"), layout.left);
    layout.width = store.integer({}, QStringLiteral("FormWidth"), layout.width);
    layout.height = store.integer({}, QStringLiteral("FormHeight"), layout.height);
    return layout;
}

void WindowLayout::write(SettingsStore &store) const
{
    for (int c = 0; c < kColumns; ++c)
        store.setInteger(kColumn, columnName(c), columnWidths[c]);
    store.setInteger({}, QStringLiteral("FormTop"), top);
    store.setInteger({}, QStringLiteral("FormLeft"), left);
    store.setInteger({}, QStringLiteral("FormWidth"), width);
    store.setInteger({}, QStringLiteral("FormHeight"), height);
    store.sync();
}

} // namespace tarnwell
