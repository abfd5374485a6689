#pragma once

#include <QString>
#include <QStringList>
#include <functional>

class QWidget;

// The one way the program speaks to the user: a modal box titled "Tarmika" with one OK button.
namespace Messages {

enum class Kind { Information, Error };

// Shows a message and returns when the user has closed the box.
void show(const QString &text);

// Shows an error that escaped a handler, with the error's own text.
void showError(const QString &text);

// Replaces the modal box (tests); an empty function restores it.
using Sink = std::function<void(Kind, const QString &)>;
void setSink(Sink sink);

// The parent of the boxes (the main window), so they are centred on it.
void setParentWindow(QWidget *window);

} // namespace Messages

// Records every message instead of showing a box, for as long as it lives.
class MessageRecorder {
public:
    MessageRecorder();
    ~MessageRecorder();
    MessageRecorder(const MessageRecorder &) = delete;
    MessageRecorder &operator=(const MessageRecorder &) = delete;

    QStringList messages;   // information messages, in order
    QStringList errors;     // error boxes, in order
    QStringList all() const { return m_all; }
    void clear();

private:
    QStringList m_all;
};
