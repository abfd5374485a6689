#include "tests/support/messagerecorder.h"
#include "base/messages.h"

MessageRecorder::MessageRecorder()
{
    Messages::setSink([this](Messages::Kind kind, const QString &text) {
        (kind == Messages::Kind::Error ? errors : messages).append(text);
        m_all.append(text);
    });
}

MessageRecorder::~MessageRecorder()
{
    Messages::setSink({});
}

void MessageRecorder::clear()
{
    messages.clear();
    errors.clear();
    m_all.clear();
}
