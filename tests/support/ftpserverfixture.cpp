#include "tests/support/ftpserverfixture.h"

#include "update/buildsignature.h"

#include <QDeadlineTimer>
#include <QDir>
#include <QFile>
#include <QThread>

#include <arpa/inet.h>
#include <netinet/in.h>
#include <sys/socket.h>
#include <unistd.h>

namespace {

bool acceptsConnections(quint16 port)
{
    const int fd = ::socket(AF_INET, SOCK_STREAM, 0);
    if (fd < 0)
        return false;
    sockaddr_in address{};
    address.sin_family = AF_INET;
    address.sin_port = htons(port);
    address.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
    const bool ok = ::connect(fd, reinterpret_cast<sockaddr *>(&address), sizeof address) == 0;
    ::close(fd);
    return ok;
}

} // namespace

quint16 unusedLocalPort()
{
    const int fd = ::socket(AF_INET, SOCK_STREAM, 0);
    if (fd < 0)
        return 0;
    sockaddr_in address{};
    address.sin_family = AF_INET;
    address.sin_port = 0;
    address.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
    socklen_t length = sizeof address;
    quint16 port = 0;
    if (::bind(fd, reinterpret_cast<sockaddr *>(&address), sizeof address) == 0 &&
        ::getsockname(fd, reinterpret_cast<sockaddr *>(&address), &length) == 0)
        port = ntohs(address.sin_port);
    ::close(fd);
    return port;
}

FtpServerFixture::FtpServerFixture() : FtpServerFixture(Options()) {}

FtpServerFixture::FtpServerFixture(const Options &options)
{
    start(options);
}

FtpServerFixture::~FtpServerFixture()
{
    if (m_process.state() != QProcess::NotRunning) {
        m_process.terminate();
        if (!m_process.waitForFinished(3000)) {
            m_process.kill();
            m_process.waitForFinished(3000);
        }
    }
}

QString FtpServerFixture::rootPath() const
{
    return m_dir.filePath(QStringLiteral("root"));
}

void FtpServerFixture::addFile(const QString &serverPath, const QByteArray &content, bool sign) const
{
    const QString path = QDir(rootPath()).filePath(serverPath);
    QDir().mkpath(QFileInfo(path).absolutePath());
    QFile file(path);
    if (file.open(QIODevice::WriteOnly))
        file.write(content);
    file.close();
    if (!sign || !serverPath.endsWith(QLatin1String(".exe")))
        return;
    QFile key(QStringLiteral(TARMIKA_SOURCE_DIR "/scripts/dev-update-key"));
    QFile signature(BuildSignature::fileName(path));
    if (key.open(QIODevice::ReadOnly) && signature.open(QIODevice::WriteOnly))
        signature.write(BuildSignature::signFile(path, key.readAll()) + '\n');
}

QStringList FtpServerFixture::retrieved() const
{
    QFile log(m_dir.filePath(QStringLiteral("retr.log")));
    if (!log.open(QIODevice::ReadOnly))
        return {};
    return QString::fromUtf8(log.readAll()).split(u'\n', Qt::SkipEmptyParts);
}

QByteArray FtpServerFixture::serverLog() const
{
    QFile log(m_dir.filePath(QStringLiteral("server.log")));
    return log.open(QIODevice::ReadOnly) ? log.readAll() : QByteArray();
}

void FtpServerFixture::start(const Options &options)
{
    if (!m_dir.isValid()) {
        m_error = QStringLiteral("No temporary directory for the server.");
        return;
    }
    QDir(rootPath()).mkpath(QStringLiteral("public_html/questions"));
    QDir(rootPath()).mkpath(QStringLiteral("public_html/updates"));

    QStringList arguments{QStringLiteral(TARMIKA_SOURCE_DIR "/tests/support/ftpserver.py"),
                          QStringLiteral("--root"),
                          rootPath(),
                          QStringLiteral("--user"),
                          user(),
                          QStringLiteral("--password"),
                          options.password,
                          QStringLiteral("--log"),
                          m_dir.filePath(QStringLiteral("retr.log"))};
    for (const QString &name : options.refuse)
        arguments << QStringLiteral("--refuse") << name;
    for (const QString &name : options.stall)
        arguments << QStringLiteral("--stall") << name;
    for (const auto &[name, bytes] : options.drop)
        arguments << QStringLiteral("--drop") << name + u':' + QString::number(bytes);
    for (const auto &[name, bytes] : options.shorten)
        arguments << QStringLiteral("--short") << name + u':' + QString::number(bytes);
    for (const QString &name : options.drip)
        arguments << QStringLiteral("--drip") << name;
    for (const auto &[name, bytes] : options.size)
        arguments << QStringLiteral("--size") << name + u':' + QString::number(bytes);

    m_process.setStandardErrorFile(m_dir.filePath(QStringLiteral("server.log")));
    m_process.start(QStringLiteral("/usr/bin/python3"), arguments);
    if (!m_process.waitForStarted(5000)) {
        m_error = QStringLiteral("The FTP server did not start: ") + m_process.errorString();
        return;
    }
    // The server prints its port once it listens.
    const QDeadlineTimer deadline(10000);
    QByteArray output;
    while (!output.contains('\n') && !deadline.hasExpired()) {
        if (m_process.state() == QProcess::NotRunning)
            break;
        m_process.waitForReadyRead(100);
        output += m_process.readAllStandardOutput();
    }
    const QByteArray line = output.left(output.indexOf('\n')).trimmed();
    if (!line.startsWith("READY ")) {
        m_error = QStringLiteral("The FTP server did not come up: ") + QString::fromUtf8(serverLog());
        return;
    }
    const quint16 port = static_cast<quint16>(line.mid(6).toUInt());
    while (!acceptsConnections(port)) {
        if (deadline.hasExpired()) {
            m_error = QStringLiteral("The FTP server does not accept connections.");
            return;
        }
        QThread::msleep(20);
    }
    m_port = port;
}
