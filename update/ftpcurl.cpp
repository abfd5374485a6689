#include "update/ftpcurl.h"

#include <QCoreApplication>
#include <QDir>
#include <QStringList>
#include <QUrl>

namespace FtpCurl {

namespace {
// How long one wait for the network may keep the window from its events.
constexpr int eventSliceMs = 10;
} // namespace

long Timeouts::limitFor(qint64 bytes) const
{
    const qint64 speed = qMax<qint64>(minBytesPerSecond, 1);
    return requestSeconds + static_cast<long>(qMax<qint64>(bytes, 0) / speed);
}

CURLcode performLive(CURLM *multi, CURL *easy, const std::function<bool()> &cancelled)
{
    if (curl_multi_add_handle(multi, easy) != CURLM_OK)
        return CURLE_FAILED_INIT;
    CURLcode result = CURLE_OK;
    for (;;) {
        QCoreApplication::processEvents();
        if (cancelled && cancelled()) {
            result = CURLE_ABORTED_BY_CALLBACK;
            break;
        }
        int running = 0;
        if (curl_multi_perform(multi, &running) != CURLM_OK) {
            result = CURLE_RECV_ERROR;
            break;
        }
        if (running == 0) {
            int left = 0;
            result = CURLE_RECV_ERROR;
            while (CURLMsg *message = curl_multi_info_read(multi, &left)) {
                if (message->msg == CURLMSG_DONE && message->easy_handle == easy)
                    result = message->data.result;
            }
            break;
        }
        curl_multi_poll(multi, nullptr, 0, eventSliceMs, nullptr);
    }
    curl_multi_remove_handle(multi, easy);
    return result;
}

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

void applyCommonOptions(CURL *handle, const QString &user, const QString &password, const Timeouts &timeouts,
                        char *errorBuffer)
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
    curl_easy_setopt(handle, CURLOPT_TIMEOUT, timeouts.requestSeconds);
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
