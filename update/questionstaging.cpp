#include "update/questionstaging.h"

#include "base/dataerror.h"
#include "base/datapaths.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

namespace QuestionStaging {

void prepare()
{
    discard();
    if (!QDir().mkpath(dir) || !QFileInfo(dir).isDir())
        throw DataError(QStringLiteral("Cannot create the folder %1.").arg(dir));
}

QString filePath(int number)
{
    return dir + u'/' + QString::number(number) + QStringLiteral(".lrn");
}

bool holdsAll(int count)
{
    for (int n = count; n >= 1; --n) {
        const QFileInfo file(filePath(n));
        if (!file.isFile() || file.size() == 0)
            return false;
    }
    return count >= 1;
}

void install()
{
    QString bank = DataPaths::resolve(DataPaths::questionsDir);
    // The usual case, an empty bank folder, is replaced whole in one rename, so no moment exists
    // in which the bank holds only part of the files.
    if (QFileInfo(bank).isDir())
        QDir().rmdir(bank); // fails, and changes nothing, when the folder holds anything
    if (!QFileInfo::exists(bank)) {
        if (QDir().rename(dir, bank))
            return;
        if (!QDir().mkpath(bank))
            throw DataError(QStringLiteral("Cannot create the folder %1.").arg(bank));
    }
    QDir staging(dir);
    const QStringList names = staging.entryList(QDir::Files | QDir::Hidden | QDir::System);
    for (const QString &name : names) {
        const QString target = bank + u'/' + name;
        if (QFileInfo::exists(target) && !QFile::remove(target))
            throw DataError(QStringLiteral("Cannot replace %1.").arg(target));
        if (!QFile::rename(staging.filePath(name), target))
            throw DataError(QStringLiteral("Cannot move %1 into %2.").arg(name, bank));
    }
    discard();
}

void discard()
{
    QDir staging(dir);
    if (staging.exists())
        staging.removeRecursively();
}

} // namespace QuestionStaging
