#include "base/dataerror.h"
#include "fuzz/fuzzdatadir.h"
#include "testing/progressrecords.h"

#include <cstddef>
#include <cstdint>
#include <cstdlib>

// The first input byte picks the file, the rest is its content: a learner's progress file or the
// section maximum file. Whatever the file holds, reading gives at least the lines the pages index,
// every counter has a value, and what is written back reads the same.
extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    if (size == 0)
        return 0;
    const QByteArray bytes(reinterpret_cast<const char *>(data) + 1, qsizetype(size - 1));
    const QString learner = QStringLiteral("Thabo");
    const FuzzDataDir dataDir;
    if (data[0] & 1) {
        dataDir.put(QStringLiteral("doc/maxcount.lrn"), bytes);
        const QStringList maxima = ProgressRecords::readMaxima();
        if (maxima.size() < ProgressRecords::MaximumLineCount)
            std::abort();
        for (const QString &line : maxima)
            (void)ProgressRecords::valueOf(line);
        ProgressRecords::writeMaxima(maxima);
        if (ProgressRecords::readMaxima().size() != maxima.size())
            std::abort();
        return 0;
    }
    dataDir.put(QStringLiteral("doc/Thabo.lrn"), bytes);
    const QStringList progress = ProgressRecords::readProgress(learner);
    if (progress.size() < ProgressRecords::ProgressLineCount)
        std::abort();
    for (auto section : {ProgressRecords::Section::RoadRules, ProgressRecords::Section::VehicleControls,
                         ProgressRecords::Section::RoadSigns})
        (void)ProgressRecords::valueOf(progress.at(ProgressRecords::progressLine(section)));
    ProgressRecords::writeProgress(learner, progress);
    if (ProgressRecords::readProgress(learner).size() != progress.size())
        std::abort();
    return 0;
}
