#include "controls/messagebox.h"
#include "base/messages.h"

#include <QMessageBox>
#include <QPointer>

void presentMessagesInBoxes(QWidget *window)
{
    Messages::setPresenter([parent = QPointer<QWidget>(window)](Messages::Kind kind, const QString &text) {
        QMessageBox box(kind == Messages::Kind::Error ? QMessageBox::Critical : QMessageBox::NoIcon,
                        QStringLiteral("Tarmika"), text, QMessageBox::Ok, parent);
        box.setTextFormat(Qt::PlainText);
        box.exec();
    });
}
