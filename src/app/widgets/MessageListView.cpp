#include "MessageListView.h"

#include "MessageListMenu.h"

#include "mail/MessageListModel.h"

#include <QContextMenuEvent>
#include <QHeaderView>
#include <QItemSelectionModel>
#include <QMouseEvent>
#include <QScrollBar>
#include <QStyledItemDelegate>

#include <algorithm>

namespace tarnwell {

namespace {

constexpr int kImageSize = 16;

// Puts the row's state image beside the subject; a row without a mark keeps the
// space empty so that subjects stay aligned.
class StateImageDelegate : public QStyledItemDelegate
{
public:
    StateImageDelegate(const StateImages &images, QObject *parent) : QStyledItemDelegate(parent), m_images(images)
    {
        QPixmap blank(kImageSize, kImageSize);
        blank.fill(Qt::transparent);
        m_blank = QIcon(blank);
    }

protected:
    void initStyleOption(QStyleOptionViewItem *option, const QModelIndex &index) const override
    {
        QStyledItemDelegate::initStyleOption(option, index);
        if (index.column() != MessageListModel::SubjectColumn)
            return;
        const QIcon icon = m_images.forMark(index.data(MessageListModel::MarkRole).toInt());
        option->icon = icon.isNull() ? m_blank : icon;
        option->features |= QStyleOptionViewItem::HasDecoration;
        option->decorationSize = QSize(kImageSize, kImageSize);
    }

private:
    const StateImages &m_images;
    QIcon m_blank;
};

} // namespace

MessageListView::MessageListView(QWidget *parent) : QTreeView(parent)
{
    setObjectName(QStringLiteral("lvMessages"));
    setRootIsDecorated(false);
    setItemsExpandable(false);
    setUniformRowHeights(true);
    setAllColumnsShowFocus(true);
    setSelectionMode(QAbstractItemView::ExtendedSelection);
    setSelectionBehavior(QAbstractItemView::SelectRows);
    setEditTriggers(QAbstractItemView::NoEditTriggers);
    setSortingEnabled(false);
    setVerticalScrollMode(QAbstractItemView::ScrollPerPixel);
    setIconSize(QSize(kImageSize, kImageSize));
    header()->setSectionsClickable(false);
    header()->setSortIndicatorShown(false);
    header()->setStretchLastSection(false);
    header()->setSectionsMovable(false);

    QFont listFont(QStringLiteral("MS Sans Serif"));
    listFont.setPixelSize(13);
    setFont(listFont);

    setItemDelegate(new StateImageDelegate(m_images, this));
    m_menu = new MessageListMenu(this);
}

void MessageListView::setMessageModel(MessageListModel *model)
{
    setModel(model);
}

void MessageListView::scrollDownStep()
{
    QScrollBar *bar = verticalScrollBar();
    bar->setValue(bar->value() + kScrollStep);
}

QList<int> MessageListView::selectedRows() const
{
    QList<int> rows;
    if (!selectionModel())
        return rows;
    for (const QModelIndex &index : selectionModel()->selectedRows())
        rows.append(index.row());
    std::sort(rows.begin(), rows.end());
    return rows;
}

void MessageListView::contextMenuEvent(QContextMenuEvent *event)
{
    m_menu->popup(event->globalPos());
    event->accept();
}

void MessageListView::mouseDoubleClickEvent(QMouseEvent *event)
{
    QTreeView::mouseDoubleClickEvent(event);
    if (event->button() == Qt::LeftButton)
        emit doubleClickedList();
}

} // namespace tarnwell
