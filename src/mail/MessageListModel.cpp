#include "MessageListModel.h"

#include "platform/ByteText.h"

#include <algorithm>

namespace tarnwell {

namespace {
constexpr bool isMarkValue(int mark)
{
    return mark >= kNoMark && mark <= kLastFriendImage;
}
} // namespace

MessageListModel::MessageListModel(QObject *parent) : QAbstractTableModel(parent)
{
    m_batch.setSingleShot(true);
    m_batch.setInterval(kBatchIntervalMs);
    connect(&m_batch, &QTimer::timeout, this, &MessageListModel::flush);
}

void MessageListModel::append(MessageRow row)
{
    if (!isMarkValue(row.mark))
        row.mark = kNoMark;
    m_rows.append(std::move(row));
    if (!m_batch.isActive())
        m_batch.start();
}

void MessageListModel::flush()
{
    m_batch.stop();
    const int held = count();
    if (m_announced >= held)
        return;
    beginInsertRows({}, m_announced, held - 1);
    m_announced = held;
    endInsertRows();
}

void MessageListModel::clear()
{
    m_batch.stop();
    beginResetModel();
    m_rows.clear();
    m_announced = 0;
    endResetModel();
}

void MessageListModel::setMark(int index, int mark)
{
    if (index < 0 || index >= count() || !isMarkValue(mark))
        return;
    MessageRow &r = m_rows[index];
    if (r.mark == mark)
        return;
    r.mark = mark;
    if (index < m_announced)
        emit dataChanged(this->index(index, SubjectColumn), this->index(index, SubjectColumn),
                         {MarkRole, Qt::DecorationRole});
}

int MessageListModel::markedCount() const
{
    return int(std::count_if(m_rows.cbegin(), m_rows.cend(),
                             [](const MessageRow &r) { return isMarkedForDeletion(r.mark); }));
}

QString MessageListModel::totalCountText() const
{
    return QStringLiteral("Message Total: %1 Number Marked: %2").arg(count()).arg(markedCount());
}

int MessageListModel::rowCount(const QModelIndex &parent) const
{
    return parent.isValid() ? 0 : m_announced;
}

int MessageListModel::columnCount(const QModelIndex &parent) const
{
    return parent.isValid() ? 0 : ColumnCount;
}

QVariant MessageListModel::data(const QModelIndex &index, int role) const
{
    if (!index.isValid() || index.row() >= m_announced)
        return {};
    const MessageRow &r = m_rows.at(index.row());
    switch (role) {
    case Qt::DisplayRole:
        switch (index.column()) {
        case SubjectColumn:
            return displayText(r.subject);
        case SenderColumn:
            return displayText(r.sender);
        case RealNameColumn:
            return displayText(r.realName);
        case SizeColumn:
            return QString::number(r.size);
        case DateColumn:
            return displayText(r.date);
        }
        return {};
    case MarkRole:
        return r.mark;
    case Qt::TextAlignmentRole:
        if (index.column() == SizeColumn)
            return QVariant::fromValue(Qt::AlignRight | Qt::AlignVCenter);
        return QVariant::fromValue(Qt::AlignLeft | Qt::AlignVCenter);
    }
    return {};
}

QVariant MessageListModel::headerData(int section, Qt::Orientation orientation, int role) const
{
    if (orientation != Qt::Horizontal)
        return {};
    if (role == Qt::TextAlignmentRole && section == SizeColumn)
        return QVariant::fromValue(Qt::AlignRight | Qt::AlignVCenter);
    if (role != Qt::DisplayRole)
        return {};
    switch (section) {
    case SubjectColumn:
        return QStringLiteral("Subject");
    case SenderColumn:
        return QStringLiteral("Sender");
    case RealNameColumn:
        return QStringLiteral("Real name");
    case SizeColumn:
        return QStringLiteral("Size");
    case DateColumn:
        return QStringLiteral("Date");
    }
    return {};
}

Qt::ItemFlags MessageListModel::flags(const QModelIndex &index) const
{
    if (!index.isValid())
        return Qt::NoItemFlags;
    // Selectable, never editable: the subject cannot be edited in place.
    return Qt::ItemIsEnabled | Qt::ItemIsSelectable | Qt::ItemNeverHasChildren;
}

} // namespace tarnwell
