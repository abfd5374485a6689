#pragma once

#include <QString>

// The question files of a download gather in a staging folder beside the question bank and move
// into it only when the last one has arrived. A download broken off part-way therefore leaves the
// bank empty, and the next start of the program downloads it again.
namespace QuestionStaging {

inline const QString dir = QStringLiteral("Questions.download");

// Empties the staging folder, clearing what a broken-off download left in it, and creates it.
// Throws DataError when that is not possible.
void prepare();

// Where the question file of this number is fetched to.
QString filePath(int number);

// True when the staging folder holds every question file from `count` down to 1, each a
// regular file with something in it.
bool holdsAll(int count);

// Moves every staged file into the question bank (created when missing) and removes the staging
// folder. Throws DataError when a file cannot be moved.
void install();

// Removes the staging folder with whatever it holds.
void discard();

} // namespace QuestionStaging
