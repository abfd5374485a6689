#pragma once

#include <QString>

// Checks a text from outside (a learner name, a server version text) before it becomes part of a
// file name in the data directory. Returns an empty string when the text is safe, else the reason
// in plain words. `suffix` is what the caller appends (".sav"), counted in the length limit
// together with the room the save's temporary name needs.
QString fileNameProblem(const QString &name, const QString &suffix = QString());

// What a save's temporary file adds to the name of the file it replaces: "." and six letters.
inline constexpr int saveTemporaryNameExtra = 7;
