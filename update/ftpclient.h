#pragma once

#include "base/dataerror.h"
#include "update/ftpcurl.h"

#include <QString>

#include <functional>

struct FtpGetTarget;

// A failed FTP call. It is an error of the program's general kind, so a handler guard shows its
// text when nothing catches it sooner.
class FtpError : public DataError {
public:
    using DataError::DataError;
};

// The FTP client of the question and version downloads. One libcurl handle per client keeps the
// connection, and the server directory that ChangeDir entered, from one call to the next. Every
// call returns only when it is done, but lets the application handle its events meanwhile, so
// the window stays live; the caller keeps a second call from starting then. Failures throw
// FtpError.
class FtpClient {
public:
    explicit FtpClient(const QString &host = QString(), quint16 port = 21);
    ~FtpClient();
    FtpClient(const FtpClient &) = delete;
    FtpClient &operator=(const FtpClient &) = delete;

    void setHost(const QString &host) { m_host = host; }
    void setPort(quint16 port) { m_port = port; }
    void setUser(const QString &user) { m_user = user; }
    void setPassword(const QString &password) { m_password = password; }
    void setTimeouts(const FtpCurl::Timeouts &timeouts) { m_timeouts = timeouts; }
    const FtpCurl::Timeouts &timeouts() const { return m_timeouts; }
    // Asked while a call waits; true ends the call with an FtpError and drops the connection.
    void setCancelCheck(std::function<bool()> cancelled) { m_cancelled = std::move(cancelled); }
    QString host() const { return m_host; }
    quint16 port() const { return m_port; }

    // Connects and logs in with the host, port, user and password set now. A connection that is
    // already open is closed first, so the session always uses the latest settings.
    void Connect();

    // Changes the server's working directory (CWD); a relative directory is taken from the
    // current one. Needs a connection.
    void ChangeDir(const QString &dir);

    // Fetches a file of the current server directory (RETR) in ASCII type into localFile. Refuses
    // an existing local file with "Destination file already exists." unless mayOverwrite or
    // resume is set; resume continues an existing local file from its end. The file must be a
    // text file of at most FtpCurl::maxTextFileBytes whose size the server tells (SIZE); it counts only
    // when that many bytes arrived and all of them are on the local disk, and the local file is
    // written only then. Needs a connection.
    void Get(const QString &remoteName, const QString &localFile, bool mayOverwrite = false, bool resume = false);

    // True from a successful Connect until Disconnect or a failure that lost the connection.
    bool Connected() const { return m_connected; }

    // Closes the connection; harmless when it is already closed.
    void Disconnect();

    // The server directory later calls work in; empty for the log-in directory.
    QString currentDir() const { return m_dir; }

private:
    CURL *handle();
    // One request on the kept handle: without a target only the log-in and the directory change
    // (and the size of the file, when one is named, in binary type) run; with one the file is
    // transferred.
    void perform(const QString &dir, const QString &file, FtpGetTarget *target = nullptr, qint64 resumeFrom = 0);
    qint64 serverSize(const QString &remoteName);
    void requireConnection() const;
    void drop();

    QString m_host;
    quint16 m_port;
    QString m_user;
    QString m_password;
    FtpCurl::Timeouts m_timeouts;
    QString m_dir;
    bool m_connected = false;
    CURL *m_handle = nullptr;
    // The connection lives in the multi handle's cache between calls.
    CURLM *m_multi = nullptr;
    std::function<bool()> m_cancelled;
    char m_errorBuffer[CURL_ERROR_SIZE] = {};
};
