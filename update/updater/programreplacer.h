#pragma once

#include <QString>

// The work of the updater: once the program has closed, put the build it downloaded in place of
// the program file and start it again.
//
// The program leaves the new version as line 0 of doc/ver.txt and the build as
// "Tarmika" + version + ".exe" in its data directory (its working directory). The program file
// "tarmika" lies in programDir, beside the updater.
class ProgramReplacer {
public:
    enum ExitCode {
        Done = 0,            // installed and started
        NotInstalled = 1,    // nothing replaced; the old program was started again
        StillRunning = 2,    // installed, but the old program did not close, so nothing started
    };

    ProgramReplacer(const QString &programDir, const QString &dataDir);
    virtual ~ProgramReplacer() = default;

    QString programPath() const;
    QString backupPath() const;
    QString stagingPath() const;

    // The downloaded build's file name, from the version file. Empty, with the reason in error,
    // when the version file is missing or its version cannot be part of a file name.
    QString downloadedBuildName(QString *error) const;

    // Waits up to timeoutMs for the running program to release its lock file.
    bool waitForProgramExit(int timeoutMs) const;

    // Puts buildFile (a path) in place of the program file and removes it. The old program file
    // is kept as a backup until the new one is in place and comes back when the replacement
    // fails. Returns false, with the reason in error, when nothing was replaced.
    bool install(const QString &buildFile, QString *error);

    // Starts the program file detached, in the data directory.
    bool startProgram() const;

    // All steps, as the updater's main runs them; returns an ExitCode.
    int run(int waitMs = 30000);

    // The reasons of the last run, for the updater's error output.
    QString lastError() const { return m_lastError; }

protected:
    // A rename; tests replace it to make a step fail.
    virtual bool moveFile(const QString &from, const QString &to);

private:
    QString m_programDir;
    QString m_dataDir;
    QString m_lastError;
};
