#pragma once

#include <QString>

// A program build on the update server is "Tarmika" + version + ".exe"; it is downloaded under
// the same name into the data directory.
namespace ProgramBuild {

QString fileName(const QString &version);

// Empty when the build name of this version is a plain file name in the data directory, else why
// not. The version text comes from the server, so it must not lead a write anywhere else.
QString problem(const QString &version);

} // namespace ProgramBuild
