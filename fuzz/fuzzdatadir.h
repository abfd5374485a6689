#pragma once

#include <QByteArray>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QString>
#include <QTemporaryDir>

#include <cstdlib>

// The data directory the file-reading targets work in. The readers resolve their paths against the
// working directory, so each input runs inside a temporary directory; the fuzzer's own directory
// is restored afterwards because libFuzzer reads and writes corpus files by relative path.
class FuzzDataDir {
public:
    FuzzDataDir() : m_previous(QDir::currentPath())
    {
        if (!dir().isValid() || !QDir::setCurrent(dir().path()))
            std::abort();
    }
    ~FuzzDataDir() { QDir::setCurrent(m_previous); }
    FuzzDataDir(const FuzzDataDir &) = delete;
    FuzzDataDir &operator=(const FuzzDataDir &) = delete;

    // Replaces a file of the data directory with the input, raw.
    void put(const QString &relative, const QByteArray &bytes) const
    {
        const QString path = dir().filePath(relative);
        QDir().mkpath(QFileInfo(path).path());
        QFile file(path);
        if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate) || file.write(bytes) != bytes.size())
            std::abort();
    }

private:
    static const QTemporaryDir &dir()
    {
        static const QTemporaryDir directory;
        return directory;
    }

    QString m_previous;
};
