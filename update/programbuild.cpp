#include "update/programbuild.h"

#include "base/safename.h"

namespace ProgramBuild {

QString fileName(const QString &version)
{
    return QStringLiteral("Tarmika") + version + QStringLiteral(".exe");
}

QString problem(const QString &version)
{
    return fileNameProblem(fileName(version));
}

} // namespace ProgramBuild
