#pragma once

#include <QMenu>

class QAction;

namespace tarnwell {

// The message list's right-click menu. The commands behind the items arrive with
// the explanation viewer, the quick-add actions and the message viewer; until
// their owners connect and enable them the items are shown disabled.
class MessageListMenu : public QMenu
{
    Q_OBJECT
public:
    explicit MessageListMenu(QWidget *parent = nullptr);

    QAction *whyMarked() const { return m_whyMarked; }
    QAction *addSenderDomains() const { return m_addSenderDomains; }
    QAction *addMessages() const { return m_addMessages; }
    QAction *addCountry() const { return m_addCountry; }
    QAction *addExceptions() const { return m_addExceptions; }
    QAction *viewHeaders() const { return m_viewHeaders; }
    QAction *viewBody() const { return m_viewBody; }

private:
    QAction *addDisabled(const QString &caption);

    QAction *m_whyMarked = nullptr;
    QAction *m_addSenderDomains = nullptr;
    QAction *m_addMessages = nullptr;
    QAction *m_addCountry = nullptr;
    QAction *m_addExceptions = nullptr;
    QAction *m_viewHeaders = nullptr;
    QAction *m_viewBody = nullptr;
};

} // namespace tarnwell
