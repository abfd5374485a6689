#include "study/signpicturetable.h"

#include <QSet>
#include <QtTest>

class TestSignPictureTable : public QObject {
    Q_OBJECT

private slots:
    void categoriesAreTheBrowserListInOrder();
    void everyCategoryHasItsRowCount_data();
    void everyCategoryHasItsRowCount();
    void tableHoldsAllRowsAndDistinctPictures();
    void rowsMapToTheirPictures_data();
    void rowsMapToTheirPictures();
    void lookupsOutsideTheTableGiveNothing_data();
    void lookupsOutsideTheTableGiveNothing();
};

void TestSignPictureTable::categoriesAreTheBrowserListInOrder()
{
    const QStringList expected = {"COMBINATION SIGNS",
                                  "COMMAND SIGNS",
                                  "COMPREHENSIVE SIGNS",
                                  "CONTROL SIGNS",
                                  "DIRECTION OF MOVEMENT SIGNS",
                                  "DIRECTION SIGNS",
                                  "EXCLUSIVE SECONDARY MESSAGE SIGNS",
                                  "GUIDANCE MARKINGS",
                                  "GUIDANCE SIGNS",
                                  "HAND SIGNALS",
                                  "HAZARD MARKER SIGN",
                                  "INFORMATION SIGNS",
                                  "LOCATION SIGNS",
                                  "LONGITUDINAL REGULATORY MARKINGS",
                                  "PROHIBITION SIGNS",
                                  "RESERVATION & PARKING RESERVATION SIGNS",
                                  "ROAD LAYOUT SIGNS",
                                  "ROAD MARKINGS",
                                  "ROUTE MARKER SIGNS",
                                  "SYMBOLIC SIGNS",
                                  "TEMPORARY COMBINATION SIGNS",
                                  "TEMPORARY GUIDANCE SIGNS",
                                  "TEMPORARY INFORMATION SIGNS",
                                  "TEMPORARY WARNING SIGNS",
                                  "TOURISM",
                                  "TRAFFIC SIGNALS",
                                  "TRANSVERSE REGULATORY MARKINGS",
                                  "WARNING MARKINGS"};
    QCOMPARE(SignPictureTable::categories(), expected);
}

void TestSignPictureTable::everyCategoryHasItsRowCount_data()
{
    QTest::addColumn<QString>("category");
    QTest::addColumn<int>("rows");
    const QList<QPair<const char *, int>> counts = {{"ROAD MARKINGS", 22},
                                                    {"CONTROL SIGNS", 13},
                                                    {"TOURISM", 2},
                                                    {"HAZARD MARKER SIGN", 9},
                                                    {"PROHIBITION SIGNS", 40},
                                                    {"RESERVATION & PARKING RESERVATION SIGNS", 77},
                                                    {"COMPREHENSIVE SIGNS", 3},
                                                    {"GUIDANCE MARKINGS", 40},
                                                    {"EXCLUSIVE SECONDARY MESSAGE SIGNS", 43},
                                                    {"ROAD LAYOUT SIGNS", 10},
                                                    {"DIRECTION OF MOVEMENT SIGNS", 10},
                                                    {"SYMBOLIC SIGNS", 43},
                                                    {"INFORMATION SIGNS", 9},
                                                    {"COMBINATION SIGNS", 26},
                                                    {"COMMAND SIGNS", 37},
                                                    {"DIRECTION SIGNS", 37},
                                                    {"GUIDANCE SIGNS", 15},
                                                    {"LOCATION SIGNS", 19},
                                                    {"LONGITUDINAL REGULATORY MARKINGS", 18},
                                                    {"ROUTE MARKER SIGNS", 4},
                                                    {"TEMPORARY COMBINATION SIGNS", 13},
                                                    {"TEMPORARY GUIDANCE SIGNS", 8},
                                                    {"TEMPORARY INFORMATION SIGNS", 1},
                                                    {"TEMPORARY WARNING SIGNS", 1},
                                                    {"TRANSVERSE REGULATORY MARKINGS", 4},
                                                    {"WARNING MARKINGS", 12},
                                                    {"TRAFFIC SIGNALS", 28},
                                                    {"HAND SIGNALS", 13}};
    for (const auto &[category, rows] : counts)
        QTest::newRow(category) << QString::fromLatin1(category) << rows;
}

void TestSignPictureTable::everyCategoryHasItsRowCount()
{
    QFETCH(QString, category);
    QFETCH(int, rows);
    QCOMPARE(SignPictureTable::rowCount(category), rows);
    // The last row has a picture and the one after it has none.
    QVERIFY(SignPictureTable::identifier(category, rows - 1).has_value());
    QVERIFY(!SignPictureTable::identifier(category, rows).has_value());
}

void TestSignPictureTable::tableHoldsAllRowsAndDistinctPictures()
{
    int total = 0;
    QSet<QString> seen;
    for (const QString &category : SignPictureTable::categories()) {
        for (int row = 0; row < SignPictureTable::rowCount(category); ++row)
            seen.insert(*SignPictureTable::identifier(category, row));
        total += SignPictureTable::rowCount(category);
    }
    QCOMPARE(total, 557);
    QCOMPARE(seen.size(), 477);

    const QStringList all = SignPictureTable::allIdentifiers();
    QCOMPARE(all.size(), 477);
    QCOMPARE(QSet<QString>(all.cbegin(), all.cend()), seen);
}

void TestSignPictureTable::rowsMapToTheirPictures_data()
{
    QTest::addColumn<QString>("category");
    QTest::addColumn<int>("row");
    QTest::addColumn<QString>("picture");

    QTest::newRow("tourism row 0") << "TOURISM" << 0 << "883";
    QTest::newRow("tourism row 1 shares the picture") << "TOURISM" << 1 << "883";
    for (int row : {0, 11, 16, 17, 21})
        QTest::addRow("traffic signals row %d", row) << "TRAFFIC SIGNALS" << row << "227";
    QTest::newRow("traffic signals run of one picture") << "TRAFFIC SIGNALS" << 5 << "257";
    QTest::newRow("traffic signals last row") << "TRAFFIC SIGNALS" << 27 << "240";
    QTest::newRow("hand signals row 8 repeats") << "HAND SIGNALS" << 8 << "270";
    QTest::newRow("hand signals TL") << "HAND SIGNALS" << 9 << "TL";
    QTest::newRow("hand signals TR") << "HAND SIGNALS" << 10 << "TR";
    QTest::newRow("hand signals SD") << "HAND SIGNALS" << 11 << "SD";
    QTest::newRow("hand signals Stop") << "HAND SIGNALS" << 12 << "Stop";
    QTest::newRow("combination before the break") << "COMBINATION SIGNS" << 12 << "844";
    QTest::newRow("combination break with trailing 0") << "COMBINATION SIGNS" << 13 << "8450";
    QTest::newRow("combination after the break") << "COMBINATION SIGNS" << 14 << "847";
    QTest::newRow("command run continues after 2600") << "COMMAND SIGNS" << 12 << "30";
    QTest::newRow("command 2600") << "COMMAND SIGNS" << 11 << "2600";
    QTest::newRow("direction shares command pictures") << "DIRECTION SIGNS" << 22 << "40";
    QTest::newRow("direction 4930") << "DIRECTION SIGNS" << 8 << "4930";
    QTest::newRow("guidance markings placeholder run") << "GUIDANCE MARKINGS" << 39 << "172";
    QTest::newRow("control run skips 11 and 12") << "CONTROL SIGNS" << 10 << "13";
    QTest::newRow("reservation last row") << "RESERVATION & PARKING RESERVATION SIGNS" << 76 << "171";
    QTest::newRow("symbolic row inside a run") << "SYMBOLIC SIGNS" << 30 << "350";
    QTest::newRow("warning markings 4380") << "WARNING MARKINGS" << 2 << "4380";
    QTest::newRow("transverse markings share road markings") << "TRANSVERSE REGULATORY MARKINGS" << 3 << "398";
}

void TestSignPictureTable::rowsMapToTheirPictures()
{
    QFETCH(QString, category);
    QFETCH(int, row);
    QFETCH(QString, picture);
    QCOMPARE(SignPictureTable::identifier(category, row), std::optional<QString>(picture));
}

void TestSignPictureTable::lookupsOutsideTheTableGiveNothing_data()
{
    QTest::addColumn<QString>("category");
    QTest::addColumn<int>("row");

    QTest::newRow("past the end") << "TOURISM" << 2;
    QTest::newRow("far past the end") << "HAND SIGNALS" << 1000;
    QTest::newRow("negative row") << "CONTROL SIGNS" << -1;
    QTest::newRow("lower case category") << "control signs" << 0;
    QTest::newRow("mixed case category") << "Tourism" << 0;
    QTest::newRow("trailing blank") << "TOURISM " << 0;
    QTest::newRow("unknown category") << "SPEED SIGNS" << 0;
    QTest::newRow("empty category") << "" << 0;
}

void TestSignPictureTable::lookupsOutsideTheTableGiveNothing()
{
    QFETCH(QString, category);
    QFETCH(int, row);
    QVERIFY(!SignPictureTable::identifier(category, row).has_value());
    if (row == 0)
        QCOMPARE(SignPictureTable::rowCount(category), 0);
}

QTEST_APPLESS_MAIN(TestSignPictureTable)
#include "tst_signpicturetable.moc"
