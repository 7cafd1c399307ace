#pragma once

#include <QObject>
#include <QString>
#include <QStringList>

namespace tarnwell {

// The dial-up connector the POP3 client may be linked to. This system has no
// dial-up phone book: there are no entries, and the line counts as up whenever
// the system's own networking is, so the client never dials.
class DialUpConnector : public QObject
{
    Q_OBJECT
public:
    explicit DialUpConnector(QObject *parent = nullptr) : QObject(parent) {}

    // The phone book's entries; the general settings offer them.
    virtual QStringList entries() const { return {}; }

    void setEntry(const QString &entry) { m_entry = entry; }
    const QString &entry() const { return m_entry; }

    virtual bool isLineUp() const { return true; }
    // Dials the selected entry; fails with a text when that is impossible.
    virtual bool dial(QString *error);
    // Hangs up a line dial() brought up.
    virtual void hangUp() {}

private:
    QString m_entry;
};

} // namespace tarnwell
