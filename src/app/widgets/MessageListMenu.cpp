#include "MessageListMenu.h"

#include <QAction>

namespace tarnwell {

MessageListMenu::MessageListMenu(QWidget *parent) : QMenu(parent)
{
    setObjectName(QStringLiteral("pmMessages"));
    m_whyMarked = addDisabled(QStringLiteral("Why was this e-mail marked?"));
    addSeparator();
    m_addSenderDomains = addDisabled(QStringLiteral("Add selected sender(s) domain to spam list"));
    m_addMessages = addDisabled(QStringLiteral("Add selected message(s) to spam list"));
    m_addCountry = addDisabled(QStringLiteral("Add country to spam list"));
    addSeparator();
    m_addExceptions = addDisabled(QStringLiteral("Add selected sender(s) to exceptions list"));
    addSeparator();
    m_viewHeaders = addDisabled(QStringLiteral("View selected message(s) headers"));
    m_viewBody = addDisabled(QStringLiteral("View body of one message"));
}

QAction *MessageListMenu::addDisabled(const QString &caption)
{
    QAction *action = addAction(caption);
    action->setEnabled(false);
    return action;
}

} // namespace tarnwell
