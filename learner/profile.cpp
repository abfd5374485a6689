#include "learner/profile.h"

#include "base/course.h"
#include "base/datapaths.h"
#include "base/linelistfile.h"
#include "base/safename.h"

#include <QFileInfo>

#include <limits>

namespace Profile {
namespace {
const QString suffix = QStringLiteral(".sav");

void setLine(QStringList &lines, Line line, const QString &text)
{
    while (lines.size() <= line)
        lines.append(QString());
    lines[line] = text;
}
} // namespace

QStringList newProfile(const QString &name)
{
    return {name, QStringLiteral("1"), Course::light};
}

int resumeNumber(const QString &storedNumber)
{
    const int value = storedNumber.trimmed().toInt();
    return value < std::numeric_limits<int>::min() + 2 ? value : value - 2;
}

QString nameProblem(const QString &name)
{
    return fileNameProblem(name, suffix);
}

QString path(const QString &name)
{
    return DataPaths::resolve(name + suffix);
}

bool exists(const QString &name)
{
    return QFileInfo::exists(path(name));
}

QStringList read(const QString &name)
{
    return LineListFile::read(path(name));
}

void write(const QString &name, const QStringList &lines)
{
    LineListFile::write(path(name), lines);
}

void setCourse(QStringList &lines, const QString &code)
{
    setLine(lines, CourseLine, code);
}

void setQuestionNumber(QStringList &lines, int number)
{
    setLine(lines, QuestionLine, QString::number(number));
}

} // namespace Profile
