#pragma once

#include <QString>
#include <QStringList>

// Proves a data directory complete and consistent: the question bank, the sign lists, every
// picture the program can show, the adverts and the documents. Names come from the program's own
// tables wherever it keeps them, so the check follows the program when a table changes.
namespace DataCheck {

struct Result {
    QStringList problems; // one sentence per problem, in plain words
    int questions = 0;    // question files found
    int signLists = 0;    // sign lists present
    int documents = 0;    // documents read
    int pictures = 0;     // distinct picture files checked

    bool ok() const { return problems.isEmpty(); }
};

// What a check covers. The files are what the program needs to run; the content rules are what a
// bank needs to teach: an explanation and an existing study topic for every question, answer keys
// that never come three times in a row, and no question asked twice.
enum class Rules { FilesOnly, FilesAndContent };

// Checks the data directory that is the working directory, resolving names without regard to
// letter case the way the program does.
Result checkCurrentDirectory(Rules rules = Rules::FilesAndContent);

// "OK: 200 questions, 28 sign lists, 5 documents, 640 pictures" or "3 problems found".
QString summary(const Result &result);

} // namespace DataCheck
