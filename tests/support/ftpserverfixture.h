#pragma once

#include <QByteArray>
#include <QList>
#include <QPair>
#include <QProcess>
#include <QString>
#include <QStringList>
#include <QTemporaryDir>

// A real FTP server (pyftpdlib) on 127.0.0.1 for the length of a test, with the update account,
// a root folder holding public_html/questions and public_html/updates, and a log of every file
// fetched. The server stops when the fixture is destroyed.
class FtpServerFixture {
public:
    struct Options {
        // The account's password on the server; anything but the program's own makes its log-in
        // fail.
        QString password = QStringLiteral("T84QW7kp2");
        QStringList refuse;                    // file names answered with 550 on RETR
        QStringList stall;                     // file names whose RETR is never answered
        QList<QPair<QString, qint64>> drop;    // file names cut off after so many bytes
        QList<QPair<QString, qint64>> shorten; // sent only so far, then reported complete
        QStringList drip;                      // sent one byte a second
        QList<QPair<QString, qint64>> size;    // the size SIZE tells for these files
    };

    FtpServerFixture();
    explicit FtpServerFixture(const Options &options);
    ~FtpServerFixture();
    FtpServerFixture(const FtpServerFixture &) = delete;
    FtpServerFixture &operator=(const FtpServerFixture &) = delete;

    bool isRunning() const { return m_port != 0; }
    QString errorString() const { return m_error; }

    QString host() const { return QStringLiteral("127.0.0.1"); }
    quint16 port() const { return m_port; }
    static QString user() { return QStringLiteral("vomkaledtr"); }
    static QString password() { return QStringLiteral("T84QW7kp2"); }

    QString rootPath() const;
    // Puts a file on the server; serverPath is relative to the root ("public_html/updates/ver.txt").
    // A program build (".exe") gets its signature beside it, made with the development key that
    // the default build trusts, unless `sign` is false.
    void addFile(const QString &serverPath, const QByteArray &content, bool sign = true) const;
    // The server paths of all RETR commands so far, in order ("/public_html/questions/3.lrn").
    QStringList retrieved() const;
    // What the server wrote to its error output (its own log), for failure messages.
    QByteArray serverLog() const;

private:
    void start(const Options &options);

    QTemporaryDir m_dir;
    QProcess m_process;
    quint16 m_port = 0;
    QString m_error;
};

// A port on 127.0.0.1 that nothing listens on (bound and released again).
quint16 unusedLocalPort();
