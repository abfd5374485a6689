#pragma once

#include <QString>

// Whether a downloaded build is a program this computer can run, judged by its header against
// the header of a program that runs here (the caller's own executable).
namespace ExecutableFormat {

// Empty when `candidate` is an executable of the same kind as `reference` (the same object
// format, word size, byte order and processor), or, outside Windows, a script with a "#!" line;
// else why not.
QString problem(const QString &candidate, const QString &reference);

} // namespace ExecutableFormat
