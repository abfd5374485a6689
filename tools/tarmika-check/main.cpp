// tarmika-check DIR: checks that a data directory holds everything the program reads, and says
// in plain words what is missing or wrong, one problem per line.

#include "datacheck.h"

#include <QDir>
#include <QFileInfo>
#include <QGuiApplication>
#include <QTextStream>

#include <cstdio>

int main(int argc, char *argv[])
{
    // The documents are laid out with fonts, which needs a GUI application but never a screen.
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    QTextStream out(stdout);
    QTextStream err(stderr);

    const QStringList arguments = QCoreApplication::arguments();
    if (arguments.size() != 2) {
        err << "Usage: tarmika-check DIR\n"
               "Checks the data directory DIR (the folder holding Questions/, doc/, images/ and adds/).\n";
        return 1;
    }
    const QString dir = arguments.at(1);
    if (!QFileInfo(dir).isDir() || !QDir::setCurrent(dir)) {
        out << dir << " is not a directory that can be entered.\n1 problem found\n";
        return 1;
    }

    const DataCheck::Result result = DataCheck::checkCurrentDirectory();
    for (const QString &problem : result.problems)
        out << problem << '\n';
    out << DataCheck::summary(result) << '\n';
    return result.ok() ? 0 : 1;
}
