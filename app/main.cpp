#include "app/tform2.h"

#include <QApplication>

int main(int argc, char *argv[])
{
    QApplication application(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Tarmika"));
    QApplication::setApplicationDisplayName(QStringLiteral("Tarmika"));
    TForm2 window;
    window.show();
    return QApplication::exec();
}
