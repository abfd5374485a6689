#include "base/dataerror.h"
#include "base/course.h"
#include "fuzz/fuzzdatadir.h"
#include "testing/questionbank.h"

#include <cstddef>
#include <cstdint>
#include <cstdlib>

// The input is question file 7 of the bank. Loading either yields at least the eleven lines every
// reader of a question indexes, or reports the damaged file; then the key, section and picture
// lines go through the rules that read them, and the walk steps on from the question number
// written in the file for every course.
extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    const QByteArray bytes(reinterpret_cast<const char *>(data), qsizetype(size));
    const FuzzDataDir dataDir;
    dataDir.put(QStringLiteral("Questions/7.lrn"), bytes);
    std::optional<QStringList> lines;
    try {
        lines = QuestionBank::load(7);
    } catch (const DataError &) {
        return 0;
    }
    if (!lines || lines->size() < QuestionBank::LineCount)
        std::abort();

    const QuestionBank::AnswerFlags flags = QuestionBank::answerFlags(lines->at(QuestionBank::KeyLine));
    int set = 0;
    for (int option = 1; option <= 4; ++option)
        set += flags.forOption(option);
    if (set > 1 || flags.any() != (set == 1))
        std::abort();
    (void)QuestionBank::sectionTypeText(lines->at(QuestionBank::SectionLine));
    (void)QuestionBank::pictureKind(lines->at(QuestionBank::PictureLine));

    const int current = lines->at(QuestionBank::QuestionLine).trimmed().toInt();
    for (const QString &course :
         {Course::heavy, Course::light, Course::motorcycle, lines->at(QuestionBank::PictureLine)}) {
        const QuestionBank::Step step = QuestionBank::nextQuestionNumber(current, course);
        // The walk never goes back.
        if (step.number < current)
            std::abort();
    }
    if (QuestionBank::CountFiles() != 1)
        std::abort();
    return 0;
}
