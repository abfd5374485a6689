#include "update/updater/programreplacer.h"

#include <QCoreApplication>
#include <QDir>

#include <cstdio>

// Started by the program, without arguments and in its data directory, right before it closes
// for an update.
int main(int argc, char *argv[])
{
    QCoreApplication app(argc, argv);
    ProgramReplacer replacer(QCoreApplication::applicationDirPath(), QDir::currentPath());
    const int code = replacer.run();
    if (!replacer.lastError().isEmpty())
        std::fprintf(stderr, "TarmikaUpdate: %s\n", qPrintable(replacer.lastError()));
    return code;
}
