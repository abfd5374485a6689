// tarmika-check [--files-only] DIR: checks that a data directory holds everything the program
// reads and that its questions are fit to teach, and says in plain words what is missing or wrong,
// one problem per line. --files-only leaves the content rules out, for a bank that only has to run.

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

    QStringList arguments = QCoreApplication::arguments().mid(1);
    const bool filesOnly = arguments.removeAll(QStringLiteral("--files-only")) > 0;
    if (arguments.size() != 1) {
        err << "Usage: tarmika-check [--files-only] DIR\n"
               "Checks the data directory DIR (the folder holding Questions/, doc/, images/ and adds/).\n"
               "--files-only checks only what the program needs to run, not the rules for the questions'\n"
               "content (explanation, study topic, answer keys, questions asked twice).\n";
        return 1;
    }
    const QString dir = arguments.at(0);
    if (!QFileInfo(dir).isDir() || !QDir::setCurrent(dir)) {
        out << dir << " is not a directory that can be entered.\n1 problem found\n";
        return 1;
    }

    const DataCheck::Result result =
        DataCheck::checkCurrentDirectory(filesOnly ? DataCheck::Rules::FilesOnly : DataCheck::Rules::FilesAndContent);
    for (const QString &problem : result.problems)
        out << problem << '\n';
    out << DataCheck::summary(result) << '\n';
    return result.ok() ? 0 : 1;
}
