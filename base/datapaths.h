#pragma once

#include <QString>

// Paths of the data directory (the working directory). Data files were authored on a system that
// ignores letter case ("Doc" and "doc", "images\TL.png"), so a path whose exact spelling does not
// exist is matched component by component without regard to case.
namespace DataPaths {

inline const QString questionsDir = QStringLiteral("Questions");
inline const QString docDir = QStringLiteral("doc");
inline const QString imagesDir = QStringLiteral("images");
inline const QString advertsDir = QStringLiteral("adds");

inline const QString versionFile = QStringLiteral("doc/ver.txt");
inline const QString serverVersionFile = QStringLiteral("doc/tempver.txt");
inline const QString questionCountFile = QStringLiteral("doc/qcount.txt");
inline const QString questionCountTempFile = QStringLiteral("doc/qcounttmp.txt");
inline const QString maxCountFile = QStringLiteral("doc/maxcount.lrn");

// The path as it lies on disk: the exact spelling when it exists, else the first entry of each
// directory that matches without regard to case; components that match nothing stay as given.
QString resolve(const QString &relativePath);

// resolve() followed by an existence test.
bool exists(const QString &relativePath);

// Entries of a directory that are not directories themselves (hidden and system files count);
// 0 when the directory is missing. A file added or removed counts at once: the count is listed
// afresh unless the directory is unchanged since an earlier listing.
int countFiles(const QString &relativeDir);
// Whether countFiles() would be above 0, found without listing the whole directory.
bool holdsFiles(const QString &relativeDir);

// Whether something other than a plain file (a FIFO, a device, a directory) lies at the path.
// Such entries are never opened for reading: opening a FIFO waits for a writer that may never come.
bool isSpecialFile(const QString &path);

// "images/" + name + ".png", resolved.
QString image(const QString &name);

} // namespace DataPaths
