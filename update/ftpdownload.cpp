#include "update/ftpdownload.h"

#include "base/dataerror.h"
#include "update/fmtfilesize.h"
#include "update/ftpcurl.h"

#include <QFileInfo>
#include <QSaveFile>

#include <limits>
#include <memory>

namespace {

constexpr long blockSize = 4096;

struct EasyDeleter {
    void operator()(CURL *h) const { curl_easy_cleanup(h); }
};
struct MultiDeleter {
    void operator()(CURLM *m) const { curl_multi_cleanup(m); }
};

struct Transfer {
    QSaveFile *file = nullptr;
    ProgressSink *progress = nullptr;
    qint64 received = 0;
    qint64 total = 0;
    bool writeFailed = false;
};

void report(ProgressSink &progress, qint64 received, qint64 total)
{
    progress.setPosition(downloadPercent(received, total));
    progress.setText(downloadProgressText(received, total));
}

size_t discard(char *, size_t size, size_t count, void *)
{
    return size * count;
}

size_t writeBlock(char *data, size_t size, size_t count, void *userData)
{
    auto *transfer = static_cast<Transfer *>(userData);
    const qint64 length = static_cast<qint64>(size * count);
    if (length > 0 && transfer->file->write(data, length) != length) {
        transfer->writeFailed = true;
        return 0;
    }
    transfer->received += length;
    report(*transfer->progress, transfer->received, transfer->total);
    return size * count;
}

// Runs one request and lets the application handle its events between the network's steps.
CURLcode runLive(CURLM *multi, CURL *easy, const ProgressSink &progress)
{
    return FtpCurl::performLive(multi, easy, [&progress] { return progress.cancelRequested(); });
}

qint32 displayedSize(qint64 size)
{
    return static_cast<qint32>(qBound(qint64(0), size, qint64(std::numeric_limits<qint32>::max())));
}

} // namespace

int downloadPercent(qint64 received, qint64 total)
{
    if (total <= 0)
        return 100;
    if (received <= 0)
        return 0;
    if (received >= total)
        return 100;
    const qint64 scaled = received * 100;
    qint64 percent = scaled / total;
    const qint64 twiceRest = 2 * (scaled % total);
    if (twiceRest > total || (twiceRest == total && percent % 2 == 1))
        ++percent;
    return static_cast<int>(percent);
}

QString downloadProgressText(qint64 received, qint64 total)
{
    return QStringLiteral("%1 of %2 / %3 %")
        .arg(FmtFileSize(displayedSize(received)), FmtFileSize(displayedSize(total)))
        .arg(downloadPercent(received, total));
}

DownloadResult FtpDownloadFile(const QString &host, const QString &user, const QString &password, quint16 port,
                               const QString &directory, const QString &fileName, const QString &localFile,
                               ProgressSink &progress, const FtpCurl::Timeouts &timeouts)
{
    FtpCurl::ensureGlobalInit();
    std::unique_ptr<CURL, EasyDeleter> easy(curl_easy_init());
    std::unique_ptr<CURLM, MultiDeleter> multi(curl_multi_init());
    if (!easy || !multi) {
        return {false, QStringLiteral("Unable to get access to WinInet.Dll")};
    }
    char errorBuffer[CURL_ERROR_SIZE] = {};
    CURL *h = easy.get();
    FtpCurl::applyCommonOptions(h, user, password, timeouts, errorBuffer);
    curl_easy_setopt(h, CURLOPT_TRANSFERTEXT, 0L);
    curl_easy_setopt(h, CURLOPT_BUFFERSIZE, blockSize);
    curl_easy_setopt(h, CURLOPT_WRITEFUNCTION, discard);
    curl_easy_setopt(h, CURLOPT_NOBODY, 1L);

    // Log in, enter the directory and look the file up as separate steps, each with its own
    // message; the connection carries over from one step to the next.
    curl_easy_setopt(h, CURLOPT_URL, FtpCurl::url(host, port, QString()).constData());
    if (runLive(multi.get(), h, progress) != CURLE_OK) {
        return {false, QStringLiteral("Host \"%1\" is not available").arg(host)};
    }
    const QString dir = FtpCurl::joinDir(QString(), directory);
    curl_easy_setopt(h, CURLOPT_URL, FtpCurl::url(host, port, dir).constData());
    if (runLive(multi.get(), h, progress) != CURLE_OK) {
        return {false, QStringLiteral("Cannot set directory to %1.").arg(directory)};
    }
    curl_easy_setopt(h, CURLOPT_URL, FtpCurl::url(host, port, dir, fileName).constData());
    if (runLive(multi.get(), h, progress) != CURLE_OK) {
        return {false, QStringLiteral("Cannot find file ") + fileName};
    }
    curl_off_t size = -1;
    curl_easy_getinfo(h, CURLINFO_CONTENT_LENGTH_DOWNLOAD_T, &size);
    // Without the server's size nothing tells a whole build from a cut-off one.
    if (size < 0)
        return {};

    // A read-only file of that name is not replaced, even for a user whose rights would allow it.
    const QFileInfo existing(localFile);
    if (existing.exists() && !(existing.permissions() & QFile::WriteOwner))
        return {};
    // Unbuffered, a disk that refuses a block says so at that block.
    QSaveFile file(localFile);
    if (!file.open(QIODevice::WriteOnly | QIODevice::Unbuffered))
        return {};
    Transfer transfer{&file, &progress, 0, size, false};
    curl_easy_setopt(h, CURLOPT_NOBODY, 0L);
    curl_easy_setopt(h, CURLOPT_TIMEOUT, timeouts.limitFor(size));
    curl_easy_setopt(h, CURLOPT_WRITEFUNCTION, writeBlock);
    curl_easy_setopt(h, CURLOPT_WRITEDATA, &transfer);
    const CURLcode result = runLive(multi.get(), h, progress);
    if (transfer.writeFailed)
        throw DataError(QStringLiteral("Cannot write %1: %2").arg(localFile, file.errorString()));
    // A transfer that broke off, or that brought less than the server listed, is not installed:
    // the temporary file is dropped and the old file of that name stays as it was.
    if (result != CURLE_OK || transfer.received != size)
        return {};
    report(progress, transfer.received, transfer.received);
    if (!file.commit())
        throw DataError(QStringLiteral("Cannot write %1: %2").arg(localFile, file.errorString()));
    // A disk that took fewer bytes than it was given leaves a short build, which must not count.
    if (QFileInfo(localFile).size() != size) {
        QFile::remove(localFile);
        throw DataError(QStringLiteral("Cannot write %1: the disk kept only part of it.").arg(localFile));
    }
    return {true, {}};
}
