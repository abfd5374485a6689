#pragma once

#include <QString>

// While the program runs it holds a QLockFile of this name in its data directory. The updater
// waits for that lock before it replaces the program file, so it never starts the new build
// beside the old one; QLockFile clears a lock left by a program that crashed.
inline const QString programLockFileName = QStringLiteral("tarmika.lock");
