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
    if ((name + suffix).toUtf8().size() > 255)
        return QStringLiteral("The name is too long for a file name.");
    return {};
}
