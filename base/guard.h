#pragma once

#include "base/dataerror.h"
#include "base/messages.h"

#include <exception>
#include <utility>

// Runs a handler body. An error that escapes it is shown in an error box with its own text; the
// rest of the body is skipped and the program runs on. Returns false when the body failed.
template <typename Body>
bool guarded(Body &&body)
{
    try {
        std::forward<Body>(body)();
        return true;
    } catch (const DataError &error) {
        Messages::showError(error.text());
    } catch (const std::exception &error) {
        Messages::showError(QString::fromLocal8Bit(error.what()));
    }
    return false;
}
