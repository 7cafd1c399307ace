#pragma once

#include "StateImages.h"

#include <QTreeView>

namespace tarnwell {

class MessageListModel;

// The report view of the message list: the state image left of the subject, five
// columns, multiple selection, read-only, in server order (headings do not sort).
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

private:
    StateImages m_images;
};

} // namespace tarnwell
