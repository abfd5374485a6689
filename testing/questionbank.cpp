#include "testing/questionbank.h"

#include "base/course.h"
#include "base/datapaths.h"
#include "base/dataerror.h"
#include "base/linelistfile.h"
#include "base/safename.h"

#include <QFileInfo>

#include <limits>

namespace QuestionBank {

int CountFiles()
{
    return DataPaths::countFiles(DataPaths::questionsDir);
}

bool HasFiles()
{
    // The first question's file settles it in one look; only a bank without it is listed.
    if (QFileInfo(fileName(1)).isFile())
        return true;
    return DataPaths::holdsFiles(DataPaths::questionsDir);
}

QString fileName(int number)
{
    return DataPaths::questionsDir + u'/' + QString::number(number) + QStringLiteral(".lrn");
}

std::optional<QStringList> load(int number)
{
    const QString path = DataPaths::resolve(fileName(number));
    const QFileInfo info(path);
    if (!info.exists() || info.isDir())
        return std::nullopt;
    QStringList lines = LineListFile::read(path);
    if (lines.size() < LineCount)
        throw DataError(QStringLiteral("The question file \"%1\" is damaged: it holds %2 of its %3 lines.")
                            .arg(fileName(number))
                            .arg(lines.size())
                            .arg(int(LineCount)));
    return lines;
}

int AnswerFlags::forOption(int option) const
{
    switch (option) {
    case 1:
        return a;
    case 2:
        return b;
    case 3:
        return c;
    case 4:
        return d;
    default:
        return 0;
    }
}

AnswerFlags answerFlags(const QString &key)
{
    AnswerFlags flags;
    if (key == u"a1")
        flags.a = 1;
    else if (key == u"b1")
        flags.b = 1;
    else if (key == u"c1")
        flags.c = 1;
    else if (key == u"d1")
        flags.d = 1;
    return flags;
}

std::optional<QString> sectionTypeText(const QString &sectionCode)
{
    if (sectionCode == u"1")
        return QStringLiteral("Question type: Road Rules");
    if (sectionCode == u"2")
        return QStringLiteral("Question type: Vehicle Controls");
    if (sectionCode == u"3")
        return QStringLiteral("Question type: Road Signs");
    return std::nullopt;
}

PictureKind pictureKind(const QString &code)
{
    if (code == u"0")
        return PictureKind::Neutral;
    if (code == Course::motorcycle)
        return PictureKind::MotorcycleDiagram;
    if (code == Course::light)
        return PictureKind::LightVehicleDiagram;
    return PictureKind::File;
}

QString picturePath(const QString &code)
{
    if (!fileNameProblem(code, QStringLiteral(".png")).isEmpty())
        return {};
    return DataPaths::image(code);
}

Step nextQuestionNumber(int current, const QString &courseCode)
{
    // The number has no bounds of its own; at the top of the integer range it stays put.
    Step step{current < std::numeric_limits<int>::max() ? current + 1 : current, {}};
    const bool motorcycleCourse = courseCode == Course::motorcycle;
    if (!motorcycleCourse && courseCode != Course::light && courseCode != Course::heavy)
        return step;
    for (const ReservedRange &range : reservedRanges) {
        if (range.motorcycle == motorcycleCourse || step.number != range.first)
            continue;
        const QString kind = range.motorcycle ? QStringLiteral("Motor Cycle") : QStringLiteral("Motor Vehicle");
        step = {range.last + 1, QStringLiteral("Skipped %1 %2 Questions").arg(range.last - range.first + 1).arg(kind)};
    }
    return step;
}

} // namespace QuestionBank
