#pragma once

#include <QString>
#include <functional>

// The one way the program speaks to the user. The window presents each message in a modal box;
// without a window (the updater, the tools) a message is written to standard error.
namespace Messages {

enum class Kind { Information, Error };

// Shows a message and returns when the user has closed the box.
void show(const QString &text);

// Shows an error that escaped a handler, with the error's own text.
void showError(const QString &text);

using Sink = std::function<void(Kind, const QString &)>;

// How messages are presented: the window's message box. An empty function writes them to
// standard error.
void setPresenter(Sink presenter);

// Takes every message instead of the presenter while it is set (tests record messages this way);
// an empty function gives them back to the presenter.
void setSink(Sink sink);

} // namespace Messages
