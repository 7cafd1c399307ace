#include "DovecotServer.h"

#include <QDeadlineTimer>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QProcess>
#include <QRegularExpression>
#include <QStandardPaths>
#include <QTcpServer>
#include <QTcpSocket>
#include <QThread>

#include <fcntl.h>
#include <grp.h>
#include <pwd.h>
#include <signal.h>
#include <sys/prctl.h>
#include <sys/wait.h>
#include <unistd.h>

#include <memory>

namespace tarnwell::test {

namespace {

constexpr uid_t kNobody = 65534;

bool writeFile(const QString &path, const QByteArray &bytes)
{
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate))
        return false;
    return file.write(bytes) == bytes.size();
}

QByteArray readFile(const QString &path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return {};
    return file.readAll();
}

QByteArray withLf(QByteArray message)
{
    message.replace("\r\n", "\n");
    return message;
}

quint16 freePort()
{
    QTcpServer probe;
    if (!probe.listen(QHostAddress::LocalHost, 0))
        return 0;
    return probe.serverPort();
}

// Runs openssl with these arguments in `folder`; false with its output on failure.
bool openssl(const QString &folder, const QStringList &arguments, QString *error)
{
    QProcess process;
    process.setWorkingDirectory(folder);
    process.setProcessChannelMode(QProcess::MergedChannels);
    process.start(QStringLiteral("openssl"), arguments);
    if (!process.waitForFinished(30000) || process.exitStatus() != QProcess::NormalExit || process.exitCode() != 0) {
        *error = QStringLiteral("openssl %1 failed: %2").arg(arguments.join(u' '), QString::fromLocal8Bit(process.readAll()));
        return false;
    }
    return true;
}

} // namespace

DovecotServer::DovecotServer()
{
    if (geteuid() == 0) {
        m_mailUid = kNobody;
        m_mailGid = kNobody;
    } else {
        m_mailUid = geteuid();
        m_mailGid = getegid();
    }
}

DovecotServer::~DovecotServer()
{
    stop();
}

DovecotServer &DovecotServer::shared()
{
    static DovecotServer server;
    if (!server.isRunning() && server.m_error.isEmpty()) {
        if (server.start())
            qputenv("TARNWELL_CA_FILE", server.caFile().toLocal8Bit());
    }
    return server;
}

bool DovecotServer::start()
{
    if (isRunning())
        return true;
    m_error.clear();
    if (!m_dir.isValid()) {
        m_error = QStringLiteral("cannot make a temporary folder");
        return false;
    }
    // The mail user must be able to reach the maildirs below this folder.
    QFile::setPermissions(m_dir.path(), QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ExeOwner
                                            | QFileDevice::ReadGroup | QFileDevice::ExeGroup
                                            | QFileDevice::ReadOther | QFileDevice::ExeOther);
    QDir(m_dir.path()).mkpath(QStringLiteral("mail"));
    giveToMailUser(path(QStringLiteral("mail")));
    QDir(m_dir.path()).mkpath(QStringLiteral("users"));
    if (!QFile::exists(caFile()) && !makeCertificates())
        return false;

    // Another program may take a free port between the probe and dovecot's bind.
    for (int attempt = 0; attempt < 5; ++attempt) {
        m_plainPort = freePort();
        m_tlsPort = freePort();
        if (m_plainPort == 0 || m_tlsPort == 0 || m_plainPort == m_tlsPort)
            continue;
        if (!writeConfiguration())
            return false;
        if (launch() && waitUntilServing())
            return true;
        stop();
        if (!log().contains(QLatin1String("Address already in use")))
            break;
    }
    if (m_error.isEmpty())
        m_error = QStringLiteral("dovecot did not start");
    m_error += QStringLiteral("\n--- dovecot log ---\n") + log();
    return false;
}

bool DovecotServer::makeCertificates()
{
    const QString folder = m_dir.path();
    const QStringList ecKey{QStringLiteral("-newkey"), QStringLiteral("ec"), QStringLiteral("-pkeyopt"),
                            QStringLiteral("ec_paramgen_curve:prime256v1"), QStringLiteral("-nodes")};
    if (!writeFile(path(QStringLiteral("server.ext")),
                   "subjectAltName=DNS:localhost\n"
                   "basicConstraints=critical,CA:FALSE\n"
                   "keyUsage=critical,digitalSignature,keyEncipherment\n"
                   "extendedKeyUsage=serverAuth\n")) {
        m_error = QStringLiteral("cannot write server.ext");
        return false;
    }
    return openssl(folder,
                   QStringList{QStringLiteral("req"), QStringLiteral("-x509")} + ecKey
                       + QStringList{QStringLiteral("-keyout"), QStringLiteral("ca.key"), QStringLiteral("-out"),
                                     QStringLiteral("ca.pem"), QStringLiteral("-days"), QStringLiteral("3"),
                                     QStringLiteral("-subj"), QStringLiteral("/CN=Tarnwell Test CA"),
                                     QStringLiteral("-addext"), QStringLiteral("basicConstraints=critical,CA:TRUE"),
                                     QStringLiteral("-addext"), QStringLiteral("keyUsage=critical,keyCertSign,cRLSign")},
                   &m_error)
           && openssl(folder,
                      QStringList{QStringLiteral("req")} + ecKey
                          + QStringList{QStringLiteral("-keyout"), QStringLiteral("server.key"), QStringLiteral("-out"),
                                        QStringLiteral("server.csr"), QStringLiteral("-subj"),
                                        QStringLiteral("/CN=localhost")},
                      &m_error)
           && openssl(folder,
                      {QStringLiteral("x509"), QStringLiteral("-req"), QStringLiteral("-in"), QStringLiteral("server.csr"),
                       QStringLiteral("-CA"), QStringLiteral("ca.pem"), QStringLiteral("-CAkey"), QStringLiteral("ca.key"),
                       QStringLiteral("-CAcreateserial"), QStringLiteral("-out"), QStringLiteral("server.pem"),
                       QStringLiteral("-days"), QStringLiteral("3"), QStringLiteral("-extfile"),
                       QStringLiteral("server.ext")},
                      &m_error);
}

bool DovecotServer::writeConfiguration()
{
    const QString folder = m_dir.path();
    QString config = QStringLiteral(
                         "protocols = pop3\n"
                         "listen = 127.0.0.1\n"
                         "base_dir = %1/run\n"
                         "state_dir = %1/state\n"
                         "log_path = %1/dovecot.log\n"
                         "ssl = yes\n"
                         "ssl_cert = <%1/server.pem\n"
                         "ssl_key = <%1/server.key\n"
                         "disable_plaintext_auth = no\n"
                         "auth_mechanisms = plain\n"
                         "auth_failure_delay = 0\n"
                         "mail_location = maildir:~/Maildir\n"
                         "first_valid_uid = %2\n"
                         "first_valid_gid = %3\n"
                         "mail_uid = %2\n"
                         "mail_gid = %3\n"
                         "auth_verbose = yes\n"
                         // One file per user: dovecot reads a changed passwd-file at most
                         // once a second, a new one at once.
                         "passdb {\n  driver = passwd-file\n  args = %1/users/%u\n}\n"
                         "userdb {\n  driver = static\n  args = home=%1/mail/%u\n}\n"
                         "service pop3-login {\n"
                         "  inet_listener pop3 {\n    port = %4\n  }\n"
                         "  inet_listener pop3s {\n    port = %5\n    ssl = yes\n  }\n"
                         "}\n")
                         .arg(folder)
                         .arg(m_mailUid)
                         .arg(m_mailGid)
                         .arg(m_plainPort)
                         .arg(m_tlsPort);
    if (geteuid() != 0) {
        // Without root dovecot runs everything as the calling user.
        const passwd *user = getpwuid(geteuid());
        const group *grp = getgrgid(getegid());
        if (user && grp)
            config += QStringLiteral("default_internal_user = %1\ndefault_internal_group = %2\n"
                                     "default_login_user = %1\n")
                          .arg(QString::fromLocal8Bit(user->pw_name), QString::fromLocal8Bit(grp->gr_name));
    }
    if (!writeFile(path(QStringLiteral("dovecot.conf")), config.toUtf8())) {
        m_error = QStringLiteral("cannot write dovecot.conf");
        return false;
    }
    return true;
}

bool DovecotServer::launch()
{
    QString program = QStandardPaths::findExecutable(QStringLiteral("dovecot"));
    if (program.isEmpty())
        program = QStandardPaths::findExecutable(QStringLiteral("dovecot"),
                                                 {QStringLiteral("/usr/sbin"), QStringLiteral("/usr/local/sbin")});
    if (program.isEmpty()) {
        m_error = QStringLiteral("dovecot is not installed (package dovecot-pop3d)");
        return false;
    }
    QFile::remove(path(QStringLiteral("dovecot.log")));
    const QByteArray binary = QFile::encodeName(program);
    const QByteArray config = QFile::encodeName(path(QStringLiteral("dovecot.conf")));
    const QByteArray output = QFile::encodeName(path(QStringLiteral("dovecot.out")));

    const pid_t pid = fork();
    if (pid < 0) {
        m_error = QStringLiteral("fork failed");
        return false;
    }
    if (pid == 0) {
        // A group of its own, so that stop() ends dovecot and all its children at
        // once; and it goes when the test program goes, even after a crash.
        setsid();
        prctl(PR_SET_PDEATHSIG, SIGKILL);
        const int fd = ::open(output.constData(), O_WRONLY | O_CREAT | O_TRUNC, 0644);
        if (fd >= 0) {
            dup2(fd, STDOUT_FILENO);
            dup2(fd, STDERR_FILENO);
        }
        execl(binary.constData(), "dovecot", "-F", "-c", config.constData(), static_cast<char *>(nullptr));
        _exit(127);
    }
    m_pid = pid;
    return true;
}

bool DovecotServer::waitUntilServing()
{
    const QDeadlineTimer deadline(15000);
    while (!deadline.hasExpired()) {
        int status = 0;
        if (waitpid(m_pid, &status, WNOHANG) == m_pid) {
            m_pid = 0;
            m_error = QStringLiteral("dovecot exited at start: ") + QString::fromLocal8Bit(readFile(path(QStringLiteral("dovecot.out"))));
            return false;
        }
        QTcpSocket probe;
        probe.connectToHost(QHostAddress::LocalHost, m_plainPort);
        if (probe.waitForConnected(500) && probe.waitForReadyRead(2000) && probe.readAll().startsWith("+OK")) {
            QTcpSocket tlsProbe;
            tlsProbe.connectToHost(QHostAddress::LocalHost, m_tlsPort);
            if (tlsProbe.waitForConnected(500))
                return true;
        }
        QThread::msleep(20);
    }
    m_error = QStringLiteral("dovecot did not answer on port %1").arg(m_plainPort);
    return false;
}

void DovecotServer::stop()
{
    if (m_pid <= 0)
        return;
    kill(-m_pid, SIGKILL);
    kill(m_pid, SIGKILL);
    int status = 0;
    waitpid(m_pid, &status, 0);
    m_pid = 0;
}

QString DovecotServer::freshUserName(const QString &prefix)
{
    return prefix + QString::number(++m_userSequence);
}

Pop3Account DovecotServer::addUser(const QString &name, const QString &password, const QList<QByteArray> &messages)
{
    Pop3Account account{name, password, path(QStringLiteral("mail/%1/Maildir").arg(name))};
    QDir maildir(account.maildir);
    for (const char *sub : {"cur", "new", "tmp"})
        maildir.mkpath(QString::fromLatin1(sub));
    deliver(account, messages);

    writeFile(path(QStringLiteral("users/") + name), name.toUtf8() + ":{PLAIN}" + password.toUtf8() + "::::\n");
    return account;
}

void DovecotServer::deliver(const Pop3Account &account, const QList<QByteArray> &messages)
{
    for (const QByteArray &message : messages)
        writeMaildirFile(account.maildir, message);
    giveToMailUser(path(QStringLiteral("mail/%1").arg(account.userName)));
}

void DovecotServer::writeMaildirFile(const QString &maildir, const QByteArray &message)
{
    // dovecot numbers new mail in the order of the file names.
    const int sequence = ++m_sequence;
    const QString name = QStringLiteral("%1.M%2P%3.tarnwell").arg(1000000000 + sequence).arg(sequence).arg(getpid());
    const QString temporary = maildir + QStringLiteral("/tmp/") + name;
    writeFile(temporary, withLf(message));
    QFile::rename(temporary, maildir + QStringLiteral("/new/") + name);
}

void DovecotServer::giveToMailUser(const QString &root) const
{
    if (geteuid() != 0)
        return;
    const auto own = [this](const QString &p) {
        if (::chown(QFile::encodeName(p).constData(), m_mailUid, m_mailGid) != 0)
            qWarning("cannot give %s to the mail user", qPrintable(p));
    };
    own(root);
    QDir dir(root);
    const QFileInfoList children = dir.entryInfoList(QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden);
    for (const QFileInfo &child : children) {
        if (child.isDir())
            giveToMailUser(child.filePath());
        else
            own(child.filePath());
    }
}

QList<QByteArray> DovecotServer::messages(const Pop3Account &account) const
{
    QStringList files;
    for (const char *sub : {"new", "cur"}) {
        QDir dir(account.maildir + QLatin1Char('/') + QLatin1String(sub));
        for (const QString &name : dir.entryList(QDir::Files))
            files.append(dir.filePath(name));
    }
    std::sort(files.begin(), files.end(),
              [](const QString &a, const QString &b) { return QFileInfo(a).fileName() < QFileInfo(b).fileName(); });
    QList<QByteArray> result;
    for (const QString &file : files)
        result.append(readFile(file));
    return result;
}

qint64 DovecotServer::wireSize(const QByteArray &message)
{
    const QByteArray lf = withLf(message);
    return lf.size() + lf.count('\n');
}

QString DovecotServer::caFile() const
{
    return path(QStringLiteral("ca.pem"));
}

QString DovecotServer::plainServer() const
{
    return host() + QLatin1Char(':') + QString::number(m_plainPort);
}

QString DovecotServer::plainOnlyServer() const
{
    return QStringLiteral("pop3://") + plainServer();
}

QString DovecotServer::tlsServer() const
{
    return QStringLiteral("pop3s://") + host() + QLatin1Char(':') + QString::number(m_tlsPort);
}

int DovecotServer::loginCount(const QString &userName) const
{
    const QString text = log();
    const QRegularExpression login(QStringLiteral("Login: user=<%1>").arg(QRegularExpression::escape(userName)));
    int count = 0;
    for (auto it = login.globalMatch(text); it.hasNext(); it.next())
        ++count;
    return count;
}

QString DovecotServer::log() const
{
    return QString::fromLocal8Bit(readFile(path(QStringLiteral("dovecot.log"))));
}

} // namespace tarnwell::test
