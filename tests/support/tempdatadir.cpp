#include "tests/support/tempdatadir.h"

#include <QFile>
#include <QFileInfo>
#include <QImage>
#include <QtTest>

TempDataDir::TempDataDir() : m_previous(QDir::currentPath())
{
    QVERIFY2(m_dir.isValid(), "cannot create a temporary directory");
    QDir::setCurrent(m_dir.path());
}

TempDataDir::~TempDataDir()
{
    QDir::setCurrent(m_previous);
}

void TempDataDir::writeBytes(const QString &relative, const QByteArray &bytes) const
{
    const QString path = filePath(relative);
    QDir().mkpath(QFileInfo(path).absolutePath());
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate))
        qFatal("cannot write %s", qPrintable(path));
    file.write(bytes);
}

void TempDataDir::writeLines(const QString &relative, const QStringList &lines) const
{
    QByteArray bytes;
    for (const QString &line : lines)
        bytes += line.toUtf8() + "\r\n";
    writeBytes(relative, bytes);
}

QByteArray TempDataDir::readBytes(const QString &relative) const
{
    QFile file(filePath(relative));
    if (!file.open(QIODevice::ReadOnly))
        return {};
    return file.readAll();
}

QStringList TempDataDir::readLines(const QString &relative) const
{
    QString text = QString::fromUtf8(readBytes(relative));
    if (text.isEmpty())
        return {};
    if (!text.endsWith(QStringLiteral("\r\n")))
        return {QStringLiteral("<no CRLF at end>"), text};
    text.chop(2);
    return text.split(QStringLiteral("\r\n"));
}

bool TempDataDir::exists(const QString &relative) const
{
    return QFileInfo::exists(filePath(relative));
}

void TempDataDir::mkdir(const QString &relative) const
{
    QDir(m_dir.path()).mkpath(relative);
}

void TempDataDir::writeQuestion(int number, const QString &key, const QString &section, const QString &picture) const
{
    const QString n = QString::number(number);
    writeLines(QStringLiteral("Questions/") + n + QStringLiteral(".lrn"),
               {QStringLiteral("Question ") + n, QStringLiteral("A. first ") + n, QStringLiteral("B. second ") + n,
                QStringLiteral("C. third ") + n, QStringLiteral("1. one ") + n, QStringLiteral("2. two ") + n,
                QStringLiteral("3. three ") + n, QStringLiteral("4. four ") + n, key, section, picture});
}

void TempDataDir::writeBank(int size) const
{
    for (int n = 1; n <= size; ++n)
        writeQuestion(n);
}

void TempDataDir::writePictures(const QStringList &names) const
{
    mkdir(QStringLiteral("images"));
    int hue = 0;
    for (const QString &name : names) {
        QImage image(8, 8, QImage::Format_RGB32);
        image.fill(QColor::fromHsv(hue, 255, 255));
        hue += 40;
        if (!image.save(filePath(QStringLiteral("images/%1.png").arg(name))))
            qFatal("cannot write the picture %s", qPrintable(name));
    }
}

void TempDataDir::writeProgress(const QString &name, const QStringList &scores) const
{
    writeLines(QStringLiteral("doc/%1.lrn").arg(name), QStringList{name} + scores);
}
