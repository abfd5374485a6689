#include "base/course.h"

namespace Course {

int indexOfCode(const QString &code)
{
    if (code == heavy)
        return 0;
    if (code == light)
        return 1;
    if (code == motorcycle)
        return 2;
    return -1;
}

QString codeOfIndex(int index)
{
    switch (index) {
    case 0: return heavy;
    case 1: return light;
    case 2: return motorcycle;
    default: return {};
    }
}

} // namespace Course
