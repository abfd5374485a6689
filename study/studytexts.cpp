#include "study/studytexts.h"

#include "base/linelistfile.h"

namespace {

QStringList resourceLines(const QString &name)
{
    return LineListFile::read(QStringLiteral(":/texts/") + name + QStringLiteral(".txt"));
}

// Picture names written as runs "name*count" so that shared pictures stay visibly shared.
QStringList expand(std::initializer_list<std::pair<const char *, int>> runs)
{
    QStringList names;
    for (const auto &[name, count] : runs)
        for (int i = 0; i < count; ++i)
            names.append(QString::fromLatin1(name));
    return names;
}

} // namespace

namespace StudyTexts {

QStringList titles(const QString &set)
{
    return resourceLines(set + QStringLiteral("_titles"));
}
QStringList texts(const QString &set)
{
    return resourceLines(set);
}

} // namespace StudyTexts

namespace RulePictureTables {

QStringList cardinal()
{
    return expand({{"cardrule1", 1},
                   {"cardrule2", 1},
                   {"cardrule3", 1},
                   {"cardrule4", 1},
                   {"cardrule5", 5},
                   {"cardrule6", 1},
                   {"cardrule8", 1},
                   {"cardrule7", 5},
                   {"cardrule8", 1},
                   {"cardrule9", 4},
                   {"cardrule10", 1},
                   {"cardrule4", 5}});
}

QStringList responsibilities()
{
    return expand({{"res5", 1},
                   {"res2", 3},
                   {"res5", 1},
                   {"res3", 1},
                   {"res4", 1},
                   {"res1", 1},
                   {"res5", 1},
                   {"res6", 1},
                   {"res7", 1},
                   {"res8", 3},
                   {"res9", 2},
                   {"res10", 4},
                   {"res12", 4},
                   {"res13", 1},
                   {"res11", 1},
                   {"res14", 1},
                   {"res13", 2},
                   {"res15", 1},
                   {"res16", 1}});
}

} // namespace RulePictureTables
