#pragma once

#include <QString>
#include <QStringList>

// The learner profile "<name>.sav" in the data directory: name, practice question number, course.
namespace Profile {

enum Line { NameLine = 0, QuestionLine = 1, CourseLine = 2, LineCount = 3 };

QStringList newProfile(const QString &name);

// The number a returning learner's walk restarts from: the stored number less two (a text that is
// not a number reads as 0). The restore's own advance and the next "Learners Questions" each add one.
int resumeNumber(const QString &storedNumber);

} // namespace Profile
