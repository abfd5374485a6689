#include "testing/progressrecords.h"

#include "base/dataerror.h"
#include "base/datapaths.h"
#include "base/linelistfile.h"
#include "base/safename.h"

#include <QDir>
#include <QFileInfo>

namespace ProgressRecords {

namespace {

const QString zero = QStringLiteral("0");
const QString progressSuffix = QStringLiteral(".lrn");

void ensureParentDirectory(const QString &path)
{
    const QString dir = QFileInfo(path).path();
    if (!QDir().mkpath(dir))
        throw DataError(QStringLiteral("Cannot create the directory \"%1\".").arg(dir));
}

} // namespace

std::optional<Section> sectionOfCode(const QString &code)
{
    if (code == u"1")
        return Section::RoadRules;
    if (code == u"2")
        return Section::VehicleControls;
    if (code == u"3")
        return Section::RoadSigns;
    return std::nullopt;
}

int progressLine(Section section)
{
    return maximumLine(section) + 1;
}

int maximumLine(Section section)
{
    switch (section) {
    case Section::RoadRules:
        return 0;
    case Section::VehicleControls:
        return 1;
    case Section::RoadSigns:
        return 2;
    }
    return 0;
}

int valueOf(const QString &text)
{
    bool ok = false;
    const int value = text.trimmed().toInt(&ok);
    return ok ? value : 0;
}

QStringList newProgress(const QString &learnerName)
{
    QStringList lines{learnerName};
    while (lines.size() < ProgressLineCount)
        lines.append(zero);
    return lines;
}

QStringList completeProgress(QStringList lines, const QString &learnerName)
{
    if (lines.isEmpty())
        lines.append(learnerName);
    while (lines.size() < ProgressLineCount)
        lines.append(zero);
    return lines;
}

QStringList completeMaxima(QStringList lines)
{
    while (lines.size() < MaximumLineCount)
        lines.append(zero);
    return lines;
}

QString progressPath(const QString &learnerName)
{
    const QString problem = fileNameProblem(learnerName, progressSuffix);
    if (!problem.isEmpty())
        throw DataError(QStringLiteral("No progress can be kept for the name \"%1\": %2").arg(learnerName, problem));
    const QString relative = DataPaths::docDir + u'/' + learnerName + progressSuffix;
    // A learner of this name would overwrite the maxima that all learners share.
    if (relative.compare(DataPaths::maxCountFile, Qt::CaseInsensitive) == 0)
        throw DataError(QStringLiteral("No progress can be kept for the name \"%1\": the name is taken by a data file.")
                            .arg(learnerName));
    return DataPaths::resolve(relative);
}

bool progressExists(const QString &learnerName)
{
    return QFileInfo::exists(progressPath(learnerName));
}

QStringList readProgress(const QString &learnerName)
{
    return completeProgress(LineListFile::read(progressPath(learnerName)), learnerName);
}

void writeProgress(const QString &learnerName, const QStringList &lines)
{
    const QString path = progressPath(learnerName);
    ensureParentDirectory(path);
    LineListFile::write(path, lines);
}

QString maximaPath()
{
    return DataPaths::resolve(DataPaths::maxCountFile);
}

bool maximaExist()
{
    return QFileInfo::exists(maximaPath());
}

QStringList readMaxima()
{
    return completeMaxima(LineListFile::read(maximaPath()));
}

void writeMaxima(const QStringList &lines)
{
    const QString path = maximaPath();
    ensureParentDirectory(path);
    LineListFile::write(path, lines);
}

} // namespace ProgressRecords
