#include "update/updater/executableformat.h"

#include <QFile>

namespace ExecutableFormat {

namespace {

constexpr qint64 headerBytes = 4096;

QByteArray header(const QString &path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return {};
    return file.read(headerBytes);
}

quint32 littleEndian32(const QByteArray &bytes, qsizetype at)
{
    quint32 value = 0;
    for (int i = 3; i >= 0; --i)
        value = (value << 8) | static_cast<quint8>(bytes.at(at + i));
    return value;
}

// What makes two executables the same kind, or empty for a header that is no executable:
// for ELF the class, byte order and machine fields of a program (type 2) or position-independent
// program (type 3); for PE the machine field of the header that e_lfanew points at.
QByteArray kindOf(const QByteArray &h)
{
    if (h.size() >= 20 && h.startsWith("\x7f"
                                       "ELF")) {
        const bool bigEndian = h.at(5) == 2;
        const int type = static_cast<quint8>(h.at(bigEndian ? 17 : 16));
        if (type != 2 && type != 3)
            return {};
        return "ELF" + h.mid(4, 2) + h.mid(18, 2);
    }
    if (h.size() >= 64 && h.startsWith("MZ")) {
        const quint32 offset = littleEndian32(h, 60);
        if (offset + 6 <= static_cast<quint32>(h.size()) && h.mid(offset, 4) == QByteArray("PE\0\0", 4))
            return "PE" + h.mid(offset + 4, 2);
    }
    return {};
}

} // namespace

QString problem(const QString &candidate, const QString &reference)
{
    const QByteArray h = header(candidate);
    if (h.isEmpty())
        return QStringLiteral("%1 is empty or cannot be read.").arg(candidate);
#ifndef Q_OS_WIN
    if (h.startsWith("#!") && h.contains('\n'))
        return {};
#endif
    const QByteArray kind = kindOf(h);
    if (kind.isEmpty())
        return QStringLiteral("%1 is not a program.").arg(candidate);
    if (kind != kindOf(header(reference)))
        return QStringLiteral("%1 is a program for another kind of computer.").arg(candidate);
    return {};
}

} // namespace ExecutableFormat
