#include "update/updater/programreplacer.h"

#include "base/dataerror.h"
#include "base/linelistfile.h"
#include "base/versionfile.h"
#include "update/programlock.h"
#include "update/updater/executableformat.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QLockFile>
#include <QProcess>

namespace {
const QString programName = QStringLiteral("tarmika");

QString fail(QString *error, const QString &text)
{
    if (error)
        *error = text;
    return QString();
}

bool refuse(QString *error, const QString &text)
{
    fail(error, text);
    return false;
}
} // namespace

ProgramReplacer::ProgramReplacer(const QString &programDir, const QString &dataDir)
    : m_programDir(programDir), m_dataDir(dataDir)
{}

QString ProgramReplacer::programPath() const
{
    return QDir(m_programDir).filePath(programName);
}
QString ProgramReplacer::backupPath() const
{
    return programPath() + QStringLiteral(".old");
}
QString ProgramReplacer::stagingPath() const
{
    return programPath() + QStringLiteral(".new");
}

QString ProgramReplacer::downloadedBuildName(QString *error, QString *offered) const
{
    const QString versionFile = VersionFile::offeredPath(m_dataDir);
    QString version;
    try {
        version = LineListFile::lineAt(LineListFile::read(versionFile), 0, versionFile);
    } catch (const DataError &e) {
        return fail(error, e.text());
    }
    // The version text came from the server: it must not lead the file name out of the data
    // directory.
    const QString problem = VersionFile::buildNameProblem(version);
    if (!problem.isEmpty())
        return fail(error, QStringLiteral("The version \"%1\" cannot name a file: %2").arg(version, problem));
    if (offered)
        *offered = version;
    return VersionFile::buildName(version);
}

bool ProgramReplacer::waitForProgramExit(int timeoutMs) const
{
    QLockFile lock(QDir(m_dataDir).filePath(programLockFileName));
    // Only a lock whose holder is gone counts as stale, however long the program ran.
    lock.setStaleLockTime(0);
    if (!lock.tryLock(timeoutMs))
        return false;
    lock.unlock();
    return true;
}

bool ProgramReplacer::moveFile(const QString &from, const QString &to)
{
    return QFile::rename(from, to);
}

// Copies the build beside the program and makes the copy executable, so the old program file is
// touched only once a complete, executable copy is ready to take its place.
bool ProgramReplacer::stage(const QString &buildFile, QString *error)
{
    QFile::remove(stagingPath());
    if (!QFile::copy(buildFile, stagingPath()))
        return refuse(error, QStringLiteral("Cannot copy %1 to %2.").arg(buildFile, stagingPath()));
    const QFile::Permissions executable = QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner | QFile::ReadUser |
                                          QFile::WriteUser | QFile::ExeUser | QFile::ReadGroup | QFile::ExeGroup |
                                          QFile::ReadOther | QFile::ExeOther;
    if (!QFile::setPermissions(stagingPath(), executable)) {
        QFile::remove(stagingPath());
        return refuse(error, QStringLiteral("Cannot make %1 executable.").arg(stagingPath()));
    }
    return true;
}

// Empty when the program file starts and answers; else what went wrong.
QString ProgramReplacer::answerProblem() const
{
    QProcess process;
    process.setWorkingDirectory(m_dataDir);
    process.setProcessChannelMode(QProcess::ForwardedChannels);
    process.start(programPath(), {programAnswerArgument});
    if (!process.waitForStarted(m_answerMs))
        return QStringLiteral("it cannot be started (%1).").arg(process.errorString());
    if (!process.waitForFinished(m_answerMs)) {
        process.kill();
        process.waitForFinished(1000);
        return QStringLiteral("it did not answer within %1 s.").arg(m_answerMs / 1000.0);
    }
    if (process.exitStatus() != QProcess::NormalExit)
        return QStringLiteral("it crashed.");
    if (process.exitCode() != 0)
        return QStringLiteral("it ended with code %1.").arg(process.exitCode());
    return {};
}

bool ProgramReplacer::install(const QString &buildFile, QString *error)
{
    auto failed = [error](const QString &text) { return refuse(error, text); };
    if (!QFileInfo(buildFile).isFile())
        return failed(QStringLiteral("The new build %1 is missing.").arg(buildFile));
    const QString refused = ExecutableFormat::problem(buildFile, QCoreApplication::applicationFilePath());
    if (!refused.isEmpty()) {
        QFile::remove(buildFile);
        return failed(refused);
    }
    if (!stage(buildFile, error))
        return false;

    const bool hadProgram = QFileInfo::exists(programPath());
    if (hadProgram) {
        QFile::remove(backupPath());
        if (!moveFile(programPath(), backupPath())) {
            QFile::remove(stagingPath());
            return failed(QStringLiteral("Cannot move %1 aside.").arg(programPath()));
        }
    }
    QString text;
    if (!moveFile(stagingPath(), programPath())) {
        text = QStringLiteral("Cannot put the new build in place of %1.").arg(programPath());
    } else if (const QString why = answerProblem(); !why.isEmpty()) {
        text = QStringLiteral("The new build was not kept: %1").arg(why);
        QFile::remove(programPath());
        QFile::remove(buildFile);
    }
    if (!text.isEmpty()) {
        if (hadProgram && !moveFile(backupPath(), programPath()))
            text += QStringLiteral(" The old program is kept as %1.").arg(backupPath());
        QFile::remove(stagingPath());
        return failed(text);
    }
    if (hadProgram)
        QFile::remove(backupPath());
    QFile::remove(buildFile);
    return true;
}

void ProgramReplacer::recordVersion(const QString &version)
{
    try {
        VersionFile::recordInstalled(version, m_dataDir);
    } catch (const DataError &e) {
        m_lastError += (m_lastError.isEmpty() ? QString() : QStringLiteral(" ")) + e.text();
    }
}

bool ProgramReplacer::startProgram() const
{
    return QProcess::startDetached(programPath(), QStringList(), m_dataDir);
}

int ProgramReplacer::run(int waitMs)
{
    m_lastError.clear();
    const bool closed = waitForProgramExit(waitMs);
    QString error;
    QString version;
    const QString build = downloadedBuildName(&error, &version);
    bool installed = false;
    if (!build.isEmpty())
        installed = install(QDir(m_dataDir).filePath(build), &error);
    m_lastError = error;
    if (installed)
        recordVersion(version);
    // The offer is used up either way; the program's next check asks the server afresh.
    QFile::remove(VersionFile::offeredPath(m_dataDir));
    // Replacing the file is safe while the old program still runs (it keeps its own copy open),
    // but a second instance beside it is not.
    if (!closed) {
        m_lastError += (m_lastError.isEmpty() ? QString() : QStringLiteral(" ")) +
                       QStringLiteral("The program did not close; start it again yourself.");
        return StillRunning;
    }
    if (!startProgram()) {
        m_lastError += (m_lastError.isEmpty() ? QString() : QStringLiteral(" ")) +
                       QStringLiteral("Cannot start %1.").arg(programPath());
        return NotInstalled;
    }
    return installed ? Done : NotInstalled;
}
