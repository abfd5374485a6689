#pragma once

#include <QString>
#include <QStringList>

// The three courses. The course code is "hv", "lv" or "m"; the course selection is the item index
// of RadioGroup1, whose items are "hv", "lv", "m" in that order.
namespace Course {

inline const QString heavy = QStringLiteral("hv");
inline const QString light = QStringLiteral("lv");
inline const QString motorcycle = QStringLiteral("m");

// Item index of the course code in RadioGroup1; -1 for any other text.
int indexOfCode(const QString &code);
// Course code of an item index; empty for -1 and anything out of range.
QString codeOfIndex(int index);

// The main menu's course icons for a selected course (item index): the pictures ("images/<name>.png")
// of the light, heavy and motorcycle icons, the chosen course's selected and the others plain.
// Empty for an index out of range.
QStringList iconPictures(int index);
// Every icon picture any selection can show.
QStringList allIconPictures();

} // namespace Course
