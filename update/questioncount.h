#pragma once

#include <QString>

// The first line of the server's question count file names how many question files (1.lrn up to
// N.lrn) the server holds.
namespace QuestionCount {

// More files than this is not a question bank but a damaged count file; the countdown would run
// for hours.
inline constexpr int Maximum = 100000;

// The count a line names: a whole number from 1 to Maximum in decimal digits, blanks around it
// allowed. Anything else gives 0, which the download treats like a missing count file.
int parse(const QString &line);

} // namespace QuestionCount
