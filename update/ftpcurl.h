#pragma once

#include <QByteArray>
#include <QString>
#include <curl/curl.h>

#include <functional>

// Pieces the FTP client and the program download share: the libcurl settings of every connection
// and the URLs that carry a server directory.
namespace FtpCurl {

// libcurl wants one global initialisation before the first handle.
void ensureGlobalInit();

// The server directory reached by changing from `current` to `dir`. An empty result stands for
// the directory the server puts the account in at log-in; a leading slash makes a path absolute.
QString joinDir(const QString &current, const QString &dir);

// The URL of `file` in the server directory `dir` (as joinDir returns it), or of the directory
// itself when `file` is empty. Absolute directories begin with %2F so that libcurl starts from
// the server's root and not from the log-in directory; every path part is percent-encoded, so
// blanks and other odd characters in a server file name survive.
QByteArray url(const QString &host, quint16 port, const QString &dir, const QString &file = QString());

struct Timeouts {
    long connectSeconds = 15; // connect and log-in
    long readSeconds = 60;    // silence on the control or data connection
    // Whole-request limits, so that a server sending a byte now and then cannot hold a transfer
    // open for ever: a small file or a log-in step gets a fixed time, a large file that time and
    // what its size needs at the slowest speed still accepted.
    long requestSeconds = 30;
    long minBytesPerSecond = 4000;

    // The whole-request limit for a transfer of this many bytes.
    long limitFor(qint64 bytes) const;
};

// The largest text file (count, version or question file) the program fetches; anything bigger
// is not one of them.
inline constexpr qint64 maxTextFileBytes = 1024 * 1024;

// Settings of every connection: IPv4 only, no proxy, active data connections (the client opens
// the data port), one directory change per path, and the timeouts, so that no call hangs on a
// silent network.
void applyCommonOptions(CURL *handle, const QString &user, const QString &password, const Timeouts &timeouts,
                        char *errorBuffer);

// Runs one request on `easy` inside `multi` and lets the application handle its events between
// the network's steps, so the window repaints, its timers run and it can be closed meanwhile.
// `cancelled` is asked between steps; true ends the request with CURLE_ABORTED_BY_CALLBACK.
CURLcode performLive(CURLM *multi, CURL *easy, const std::function<bool()> &cancelled = {});

// A readable text for a failed call: libcurl's detailed message when it left one, else the
// general text of the code.
QString errorText(CURLcode code, const char *errorBuffer);

} // namespace FtpCurl
