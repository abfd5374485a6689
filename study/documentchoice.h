#pragma once

#include <QString>

// Which rich-text document each document entry of the main menu shows. Course selections are the
// item indexes of the course selector: 0 heavy motor vehicle, 1 light motor vehicle, 2 motorcycle.
namespace DocumentChoice {

inline const QString introduction = QStringLiteral("doc/Introduction to the Learner.rtf");

// The exterior inspection of the course; empty when no course is selected.
QString exteriorInspection(int courseSelection);

// The interior inspection: one document for both motor vehicle courses, none for the motorcycle.
QString interiorInspection(int courseSelection);

} // namespace DocumentChoice
