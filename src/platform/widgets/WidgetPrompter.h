#pragma once

#include "platform/UserPrompter.h"

class QWidget;

namespace tarnwell {

// Message boxes, the input box and the file dialogs as Qt widgets.
class WidgetPrompter final : public UserPrompter
{
public:
    explicit WidgetPrompter(QWidget *parent = nullptr) : m_parent(parent) {}
    void setParent(QWidget *parent) { m_parent = parent; }

    void message(Kind kind, const QString &text) override;
    bool confirm(const QString &text) override;
    std::optional<QString> inputLine(const QString &caption, const QString &prompt,
                                     const QString &initial) override;
    QString openFileName(const QString &caption, const QString &folder, const QString &filter) override;
    QString saveFileName(const QString &caption, const QString &folder, const QString &filter) override;

private:
    QWidget *m_parent = nullptr;
};

} // namespace tarnwell
