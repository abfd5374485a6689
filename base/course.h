#pragma once

#include <QString>

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

} // namespace Course
