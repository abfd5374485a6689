#pragma once

#include <QString>
#include <QStringList>
#include <optional>

// The learner's stored test results and the section maxima shared by all learners.
//
// Progress file "doc/<learner name>.lrn", seven lines: the name, the scores of rules of the road,
// vehicle controls and road signs, and three wrong counts that are written once as "0" and then
// only carried along. Section maximum file "doc/maxcount.lrn", three lines: the number of
// questions of each section, in the same order.
namespace ProgressRecords {

enum class Section { RoadRules, VehicleControls, RoadSigns };

constexpr int ProgressLineCount = 7;
constexpr int MaximumLineCount = 3;

// The section of a section code "1", "2" or "3"; nothing for any other text.
std::optional<Section> sectionOfCode(const QString &code);

// Line of the section's score in the progress file (1..3) and of its maximum in the section
// maximum file (0..2).
int progressLine(Section section);
int maximumLine(Section section);

// The value of a counter's text as the hidden spin edits read it: a text that is not a whole
// number reads as 0.
int valueOf(const QString &text);

// The lines of a new progress file: the name and six "0".
QStringList newProgress(const QString &learnerName);

// A progress list with its missing lines filled in (the name for line 0, "0" for the rest), so a
// short file reads as zeros and is written back whole; lines beyond the seventh are kept.
QStringList completeProgress(QStringList lines, const QString &learnerName);

// A section maximum list with its missing lines read as "0"; further lines are kept.
QStringList completeMaxima(QStringList lines);

// "doc/<name>.lrn" as it lies on disk. Throws DataError when the name cannot serve as a file name
// in the data directory, or would be the section maximum file.
QString progressPath(const QString &learnerName);
bool progressExists(const QString &learnerName);

// Reads the progress file, completed to its seven lines; throws DataError when it cannot be read.
QStringList readProgress(const QString &learnerName);
// Creates the "doc" directory when needed; throws DataError when the file cannot be written.
void writeProgress(const QString &learnerName, const QStringList &lines);

QString maximaPath();
bool maximaExist();
// Reads the section maximum file, completed to its three lines.
QStringList readMaxima();
void writeMaxima(const QStringList &lines);

} // namespace ProgressRecords
