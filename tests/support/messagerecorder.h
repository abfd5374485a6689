#pragma once

#include <QStringList>

// Records every message instead of showing a box, for as long as it lives.
class MessageRecorder {
public:
    MessageRecorder();
    ~MessageRecorder();
    MessageRecorder(const MessageRecorder &) = delete;
    MessageRecorder &operator=(const MessageRecorder &) = delete;

    QStringList messages; // information messages, in order
    QStringList errors;   // error boxes, in order
    QStringList all() const { return m_all; }
    void clear();

private:
    QStringList m_all;
};
