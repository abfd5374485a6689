#include "signpicturetable.h"

#include <QHash>
#include <QSet>

namespace {

// Each category's rows written as runs: "a-b: m-n" gives row a picture m, row a+1 picture
// m+1 and so on; "a-b: m" gives every row of the run the same picture; a single row may
// stand alone ("13: 8450"). Identifiers that are words ("TL") are single pictures.
struct CategoryRuns {
    const char *category;
    const char *runs;
};

constexpr CategoryRuns kTable[] = {
    {"ROAD MARKINGS", "0-4: 395-399; 5: 878; 6-8: 402-404; 9: 879; 10-11: 408-409; 12-15: 421-424; "
                      "16-17: 880-881; 18-20: 429-431; 21: 882"},
    {"CONTROL SIGNS", "0-9: 1-10; 10-12: 13-15"},
    {"TOURISM", "0-1: 883"},
    {"HAZARD MARKER SIGN", "0: 870; 1: 874; 2: 871; 3-8: 371-376"},
    {"PROHIBITION SIGNS", "0-39: 55-94"},
    {"RESERVATION & PARKING RESERVATION SIGNS", "0-76: 95-171"},
    {"COMPREHENSIVE SIGNS", "0-2: 172-174"},
    {"GUIDANCE MARKINGS", "0: 4530; 1: 456; 2: 4570; 3: 4600; 4: 462; 5: 4630; 6: 4670; 7: 469; 8-39: 172"},
    {"EXCLUSIVE SECONDARY MESSAGE SIGNS", "0-42: 175-217"},
    {"ROAD LAYOUT SIGNS", "0-3: 276-279; 4: 282; 5: 284; 6: 286; 7-8: 290-291; 9: 293"},
    {"DIRECTION OF MOVEMENT SIGNS", "0: 295; 1-5: 859-863; 6-7: 306-307; 8-9: 864-865"},
    {"SYMBOLIC SIGNS", "0-7: 313-320; 8-9: 323-324; 10: 866; 11-14: 328-331; 15: 867; 16-20: 334-338; "
                       "21: 868; 22-24: 341-343; 25: 869; 26-42: 346-362"},
    {"INFORMATION SIGNS", "0-1: 875-876; 2-3: 383-384; 4: 877; 5-8: 391-394"},
    {"COMBINATION SIGNS", "0-12: 832-844; 13: 8450; 14-25: 847-858"},
    {"COMMAND SIGNS", "0-10: 15-25; 11: 2600; 12-36: 30-54"},
    {"DIRECTION SIGNS", "0-7: 485-492; 8: 4930; 9-21: 495-507; 22-36: 40-54"},
    {"GUIDANCE SIGNS", "0-14: 470-484"},
    {"LOCATION SIGNS", "0-18: 512-530"},
    {"LONGITUDINAL REGULATORY MARKINGS", "0-2: 399-401; 3-5: 403-405; 6-7: 408-409; 8-13: 421-426; "
                                         "14-16: 429-431; 17: 882"},
    {"ROUTE MARKER SIGNS", "0-3: 508-511"},
    {"TEMPORARY COMBINATION SIGNS", "0: 8170; 1: 819; 2: 8200; 3-12: 822-831"},
    {"TEMPORARY GUIDANCE SIGNS", "0-7: 806-813"},
    {"TEMPORARY INFORMATION SIGNS", "0: 884"},
    {"TEMPORARY WARNING SIGNS", "0: 885"},
    {"TRANSVERSE REGULATORY MARKINGS", "0-3: 395-398"},
    {"WARNING MARKINGS", "0: 437; 1: 4410; 2: 4380; 3-10: 443-450; 11: 4510"},
    {"TRAFFIC SIGNALS", "0: 227; 1-2: 248; 3-5: 257; 6: 228; 7: 274; 8-10: 253-255; 11: 227; "
                        "12-14: 229-231; 15: 228; 16-17: 227; 18-20: 229-231; 21: 227; 22-23: 229-230; "
                        "24: 241; 25: 245; 26-27: 239-240"},
    {"HAND SIGNALS", "0-3: 258-261; 4-5: 263-264; 6: 268; 7-8: 270; 9: TL; 10: TR; 11: SD; 12: Stop"},
};

// Splits "a-b" (or "a") into its two ends; the second end equals the first when alone.
std::pair<QString, QString> rangeEnds(const QString &text)
{
    const QStringList ends = text.trimmed().split(u'-');
    return {ends.first().trimmed(), ends.last().trimmed()};
}

QStringList expandRuns(const char *runs)
{
    QStringList pictures;
    for (const QString &run : QString::fromLatin1(runs).split(u';')) {
        const QStringList sides = run.split(u':');
        const auto [firstRow, lastRow] = rangeEnds(sides.at(0));
        const auto [firstPicture, lastPicture] = rangeEnds(sides.at(1));
        const int rows = lastRow.toInt() - firstRow.toInt() + 1;
        Q_ASSERT(firstRow.toInt() == pictures.size());
        const bool numbered = firstPicture != lastPicture;
        for (int i = 0; i < rows; ++i)
            pictures << (numbered ? QString::number(firstPicture.toInt() + i) : firstPicture);
    }
    return pictures;
}

const QHash<QString, QStringList> &expandedTable()
{
    static const QHash<QString, QStringList> table = [] {
        QHash<QString, QStringList> t;
        for (const CategoryRuns &c : kTable)
            t.insert(QString::fromLatin1(c.category), expandRuns(c.runs));
        return t;
    }();
    return table;
}

} // namespace

namespace SignPictureTable {

QStringList categories()
{
    QStringList names;
    for (const CategoryRuns &c : kTable)
        names << QString::fromLatin1(c.category);
    // The browser lists the categories alphabetically; the names are upper-case ASCII, so
    // code-unit order is that order.
    names.sort(Qt::CaseSensitive);
    return names;
}

int rowCount(const QString &category)
{
    return int(expandedTable().value(category).size());
}

std::optional<QString> identifier(const QString &category, int row)
{
    const auto it = expandedTable().constFind(category);
    if (it == expandedTable().cend() || row < 0 || row >= it->size())
        return std::nullopt;
    return it->at(row);
}

QStringList allIdentifiers()
{
    QStringList ids;
    QSet<QString> seen;
    for (const CategoryRuns &c : kTable) {
        for (const QString &id : expandedTable().value(QString::fromLatin1(c.category))) {
            if (!seen.contains(id)) {
                seen.insert(id);
                ids << id;
            }
        }
    }
    return ids;
}

} // namespace SignPictureTable
