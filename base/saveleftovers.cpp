#include "base/saveleftovers.h"

#include "base/datapaths.h"
#include "base/safename.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QRegularExpression>

namespace SaveLeftovers {

namespace {

// The names of the files the program saves in each folder, without regard to letter case.
bool isSavedFile(const QString &folder, const QString &name)
{
    const auto is = [&](const QString &other) { return name.compare(other, Qt::CaseInsensitive) == 0; };
    if (folder.isEmpty()) {
        // Learner profiles, and the program build the update downloads.
        static const QRegularExpression build(QStringLiteral("^Tarmika.*\\.exe$"),
                                              QRegularExpression::CaseInsensitiveOption);
        if (name.endsWith(QStringLiteral(".sav"), Qt::CaseInsensitive))
            return fileNameProblem(name.chopped(4), QStringLiteral(".sav")).isEmpty();
        return build.match(name).hasMatch();
    }
    if (folder.compare(DataPaths::docDir, Qt::CaseInsensitive) == 0) {
        // Progress files and the section maximum file, and the version and count files.
        if (name.endsWith(QStringLiteral(".lrn"), Qt::CaseInsensitive))
            return name.size() > 4;
        for (const QString &path : {DataPaths::versionFile, DataPaths::serverVersionFile, DataPaths::questionCountFile,
                                    DataPaths::questionCountTempFile}) {
            if (is(QFileInfo(path).fileName()))
                return true;
        }
        return false;
    }
    if (folder.compare(DataPaths::questionsDir, Qt::CaseInsensitive) == 0) {
        static const QRegularExpression question(QStringLiteral("^[0-9]+\\.lrn$"),
                                                 QRegularExpression::CaseInsensitiveOption);
        return question.match(name).hasMatch();
    }
    return false;
}

} // namespace

bool isLeftover(const QString &folder, const QString &fileName)
{
    static const QRegularExpression temporary(QStringLiteral("^(.+)\\.[A-Za-z]{6}$"));
    const QRegularExpressionMatch match = temporary.match(fileName);
    return match.hasMatch() && isSavedFile(folder, match.captured(1));
}

QStringList remove()
{
    QStringList removed;
    for (const QString &folder : {QString(), DataPaths::docDir, DataPaths::questionsDir}) {
        const QString dir = folder.isEmpty() ? QStringLiteral(".") : DataPaths::resolve(folder);
        // Symbolic links are not listed: a link is never a save's own copy.
        const QStringList entries = QDir(dir).entryList(QDir::Files | QDir::Hidden | QDir::NoSymLinks);
        for (const QString &entry : entries) {
            const QString path = folder.isEmpty() ? entry : dir + u'/' + entry;
            if (isLeftover(folder, entry) && QFile::remove(path))
                removed.append(path);
        }
    }
    return removed;
}

} // namespace SaveLeftovers
