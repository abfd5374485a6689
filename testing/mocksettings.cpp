#include "testing/mocksettings.h"

#include "base/dataerror.h"
#include "base/datapaths.h"
#include "base/linelistfile.h"

#include <QFileInfo>

#include <algorithm>

QString mockSettingsFile()
{
    return DataPaths::docDir + u'/' + mockSettingsStem + QStringLiteral(".lrn");
}

QString sectionName(int section)
{
    static const char *const names[] = {"rules of the road", "vehicle controls", "road signs"};
    return section >= 0 && section < MockSettings::sectionCount ? QString::fromLatin1(names[section]) : QString();
}

namespace {

// A line's whole number when it lies in [low, high]; otherwise the fallback and a problem.
int readLine(const QStringList &lines, int index, int low, int high, int fallback, const QString &what,
             QStringList &problems)
{
    if (index >= lines.size())
        return fallback;
    bool ok = false;
    const int value = lines.at(index).trimmed().toInt(&ok);
    if (ok && value >= low && value <= high)
        return value;
    problems << QStringLiteral("The %1 in %2 (line %3, \"%4\") is not a whole number from %5 to %6; %7 is used.")
                    .arg(what, mockSettingsFile())
                    .arg(index + 1)
                    .arg(lines.at(index).left(40))
                    .arg(low)
                    .arg(high)
                    .arg(fallback);
    return fallback;
}

} // namespace

LoadedMockSettings parseMockSettings(const QStringList &lines)
{
    LoadedMockSettings loaded;
    MockSettings &s = loaded.settings;
    const MockSettings defaults;
    for (int i = 0; i < MockSettings::sectionCount; ++i)
        s.counts[i] = readLine(lines, i, 1, MockSettings::maxQuestions, defaults.counts[i],
                               QStringLiteral("number of %1 questions").arg(sectionName(i)), loaded.problems);
    for (int i = 0; i < MockSettings::sectionCount; ++i) {
        // A pass mark above the section's count could never be reached.
        const int fallback = std::min(defaults.passMarks[i], s.counts[i]);
        s.passMarks[i] = readLine(lines, MockSettings::sectionCount + i, 1, s.counts[i], fallback,
                                  QStringLiteral("%1 pass mark").arg(sectionName(i)), loaded.problems);
    }
    s.minutes = readLine(lines, 2 * MockSettings::sectionCount, 1, MockSettings::maxMinutes, defaults.minutes,
                         QStringLiteral("time limit in minutes"), loaded.problems);
    return loaded;
}

LoadedMockSettings loadMockSettings()
{
    const QString path = DataPaths::resolve(mockSettingsFile());
    if (!QFileInfo::exists(path))
        return {};
    try {
        if (QFileInfo(path).isDir())
            throw DataError(QStringLiteral("It is a folder."));
        return parseMockSettings(LineListFile::read(path));
    } catch (const DataError &error) {
        LoadedMockSettings loaded;
        loaded.problems << QStringLiteral("%1 cannot be read, so the standard test is used. %2")
                               .arg(mockSettingsFile(), error.text());
        return loaded;
    }
}
