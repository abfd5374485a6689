#include "study/rtfreader.h"
#include "tests/support/timebudget.h"

#include <QBuffer>
#include <QElapsedTimer>
#include <QImage>
#include <QLoggingCategory>
#include <QRandomGenerator>
#include <QTemporaryDir>
#include <QTextBlock>
#include <QTextDocument>
#include <QTextFrame>
#include <QTextTable>
#include <QtTest>

namespace {

// The document's text with paragraph ends as "\n", every other character as it was read
// (toPlainText would turn no-break spaces and line separators into plain ones).
QString textOf(const QTextDocument &document)
{
    QString text = document.toRawText();
    text.replace(QChar::ParagraphSeparator, u'\n');
    text.remove(QChar(0xFDD0)); // table frame markers
    text.remove(QChar(0xFDD1));
    return text;
}

QString load(const QByteArray &rtf, QTextDocument &document)
{
    QString error;
    if (!RtfReader::load(rtf, &document, &error))
        return QStringLiteral("<failed: %1>").arg(error);
    return textOf(document);
}

// The fragment holding exactly `text`, searched through every block including table cells.
QTextFragment fragmentOf(const QTextDocument &document, const QString &text)
{
    for (QTextBlock block = document.begin(); block.isValid(); block = block.next()) {
        for (auto it = block.begin(); !it.atEnd(); ++it) {
            if (it.fragment().text() == text)
                return it.fragment();
        }
    }
    return {};
}

QTextBlock blockOf(const QTextDocument &document, const QString &text)
{
    for (QTextBlock block = document.begin(); block.isValid(); block = block.next()) {
        if (block.text() == text)
            return block;
    }
    return {};
}

QList<QTextImageFormat> imagesOf(const QTextDocument &document)
{
    QList<QTextImageFormat> images;
    for (QTextBlock block = document.begin(); block.isValid(); block = block.next()) {
        for (auto it = block.begin(); !it.atEnd(); ++it) {
            if (it.fragment().charFormat().isImageFormat())
                images.append(it.fragment().charFormat().toImageFormat());
        }
    }
    return images;
}

QList<QTextTable *> tablesOf(const QTextDocument &document)
{
    QList<QTextTable *> tables;
    for (QTextFrame *frame : document.rootFrame()->childFrames()) {
        if (auto *table = qobject_cast<QTextTable *>(frame))
            tables.append(table);
    }
    return tables;
}

QByteArray pngOf(int width, int height, QColor color = Qt::red)
{
    QImage image(width, height, QImage::Format_RGB32);
    image.fill(color);
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    image.save(&buffer, "PNG");
    return bytes;
}

QByteArray jpegOf(int width, int height)
{
    QImage image(width, height, QImage::Format_RGB32);
    image.fill(Qt::blue);
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    image.save(&buffer, "JPEG");
    return bytes;
}

quint32 crc32(const QByteArray &bytes)
{
    quint32 crc = 0xFFFFFFFFu;
    for (const char byte : bytes) {
        crc ^= quint8(byte);
        for (int bit = 0; bit < 8; ++bit)
            crc = (crc >> 1) ^ (0xEDB88320u & (0u - (crc & 1u)));
    }
    return ~crc;
}

// A well-formed PNG header claiming a picture far larger than any study document needs.
QByteArray pngClaiming(quint32 width, quint32 height)
{
    QByteArray png = pngOf(1, 1);
    QByteArray ihdr = png.mid(12, 17); // "IHDR" + 13 bytes of data
    const auto put = [&](int at, quint32 value) {
        for (int i = 0; i < 4; ++i)
            ihdr[at + i] = char(value >> (24 - 8 * i));
    };
    put(4, width);
    put(8, height);
    png.replace(12, 17, ihdr);
    const quint32 crc = crc32(ihdr);
    for (int i = 0; i < 4; ++i)
        png[29 + i] = char(crc >> (24 - 8 * i));
    return png;
}

QByteArray rtf(const QByteArray &body)
{
    return "{\\rtf1\\ansi\\deff0{\\fonttbl{\\f0\\fswiss Arial;}{\\f1\\froman\\fcharset0 Times New Roman;}"
           "{\\f2\\fnil\\fcharset2 Symbol;}{\\f3\\fnil\\fcharset204 Arial Cyr;}}"
           "{\\colortbl;\\red255\\green0\\blue0;\\red0\\green128\\blue0;\\red255\\green255\\blue0;}" +
           body + "}";
}

// A document with a little of everything, the seed of the mutation test.
QByteArray sampleDocument()
{
    return rtf("{\\stylesheet{\\s0 Normal;}}{\\info{\\title Sample}}"
               "\\pard\\qc\\sb120\\sa120\\b\\fs32 Heading\\b0\\fs24\\par"
               "\\pard\\li720\\fi-360{\\listtext\\f2\\'b7\\tab}Mirrors \\'e9 \\u8364?\\par"
               "{\\pntext 1.\\tab}{\\*\\pn\\pnlvlbody\\pndec}Lights\\par"
               "\\pard\\trowd\\cellx2000\\cellx4000\\intbl Tyre\\cell {\\cf1 Worn}\\cell\\row"
               "\\trowd\\cellx2000\\cellx4000\\intbl Oil\\cell OK\\cell\\row"
               "\\pard{\\field{\\*\\fldinst HYPERLINK \"x\"}{\\fldrslt Link}}\\par"
               "{\\pict\\pngblip\\picwgoal300\\pichgoal300 " +
               pngOf(4, 4).toHex() + "}\\par\\ul End\\ulnone\\par");
}

} // namespace

class TestRtfReader : public QObject {
    Q_OBJECT

private slots:
    void initTestCase();
    void refusesWhatIsNotRtf_data();
    void refusesWhatIsNotRtf();
    void readsText_data();
    void readsText();
    void decodesCodePageEscapes_data();
    void decodesCodePageEscapes();
    void readsUnicodeAndSkipsFallback_data();
    void readsUnicodeAndSkipsFallback();
    void appliesCharacterFormatting_data();
    void appliesCharacterFormatting();
    void appliesParagraphFormatting_data();
    void appliesParagraphFormatting();
    void embedsPictures_data();
    void embedsPictures();
    void pictureResourceHoldsTheDecodedImage();
    void buildsTables_data();
    void buildsTables();
    void tableFollowsItsParagraphWithoutBlankLine_data();
    void tableFollowsItsParagraphWithoutBlankLine();
    void tableCellsAreBounded_data();
    void tableCellsAreBounded();
    void loadReplacesPreviousContent();
    void loadFileReportsUnreadableFile();
    void survivesDamagedInput_data();
    void survivesDamagedInput();
    void keepsTextOfTruncatedDocument();
    void survivesRandomMutations();
    void shipsReadableDocuments_data();
    void shipsReadableDocuments();
};

void TestRtfReader::initTestCase()
{
    // Damaged pictures are expected here; the image decoders' complaints would drown the log.
    QLoggingCategory::setFilterRules(QStringLiteral("qt.gui.imageio*=false"));
}

void TestRtfReader::refusesWhatIsNotRtf_data()
{
    QTest::addColumn<QByteArray>("input");
    QTest::newRow("empty") << QByteArray();
    QTest::newRow("plain text") << QByteArray("Check the tyres");
    QTest::newRow("header cut short") << QByteArray("{\\rt");
    QTest::newRow("no opening brace") << QByteArray("\\rtf1 text}");
    QTest::newRow("other format") << QByteArray("<html><body>{\\rtf1}</body></html>");
}

void TestRtfReader::refusesWhatIsNotRtf()
{
    QFETCH(QByteArray, input);
    QTextDocument document;
    document.setPlainText(QStringLiteral("old"));
    QString error;
    QVERIFY(!RtfReader::load(input, &document, &error));
    QVERIFY(!error.isEmpty());
    QVERIFY(document.isEmpty());
}

void TestRtfReader::readsText_data()
{
    QTest::addColumn<QByteArray>("input");
    QTest::addColumn<QString>("expected");
    QTest::newRow("paragraphs") << rtf("Hello\\par World") << "Hello\nWorld";
    QTest::newRow("leading whitespace before header") << QByteArray("\r\n {\\rtf1 x}") << "x";
    QTest::newRow("escaped braces and backslash") << rtf("a\\{b\\}c\\\\d") << "a{b}c\\d";
    QTest::newRow("typographic words")
        << rtf("a\\emdash b\\endash c\\bullet d\\lquote e\\rquote f\\ldblquote g\\rdblquote")
        << QString::fromUtf8("a—b–c•d‘e’f“g”");
    QTest::newRow("special symbols") << rtf("a\\~b\\-c\\_d") << QString::fromUtf8("a\u00A0b\u00ADc\u2011d");
    QTest::newRow("line and tab") << rtf("a\\line b\\tab c") << QString::fromUtf8("a\u2028b\tc");
    QTest::newRow("source line breaks are not text") << rtf("ab\r\ncd\nef") << "abcdef";
    QTest::newRow("backslash line break is a paragraph") << rtf("ab\\\ncd") << "ab\ncd";
    QTest::newRow("delimiting space belongs to the word") << rtf("\\b  two") << " two";
    QTest::newRow("tables of fonts, colours, styles, info skipped")
        << rtf("{\\stylesheet{\\s1 Heading;}}{\\info{\\author Me}{\\title T}}visible") << "visible";
    QTest::newRow("unknown starred destination skipped") << rtf("a{\\*\\unknownthing hidden {nested}}b") << "ab";
    QTest::newRow("known starred destination read") << rtf("{\\*\\shppict kept}") << "kept";
    QTest::newRow("unknown words skipped") << rtf("\\foo12 \\barbaz-3 text") << "text";
    QTest::newRow("field shows its result only")
        << rtf("{\\field{\\*\\fldinst HYPERLINK \"http://x\"}{\\fldrslt Click}}") << "Click";
    QTest::newRow("list text shown, pn skipped")
        << rtf("{\\pntext\\f2\\'b7\\tab}{\\*\\pn\\pnlvlblt{\\pntxtb X}}Item") << QString::fromUtf8("•\tItem");
    QTest::newRow("listtext number") << rtf("{\\listtext 2.\\tab}Second") << "2.\tSecond";
    QTest::newRow("hidden text") << rtf("a{\\v secret}b") << "ab";
    QTest::newRow("page and section end paragraphs") << rtf("a\\page b\\sect c") << "a\nb\nc";
    QTest::newRow("text after the document ignored") << QByteArray("{\\rtf1 in}out{more}") << "in";
    QTest::newRow("binary data skipped whole") << rtf("{\\*\\junk\\bin4 }}{{}ok") << "ok";
    QTest::newRow("header and footer skipped") << rtf("{\\header H}{\\footer F}body") << "body";
}

void TestRtfReader::readsText()
{
    QFETCH(QByteArray, input);
    QFETCH(QString, expected);
    QTextDocument document;
    QCOMPARE(load(input, document), expected);
}

void TestRtfReader::decodesCodePageEscapes_data()
{
    QTest::addColumn<QByteArray>("input");
    QTest::addColumn<QString>("expected");
    QTest::newRow("latin e acute") << rtf("caf\\'e9") << QString::fromUtf8("café");
    QTest::newRow("upper-case hex") << rtf("\\'C9t\\'C9") << QString::fromUtf8("ÉtÉ");
    QTest::newRow("euro in the 1252 range") << rtf("\\'80 5") << QString::fromUtf8("€ 5");
    QTest::newRow("curly quotes in the 1252 range") << rtf("\\'93x\\'94") << QString::fromUtf8("“x”");
    QTest::newRow("unescaped 8-bit text") << rtf("caf\xe9") << QString::fromUtf8("café");
    QTest::newRow("other ANSI code page")
        << QByteArray("{\\rtf1\\ansi\\ansicpg1251 \\'c0\\'e1}") << QString::fromUtf8("Аб");
    QTest::newRow("font charset picks its code page") << rtf("{\\f3\\'c0}\\'c0") << QString::fromUtf8("АÀ");
    QTest::newRow("symbol font bullet") << rtf("{\\f2\\'b7}\\'b7") << QString::fromUtf8("•·");
    QTest::newRow("unknown code page falls back to 1252")
        << QByteArray("{\\rtf1\\ansicpg99999 \\'e9}") << QString::fromUtf8("é");
    QTest::newRow("escape with one hex digit") << rtf("\\'9 x") << QString::fromUtf8("\t x");
    QTest::newRow("escape without hex digits") << rtf("\\'zz") << "zz";
}

void TestRtfReader::decodesCodePageEscapes()
{
    QFETCH(QByteArray, input);
    QFETCH(QString, expected);
    QTextDocument document;
    QCOMPARE(load(input, document), expected);
}

void TestRtfReader::readsUnicodeAndSkipsFallback_data()
{
    QTest::addColumn<QByteArray>("input");
    QTest::addColumn<QString>("expected");
    QTest::newRow("one fallback character") << rtf("\\u233 e!") << QString::fromUtf8("é!");
    QTest::newRow("escape counts as one") << rtf("\\u233\\'e9!") << QString::fromUtf8("é!");
    QTest::newRow("uc2") << rtf("\\uc2\\u8364 EU!") << QString::fromUtf8("€!");
    QTest::newRow("uc0 skips nothing") << rtf("\\uc0\\u233 e") << QString::fromUtf8("ée");
    QTest::newRow("negative is above 32767") << rtf("\\u-24 ?x") << QString(QChar(0xFFE8)) + u'x';
    QTest::newRow("surrogate pair") << rtf("\\u-10179?\\u-8704?") << QString::fromUtf8("😀");
    QTest::newRow("skipping ends at a group end") << rtf("{\\uc3\\u233 a}bc") << QString::fromUtf8("ébc");
    QTest::newRow("uc belongs to its group") << rtf("{\\uc2 x}\\u233 ab") << QString::fromUtf8("xéb");
    QTest::newRow("control word counts as one") << rtf("\\u233\\bullet x") << QString::fromUtf8("éx");
    QTest::newRow("out of range dropped") << rtf("\\u99999 ?x") << "x";
    QTest::newRow("frame markers dropped") << rtf("a\\u64976 ?b\\u-560 ?c") << "abc";
}

void TestRtfReader::readsUnicodeAndSkipsFallback()
{
    QFETCH(QByteArray, input);
    QFETCH(QString, expected);
    QTextDocument document;
    QCOMPARE(load(input, document), expected);
}

void TestRtfReader::appliesCharacterFormatting_data()
{
    QTest::addColumn<QByteArray>("input");
    QTest::addColumn<QString>("fragment");
    QTest::addColumn<bool>("bold");
    QTest::addColumn<bool>("italic");
    QTest::addColumn<bool>("underline");
    QTest::addColumn<bool>("strike");
    QTest::addColumn<double>("points");
    QTest::addColumn<QString>("family");
    QTest::addColumn<QColor>("foreground");
    QTest::addColumn<QColor>("background");
    const QColor none;
    QTest::newRow("plain") << rtf("x") << "x" << false << false << false << false << 12.0 << "Arial" << none << none;
    QTest::newRow("bold") << rtf("\\b x\\b0 y") << "x" << true << false << false << false << 12.0 << "Arial" << none
                          << none;
    QTest::newRow("bold off") << rtf("\\b x\\b0 y") << "y" << false << false << false << false << 12.0 << "Arial"
                              << none << none;
    QTest::newRow("italic") << rtf("\\i x") << "x" << false << true << false << false << 12.0 << "Arial" << none
                            << none;
    QTest::newRow("underline") << rtf("\\ul x\\ulnone y") << "x" << false << false << true << false << 12.0 << "Arial"
                               << none << none;
    QTest::newRow("ulnone") << rtf("\\ul x\\ulnone y") << "y" << false << false << false << false << 12.0 << "Arial"
                            << none << none;
    QTest::newRow("ul0") << rtf("\\ul x\\ul0 y") << "y" << false << false << false << false << 12.0 << "Arial" << none
                         << none;
    QTest::newRow("double underline") << rtf("\\uldb x") << "x" << false << false << true << false << 12.0 << "Arial"
                                      << none << none;
    QTest::newRow("strike") << rtf("\\strike x") << "x" << false << false << false << true << 12.0 << "Arial" << none
                            << none;
    QTest::newRow("half-point size") << rtf("\\fs36 x") << "x" << false << false << false << false << 18.0 << "Arial"
                                     << none << none;
    QTest::newRow("odd half-points") << rtf("\\fs21 x") << "x" << false << false << false << false << 10.5 << "Arial"
                                     << none << none;
    QTest::newRow("font switch") << rtf("\\f1 x") << "x" << false << false << false << false << 12.0
                                 << "Times New Roman" << none << none;
    QTest::newRow("colours") << rtf("\\cf1\\highlight3 x") << "x" << false << false << false << false << 12.0 << "Arial"
                             << QColor(255, 0, 0) << QColor(255, 255, 0);
    QTest::newRow("cb background") << rtf("\\cb2 x") << "x" << false << false << false << false << 12.0 << "Arial"
                                   << none << QColor(0, 128, 0);
    QTest::newRow("colour 0 is automatic")
        << rtf("\\cf0 x") << "x" << false << false << false << false << 12.0 << "Arial" << none << none;
    QTest::newRow("colour beyond the table ignored")
        << rtf("\\cf9 x") << "x" << false << false << false << false << 12.0 << "Arial" << none << none;
    QTest::newRow("group restores") << rtf("{\\b\\i\\fs40\\cf1 x}y") << "y" << false << false << false << false << 12.0
                                    << "Arial" << none << none;
    QTest::newRow("inside group") << rtf("{\\b\\i\\fs40\\cf1 x}y") << "x" << true << true << false << false << 20.0
                                  << "Arial" << QColor(255, 0, 0) << none;
    QTest::newRow("groups beyond the depth limit restore")
        << rtf(QByteArray(1500, '{') + "\\b\\fs40 x" + QByteArray(1500, '}') + "y") << "y" << false << false << false
        << false << 12.0 << "Arial" << none << none;
    QTest::newRow("plain resets") << rtf("\\b\\i\\ul\\strike\\fs40\\f1\\cf1 x\\plain y") << "y" << false << false
                                  << false << false << 12.0 << "Arial" << none << none;
    QTest::newRow("huge size clamped") << rtf("\\fs99999999999 x") << "x" << false << false << false << false << 1638.0
                                       << "Arial" << none << none;
}

void TestRtfReader::appliesCharacterFormatting()
{
    QFETCH(QByteArray, input);
    QFETCH(QString, fragment);
    QTextDocument document;
    QVERIFY(RtfReader::load(input, &document));
    const QTextFragment found = fragmentOf(document, fragment);
    QVERIFY2(found.isValid(), qPrintable(textOf(document)));
    const QTextCharFormat format = found.charFormat();
    QTEST(format.fontWeight() == QFont::Bold, "bold");
    QTEST(format.fontItalic(), "italic");
    QTEST(format.fontUnderline(), "underline");
    QTEST(format.fontStrikeOut(), "strike");
    QTEST(format.fontPointSize(), "points");
    QTEST(format.fontFamilies().toStringList().value(0), "family");
    QFETCH(QColor, foreground);
    QFETCH(QColor, background);
    QCOMPARE(format.hasProperty(QTextFormat::ForegroundBrush), foreground.isValid());
    if (foreground.isValid())
        QCOMPARE(format.foreground().color(), foreground);
    QCOMPARE(format.hasProperty(QTextFormat::BackgroundBrush), background.isValid());
    if (background.isValid())
        QCOMPARE(format.background().color(), background);
}

void TestRtfReader::appliesParagraphFormatting_data()
{
    QTest::addColumn<QByteArray>("input");
    QTest::addColumn<QString>("paragraph");
    QTest::addColumn<int>("alignment");
    QTest::addColumn<double>("left");
    QTest::addColumn<double>("right");
    QTest::addColumn<double>("indent");
    QTest::addColumn<double>("top");
    QTest::addColumn<double>("bottom");
    QTest::addColumn<QList<double>>("tabs");
    const int left = int(Qt::AlignLeft);
    QTest::newRow("defaults") << rtf("p\\par") << "p" << left << 0.0 << 0.0 << 0.0 << 0.0 << 0.0 << QList<double>{};
    QTest::newRow("centred") << rtf("\\qc p\\par") << "p" << int(Qt::AlignHCenter) << 0.0 << 0.0 << 0.0 << 0.0 << 0.0
                             << QList<double>{};
    QTest::newRow("right") << rtf("\\qr p\\par") << "p" << int(Qt::AlignRight) << 0.0 << 0.0 << 0.0 << 0.0 << 0.0
                           << QList<double>{};
    QTest::newRow("justified") << rtf("\\qj p\\par") << "p" << int(Qt::AlignJustify) << 0.0 << 0.0 << 0.0 << 0.0 << 0.0
                               << QList<double>{};
    QTest::newRow("last paragraph without par")
        << rtf("\\qc p") << "p" << int(Qt::AlignHCenter) << 0.0 << 0.0 << 0.0 << 0.0 << 0.0 << QList<double>{};
    QTest::newRow("twips to pixels") << rtf("\\li720\\ri360\\fi150\\sb240\\sa120 p\\par") << "p" << left << 48.0 << 24.0
                                     << 10.0 << 16.0 << 8.0 << QList<double>{};
    QTest::newRow("hanging indent gets a tab at the indent")
        << rtf("\\li720\\fi-360 p\\par") << "p" << left << 48.0 << 0.0 << -24.0 << 0.0 << 0.0 << QList<double>{24.0};
    QTest::newRow("tab stops measured from the first line's start")
        << rtf("\\li720\\fi-360\\tx360\\tx1440 p\\par") << "p" << left << 48.0 << 0.0 << -24.0 << 0.0 << 0.0
        << QList<double>{72.0};
    QTest::newRow("explicit tab stops sorted") << rtf("\\tx2880\\tx1440 p\\par") << "p" << left << 0.0 << 0.0 << 0.0
                                               << 0.0 << 0.0 << QList<double>{96.0, 192.0};
    QTest::newRow("pard resets") << rtf("\\qc\\li720\\tx100 a\\par\\pard p\\par") << "p" << left << 0.0 << 0.0 << 0.0
                                 << 0.0 << 0.0 << QList<double>{};
    QTest::newRow("properties carry to the next paragraph")
        << rtf("\\qr\\sa60 a\\par p\\par") << "p" << int(Qt::AlignRight) << 0.0 << 0.0 << 0.0 << 0.0 << 4.0
        << QList<double>{};
    QTest::newRow("negative margins clamped")
        << rtf("\\li-720\\sb-50 p\\par") << "p" << left << 0.0 << 0.0 << 0.0 << 0.0 << 0.0 << QList<double>{};
    QTest::newRow("huge indent clamped") << rtf("\\li2147483647 p\\par") << "p" << left << 4096.0 << 0.0 << 0.0 << 0.0
                                         << 0.0 << QList<double>{};
}

void TestRtfReader::appliesParagraphFormatting()
{
    QFETCH(QByteArray, input);
    QFETCH(QString, paragraph);
    QTextDocument document;
    QVERIFY(RtfReader::load(input, &document));
    const QTextBlock block = blockOf(document, paragraph);
    QVERIFY2(block.isValid(), qPrintable(textOf(document)));
    const QTextBlockFormat format = block.blockFormat();
    QTEST(int(format.alignment() & Qt::AlignHorizontal_Mask), "alignment");
    QTEST(format.leftMargin(), "left");
    QTEST(format.rightMargin(), "right");
    QTEST(format.textIndent(), "indent");
    QTEST(format.topMargin(), "top");
    QTEST(format.bottomMargin(), "bottom");
    QList<double> tabs;
    for (const QTextOption::Tab &tab : format.tabPositions())
        tabs.append(tab.position);
    QTEST(tabs, "tabs");
}

void TestRtfReader::embedsPictures_data()
{
    QTest::addColumn<QByteArray>("input");
    QTest::addColumn<QList<QSizeF>>("sizes");
    const QByteArray png = pngOf(40, 20).toHex();
    QTest::newRow("natural size") << rtf("{\\pict\\pngblip " + png + "}") << QList<QSizeF>{{40, 20}};
    QTest::newRow("goal size in twips") << rtf("{\\pict\\pngblip\\picwgoal1200\\pichgoal900 " + png + "}")
                                        << QList<QSizeF>{{80, 60}};
    QTest::newRow("width goal keeps aspect")
        << rtf("{\\pict\\pngblip\\picwgoal1200 " + png + "}") << QList<QSizeF>{{80, 40}};
    QTest::newRow("height goal keeps aspect")
        << rtf("{\\pict\\pngblip\\pichgoal150 " + png + "}") << QList<QSizeF>{{20, 10}};
    QTest::newRow("scaled") << rtf("{\\pict\\pngblip\\picscalex50\\picscaley200 " + png + "}")
                            << QList<QSizeF>{{20, 40}};
    QTest::newRow("hex with line breaks and upper case")
        << rtf("{\\pict\\pngblip\r\n" + pngOf(40, 20).toHex().toUpper().insert(20, "\r\n").insert(50, " ") + "}")
        << QList<QSizeF>{{40, 20}};
    QTest::newRow("jpeg") << rtf("{\\pict\\jpegblip " + jpegOf(16, 8).toHex() + "}") << QList<QSizeF>{{16, 8}};
    QTest::newRow("binary data") << rtf("{\\pict\\pngblip\\bin" + QByteArray::number(pngOf(40, 20).size()) + " " +
                                        pngOf(40, 20) + "}")
                                 << QList<QSizeF>{{40, 20}};
    QTest::newRow("nested group inside picture")
        << rtf("{\\pict{\\*\\blipuid 0123abcd}\\pngblip " + png + "}") << QList<QSizeF>{{40, 20}};
    QTest::newRow("word's two versions give one picture")
        << rtf("{\\*\\shppict{\\pict\\pngblip " + png + "}}{\\nonshppict{\\pict\\wmetafile8 0102}}")
        << QList<QSizeF>{{40, 20}};
    QTest::newRow("two pictures") << rtf("{\\pict\\pngblip " + png + "}{\\pict\\pngblip " + pngOf(3, 5).toHex() + "}")
                                  << QList<QSizeF>{{40, 20}, {3, 5}};
    QTest::newRow("metafile not shown") << rtf("{\\pict\\wmetafile8 " + png + "}") << QList<QSizeF>{};
    QTest::newRow("format not named") << rtf("{\\pict " + png + "}") << QList<QSizeF>{};
    QTest::newRow("corrupt data") << rtf("{\\pict\\pngblip 89504e470d0a1a0a0000}") << QList<QSizeF>{};
    QTest::newRow("jpeg data named png") << rtf("{\\pict\\pngblip " + jpegOf(4, 4).toHex() + "}") << QList<QSizeF>{};
    QTest::newRow("truncated picture") << QByteArray("{\\rtf1{\\pict\\pngblip " + png) << QList<QSizeF>{};
    QTest::newRow("claims 30000 x 30000")
        << rtf("{\\pict\\pngblip " + pngClaiming(30000, 30000).toHex() + "}") << QList<QSizeF>{};
    QTest::newRow("shown size clamped") << rtf("{\\pict\\pngblip\\picwgoal2000000000\\pichgoal15 " + png + "}")
                                        << QList<QSizeF>{{4096, 1}};
    QTest::newRow("picture in skipped group") << rtf("{\\*\\unknown{\\pict\\pngblip " + png + "}}") << QList<QSizeF>{};
}

void TestRtfReader::embedsPictures()
{
    QFETCH(QByteArray, input);
    QFETCH(QList<QSizeF>, sizes);
    QTextDocument document;
    QVERIFY(RtfReader::load(input, &document));
    const QList<QTextImageFormat> images = imagesOf(document);
    QList<QSizeF> found;
    for (const QTextImageFormat &image : images)
        found.append(QSizeF(image.width(), image.height()));
    QCOMPARE(found, sizes);
}

void TestRtfReader::pictureResourceHoldsTheDecodedImage()
{
    QTextDocument document;
    QVERIFY(RtfReader::load(rtf("a{\\pict\\pngblip\\picwgoal600 " + pngOf(7, 3, Qt::green).toHex() + "}b"), &document));
    QCOMPARE(textOf(document), QString(u'a') + QChar::ObjectReplacementCharacter + u'b');
    const QList<QTextImageFormat> images = imagesOf(document);
    QCOMPARE(images.size(), 1);
    const QImage image = document.resource(QTextDocument::ImageResource, QUrl(images[0].name())).value<QImage>();
    QCOMPARE(image.size(), QSize(7, 3));
    QCOMPARE(image.pixelColor(3, 1), QColor(Qt::green));
}

void TestRtfReader::buildsTables_data()
{
    QTest::addColumn<QByteArray>("input");
    QTest::addColumn<QList<QStringList>>("rows");
    QTest::addColumn<QString>("after");
    QTest::newRow("two by two") << rtf("\\trowd\\cellx1500\\cellx3000\\pard\\intbl A\\cell B\\cell\\row"
                                       "\\trowd\\cellx1500\\cellx3000\\pard\\intbl C\\cell D\\cell\\row\\pard After")
                                << QList<QStringList>{{"A", "B"}, {"C", "D"}} << "After";
    QTest::newRow("empty cells") << rtf("\\trowd\\cellx1\\cellx2\\cellx3\\intbl\\cell x\\cell\\cell\\row\\pard z")
                                 << QList<QStringList>{{"", "x", ""}} << "z";
    QTest::newRow("more cells than cellx") << rtf("\\trowd\\cellx1000\\intbl a\\cell b\\cell c\\cell\\row\\pard z")
                                           << QList<QStringList>{{"a", "b", "c"}} << "z";
    QStringList wide(RtfReader::maxTableColumns - 1, QStringLiteral("x"));
    wide.append(QStringList(300 - wide.size(), QStringLiteral("x")).join(u'\t'));
    QTest::newRow("cells beyond the column limit share the last")
        << "{\\rtf1\\intbl " + QByteArray("x\\cell ").repeated(300) + "\\row\\pard z}" << QList<QStringList>{wide}
        << "z";
    QTest::newRow("formatted cell text") << rtf("\\trowd\\cellx900\\intbl{\\b x}y\\cell\\row\\pard z")
                                         << QList<QStringList>{{"xy"}} << "z";
    QTest::newRow("second row grows the table")
        << rtf("\\trowd\\cellx10\\intbl a\\cell\\row\\trowd\\cellx10\\cellx20\\intbl b\\cell c\\cell\\row\\pard z")
        << QList<QStringList>{{"a", ""}, {"b", "c"}} << "z";
    QTest::newRow("truncated in a row") << QByteArray("{\\rtf1\\trowd\\cellx10\\cellx20\\intbl a\\cell b")
                                        << QList<QStringList>{{"a", "b"}} << "";
    QTest::newRow("stray row ignored") << rtf("x\\row y") << QList<QStringList>{} << "xy";
}

void TestRtfReader::buildsTables()
{
    QFETCH(QByteArray, input);
    QFETCH(QList<QStringList>, rows);
    QFETCH(QString, after);
    QTextDocument document;
    QVERIFY(RtfReader::load(input, &document));
    const QList<QTextTable *> tables = tablesOf(document);
    QCOMPARE(tables.size(), rows.isEmpty() ? 0 : 1);
    if (!rows.isEmpty()) {
        QTextTable *table = tables[0];
        QList<QStringList> found;
        for (int row = 0; row < table->rows(); ++row) {
            QStringList cells;
            for (int column = 0; column < table->columns(); ++column) {
                const QTextTableCell cell = table->cellAt(row, column);
                QTextCursor cursor = cell.firstCursorPosition();
                cursor.setPosition(cell.lastPosition(), QTextCursor::KeepAnchor);
                cells.append(cursor.selectedText());
            }
            found.append(cells);
        }
        QCOMPARE(found, rows);
    }
    // What follows the table lies outside it, in the document's last block.
    const QTextBlock last = document.lastBlock();
    QCOMPARE(last.text(), after);
    QVERIFY(!QTextCursor(last).currentTable());
}

void TestRtfReader::tableFollowsItsParagraphWithoutBlankLine_data()
{
    QTest::addColumn<QByteArray>("input");
    QTest::addColumn<QStringList>("blocksBeforeFirstCell");
    const QByteArray row = "\\trowd\\cellx1000\\intbl A\\cell\\row\\pard ";
    QTest::newRow("after a paragraph") << rtf("Before\\par " + row + "After") << QStringList{"Before"};
    QTest::newRow("after an empty paragraph") << rtf("Before\\par\\par " + row) << QStringList{"Before", ""};
    QTest::newRow("at the start") << rtf(row) << QStringList{""};
    QTest::newRow("right after another table") << rtf(row + "\\par " + row) << QStringList{"", "A", ""};
}

void TestRtfReader::tableFollowsItsParagraphWithoutBlankLine()
{
    QFETCH(QByteArray, input);
    QFETCH(QStringList, blocksBeforeFirstCell);
    QTextDocument document;
    QVERIFY(RtfReader::load(input, &document));
    const QList<QTextTable *> tables = tablesOf(document);
    QVERIFY(!tables.isEmpty());
    QStringList before;
    for (QTextBlock block = document.begin(); block.isValid(); block = block.next()) {
        if (QTextCursor(block).currentTable() == tables.last())
            break;
        before.append(block.text());
    }
    QCOMPARE(before, blocksBeforeFirstCell);
    QCOMPARE(tables.last()->cellAt(0, 0).firstCursorPosition().block().text(), QStringLiteral("A"));
}

void TestRtfReader::tableCellsAreBounded_data()
{
    // A few bytes per row must not turn into a table of a million cells.
    QTest::addColumn<QByteArray>("input");
    QTest::addColumn<int>("xs");
    QTest::newRow("many rows") << "{\\rtf1\\intbl " + QByteArray("x\\cell\\row ").repeated(30000) + "}" << 30000;
    QTest::newRow("one wide row, then narrow rows") << "{\\rtf1\\intbl " + QByteArray("x\\cell ").repeated(64) +
                                                           "\\row " + QByteArray("x\\cell\\row ").repeated(3000) + "}"
                                                    << 3064;
    QTest::newRow("wide row definitions")
        << "{\\rtf1" +
               QByteArray("\\trowd" + QByteArray("\\cellx9").repeated(64) + "\\intbl x\\cell\\row ").repeated(3000) +
               "}"
        << 3000;
}

void TestRtfReader::tableCellsAreBounded()
{
    QFETCH(QByteArray, input);
    QFETCH(int, xs);
    QTextDocument document;
    QElapsedTimer timer;
    timer.start();
    QVERIFY(RtfReader::load(input, &document));
    QVERIFY2(timer.elapsed() < timeBudget(5000), qPrintable(QString::number(timer.elapsed())));
    int cells = 0;
    for (QTextTable *table : tablesOf(document))
        cells += table->rows() * table->columns();
    QVERIFY(cells > 0);
    QVERIFY(cells <= RtfReader::maxTableCells);
    // Nothing is lost: what does not fit in a table follows it as text.
    QCOMPARE(int(textOf(document).count(u'x')), xs);
}

void TestRtfReader::loadReplacesPreviousContent()
{
    QTextDocument document;
    QVERIFY(RtfReader::load(rtf("first{\\pict\\pngblip " + pngOf(2, 2).toHex() + "}"), &document));
    const QString firstImage = imagesOf(document).value(0).name();
    QVERIFY(!firstImage.isEmpty());
    QVERIFY(RtfReader::load(rtf("\\b second"), &document));
    QCOMPARE(textOf(document), QStringLiteral("second"));
    QVERIFY(imagesOf(document).isEmpty());
    QVERIFY(document.resource(QTextDocument::ImageResource, QUrl(firstImage)).isNull());
    QCOMPARE(fragmentOf(document, "second").charFormat().fontWeight(), int(QFont::Bold));
}

void TestRtfReader::loadFileReportsUnreadableFile()
{
    QTemporaryDir dir;
    QTextDocument document;
    QString error;
    QVERIFY(!RtfReader::loadFile(dir.filePath("missing.rtf"), &document, &error));
    QVERIFY(error.contains("missing.rtf"));

    QFile file(dir.filePath("ok.rtf"));
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write(rtf("read from disk"));
    file.close();
    QVERIFY(RtfReader::loadFile(file.fileName(), &document, &error));
    QCOMPARE(textOf(document), QStringLiteral("read from disk"));
}

void TestRtfReader::survivesDamagedInput_data()
{
    QTest::addColumn<QByteArray>("input");
    QTest::addColumn<QString>("expected");
    const int deep = 200000;
    QTest::newRow("extra closing braces") << QByteArray("{\\rtf1 a}}}}b") << "a";
    QTest::newRow("closing brace inside") << QByteArray("{\\rtf1 a}") << "a";
    QTest::newRow("missing closing braces") << QByteArray("{\\rtf1{\\b{\\i a") << "a";
    QTest::newRow("deep balanced nesting") << "{\\rtf1 " + QByteArray(deep, '{') + "x" + QByteArray(deep, '}') + "y}"
                                           << "xy";
    QTest::newRow("deep nesting restores the outer state")
        << "{\\rtf1 " + QByteArray(1500, '{') + "\\b x" + QByteArray(1500, '}') + "y}"
        << "xy";
    QTest::newRow("deep unbalanced nesting") << "{\\rtf1 a" + QByteArray(deep, '{') + "b"
                                             << "ab";
    QTest::newRow("huge parameters") << rtf("\\fs999999999999999999999\\li-99999999999999\\cf99999999999 "
                                            "\\sb2147483648{\\uc99999999999 \\u65 abc}\\tx99999999999 d")
                                     << "Ad";
    QTest::newRow("huge binary length") << rtf("x\\bin999999999999 abc") << "x";
    QTest::newRow("negative binary length") << rtf("x\\bin-5 abc") << "xabc";
    QTest::newRow("very long control word") << rtf("\\" + QByteArray(100000, 'a') + " z") << "z";
    QTest::newRow("very long parameter") << rtf("\\fs" + QByteArray(100000, '9') + " z") << "z";
    QTest::newRow("backslash at the end") << QByteArray("{\\rtf1 a\\") << "a";
    QTest::newRow("escape at the end") << QByteArray("{\\rtf1 a\\'") << "a";
    QTest::newRow("minus without digits") << rtf("\\li- z") << "- z";
    QTest::newRow("nul bytes") << rtf(QByteArray("a\0b", 3)) << "ab";
    QTest::newRow("control characters") << rtf("a\x01\x1f"
                                               "b")
                                        << "ab";
    QTest::newRow("unicode paragraph separator dropped") << rtf("a\\u8233 ?b") << "ab";
}

void TestRtfReader::survivesDamagedInput()
{
    QFETCH(QByteArray, input);
    QFETCH(QString, expected);
    QTextDocument document;
    QElapsedTimer timer;
    timer.start();
    const QString text = load(input, document);
    QVERIFY2(timer.elapsed() < timeBudget(5000), qPrintable(QString::number(timer.elapsed())));
    QCOMPARE(text, expected);
}

void TestRtfReader::keepsTextOfTruncatedDocument()
{
    // Every cut of a valid document loads, and keeps the text that lay before the cut.
    const QByteArray full = sampleDocument();
    QTextDocument complete;
    QVERIFY(RtfReader::load(full, &complete));
    const QString fullText = textOf(complete);
    QVERIFY(fullText.startsWith(QStringLiteral("Heading\n")));
    const qsizetype headingEnd = full.indexOf("\\b0");
    for (qsizetype cut = 5; cut < full.size(); ++cut) {
        QTextDocument document;
        QVERIFY(RtfReader::load(full.left(cut), &document));
        if (cut > headingEnd)
            QVERIFY2(textOf(document).startsWith(QStringLiteral("Heading")), qPrintable(QString::number(cut)));
    }
}

void TestRtfReader::survivesRandomMutations()
{
    // Seeded so that a failure repeats; each mutated document must load and lay out quickly.
    const QByteArray base = sampleDocument();
    const QList<QByteArray> tokens = {"{",        "}",        "\\",      "\\par ",      "\\cell ", "\\row ",
                                      "\\intbl ", "\\trowd ", "\\pict ", "\\pngblip ",  "\\bin8 ", "\\u-5 ",
                                      "\\uc9 ",   "\\'",      "\\*",     "\\cellx-99 ", "\\fs0 ",  "\\f99 ",
                                      "\\cf255 ", "\\pard ",  "\\plain "};
    QRandomGenerator random(20240611);
    QElapsedTimer total;
    total.start();
    qint64 slowest = 0;
    for (int round = 0; round < 3000; ++round) {
        QByteArray input = base;
        const int edits = 1 + int(random.bounded(8));
        for (int edit = 0; edit < edits; ++edit) {
            const int at = int(random.bounded(input.size() + 1));
            switch (random.bounded(5)) {
            case 0:
                if (at < input.size())
                    input[at] = char(random.bounded(256));
                break;
            case 1:
                input.insert(at, tokens[int(random.bounded(tokens.size()))]);
                break;
            case 2:
                input.remove(at, int(random.bounded(40)));
                break;
            case 3:
                input.insert(at, input.mid(int(random.bounded(input.size() + 1)), int(random.bounded(200))));
                break;
            default:
                input.truncate(at);
                break;
            }
        }
        QElapsedTimer timer;
        timer.start();
        QTextDocument document;
        RtfReader::load(input, &document);
        document.setTextWidth(600);
        QVERIFY(document.size().isValid());
        slowest = std::max(slowest, timer.elapsed());
        QVERIFY2(timer.elapsed() < timeBudget(2000), input.toHex().constData());
    }
    qInfo("3000 mutations in %lld ms, slowest %lld ms", total.elapsed(), slowest);
}

void TestRtfReader::shipsReadableDocuments_data()
{
    QTest::addColumn<QString>("file");
    QTest::addColumn<QString>("mustContain");
    QTest::newRow("introduction") << "Introduction to the Learner.rtf"
                                  << "learner";
    QTest::newRow("light vehicle exterior") << "lmve.rtf"
                                            << "tyre";
    QTest::newRow("heavy vehicle exterior") << "Hmve.rtf"
                                            << "tyre";
    QTest::newRow("motorcycle") << "mve.rtf"
                                << "chain";
    QTest::newRow("interior") << "Hmvi.rtf"
                              << "seat belt";
}

void TestRtfReader::shipsReadableDocuments()
{
    // The documents beside the program are read whole: headings, lists and a picture each.
    QFETCH(QString, file);
    QFETCH(QString, mustContain);
    QTextDocument document;
    QString error;
    QVERIFY2(RtfReader::loadFile(QStringLiteral(TARMIKA_SOURCE_DIR "/content/doc/") + file, &document, &error),
             qPrintable(error));
    const QString text = textOf(document);
    QVERIFY(text.contains(mustContain, Qt::CaseInsensitive));
    QVERIFY(!text.contains(u'\\') && !text.contains(u'{'));
    QVERIFY(!imagesOf(document).isEmpty());
    bool heading = false;
    bool bullet = false;
    for (QTextBlock block = document.begin(); block.isValid(); block = block.next()) {
        const auto it = block.begin();
        if (!it.atEnd() && it.fragment().charFormat().fontWeight() == QFont::Bold &&
            it.fragment().charFormat().fontPointSize() > 12)
            heading = true;
        if (block.text().startsWith(QChar(0x2022)))
            bullet = true;
    }
    QVERIFY(heading);
    QVERIFY(bullet);
}

QTEST_MAIN(TestRtfReader)
#include "tst_rtfreader.moc"
