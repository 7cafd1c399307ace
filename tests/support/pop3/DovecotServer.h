#pragma once

#include <QByteArray>
#include <QList>
#include <QString>
#include <QTemporaryDir>

#include <sys/types.h>

namespace tarnwell::test {

// One mailbox user of the test dovecot.
struct Pop3Account
{
    QString userName;
    QString password;
    QString maildir; // its Maildir folder
};

// Debian's dovecot with a configuration of its own under a temporary folder:
// POP3 only, on 127.0.0.1, a free port for plain POP3 (STLS offered) and one for
// POP3S, a certificate for "localhost" signed by a CA made for this run, users in a
// passwd-file with {PLAIN} passwords and their mail in maildirs. Its CAPA offers
// TOP, UIDL, PIPELINING, STLS and USER.
//
// Starting takes a fraction of a second, so a test program starts one, through
// shared(), on first use, and every test adds a user of its own. Run as root, the
// mail belongs to "nobody" (dovecot refuses root for mail access).
class DovecotServer
{
public:
    DovecotServer();
    ~DovecotServer();
    DovecotServer(const DovecotServer &) = delete;
    DovecotServer &operator=(const DovecotServer &) = delete;

    // The instance of this program, started on first use and stopped at exit.
    // Starting it also points TARNWELL_CA_FILE at its CA, so that the client
    // trusts it; a test of the untrusted case unsets the variable for a while.
    static DovecotServer &shared();

    bool start();
    void stop();
    bool isRunning() const { return m_pid > 0; }
    // Why start() failed, with dovecot's log.
    const QString &errorText() const { return m_error; }

    // A new user whose maildir holds these messages, in this order. A message may
    // use CR LF or LF line ends; it is stored with LF, as a delivery would.
    Pop3Account addUser(const QString &name, const QString &password, const QList<QByteArray> &messages);
    // A user name not used before in this run ("prefix1", "prefix2", ...).
    QString freshUserName(const QString &prefix = QStringLiteral("user"));
    // Delivers more messages to a user's maildir, after those it holds.
    void deliver(const Pop3Account &account, const QList<QByteArray> &messages);
    // The messages now in the maildir, in delivery order, with LF line ends.
    QList<QByteArray> messages(const Pop3Account &account) const;

    // The size POP3 gives a message: its octets with CR LF line ends.
    static qint64 wireSize(const QByteArray &message);

    quint16 plainPort() const { return m_plainPort; }
    quint16 tlsPort() const { return m_tlsPort; }
    QString caFile() const;
    static QString host() { return QStringLiteral("localhost"); }
    QString plainServer() const;     // "localhost:PORT": upgrades with STLS
    QString plainOnlyServer() const; // "pop3://localhost:PORT"
    QString tlsServer() const;       // "pop3s://localhost:PORT"
    // How many logins dovecot has logged for a user so far.
    int loginCount(const QString &userName) const;
    QString log() const;

private:
    bool makeCertificates();
    bool writeConfiguration();
    bool launch();
    bool waitUntilServing();
    void writeMaildirFile(const QString &maildir, const QByteArray &message);
    void giveToMailUser(const QString &path) const;
    QString path(const QString &name) const { return m_dir.filePath(name); }

    QTemporaryDir m_dir;
    QString m_error;
    pid_t m_pid = 0;
    quint16 m_plainPort = 0;
    quint16 m_tlsPort = 0;
    uid_t m_mailUid = 0;
    gid_t m_mailGid = 0;
    int m_sequence = 0;
    int m_userSequence = 0;
};

} // namespace tarnwell::test
