#pragma once

#include "mail/MessageRow.h"

#include <QAbstractTableModel>
#include <QList>
#include <QTimer>

namespace tarnwell {

// The message list: one row per waiting message of the current mailbox, in server
// order (row n is header-list entry n and server message n+1), never re-sorted.
//
// Rows are held as soon as they are appended, so the classifier can judge row n at
// once, but views hear of new rows in batches: announcing each row of a large
// listing on its own would make a view lay itself out again for every message.
class MessageListModel : public QAbstractTableModel
{
    Q_OBJECT
public:
    enum Column { SubjectColumn, SenderColumn, RealNameColumn, SizeColumn, DateColumn, ColumnCount };
    // The row's mark (-1..14) on any column.
    static constexpr int MarkRole = Qt::UserRole + 1;

    explicit MessageListModel(QObject *parent = nullptr);

    // Engine side: every row held, announced or not.
    int count() const { return int(m_rows.size()); }
    const MessageRow &row(int index) const { return m_rows.at(index); }
    void append(MessageRow row);
    void clear();

    int mark(int index) const { return m_rows.at(index).mark; }
    void setMark(int index, int mark);
    int markedCount() const;

    // "Message Total: n Number Marked: m"
    QString totalCountText() const;

    // Announces the rows appended since the last batch now.
    void flush();
    // How long appended rows may wait before views hear of them.
    static constexpr int kBatchIntervalMs = 100;

    // View side.
    int rowCount(const QModelIndex &parent = {}) const override;
    int columnCount(const QModelIndex &parent = {}) const override;
    QVariant data(const QModelIndex &index, int role = Qt::DisplayRole) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role = Qt::DisplayRole) const override;
    Qt::ItemFlags flags(const QModelIndex &index) const override;

private:
    QList<MessageRow> m_rows;
    int m_announced = 0;
    QTimer m_batch;
};

} // namespace tarnwell
