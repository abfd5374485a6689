#pragma once

#include <QString>

// The work of the updater: once the program has closed, put the build it downloaded in place of
// the program file and start it again.
//
// The program leaves the offered version as line 0 of doc/tempver.txt and the build as
// "Tarmika" + version + ".exe" in its data directory (its working directory); doc/ver.txt still
// names the installed version. The program file "tarmika" lies in programDir, beside the
// updater. The version file names the new version only once the new build is in place and has
// answered; until then, and whenever the new build fails, the old program and version stay.
class ProgramReplacer {
public:
    enum ExitCode {
        Done = 0,         // installed and started
        NotInstalled = 1, // nothing replaced; the old program was started again
        StillRunning = 2, // installed, but the old program did not close, so nothing started
    };

    ProgramReplacer(const QString &programDir, const QString &dataDir);
    virtual ~ProgramReplacer() = default;

    QString programPath() const;
    QString backupPath() const;
    QString stagingPath() const;

    // The downloaded build's file name, from the server's version file, and that version. Empty,
    // with the reason in error, when the file is missing or its version cannot be part of a file
    // name.
    QString downloadedBuildName(QString *error, QString *version = nullptr) const;

    // Waits up to timeoutMs for the running program to release its lock file.
    bool waitForProgramExit(int timeoutMs) const;

    // Puts buildFile (a path) in place of the program file and removes it. A build that is no
    // program of this computer is refused and removed. The old program file is kept as a backup
    // until the new one is in place and has answered (run with programAnswerArgument, it exits
    // with 0 within the answer time), and comes back when the replacement fails or the new build
    // does not answer. Returns false, with the reason in error, when the old program stays.
    bool install(const QString &buildFile, QString *error);

    // How long a new build may take to answer.
    void setAnswerTimeout(int ms) { m_answerMs = ms; }

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
    bool stage(const QString &buildFile, QString *error);
    QString answerProblem() const;
    void recordVersion(const QString &version);

    QString m_programDir;
    QString m_dataDir;
    QString m_lastError;
    int m_answerMs = 30000;
};
