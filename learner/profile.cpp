#include "learner/profile.h"

#include "base/course.h"

#include <limits>

namespace Profile {

QStringList newProfile(const QString &name)
{
    return {name, QStringLiteral("1"), Course::light};
}

int resumeNumber(const QString &storedNumber)
{
    const int value = storedNumber.trimmed().toInt();
    return value < std::numeric_limits<int>::min() + 2 ? value : value - 2;
}

} // namespace Profile
