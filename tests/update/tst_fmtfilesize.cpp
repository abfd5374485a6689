#include "update/fmtfilesize.h"
#include "update/ftpdownload.h"

#include <QLocale>
#include <QtTest>

class FmtFileSizeTest : public QObject {
    Q_OBJECT

private slots:
    void init() { QLocale::setDefault(QLocale::c()); }
    void cleanup() { QLocale::setDefault(QLocale::system()); }

    void formatsInDecimalUnits_data();
    void formatsInDecimalUnits();
    void usesTheLocaleDecimalSeparatorWithoutGrouping_data();
    void usesTheLocaleDecimalSeparatorWithoutGrouping();
    void percentRoundsHalvesToEven_data();
    void percentRoundsHalvesToEven();
    void progressLineJoinsSizesAndPercent_data();
    void progressLineJoinsSizesAndPercent();
};

void FmtFileSizeTest::formatsInDecimalUnits_data()
{
    QTest::addColumn<qint32>("size");
    QTest::addColumn<QString>("text");
    QTest::newRow("zero") << 0 << "0 bytes";
    QTest::newRow("largest byte count") << 999 << "999 bytes";
    QTest::newRow("first kilobyte") << 1000 << "1.00 Kb";
    QTest::newRow("kilobytes with decimals") << 2500 << "2.50 Kb";
    QTest::newRow("one block") << 4096 << "4.10 Kb";
    QTest::newRow("rounding carries, unit stays") << 999999 << "1000.00 Kb";
    QTest::newRow("first megabyte") << 1000000 << "1.00 Mb";
    QTest::newRow("megabytes with decimals") << 1250000 << "1.25 Mb";
    QTest::newRow("rounded megabytes") << 2048000 << "2.05 Mb";
    QTest::newRow("largest size") << 2147483647 << "2147.48 Mb";
}

void FmtFileSizeTest::formatsInDecimalUnits()
{
    QFETCH(qint32, size);
    QFETCH(QString, text);
    QCOMPARE(FmtFileSize(size), text);
}

void FmtFileSizeTest::usesTheLocaleDecimalSeparatorWithoutGrouping_data()
{
    QTest::addColumn<QLocale>("locale");
    QTest::addColumn<qint32>("size");
    QTest::addColumn<QString>("text");
    const QLocale german(QLocale::German, QLocale::Germany);
    const QLocale english(QLocale::English, QLocale::SouthAfrica);
    QTest::newRow("comma separator") << german << 2500 << "2,50 Kb";
    QTest::newRow("no grouping in the thousands") << german << 999999 << "1000,00 Kb";
    QTest::newRow("bytes have no separator") << german << 999 << "999 bytes";
    QTest::newRow("south african english")
        << english << 1250000 << QStringLiteral("1") + english.decimalPoint() + QStringLiteral("25 Mb");
}

void FmtFileSizeTest::usesTheLocaleDecimalSeparatorWithoutGrouping()
{
    QFETCH(QLocale, locale);
    QFETCH(qint32, size);
    QFETCH(QString, text);
    QLocale::setDefault(locale);
    QCOMPARE(FmtFileSize(size), text);
}

void FmtFileSizeTest::percentRoundsHalvesToEven_data()
{
    QTest::addColumn<qint64>("received");
    QTest::addColumn<qint64>("total");
    QTest::addColumn<int>("percent");
    QTest::newRow("nothing yet") << qint64(0) << qint64(100) << 0;
    QTest::newRow("half of one percent rounds to even 0") << qint64(1) << qint64(200) << 0;
    QTest::newRow("1.5 rounds to 2") << qint64(3) << qint64(200) << 2;
    QTest::newRow("2.5 rounds to 2") << qint64(5) << qint64(200) << 2;
    QTest::newRow("3.5 rounds to 4") << qint64(7) << qint64(200) << 4;
    QTest::newRow("a third rounds down") << qint64(1) << qint64(3) << 33;
    QTest::newRow("two thirds round up") << qint64(2) << qint64(3) << 67;
    QTest::newRow("just below the end") << qint64(999) << qint64(1000) << 100;
    QTest::newRow("whole file") << qint64(2048000) << qint64(2048000) << 100;
    QTest::newRow("more than listed is held at 100") << qint64(300) << qint64(100) << 100;
    QTest::newRow("empty file is complete") << qint64(0) << qint64(0) << 100;
    QTest::newRow("large file without overflow") << qint64(3000000000) << qint64(4000000000) << 75;
}

void FmtFileSizeTest::percentRoundsHalvesToEven()
{
    QFETCH(qint64, received);
    QFETCH(qint64, total);
    QFETCH(int, percent);
    QCOMPARE(downloadPercent(received, total), percent);
}

void FmtFileSizeTest::progressLineJoinsSizesAndPercent_data()
{
    QTest::addColumn<qint64>("received");
    QTest::addColumn<qint64>("total");
    QTest::addColumn<QString>("text");
    QTest::newRow("a fifth") << qint64(409600) << qint64(2048000) << "409.60 Kb of 2.05 Mb / 20 %";
    QTest::newRow("first block") << qint64(4096) << qint64(10000) << "4.10 Kb of 10.00 Kb / 41 %";
    QTest::newRow("empty file") << qint64(0) << qint64(0) << "0 bytes of 0 bytes / 100 %";
}

void FmtFileSizeTest::progressLineJoinsSizesAndPercent()
{
    QFETCH(qint64, received);
    QFETCH(qint64, total);
    QFETCH(QString, text);
    QCOMPARE(downloadProgressText(received, total), text);
}

QTEST_GUILESS_MAIN(FmtFileSizeTest)
#include "tst_fmtfilesize.moc"
