#include "base/safename.h"

#include <QRegularExpression>

QString fileNameProblem(const QString &name, const QString &suffix)
{
    if (name.isEmpty())
        return QStringLiteral("The name is empty.");
    if (name == u"." || name == u"..")
        return QStringLiteral("\"%1\" cannot be used as a file name.").arg(name);
    for (const QChar ch : name) {
        if (ch.unicode() < 0x20 || ch.unicode() == 0x7F)
            return QStringLiteral("The name holds a control character.");
        if (QStringLiteral("/\\<>:\"|?*").contains(ch))
            return QStringLiteral("The name may not hold the character %1.").arg(ch);
    }
    // Device names of Windows are refused with or without an extension, in any letter case.
    static const QRegularExpression device(QStringLiteral("^(CON|PRN|AUX|NUL|COM[1-9]|LPT[1-9])(\\..*)?$"),
                                           QRegularExpression::CaseInsensitiveOption);
    if (device.match(name).hasMatch())
        return QStringLiteral("\"%1\" is a reserved device name.").arg(name);
    // Every file is saved through a temporary copy whose name adds "." and six characters to the
    // file's name, and a file name holds at most 255 bytes.
    const qsizetype needed = (name + suffix).toUtf8().size() + saveTemporaryNameExtra;
    if (needed > 255)
        return QStringLiteral("The name is too long: saving its files needs file names of %1 bytes, "
                              "and a file name may hold at most 255.")
            .arg(needed);
    return {};
}
