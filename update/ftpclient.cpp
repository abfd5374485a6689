#include "update/ftpclient.h"

#include <QFileInfo>
#include <QSaveFile>

#include <algorithm>

struct FtpGetTarget {
    QSaveFile *file = nullptr;
    qint64 expected = 0;  // the server's size of the file
    qint64 written = 0;   // bytes the local disk took
    qint64 lineFeeds = 0; // line ends among them
    bool writeFailed = false;
};

namespace {

size_t discard(char *, size_t size, size_t count, void *)
{
    return size * count;
}

size_t writeToFile(char *data, size_t size, size_t count, void *userData)
{
    auto *target = static_cast<FtpGetTarget *>(userData);
    const qint64 length = static_cast<qint64>(size * count);
    if (target->file->write(data, length) != length) {
        target->writeFailed = true;
        return 0;
    }
    target->written += length;
    target->lineFeeds += std::count(data, data + length, '\n');
    return size * count;
}

// Whether a text transfer brought the whole file. Servers that convert line ends in ASCII type
// send a CR before each bare line feed, so more bytes than the file's size may arrive, but never
// more than one per line end; fewer always means the file was cut short.
bool arrivedWhole(qint64 size, qint64 received, qint64 lineFeeds)
{
    return received == size || (received > size && received - size <= lineFeeds);
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

FtpClient::~FtpClient()
{
    Disconnect();
}

CURL *FtpClient::handle()
{
    if (!m_handle) {
        // libcurl (and the TLS library under it) starts with the first connection, not with the
        // window: most sessions never connect.
        FtpCurl::ensureGlobalInit();
        m_handle = curl_easy_init();
        m_multi = curl_multi_init();
        if (!m_handle || !m_multi) {
            drop();
            throw FtpError(QStringLiteral("The FTP client could not be started."));
        }
        // One open connection per client: a new log-in replaces the old one.
        curl_multi_setopt(m_multi, CURLMOPT_MAXCONNECTS, 1L);
    }
    return m_handle;
}

void FtpClient::drop()
{
    if (m_handle)
        curl_easy_cleanup(m_handle);
    if (m_multi)
        curl_multi_cleanup(m_multi);
    m_handle = nullptr;
    m_multi = nullptr;
    m_connected = false;
}

void FtpClient::requireConnection() const
{
    if (!m_connected)
        throw FtpError(QStringLiteral("Not connected."));
}

void FtpClient::perform(const QString &dir, const QString &file, FtpGetTarget *target, qint64 resumeFrom)
{
    CURL *h = handle();
    m_errorBuffer[0] = '\0';
    FtpCurl::applyCommonOptions(h, m_user, m_password, m_timeouts, m_errorBuffer);
    curl_easy_setopt(h, CURLOPT_URL, FtpCurl::url(m_host, m_port, dir, file).constData());
    curl_easy_setopt(h, CURLOPT_NOBODY, target ? 0L : 1L);
    // Without a transfer the size is asked in binary type: in ASCII type servers tell no size.
    curl_easy_setopt(h, CURLOPT_TRANSFERTEXT, target ? 1L : 0L);
    curl_easy_setopt(h, CURLOPT_TIMEOUT, m_timeouts.limitFor(target ? target->expected : 0));
    curl_easy_setopt(h, CURLOPT_MAXFILESIZE_LARGE, static_cast<curl_off_t>(target ? FtpCurl::maxTextFileBytes : 0));
    curl_easy_setopt(h, CURLOPT_WRITEFUNCTION, target ? writeToFile : discard);
    curl_easy_setopt(h, CURLOPT_WRITEDATA, target);
    curl_easy_setopt(h, CURLOPT_RESUME_FROM_LARGE, static_cast<curl_off_t>(resumeFrom));
    const CURLcode code = FtpCurl::performLive(m_multi, h, m_cancelled);
    if (code == CURLE_OK)
        return;
    const QString text = FtpCurl::errorText(code, m_errorBuffer);
    if (!keepsConnection(code))
        drop();
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

void FtpClient::Get(const QString &remoteName, const QString &localFile, bool mayOverwrite, bool resume)
{
    requireConnection();
    const QFileInfo local(localFile);
    const bool exists = local.exists();
    if (exists && !mayOverwrite && !resume)
        throw FtpError(QStringLiteral("Destination file already exists."));

    const qint64 size = serverSize(remoteName);
    // The transfer goes to a temporary file beside the target, which replaces the target only
    // after the last byte arrived: a broken transfer leaves nothing half written. Unbuffered, a
    // disk that refuses a block says so at that block.
    QSaveFile file(localFile);
    if (!file.open(QIODevice::WriteOnly | QIODevice::Unbuffered))
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

    FtpGetTarget target{&file, size - resumeFrom, resumeFrom};
    try {
        perform(m_dir, remoteName, &target, resumeFrom);
    } catch (const FtpError &) {
        if (target.writeFailed)
            throw FtpError(QStringLiteral("Cannot write %1: %2").arg(localFile, file.errorString()));
        throw;
    }
    curl_off_t received = 0;
    curl_easy_getinfo(m_handle, CURLINFO_SIZE_DOWNLOAD_T, &received);
    if (!arrivedWhole(size - resumeFrom, received, target.lineFeeds))
        throw FtpError(QStringLiteral("%1 arrived incomplete: %2 of %3 bytes.")
                           .arg(remoteName)
                           .arg(received)
                           .arg(size - resumeFrom));
    if (!file.commit())
        throw FtpError(QStringLiteral("Cannot write %1: %2").arg(localFile, file.errorString()));
    // A disk that took fewer bytes than it was given leaves a short file, which must not count.
    if (QFileInfo(localFile).size() != target.written) {
        QFile::remove(localFile);
        throw FtpError(QStringLiteral("Cannot write %1: the disk kept only part of it.").arg(localFile));
    }
}

qint64 FtpClient::serverSize(const QString &remoteName)
{
    perform(m_dir, remoteName);
    curl_off_t size = -1;
    curl_easy_getinfo(m_handle, CURLINFO_CONTENT_LENGTH_DOWNLOAD_T, &size);
    if (size < 0)
        throw FtpError(QStringLiteral("The server does not tell the size of %1.").arg(remoteName));
    if (size > FtpCurl::maxTextFileBytes)
        throw FtpError(QStringLiteral("%1 is too large for a text file of the update server.").arg(remoteName));
    return size;
}

void FtpClient::Disconnect()
{
    drop();
}
