#include "base/messages.h"
#include "controls/page.h"
#include "tests/support/children.h"
#include "tests/support/messagerecorder.h"
#include "study/documentchoice.h"
#include "study/documentviewer.h"
#include "tests/support/tempdatadir.h"

#include <QScrollBar>
#include <QSignalSpy>
#include <QtTest>

using namespace Qt::StringLiterals;

namespace {

QByteArray rtf(const char *text)
{
    return QByteArray("{\\rtf1\\ansi{\\fonttbl{\\f0 Arial;}}\\f0 ") + text + "\\par}";
}

// One document per file, each saying which it is.
void writeDocuments(const TempDataDir &dir)
{
    dir.writeBytes(u"doc/Introduction to the Learner.rtf"_s, rtf("Introduction text"));
    dir.writeBytes(u"doc/Hmve.rtf"_s, rtf("Heavy exterior"));
    dir.writeBytes(u"doc/lmve.rtf"_s, rtf("Light exterior"));
    dir.writeBytes(u"doc/mve.rtf"_s, rtf("Motorcycle exterior"));
    dir.writeBytes(u"doc/Hmvi.rtf"_s, rtf("Vehicle interior"));
}

} // namespace

class TestDocumentPages : public QObject {
    Q_OBJECT

private slots:
    void courseChoosesTheDocument_data();
    void courseChoosesTheDocument();
    void inspectionsLoadTheCourseDocument_data();
    void inspectionsLoadTheCourseDocument();
    void unreadableDocumentChangesNothing_data();
    void unreadableDocumentChangesNothing();
    void introductionShowsTheMenuViewer();
    void unreadableIntroductionLeavesTheViewerAsItWas_data();
    void unreadableIntroductionLeavesTheViewerAsItWas();
    void exteriorPageHasItsLook();
};

void TestDocumentPages::courseChoosesTheDocument_data()
{
    QTest::addColumn<int>("courseSelection");
    QTest::addColumn<QString>("exterior");
    QTest::addColumn<QString>("interior");
    QTest::newRow("heavy motor vehicle") << 0 << "doc/Hmve.rtf"
                                         << "doc/Hmvi.rtf";
    QTest::newRow("light motor vehicle") << 1 << "doc/lmve.rtf"
                                         << "doc/Hmvi.rtf";
    QTest::newRow("motorcycle: no interior") << 2 << "doc/mve.rtf" << QString();
    QTest::newRow("no course") << -1 << QString() << QString();
    QTest::newRow("out of range") << 3 << QString() << QString();
}

void TestDocumentPages::courseChoosesTheDocument()
{
    QFETCH(int, courseSelection);
    QFETCH(QString, exterior);
    QFETCH(QString, interior);
    QCOMPARE(DocumentChoice::exteriorInspection(courseSelection), exterior);
    QCOMPARE(DocumentChoice::interiorInspection(courseSelection), interior);
}

void TestDocumentPages::inspectionsLoadTheCourseDocument_data()
{
    QTest::addColumn<bool>("interior");
    QTest::addColumn<int>("courseSelection");
    QTest::addColumn<bool>("opens");
    QTest::addColumn<QString>("shownText"); // what the viewer shows afterwards
    QTest::newRow("exterior, heavy") << false << 0 << true << "Heavy exterior";
    QTest::newRow("exterior, light") << false << 1 << true << "Light exterior";
    QTest::newRow("exterior, motorcycle") << false << 2 << true << "Motorcycle exterior";
    QTest::newRow("interior, heavy") << true << 0 << true << "Vehicle interior";
    QTest::newRow("interior, light") << true << 1 << true << "Vehicle interior";
    QTest::newRow("interior, motorcycle does nothing") << true << 2 << false << "Earlier document";
}

void TestDocumentPages::inspectionsLoadTheCourseDocument()
{
    QFETCH(bool, interior);
    QFETCH(int, courseSelection);
    QFETCH(bool, opens);
    QFETCH(QString, shownText);
    TempDataDir dir;
    MessageRecorder recorder;
    writeDocuments(dir);
    dir.writeBytes(u"doc/earlier.rtf"_s, rtf("Earlier document"));

    ExteriorPage page;
    QVERIFY(child<DocumentViewer>(&page, "RichEdit4")->loadDocument(u"doc/earlier.rtf"_s));
    const bool opened = interior ? page.openInterior(courseSelection) : page.openExterior(courseSelection);
    QCOMPARE(opened, opens);
    QCOMPARE(child<DocumentViewer>(&page, "RichEdit4")->toPlainText().trimmed(), shownText);
    QCOMPARE(recorder.all(), QStringList());
}

void TestDocumentPages::unreadableDocumentChangesNothing_data()
{
    QTest::addColumn<QByteArray>("content"); // empty: the file is missing
    QTest::newRow("missing") << QByteArray();
    QTest::newRow("not RTF") << QByteArray("plain words, no rich text");
}

void TestDocumentPages::unreadableDocumentChangesNothing()
{
    QFETCH(QByteArray, content);
    TempDataDir dir;
    MessageRecorder recorder;
    writeDocuments(dir);
    QFile::remove(dir.filePath(u"doc/lmve.rtf"_s));
    if (!content.isEmpty())
        dir.writeBytes(u"doc/lmve.rtf"_s, content);

    ExteriorPage page;
    QVERIFY(page.openInterior(1));
    QVERIFY(!page.openExterior(1));
    QCOMPARE(child<DocumentViewer>(&page, "RichEdit4")->toPlainText().trimmed(), u"Vehicle interior"_s);
    QCOMPARE(child<DocumentViewer>(&page, "RichEdit4")->documentFile(), u"doc/Hmvi.rtf"_s);
    QCOMPARE(recorder.messages, QStringList());
    QCOMPARE(recorder.errors.size(), 1);
    QVERIFY2(recorder.errors.first().contains(u"doc/lmve.rtf"_s), qPrintable(recorder.errors.first()));
}

void TestDocumentPages::introductionShowsTheMenuViewer()
{
    TempDataDir dir;
    MessageRecorder recorder;
    writeDocuments(dir);
    QWidget menu;
    DocumentViewer viewer(u"RichEdit2"_s, QRect(72, 273, 577, 324), &menu);
    viewer.hide();
    menu.show();
    QVERIFY(!viewer.isVisible());

    QVERIFY(openIntroduction(&viewer));
    QVERIFY(viewer.isVisible());
    QCOMPARE(viewer.toPlainText().trimmed(), u"Introduction text"_s);

    // A second click reads the file again.
    dir.writeBytes(u"doc/Introduction to the Learner.rtf"_s, rtf("Introduction, revised"));
    QVERIFY(openIntroduction(&viewer));
    QVERIFY(viewer.isVisible());
    QCOMPARE(viewer.toPlainText().trimmed(), u"Introduction, revised"_s);
    QCOMPARE(viewer.geometry(), QRect(72, 273, 577, 324));
    QVERIFY(viewer.isReadOnly());
    QCOMPARE(recorder.all(), QStringList());
}

void TestDocumentPages::unreadableIntroductionLeavesTheViewerAsItWas_data()
{
    QTest::addColumn<bool>("shownBefore");
    QTest::newRow("hidden") << false;
    QTest::newRow("shown") << true;
}

void TestDocumentPages::unreadableIntroductionLeavesTheViewerAsItWas()
{
    QFETCH(bool, shownBefore);
    TempDataDir dir;
    MessageRecorder recorder;
    writeDocuments(dir);
    QWidget menu;
    DocumentViewer viewer(u"RichEdit2"_s, QRect(72, 273, 577, 324), &menu);
    menu.show();
    viewer.setVisible(false);
    if (shownBefore)
        QVERIFY(openIntroduction(&viewer));
    const QString before = viewer.toPlainText();
    QFile::remove(dir.filePath(u"doc/Introduction to the Learner.rtf"_s));

    QVERIFY(!openIntroduction(&viewer));
    QCOMPARE(viewer.isVisible(), shownBefore);
    QCOMPARE(viewer.toPlainText(), before);
    QCOMPARE(recorder.errors.size(), 1);
    QVERIFY(recorder.errors.first().contains(u"doc/Introduction to the Learner.rtf"_s));
}

void TestDocumentPages::exteriorPageHasItsLook()
{
    TempDataDir dir;
    MessageRecorder recorder;
    ExteriorPage page;
    QCOMPARE(page.objectName(), u"exterior"_s);
    QCOMPARE(child<DocumentViewer>(&page, "RichEdit4")->objectName(), u"RichEdit4"_s);
    QCOMPARE(child<DocumentViewer>(&page, "RichEdit4")->geometry(), QRect(64, 50, 933, 559));
    QCOMPARE(child<DocumentViewer>(&page, "RichEdit4")->frameShape(), QFrame::NoFrame);
    QVERIFY(child<DocumentViewer>(&page, "RichEdit4")->isReadOnly());
    QCOMPARE(child<DocumentViewer>(&page, "RichEdit4")->horizontalScrollBarPolicy(), Qt::ScrollBarAlwaysOn);
    QCOMPARE(child<DocumentViewer>(&page, "RichEdit4")->verticalScrollBarPolicy(), Qt::ScrollBarAlwaysOn);
    QCOMPARE(child<HotSpot>(&page, "SpeedButton6")->geometry(), QRect(920, 642, 65, 23));

    page.show();
    QVERIFY(QTest::qWaitForWindowExposed(&page));
    QSignalSpy spy(&page, &ExteriorPage::menuRequested);
    QTest::mouseClick(child<HotSpot>(&page, "SpeedButton6"), Qt::LeftButton);
    QCOMPARE(spy.count(), 1);
}

QTEST_MAIN(TestDocumentPages)
#include "tst_documentpages.moc"
