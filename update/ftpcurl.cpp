#include "update/ftpcurl.h"

#include <QDir>
#include <QStringList>
#include <QUrl>

namespace FtpCurl {

void ensureGlobalInit()
{
    static const bool initialised = [] {
        curl_global_init(CURL_GLOBAL_DEFAULT);
        return true;
    }();
    (void)initialised;
}

QString joinDir(const QString &current, const QString &dir)
{
    if (dir.isEmpty())
        return current;
    QString joined;
    if (dir.startsWith(u'/') || current.isEmpty())
        joined = dir;
    else
        joined = current + u'/' + dir;
    joined = QDir::cleanPath(joined);
    return joined == u"." ? QString() : joined;
}

QByteArray url(const QString &host, quint16 port, const QString &dir, const QString &file)
{
    QByteArray path;
    if (dir.startsWith(u'/'))
        path = "%2F";
    const QStringList parts = dir.split(u'/', Qt::SkipEmptyParts);
    for (const QString &part : parts) {
        if (!path.isEmpty() && path != "%2F")
            path += '/';
        path += QUrl::toPercentEncoding(part);
    }
    if (!path.isEmpty())
        path += '/';
    path += QUrl::toPercentEncoding(file);
    return "ftp://" + host.toUtf8() + ':' + QByteArray::number(port) + '/' + path;
}

void applyCommonOptions(CURL *handle, const QString &user, const QString &password,
                        const Timeouts &timeouts, char *errorBuffer)
{
    curl_easy_setopt(handle, CURLOPT_ERRORBUFFER, errorBuffer);
    curl_easy_setopt(handle, CURLOPT_PROTOCOLS_STR, "ftp");
    curl_easy_setopt(handle, CURLOPT_NOSIGNAL, 1L);
    curl_easy_setopt(handle, CURLOPT_IPRESOLVE, static_cast<long>(CURL_IPRESOLVE_V4));
    curl_easy_setopt(handle, CURLOPT_PROXY, "");
    curl_easy_setopt(handle, CURLOPT_FTPPORT, "-");
    curl_easy_setopt(handle, CURLOPT_FTP_FILEMETHOD, static_cast<long>(CURLFTPMETHOD_SINGLECWD));
    curl_easy_setopt(handle, CURLOPT_USERNAME, user.toUtf8().constData());
    curl_easy_setopt(handle, CURLOPT_PASSWORD, password.toUtf8().constData());
    curl_easy_setopt(handle, CURLOPT_CONNECTTIMEOUT, timeouts.connectSeconds);
    curl_easy_setopt(handle, CURLOPT_SERVER_RESPONSE_TIMEOUT, timeouts.readSeconds);
    curl_easy_setopt(handle, CURLOPT_ACCEPTTIMEOUT_MS, timeouts.readSeconds * 1000L);
    curl_easy_setopt(handle, CURLOPT_LOW_SPEED_LIMIT, 1L);
    curl_easy_setopt(handle, CURLOPT_LOW_SPEED_TIME, timeouts.readSeconds);
    // One open connection per handle: a new log-in replaces the old one instead of piling up.
    curl_easy_setopt(handle, CURLOPT_MAXCONNECTS, 1L);
}

QString errorText(CURLcode code, const char *errorBuffer)
{
    if (errorBuffer && errorBuffer[0] != '\0')
        return QString::fromUtf8(errorBuffer);
    return QString::fromUtf8(curl_easy_strerror(code));
}

} // namespace FtpCurl
