#include "signdesign.h"

#include <QFile>
#include <QTextStream>

bool readSignDesigns(const QString &path, QHash<QString, SignDesign> &designs, QString &error)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly | QIODevice::Text)) {
        error = QStringLiteral("cannot open %1: %2").arg(path, file.errorString());
        return false;
    }
    QTextStream in(&file);
    in.setEncoding(QStringConverter::Utf8);
    int lineNumber = 0;
    while (!in.atEnd()) {
        const QString line = in.readLine();
        ++lineNumber;
        if (line.trimmed().isEmpty() || line.startsWith(u'#'))
            continue;
        const QStringList fields = line.split(u'|');
        if (fields.size() != 5 || fields.at(0).isEmpty() || fields.at(1).isEmpty()) {
            error = QStringLiteral("%1:%2: expected id|family|symbols|text|caption").arg(path).arg(lineNumber);
            return false;
        }
        if (designs.contains(fields.at(0))) {
            error = QStringLiteral("%1:%2: identifier %3 appears twice").arg(path).arg(lineNumber).arg(fields.at(0));
            return false;
        }
        designs.insert(fields.at(0), SignDesign{fields.at(1), fields.at(2).split(u' ', Qt::SkipEmptyParts),
                                                fields.at(3), fields.at(4)});
    }
    return true;
}

QList<SignDesign> partSigns(const SignDesign &combination)
{
    QList<SignDesign> parts;
    for (const QString &item : combination.symbols.join(u' ').split(u'+', Qt::SkipEmptyParts)) {
        const QStringList f = item.split(u':');
        parts << SignDesign{f.value(0), f.value(1).split(u' ', Qt::SkipEmptyParts), f.value(2), {}};
    }
    return parts;
}
