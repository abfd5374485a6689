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
    case 0:
        return heavy;
    case 1:
        return light;
    case 2:
        return motorcycle;
    default:
        return {};
    }
}

} // namespace Course

namespace Course {

QStringList iconPictures(int index)
{
    switch (index) {
    case 0:
        return {QStringLiteral("lvb"), QStringLiteral("hvs"), QStringLiteral("mb")};
    case 1:
        return {QStringLiteral("lvs"), QStringLiteral("hb"), QStringLiteral("mb")};
    case 2:
        return {QStringLiteral("lvb"), QStringLiteral("hb"), QStringLiteral("mcs")};
    default:
        return {};
    }
}

QStringList allIconPictures()
{
    QStringList names;
    for (int index = 0; index < 3; ++index)
        for (const QString &name : iconPictures(index))
            if (!names.contains(name))
                names.append(name);
    return names;
}

} // namespace Course
