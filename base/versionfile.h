#pragma once

#include <QString>
#include <QStringList>

// The installed version is line 0 of doc/ver.txt; an update check leaves the server's version as
// line 0 of doc/tempver.txt. A program build is "Tarmika" + version + ".exe", on the server and
// in the data directory. Paths are resolved without regard to letter case; dataDir empty means
// the working directory.
namespace VersionFile {

// The version a data directory without a usable version file has.
inline const QString defaultVersion = QStringLiteral("1001");
// The longest version text the caption shows.
inline constexpr int maxCaptionVersion = 32;

QString installedPath(const QString &dataDir = QString());
QString offeredPath(const QString &dataDir = QString());

// Fills lines with the installed version file. A missing file, or one that holds no line, gets the
// default version, written back (the doc folder made first), so the program always has a version.
// Throws DataError when the file cannot be read or written; lines then hold the default or nothing.
void loadInstalled(QStringList &lines, const QString &dataDir = QString());

// Writes version as the installed version.
void recordInstalled(const QString &version, const QString &dataDir = QString());

// Exact text: any difference, a lower version or a trailing blank too, is an update.
bool isUpdate(const QString &installed, const QString &offered);

QString buildName(const QString &version);

// Empty when the build name of this version is a plain file name in the data directory, else why
// not. The version text comes from the server, so it must not lead a write anywhere else.
QString buildNameProblem(const QString &version);

// "Tarmika V " and line 0 of the version file. A damaged file may hold anything, so the caption
// shows only a short start of the line; the update check still compares the whole line.
QString caption(const QStringList &lines);

} // namespace VersionFile
