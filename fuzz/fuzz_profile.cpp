#include "base/course.h"
#include "base/linelistfile.h"
#include "fuzz/fuzzdatadir.h"
#include "learner/profile.h"

#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <limits>

// The input is a learner's profile as sign-in reads it: the lines are read from the file, a short
// profile is refused before anything is used, and the stored question number and course code are
// read as sign-in reads them. A profile written back from what was read reads the same.
extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    const QByteArray bytes(reinterpret_cast<const char *>(data), qsizetype(size));
    const QString file = QStringLiteral("Fuzz.sav");
    const FuzzDataDir dataDir;
    dataDir.put(file, bytes);
    const QStringList lines = LineListFile::read(file);
    if (lines.size() < Profile::LineCount)
        return 0;

    const QString &stored = lines.at(Profile::QuestionLine);
    const int resume = Profile::resumeNumber(stored);
    const int value = stored.trimmed().toInt();
    if (value > std::numeric_limits<int>::min() + 1 && resume != value - 2)
        std::abort();
    const int index = Course::indexOfCode(lines.at(Profile::CourseLine));
    if (index < -1 || index > 2)
        std::abort();
    if (index >= 0 && Course::codeOfIndex(index) != lines.at(Profile::CourseLine))
        std::abort();

    LineListFile::write(file, lines);
    const QStringList again = LineListFile::read(file);
    if (again.size() != lines.size())
        std::abort();
    return 0;
}
