#pragma once

#include <QByteArray>
#include <QString>

// The one FTP account every update comes from.
struct UpdateServer {
    QString host;
    quint16 port = 21;
    QString user;
    QString password;
    QString questionDir;   // qcount.txt and the question files 1.lrn .. N.lrn
    QString programDir;    // ver.txt and the program builds "Tarmika" + version + ".exe"
    QByteArray trustedKey; // the public key a build's signature must be made with
};

// The compiled-in update server (host and port come from the build configuration).
UpdateServer defaultServer();

// The same account on another host and port: tests point the program at their own server.
UpdateServer serverAt(const QString &host, quint16 port);
