#include "base/linelistfile.h"

#include "base/dataerror.h"
#include "base/datapaths.h"
#include "base/windows1252.h"

#include <QFile>
#include <QSaveFile>
#include <QStringDecoder>

#include <cerrno>
#ifdef Q_OS_UNIX
#include <unistd.h>
#endif

namespace {

QString fromWindows1252(const QByteArray &bytes)
{
    QString text;
    text.reserve(bytes.size());
    for (char ch : bytes)
        text.append(QChar(Windows1252::toUnicode(static_cast<unsigned char>(ch))));
    return text;
}

QString decodeText(const QByteArray &bytes)
{
    if (bytes.startsWith("\xEF\xBB\xBF"))
        return QString::fromUtf8(bytes.mid(3));
    if (bytes.startsWith("\xFF\xFE")) {
        QStringDecoder decoder(QStringDecoder::Utf16LE);
        return decoder.decode(bytes.mid(2));
    }
    if (bytes.startsWith("\xFE\xFF")) {
        QStringDecoder decoder(QStringDecoder::Utf16BE);
        return decoder.decode(bytes.mid(2));
    }
    QStringDecoder utf8(QStringDecoder::Utf8, QStringDecoder::Flag::Stateless);
    QString text = utf8.decode(bytes);
    if (!utf8.hasError())
        return text;
    return fromWindows1252(bytes);
}

bool syncToDisk(QSaveFile &file)
{
#ifdef Q_OS_UNIX
    return ::fsync(file.handle()) == 0;
#else
    // Elsewhere the commit's own flush to disk is all there is; its result cannot be seen.
    Q_UNUSED(file);
    return true;
#endif
}

} // namespace

namespace LineListFile {

QStringList decode(const QByteArray &bytes)
{
    const QString text = decodeText(bytes);
    QStringList lines;
    qsizetype start = 0;
    const qsizetype size = text.size();
    for (qsizetype i = 0; i < size; ++i) {
        const QChar ch = text.at(i);
        if (ch == u'\r' || ch == u'\n') {
            lines.append(text.mid(start, i - start));
            if (ch == u'\r' && i + 1 < size && text.at(i + 1) == u'\n')
                ++i;
            start = i + 1;
        }
    }
    if (start < size)
        lines.append(text.mid(start));
    return lines;
}

QByteArray encode(const QStringList &lines)
{
    QByteArray bytes;
    for (const QString &line : lines) {
        bytes.append(line.toUtf8());
        bytes.append("\r\n");
    }
    return bytes;
}

QStringList read(const QString &path)
{
    if (DataPaths::isSpecialFile(path))
        throw DataError(QStringLiteral("Cannot open file \"%1\". It is not a plain file.").arg(path));
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        throw DataError(QStringLiteral("Cannot open file \"%1\". %2").arg(path, file.errorString()));
    return decode(file.readAll());
}

void write(const QString &path, const QStringList &lines)
{
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly))
        throw DataError(QStringLiteral("Cannot create file \"%1\". %2").arg(path, file.errorString()));
    const QByteArray bytes = encode(lines);
    // QSaveFile::commit flushes its buffer without looking at the result, so on a full disk it
    // would put an empty file in place of the old one and report success. Every step is checked
    // here first, and the bytes are on the disk before the rename makes them the file.
    QString failure;
    if (file.write(bytes) != bytes.size() || !file.flush())
        failure = file.errorString();
    else if (!syncToDisk(file))
        failure = qt_error_string(errno);
    if (!failure.isEmpty()) {
        file.cancelWriting();
        throw DataError(QStringLiteral("Cannot write file \"%1\". %2").arg(path, failure));
    }
    if (!file.commit())
        throw DataError(QStringLiteral("Cannot write file \"%1\". %2").arg(path, file.errorString()));
}

const QString &lineAt(const QStringList &lines, int index, const QString &fileName)
{
    if (index < 0 || index >= lines.size())
        throw DataError(
            QStringLiteral("\"%1\" has no line %2 (it holds %3 lines).").arg(fileName).arg(index).arg(lines.size()));
    return lines.at(index);
}

} // namespace LineListFile
