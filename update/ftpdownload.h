#pragma once

#include "update/ftpcurl.h"

#include <QString>

#include <functional>

// Where the program download shows its progress: the panel's progress bar and progress label.
class ProgressSink {
public:
    virtual ~ProgressSink() = default;
    virtual void setPosition(int percent) = 0; // 0..100
    virtual void setText(const QString &text) = 0;
    // Asked between blocks; true ends the download with a false result and no local file.
    virtual bool cancelRequested() const { return false; }
};

// A ProgressSink made of functions; any of them may be empty.
class FunctionProgressSink : public ProgressSink {
public:
    std::function<void(int)> position;
    std::function<void(const QString &)> text;
    std::function<bool()> cancel;

    void setPosition(int percent) override
    {
        if (position)
            position(percent);
    }
    void setText(const QString &value) override
    {
        if (text)
            text(value);
    }
    bool cancelRequested() const override { return cancel && cancel(); }
};

// received × 100 ÷ total, rounded to the nearest whole number (halves to even), held within
// 0..100. An empty file counts as complete.
int downloadPercent(qint64 received, qint64 total);

// "409.60 Kb of 2.05 Mb / 20 %": the progress line of one block.
QString downloadProgressText(qint64 received, qint64 total);

// Downloads fileName from the server directory into localFile in binary type, in blocks of
// 4096 bytes, and reports the progress after every block. The application's events are handled
// while it waits, so the window stays live; the caller must keep the sink alive and keep a second
// download of the same file from starting meanwhile.
//
// True when the whole file arrived and is in place. A host that cannot be reached or refuses the
// log-in, a directory that cannot be entered and a file that cannot be found come with the message
// the user is to be shown; a transfer that cannot start or breaks off part-way, a local file that
// cannot be created, and a cancel fail without one. localFile appears
// only when the download succeeded (it replaces a file of that name); until then the bytes go to
// a temporary file beside it. Throws DataError when the local disk refuses the data.
// The timeouts bound each wait on the server, as they do for the FTP client.
struct DownloadResult {
    bool done = false;
    QString message;
    explicit operator bool() const { return done; }
};

DownloadResult FtpDownloadFile(const QString &host, const QString &user, const QString &password, quint16 port,
                               const QString &directory, const QString &fileName, const QString &localFile,
                               ProgressSink &progress, const FtpCurl::Timeouts &timeouts = FtpCurl::Timeouts());
