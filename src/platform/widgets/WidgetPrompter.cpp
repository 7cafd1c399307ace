#include "WidgetPrompter.h"

#include <QFileDialog>
#include <QInputDialog>
#include <QMessageBox>

namespace tarnwell {

namespace {
const QString kTitle = QStringLiteral("Tarnwell");
}

void WidgetPrompter::message(Kind kind, const QString &text)
{
    switch (kind) {
    case Kind::Error:
        QMessageBox::critical(m_parent, kTitle, text);
        break;
    case Kind::Warning:
        QMessageBox::warning(m_parent, kTitle, text);
        break;
    case Kind::Information:
    case Kind::Confirmation:
        QMessageBox::information(m_parent, kTitle, text);
        break;
    }
}

bool WidgetPrompter::confirm(const QString &text)
{
    return QMessageBox::question(m_parent, kTitle, text, QMessageBox::Yes | QMessageBox::No)
           == QMessageBox::Yes;
}

std::optional<QString> WidgetPrompter::inputLine(const QString &caption, const QString &prompt,
                                                 const QString &initial)
{
    bool ok = false;
    const QString text = QInputDialog::getText(m_parent, caption, prompt, QLineEdit::Normal, initial, &ok);
    if (!ok)
        return std::nullopt;
    return text;
}

QString WidgetPrompter::openFileName(const QString &caption, const QString &folder, const QString &filter)
{
    return QFileDialog::getOpenFileName(m_parent, caption, folder, filter);
}

QString WidgetPrompter::saveFileName(const QString &caption, const QString &folder, const QString &filter)
{
    return QFileDialog::getSaveFileName(m_parent, caption, folder, filter);
}

} // namespace tarnwell
