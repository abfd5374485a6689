#pragma once

#include <QString>
#include <stdexcept>

// An error that escapes a handler: a file that cannot be opened or written, a line that is missing.
// The handler guard reports it in an error box with its own text and lets the program run on.
class DataError : public std::runtime_error {
public:
    explicit DataError(const QString &text) : std::runtime_error(text.toStdString()), m_text(text) {}
    const QString &text() const { return m_text; }

private:
    QString m_text;
};
