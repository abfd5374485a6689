#pragma once

#include <QByteArray>
#include <QDir>
#include <QString>
#include <QStringList>
#include <QTemporaryDir>

// A fresh, empty data directory that is the working directory while the object lives.
class TempDataDir {
public:
    TempDataDir();
    ~TempDataDir();
    TempDataDir(const TempDataDir &) = delete;
    TempDataDir &operator=(const TempDataDir &) = delete;

    QString path() const { return m_dir.path(); }
    QString filePath(const QString &relative) const { return m_dir.filePath(relative); }

    // Writes a file (creating its folders) with raw bytes, or with lines joined by CRLF.
    void writeBytes(const QString &relative, const QByteArray &bytes) const;
    void writeLines(const QString &relative, const QStringList &lines) const;
    QByteArray readBytes(const QString &relative) const;
    // Split on CRLF, no trailing empty line; a file whose last line has no CRLF reads as a marker
    // line followed by its whole text, so a test sees a missing line end.
    QStringList readLines(const QString &relative) const;
    bool exists(const QString &relative) const;
    void mkdir(const QString &relative) const;

    // Writes a question file with eleven lines: key, section and picture code as given.
    void writeQuestion(int number, const QString &key = QStringLiteral("a1"),
                       const QString &section = QStringLiteral("1"),
                       const QString &picture = QStringLiteral("0")) const;
    // Questions 1 .. size, each as writeQuestion writes it.
    void writeBank(int size) const;
    // Small pictures "images/<name>.png", each a different colour.
    void writePictures(const QStringList &names) const;
    // A learner's progress file: the name, then the scores.
    void writeProgress(const QString &name, const QStringList &scores) const;

private:
    QTemporaryDir m_dir;
    QString m_previous;
};
