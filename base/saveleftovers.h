#pragma once

#include <QStringList>

// A save that is killed between writing its temporary copy and renaming it leaves the copy beside
// the file: "Thabo.sav.CpHhxt". Such copies are removed when the program starts.
namespace SaveLeftovers {

// Whether `fileName`, lying in the data directory folder `folder` ("" for the data directory
// itself, "doc", "Questions"), is the temporary copy of a file this program saves there: the
// file's name, a dot and six letters.
bool isLeftover(const QString &folder, const QString &fileName);

// Removes the leftovers of the data directory and its "doc" and "Questions" folders; only plain
// files are touched. Call it only while no other copy of the program can be saving, that is while
// holding the program lock. Returns the relative paths removed.
QStringList remove();

} // namespace SaveLeftovers
