#pragma once

#include <QString>

// Checks a text from outside (a learner name, a server version text) before it becomes part of a
// file name in the data directory. Returns an empty string when the text is safe, else the reason
// in plain words. `suffix` is what the caller appends (".sav"), counted in the length limit.
QString fileNameProblem(const QString &name, const QString &suffix = QString());
