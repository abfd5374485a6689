#pragma once

#include <QString>
#include <QStringList>

#include <algorithm>
#include <optional>

// The question bank: one file per question, "Questions/<n>.lrn", numbered 1..N without gaps and
// shared by all courses. Questions that belong to one kind of vehicle lie in fixed number ranges.
namespace QuestionBank {

// Lines of a question file.
enum Line {
    QuestionLine = 0,
    StatementA = 1,
    StatementB = 2,
    StatementC = 3,
    Option1 = 4,
    Option2 = 5,
    Option3 = 6,
    Option4 = 7,
    KeyLine = 8,
    SectionLine = 9,
    PictureLine = 10,
    LineCount = 11
};

// The bank size: every entry of "Questions" that is not a directory, whatever its name. No cache,
// so a file added by the question download counts at once. A missing directory gives 0.
int CountFiles();
// CountFiles() > 0, without counting: the start checks only whether there is a bank.
bool HasFiles();

// "Questions/" + n + ".lrn" (decimal, no sign for positive numbers).
QString fileName(int number);

// The lines of question n, or nothing when its file does not exist. A file that cannot be read or
// holds fewer than eleven lines throws a DataError naming the file.
std::optional<QStringList> load(int number);

// Answer flags from the answer key: the whole line is compared case-sensitively with "a1".."d1".
struct AnswerFlags {
    int a = 0, b = 0, c = 0, d = 0;
    bool any() const { return a == 1 || b == 1 || c == 1 || d == 1; }
    int forOption(int option) const; // option 1..4
};
AnswerFlags answerFlags(const QString &key);

// Question-type text of a section code ("1", "2", "3"); nothing for any other text.
std::optional<QString> sectionTypeText(const QString &sectionCode);

// What the picture code of a question shows.
enum class PictureKind { Neutral, MotorcycleDiagram, LightVehicleDiagram, File };
PictureKind pictureKind(const QString &code);

// The file a picture code of kind File shows: "images/" + code + ".png". A question file comes
// from the update server, so a code is only taken as a plain file name inside "images"; one that
// names a folder or a path leading elsewhere gives an empty path, which shows no picture.
QString picturePath(const QString &code);

// Question numbers that belong to one kind of vehicle, fixed constants of the bank's numbering
// rather than derived from its size: the other kind's courses step over each range as a whole.
struct ReservedRange {
    int first, last; // both belong to the range
    bool motorcycle; // motorcycle questions; else motor vehicle questions
};
inline constexpr ReservedRange reservedRanges[] = {
    {103, 119, true},
    {127, 138, false},
    {150, 157, false},
};
// The highest number of any range.
inline constexpr int lastReservedNumber = std::ranges::max(reservedRanges, {}, &ReservedRange::last).last;

// The question number after `current` for a course, stepping over the ranges of the other kind
// of vehicle when the step lands exactly on a range's first number.
struct Step {
    int number;
    QString notice; // empty when no range was stepped over
};
Step nextQuestionNumber(int current, const QString &courseCode);

} // namespace QuestionBank
