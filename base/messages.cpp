#include "base/messages.h"

#include <QMessageBox>
#include <QPointer>

namespace {
Messages::Sink &sink()
{
    static Messages::Sink current;
    return current;
}
QPointer<QWidget> &parentWindow()
{
    static QPointer<QWidget> window;
    return window;
}

void present(Messages::Kind kind, const QString &text)
{
    if (sink()) {
        sink()(kind, text);
        return;
    }
    QMessageBox box(kind == Messages::Kind::Error ? QMessageBox::Critical : QMessageBox::NoIcon,
                    QStringLiteral("Tarmika"), text, QMessageBox::Ok, parentWindow());
    box.setTextFormat(Qt::PlainText);
    box.exec();
}
} // namespace

namespace Messages {

void show(const QString &text) { present(Kind::Information, text); }
void showError(const QString &text) { present(Kind::Error, text); }
void setSink(Sink s) { sink() = std::move(s); }
void setParentWindow(QWidget *window) { parentWindow() = window; }

} // namespace Messages

MessageRecorder::MessageRecorder()
{
    Messages::setSink([this](Messages::Kind kind, const QString &text) {
        (kind == Messages::Kind::Error ? errors : messages).append(text);
        m_all.append(text);
    });
}

MessageRecorder::~MessageRecorder() { Messages::setSink({}); }

void MessageRecorder::clear()
{
    messages.clear();
    errors.clear();
    m_all.clear();
}
