#include "update/fmtfilesize.h"

#include <QLocale>

namespace {
QString twoDecimals(double value)
{
    // Plain digits and no thousands grouping, only the separator follows the locale.
    QString text = QString::number(value, 'f', 2);
    text.replace(u'.', QLocale().decimalPoint());
    return text;
}
} // namespace

QString FmtFileSize(qint32 size)
{
    if (size >= 1000000)
        return twoDecimals(size / 1000000.0) + QStringLiteral(" Mb");
    if (size >= 1000)
        return twoDecimals(size / 1000.0) + QStringLiteral(" Kb");
    return QString::number(size) + QStringLiteral(" bytes");
}
