#include "update/ftpclient.h"

#include <QFileInfo>
#include <QSaveFile>

struct FtpGetTarget {
    QSaveFile *file = nullptr;
    bool writeFailed = false;
};

namespace {

size_t discard(char *, size_t size, size_t count, void *) { return size * count; }

size_t writeToFile(char *data, size_t size, size_t count, void *userData)
{
    auto *target = static_cast<FtpGetTarget *>(userData);
    const qint64 length = static_cast<qint64>(size * count);
    if (target->file->write(data, length) != length) {
        target->writeFailed = true;
        return 0;
    }
    return size * count;
}

// Failures in which the server answered and the session goes on (a missing directory or file, a
// local file that cannot be written); any other failure means the connection is gone.
bool keepsConnection(CURLcode code)
{
    switch (code) {
    case CURLE_REMOTE_ACCESS_DENIED:
    case CURLE_REMOTE_FILE_NOT_FOUND:
    case CURLE_FTP_COULDNT_RETR_FILE:
    case CURLE_WRITE_ERROR:
        return true;
    default:
        return false;
    }
}

} // namespace

FtpClient::FtpClient(const QString &host, quint16 port) : m_host(host), m_port(port) {}

FtpClient::~FtpClient() { Disconnect(); }

CURL *FtpClient::handle()
{
    if (!m_handle) {
        // libcurl (and the TLS library under it) starts with the first connection, not with the
        // window: most sessions never connect.
        FtpCurl::ensureGlobalInit();
        m_handle = curl_easy_init();
        if (!m_handle)
            throw FtpError(QStringLiteral("The FTP client could not be started."));
    }
    return m_handle;
}

void FtpClient::requireConnection() const
{
    if (!m_connected)
        throw FtpError(QStringLiteral("Not connected."));
}

void FtpClient::perform(const QString &dir, const QString &file, FtpGetTarget *target,
                        qint64 resumeFrom)
{
    CURL *h = handle();
    m_errorBuffer[0] = '\0';
    FtpCurl::applyCommonOptions(h, m_user, m_password, m_timeouts, m_errorBuffer);
    curl_easy_setopt(h, CURLOPT_URL, FtpCurl::url(m_host, m_port, dir, file).constData());
    curl_easy_setopt(h, CURLOPT_NOBODY, target ? 0L : 1L);
    curl_easy_setopt(h, CURLOPT_TRANSFERTEXT, 1L);
    curl_easy_setopt(h, CURLOPT_WRITEFUNCTION, target ? writeToFile : discard);
    curl_easy_setopt(h, CURLOPT_WRITEDATA, target);
    curl_easy_setopt(h, CURLOPT_RESUME_FROM_LARGE, static_cast<curl_off_t>(resumeFrom));
    const CURLcode code = curl_easy_perform(h);
    if (code == CURLE_OK)
        return;
    const QString text = FtpCurl::errorText(code, m_errorBuffer);
    if (!keepsConnection(code)) {
        m_connected = false;
        curl_easy_cleanup(m_handle);
        m_handle = nullptr;
    }
    throw FtpError(text);
}

void FtpClient::Connect()
{
    Disconnect();
    m_dir.clear();
    try {
        perform(QString(), QString());
    } catch (const FtpError &) {
        Disconnect();
        throw;
    }
    m_connected = true;
}

void FtpClient::ChangeDir(const QString &dir)
{
    requireConnection();
    const QString target = FtpCurl::joinDir(m_dir, dir);
    perform(target, QString());
    m_dir = target;
}

void FtpClient::Get(const QString &remoteName, const QString &localFile, bool mayOverwrite,
                    bool resume)
{
    requireConnection();
    const QFileInfo local(localFile);
    const bool exists = local.exists();
    if (exists && !mayOverwrite && !resume)
        throw FtpError(QStringLiteral("Destination file already exists."));

    // The transfer goes to a temporary file beside the target, which replaces the target only
    // after the last byte arrived: a broken transfer leaves nothing half written.
    QSaveFile file(localFile);
    if (!file.open(QIODevice::WriteOnly))
        throw FtpError(QStringLiteral("Cannot create %1: %2").arg(localFile, file.errorString()));
    qint64 resumeFrom = 0;
    if (resume && exists) {
        QFile old(localFile);
        if (!old.open(QIODevice::ReadOnly))
            throw FtpError(QStringLiteral("Cannot read %1: %2").arg(localFile, old.errorString()));
        const QByteArray existing = old.readAll();
        if (file.write(existing) != existing.size())
            throw FtpError(QStringLiteral("Cannot write %1: %2").arg(localFile, file.errorString()));
        resumeFrom = existing.size();
    }

    FtpGetTarget target{&file};
    try {
        perform(m_dir, remoteName, &target, resumeFrom);
    } catch (const FtpError &) {
        if (target.writeFailed)
            throw FtpError(QStringLiteral("Cannot write %1: %2").arg(localFile, file.errorString()));
        throw;
    }
    if (!file.commit())
        throw FtpError(QStringLiteral("Cannot write %1: %2").arg(localFile, file.errorString()));
}

void FtpClient::Disconnect()
{
    if (m_handle) {
        curl_easy_cleanup(m_handle);
        m_handle = nullptr;
    }
    m_connected = false;
}
