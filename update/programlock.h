#pragma once

#include <QString>

// While the program runs it holds a QLockFile of this name in its data directory. The updater
// waits for that lock before it replaces the program file, so it never starts the new build
// beside the old one; QLockFile clears a lock left by a program that crashed. Whoever takes the
// lock sets setStaleLockTime(0): only a dead holder makes it stale, never the hours a learner
// keeps the program open.
inline const QString programLockFileName = QStringLiteral("tarmika.lock");

// The updater runs a newly installed build with this one argument: the build then only shows that
// it starts on this computer, and exits with 0 without opening a window or taking the lock.
inline const QString programAnswerArgument = QStringLiteral("--answer-updater");
