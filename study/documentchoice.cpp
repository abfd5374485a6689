#include "study/documentchoice.h"

namespace DocumentChoice {

QString exteriorInspection(int courseSelection)
{
    switch (courseSelection) {
    case 0:
        return QStringLiteral("doc/Hmve.rtf");
    case 1:
        return QStringLiteral("doc/lmve.rtf");
    case 2:
        return QStringLiteral("doc/mve.rtf");
    default:
        return {};
    }
}

QString interiorInspection(int courseSelection)
{
    return courseSelection == 0 || courseSelection == 1 ? QStringLiteral("doc/Hmvi.rtf") : QString();
}

} // namespace DocumentChoice
