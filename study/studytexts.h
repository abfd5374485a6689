#pragma once

#include <QString>
#include <QStringList>

// The fixed study texts and topic titles, compiled into the program: one paragraph (or one
// title) per line, kept in "<set>.txt" and "<set>_titles.txt" in the same order.
namespace StudyTexts {

inline const QString cardinal = QStringLiteral("cardinal");
inline const QString driving = QStringLiteral("driving");
inline const QString responsibilities = QStringLiteral("responsibilities");
inline const QString driverules = QStringLiteral("driverules");
inline const QString learners = QStringLiteral("learners");

QStringList titles(const QString &set);
QStringList texts(const QString &set);

} // namespace StudyTexts

// Which picture each topic of the two illustrated rule pages shows: "images/" + name + ".png".
// Every topic row has one; several topics share a picture.
namespace RulePictureTables {

QStringList cardinal();
QStringList responsibilities();

} // namespace RulePictureTables
