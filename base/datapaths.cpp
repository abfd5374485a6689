#include "base/datapaths.h"

#include <QDir>
#include <QDirIterator>
#include <QFileInfo>

namespace DataPaths {

QString resolve(const QString &relativePath)
{
    // Paths written for Windows use backslashes.
    QString path = relativePath;
    path.replace(u'\\', u'/');
    if (path.isEmpty() || QFileInfo::exists(path))
        return path;
    const QStringList parts = path.split(u'/');
    QString resolved;
    bool matching = true;
    for (int i = 0; i < parts.size(); ++i) {
        const QString &part = parts.at(i);
        QString next = part;
        const QString base = resolved.isEmpty() ? QStringLiteral(".") : resolved;
        if (matching && !part.isEmpty() && part != u"." && part != u"..") {
            if (!QFileInfo::exists(base + u'/' + part)) {
                const QStringList entries = QDir(base).entryList(
                    QDir::AllEntries | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot);
                matching = false;
                for (const QString &entry : entries) {
                    if (entry.compare(part, Qt::CaseInsensitive) == 0) {
                        next = entry;
                        matching = true;
                        break;
                    }
                }
            }
        }
        if (i == 0 && path.startsWith(u'/'))
            resolved = QStringLiteral("/");
        else if (i == 0)
            resolved = next;
        else
            resolved = (resolved == u"/" ? resolved : resolved + u'/') + next;
    }
    return resolved;
}

bool exists(const QString &relativePath)
{
    return QFileInfo::exists(resolve(relativePath));
}

int countFiles(const QString &relativeDir)
{
    const QString dir = resolve(relativeDir);
    if (!QFileInfo(dir).isDir())
        return 0;
    int count = 0;
    QDirIterator it(dir, QDir::AllEntries | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot);
    while (it.hasNext()) {
        it.next();
        if (!it.fileInfo().isDir())
            ++count;
    }
    return count;
}

QString image(const QString &name)
{
    return resolve(imagesDir + u'/' + name + QStringLiteral(".png"));
}

} // namespace DataPaths
