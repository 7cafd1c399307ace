#pragma once

#include "StateImages.h"

#include <QList>
#include <QTreeView>

namespace tarnwell {

class MessageListMenu;
class MessageListModel;

// The report view of the message list: the state image left of the subject, five
// columns, multiple selection, read-only, in server order (headings do not sort),
// with its right-click menu.
class MessageListView : public QTreeView
{
    Q_OBJECT
public:
    static constexpr int kScrollStep = 20;

    explicit MessageListView(QWidget *parent = nullptr);

    void setMessageModel(MessageListModel *model);
    // FormShow loads the images; until then rows show no mark picture.
    StateImages &stateImages() { return m_images; }

    // Scrolls down by kScrollStep pixels, as each listed message arrives.
    void scrollDownStep();

    // The indexes of the selected rows, in list order.
    QList<int> selectedRows() const;

    MessageListMenu *contextMenu() const { return m_menu; }

signals:
    // A double click anywhere on the list, on a row or not.
    void doubleClickedList();

protected:
    void contextMenuEvent(QContextMenuEvent *event) override;
    void mouseDoubleClickEvent(QMouseEvent *event) override;

private:
    StateImages m_images;
    MessageListMenu *m_menu = nullptr;
};

} // namespace tarnwell
