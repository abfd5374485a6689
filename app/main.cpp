#include "app/tform2.h"
#include "base/saveleftovers.h"
#include "update/programlock.h"

#include <QApplication>
#include <QLockFile>
#include <QScreen>

int main(int argc, char *argv[])
{
    QApplication application(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Tarmika"));
    // The updater asks a new build whether it starts here before it keeps it.
    if (QCoreApplication::arguments().value(1) == programAnswerArgument)
        return 0;
    // Held for the whole run, so the updater knows when the program has exited.
    QLockFile running(programLockFileName);
    running.setStaleLockTime(0);
    // Holding the lock proves that no other copy of the program is saving in this directory, so
    // temporary copies lying about are leftovers of a run that was killed.
    if (running.tryLock(0))
        SaveLeftovers::remove();

    TForm2 window;
    // Centred on the primary monitor when first shown.
    if (const QScreen *screen = QGuiApplication::primaryScreen())
        window.move(screen->availableGeometry().center() - window.rect().center());
    window.show();
    return QApplication::exec();
}
