#include "base/datapaths.h"

#include <QDateTime>
#include <QDir>
#include <QDirIterator>
#include <QFileInfo>
#include <QHash>

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
                const QStringList entries =
                    QDir(base).entryList(QDir::AllEntries | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot);
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
    const QFileInfo dir(resolve(relativeDir));
    if (!dir.isDir())
        return 0;
    // Listing the question folder took more than the rest of a question step, and every step
    // counts it. A directory's modification time changes whenever an entry is added or removed,
    // so an unchanged time keeps the last count; but a change within the same clock tick as the
    // time recorded would leave it unchanged, so a directory changed in the last two seconds is
    // always listed afresh.
    struct Listing {
        qint64 modified;
        int count;
    };
    static QHash<QString, Listing> listings;
    const QString key = dir.absoluteFilePath();
    const qint64 modified = dir.lastModified().toMSecsSinceEpoch();
    const auto known = listings.constFind(key);
    if (known != listings.cend() && known->modified == modified)
        return known->count;

    int count = 0;
    QDirIterator it(dir.filePath(), QDir::AllEntries | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot);
    while (it.hasNext()) {
        it.next();
        if (!it.fileInfo().isDir())
            ++count;
    }
    if (QDateTime::currentMSecsSinceEpoch() - modified >= 2000)
        listings.insert(key, {modified, count});
    else
        listings.remove(key);
    return count;
}

bool holdsFiles(const QString &relativeDir)
{
    QDirIterator it(resolve(relativeDir), QDir::AllEntries | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot);
    while (it.hasNext()) {
        it.next();
        if (!it.fileInfo().isDir())
            return true;
    }
    return false;
}

bool isSpecialFile(const QString &path)
{
    const QFileInfo info(path);
    return info.exists() && !info.isFile();
}

QString image(const QString &name)
{
    return resolve(imagesDir + u'/' + name + QStringLiteral(".png"));
}

} // namespace DataPaths
