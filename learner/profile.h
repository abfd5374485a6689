#pragma once

#include <QString>
#include <QStringList>

// The learner profile "<name>.sav" in the data directory: name, practice question number, course.
namespace Profile {

enum Line { NameLine = 0, QuestionLine = 1, CourseLine = 2, LineCount = 3 };

QStringList newProfile(const QString &name);

// Empty when the name can name the learner's files ("<name>.sav" and the rest), else why not in
// plain words. Nothing is read or written for a name with a problem.
QString nameProblem(const QString &name);

// The profile file as it lies in the data directory. The data files come from a system that
// ignores letter case, so a profile of the same name in another case is this learner's.
QString path(const QString &name);
bool exists(const QString &name);

// Reads or writes (atomically) the learner's profile; DataError naming the file when that fails.
QStringList read(const QString &name);
void write(const QString &name, const QStringList &lines);

// Puts the course code or the question number into the profile's lines; a short profile gets the
// missing lines empty first.
void setCourse(QStringList &lines, const QString &code);
void setQuestionNumber(QStringList &lines, int number);

// The number a returning learner's walk restarts from: the stored number less two (a text that is
// not a number reads as 0). The restore's own advance and the next "Learners Questions" each add one.
int resumeNumber(const QString &storedNumber);

} // namespace Profile
