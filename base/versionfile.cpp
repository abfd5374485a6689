#include "base/versionfile.h"

#include "base/datapaths.h"
#include "base/linelistfile.h"
#include "base/safename.h"

#include <QDir>
#include <QFileInfo>

namespace VersionFile {
namespace {
QString inDataDir(const QString &dataDir, const QString &relativePath)
{
    return DataPaths::resolve(dataDir.isEmpty() ? relativePath : QDir(dataDir).filePath(relativePath));
}
} // namespace

QString installedPath(const QString &dataDir)
{
    return inDataDir(dataDir, DataPaths::versionFile);
}
QString offeredPath(const QString &dataDir)
{
    return inDataDir(dataDir, DataPaths::serverVersionFile);
}

void loadInstalled(QStringList &lines, const QString &dataDir)
{
    lines.clear();
    const QString path = installedPath(dataDir);
    if (QFileInfo::exists(path))
        lines = LineListFile::read(path);
    if (!lines.isEmpty())
        return;
    lines = {defaultVersion};
    const QString docDir = inDataDir(dataDir, DataPaths::docDir);
    if (!QFileInfo::exists(docDir))
        QDir().mkdir(docDir);
    LineListFile::write(installedPath(dataDir), lines);
}

void recordInstalled(const QString &version, const QString &dataDir)
{
    LineListFile::write(installedPath(dataDir), {version});
}

bool isUpdate(const QString &installed, const QString &offered)
{
    return installed != offered;
}

QString buildName(const QString &version)
{
    return QStringLiteral("Tarmika") + version + QStringLiteral(".exe");
}

QString buildNameProblem(const QString &version)
{
    return fileNameProblem(buildName(version));
}

QString caption(const QStringList &lines)
{
    QString version = lines.value(0, defaultVersion);
    if (version.size() > maxCaptionVersion)
        version = version.left(maxCaptionVersion) + QStringLiteral("...");
    return QStringLiteral("Tarmika V ") + version;
}

} // namespace VersionFile
