#pragma once

#include <QString>

// While the program runs it holds a QLockFile of this name in its data directory. The updater
// waits for that lock before it replaces the program file, so it never starts the new build
// beside the old one; QLockFile clears a lock left by a program that crashed. Whoever takes the
// lock sets setStaleLockTime(0): only a dead holder makes it stale, never the hours a learner
// keeps the program open.
inline const QString programLockFileName = QStringLiteral("tarmika.lock");
