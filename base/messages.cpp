#include "base/messages.h"

#include <cstdio>

namespace {
Messages::Sink &sink()
{
    static Messages::Sink current;
    return current;
}
Messages::Sink &presenter()
{
    static Messages::Sink current;
    return current;
}

void present(Messages::Kind kind, const QString &text)
{
    if (sink())
        sink()(kind, text);
    else if (presenter())
        presenter()(kind, text);
    else
        std::fprintf(stderr, "%s\n", text.toLocal8Bit().constData());
}
} // namespace

namespace Messages {

void show(const QString &text)
{
    present(Kind::Information, text);
}
void showError(const QString &text)
{
    present(Kind::Error, text);
}
void setPresenter(Sink p)
{
    presenter() = std::move(p);
}
void setSink(Sink s)
{
    sink() = std::move(s);
}

} // namespace Messages
