#include "study/rtfreader.h"

#include <QBuffer>
#include <QColor>
#include <QFile>
#include <QFileInfo>
#include <QHash>
#include <QImage>
#include <QImageReader>
#include <QList>
#include <QStringDecoder>
#include <QTextBlock>
#include <QTextBlockFormat>
#include <QTextCharFormat>
#include <QTextCursor>
#include <QTextDocument>
#include <QTextImageFormat>
#include <QTextOption>
#include <QTextTable>
#include <QUrl>

#include <algorithm>
#include <climits>
#include <map>
#include <memory>
#include <string_view>
#include <unordered_map>
#include <vector>

namespace {

// RTF measures in twips (1/1440 inch); the document is laid out in pixels at 96 per inch.
constexpr double twipsPerPixel = 15.0;

// Code pages the reader decodes itself; every other number goes to the ICU-backed decoders.
constexpr int ansiCodePage = 1252;
constexpr int symbolCodePage = 42;

// Windows-1252 differs from Latin-1 only in 0x80..0x9F; its five unassigned slots decode to the
// C1 control of the same number, as Windows does.
constexpr char16_t cp1252High[32] = {
    0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021,
    0x02C6, 0x2030, 0x0160, 0x2039, 0x0152, 0x008D, 0x017D, 0x008F,
    0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022, 0x2013, 0x2014,
    0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178,
};

// Font charsets as \fcharset numbers them, mapped to the code page their bytes are in.
int codePageOfCharset(int charset, int documentCodePage)
{
    switch (charset) {
    case 2: return symbolCodePage;
    case 77: return 10000;
    case 128: return 932;
    case 129: return 949;
    case 134: return 936;
    case 136: return 950;
    case 161: return 1253;
    case 162: return 1254;
    case 163: return 1258;
    case 177: return 1255;
    case 178: return 1256;
    case 186: return 1257;
    case 204: return 1251;
    case 222: return 874;
    case 238: return 1250;
    default: return documentCodePage;
    }
}

enum class Destination { Text, Skip, FontTable, ColorTable, Picture };

struct CharProps {
    bool bold = false;
    bool italic = false;
    bool underline = false;
    bool strike = false;
    bool hidden = false;
    int font = -1; // -1: the document's default font
    int halfPoints = 24;
    int foreground = 0; // colour table index, 0: automatic
    int background = 0;
    int vertical = 0; // 1 superscript, -1 subscript
    bool operator==(const CharProps &) const = default;
};

struct ParaProps {
    Qt::Alignment alignment = Qt::AlignLeft;
    int left = 0; // twips
    int right = 0;
    int first = 0;
    int before = 0;
    int after = 0;
    bool inTable = false;
    QList<int> tabs;
};

struct GroupState {
    Destination destination = Destination::Text;
    CharProps chars;
    ParaProps para;
    int unicodeSkip = 1;
};

struct FontEntry {
    QString name;
    int charset = -1;
};

enum class Word {
    // destinations
    Rtf, FontTable, ColorTable, Pict, SkipDestination, KnownGroup,
    // document
    Ansi, Mac, Pc, Pca, AnsiCpg, Deff,
    // font and colour tables
    Fcharset, Red, Green, Blue,
    // character formatting
    Plain, Bold, Italic, Underline, UnderlineNone, Strike, Hidden, Font, FontSize,
    Foreground, Background, Super, Sub, NoSuperSub,
    // paragraph formatting
    Pard, AlignLeft, AlignCenter, AlignRight, AlignJustify,
    LeftIndent, RightIndent, FirstIndent, SpaceBefore, SpaceAfter, TabStop, InTable,
    // text
    Par, Line, Tab, EmDash, EnDash, Bullet, LQuote, RQuote, LDblQuote, RDblQuote,
    EmSpace, EnSpace, QmSpace, Zwj, Zwnj, Unicode, UnicodeSkip, Bin,
    // tables
    Trowd, Cellx, Cell, Row,
    // pictures
    PngBlip, JpegBlip, PicWGoal, PicHGoal, PicScaleX, PicScaleY,
};

const std::unordered_map<std::string_view, Word> &words()
{
    static const std::unordered_map<std::string_view, Word> table = {
        {"rtf", Word::Rtf}, {"fonttbl", Word::FontTable}, {"colortbl", Word::ColorTable},
        {"pict", Word::Pict},
        // groups whose content is not part of the visible text
        {"stylesheet", Word::SkipDestination}, {"info", Word::SkipDestination},
        {"pn", Word::SkipDestination}, {"listtable", Word::SkipDestination},
        {"listoverridetable", Word::SkipDestination}, {"revtbl", Word::SkipDestination},
        {"rsidtbl", Word::SkipDestination}, {"fldinst", Word::SkipDestination},
        {"nonshppict", Word::SkipDestination}, {"header", Word::SkipDestination},
        {"headerl", Word::SkipDestination}, {"headerr", Word::SkipDestination},
        {"headerf", Word::SkipDestination}, {"footer", Word::SkipDestination},
        {"footerl", Word::SkipDestination}, {"footerr", Word::SkipDestination},
        {"footerf", Word::SkipDestination}, {"footnote", Word::SkipDestination},
        {"annotation", Word::SkipDestination}, {"filetbl", Word::SkipDestination},
        {"template", Word::SkipDestination}, {"userprops", Word::SkipDestination},
        {"objdata", Word::SkipDestination}, {"objclass", Word::SkipDestination},
        {"bkmkstart", Word::SkipDestination}, {"bkmkend", Word::SkipDestination},
        {"xe", Word::SkipDestination}, {"tc", Word::SkipDestination},
        {"shpinst", Word::SkipDestination}, {"pntxta", Word::SkipDestination},
        {"pntxtb", Word::SkipDestination}, {"themedata", Word::SkipDestination},
        {"colorschememapping", Word::SkipDestination}, {"datastore", Word::SkipDestination},
        {"latentstyles", Word::SkipDestination}, {"generator", Word::SkipDestination},
        {"xmlnstbl", Word::SkipDestination}, {"pgdsctbl", Word::SkipDestination},
        {"ftnsep", Word::SkipDestination}, {"ftnsepc", Word::SkipDestination},
        {"aftnsep", Word::SkipDestination}, {"aftnsepc", Word::SkipDestination},
        {"background", Word::SkipDestination}, {"docvar", Word::SkipDestination},
        // groups that hold visible text and may follow \*
        {"listtext", Word::KnownGroup}, {"pntext", Word::KnownGroup},
        {"shppict", Word::KnownGroup}, {"field", Word::KnownGroup},
        {"fldrslt", Word::KnownGroup}, {"shprslt", Word::KnownGroup},
        {"result", Word::KnownGroup}, {"shp", Word::KnownGroup},
        {"ansi", Word::Ansi}, {"mac", Word::Mac}, {"pc", Word::Pc}, {"pca", Word::Pca},
        {"ansicpg", Word::AnsiCpg}, {"deff", Word::Deff},
        {"fcharset", Word::Fcharset}, {"red", Word::Red}, {"green", Word::Green},
        {"blue", Word::Blue},
        {"plain", Word::Plain}, {"b", Word::Bold}, {"i", Word::Italic},
        {"ul", Word::Underline}, {"uld", Word::Underline}, {"uldb", Word::Underline},
        {"uldash", Word::Underline}, {"uldashd", Word::Underline}, {"uldashdd", Word::Underline},
        {"ulth", Word::Underline}, {"ulw", Word::Underline}, {"ulwave", Word::Underline},
        {"ulnone", Word::UnderlineNone}, {"strike", Word::Strike}, {"striked", Word::Strike},
        {"v", Word::Hidden}, {"f", Word::Font}, {"fs", Word::FontSize},
        {"cf", Word::Foreground}, {"cb", Word::Background}, {"highlight", Word::Background},
        {"super", Word::Super}, {"sub", Word::Sub}, {"nosupersub", Word::NoSuperSub},
        {"pard", Word::Pard}, {"ql", Word::AlignLeft}, {"qc", Word::AlignCenter},
        {"qr", Word::AlignRight}, {"qj", Word::AlignJustify},
        {"li", Word::LeftIndent}, {"lin", Word::LeftIndent},
        {"ri", Word::RightIndent}, {"rin", Word::RightIndent}, {"fi", Word::FirstIndent},
        {"sb", Word::SpaceBefore}, {"sa", Word::SpaceAfter}, {"tx", Word::TabStop},
        {"intbl", Word::InTable},
        {"par", Word::Par}, {"sect", Word::Par}, {"page", Word::Par},
        {"line", Word::Line}, {"tab", Word::Tab},
        {"emdash", Word::EmDash}, {"endash", Word::EnDash}, {"bullet", Word::Bullet},
        {"lquote", Word::LQuote}, {"rquote", Word::RQuote},
        {"ldblquote", Word::LDblQuote}, {"rdblquote", Word::RDblQuote},
        {"emspace", Word::EmSpace}, {"enspace", Word::EnSpace}, {"qmspace", Word::QmSpace},
        {"zwj", Word::Zwj}, {"zwnj", Word::Zwnj},
        {"u", Word::Unicode}, {"uc", Word::UnicodeSkip}, {"bin", Word::Bin},
        {"trowd", Word::Trowd}, {"cellx", Word::Cellx}, {"cell", Word::Cell}, {"row", Word::Row},
        {"pngblip", Word::PngBlip}, {"jpegblip", Word::JpegBlip},
        {"picwgoal", Word::PicWGoal}, {"pichgoal", Word::PicHGoal},
        {"picscalex", Word::PicScaleX}, {"picscaley", Word::PicScaleY},
    };
    return table;
}

bool isLetter(char c) { return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z'); }
bool isDigit(char c) { return c >= '0' && c <= '9'; }

int hexValue(char c)
{
    if (c >= '0' && c <= '9')
        return c - '0';
    if (c >= 'a' && c <= 'f')
        return c - 'a' + 10;
    if (c >= 'A' && c <= 'F')
        return c - 'A' + 10;
    return -1;
}

// Characters that would disturb the document's own structure (frame and object markers,
// block separators) or that are line ends of the RTF source rather than text.
bool isUnwantedChar(char16_t c)
{
    return c == u'\n' || c == u'\r' || c == 0 || c == 0xFDD0 || c == 0xFDD1 || c == 0xFFFC
        || c == 0x2029 || (c < 0x20 && c != u'\t');
}

class Parser {
public:
    Parser(const QByteArray &rtf, qsizetype start, QTextDocument *document)
        : m_data(rtf), m_pos(start), m_document(document), m_cursor(document)
    {
        m_stack.reserve(64);
        m_stack.push_back(GroupState{});
    }

    void run();

private:
    GroupState &state() { return m_stack.back(); }

    void openGroup();
    void closeGroup();
    void controlWord(std::string_view name, bool hasParam, int param);
    void controlSymbol(char c);
    void textByte(char c);
    void skipBinary(int length);

    void flushBytes();
    void emitText(const QString &text);
    void emitChar(char16_t c) { emitText(QString(QChar(c))); }
    void flushText();
    void enterContext();
    void endParagraph();
    void endCell();
    void endRow();
    void leaveTable();
    bool reserveCells(int count);
    void finishPicture();
    void finishDocument();
    void commitFontEntry();

    int codePageOf(int font) const;
    QString decode(const QByteArray &bytes, int codePage);
    QTextCharFormat charFormat(const CharProps &props) const;
    QTextBlockFormat blockFormat(const ParaProps &props) const;

    const QByteArray &m_data;
    qsizetype m_pos;
    QTextDocument *m_document;
    QTextCursor m_cursor;

    std::vector<GroupState> m_stack;
    int m_overflowDepth = 0; // groups beyond the depth limit, read as part of their parent
    bool m_starPending = false;
    int m_skipCount = 0; // fallback characters still to skip after \u
    bool m_finished = false;
    bool m_truncated = false; // the character limit was reached: nothing more is read

    int m_codePage = ansiCodePage;
    int m_defaultFont = 0;
    std::map<int, std::unique_ptr<QStringDecoder>> m_decoders;

    QHash<int, FontEntry> m_fonts;
    int m_fontEntry = 0;
    QByteArray m_fontName;

    QList<QColor> m_colors;
    int m_red = -1;
    int m_green = -1;
    int m_blue = -1;

    QByteArray m_bytes; // raw text bytes not yet decoded
    QString m_text; // decoded text not yet inserted, all in m_textProps
    CharProps m_textProps;

    QTextTable *m_table = nullptr;
    QList<int> m_cellEdges; // \cellx of the current row definition
    int m_row = 0;
    int m_column = 0;
    bool m_rowPending = false; // \row seen: the next table content starts a new row
    bool m_cellPending = false; // \cell seen: the next table content goes to the next cell
    qint64 m_tableCells = 0;
    bool m_tablesAsText = false; // the cell limit was reached: cells become tab-separated text

    struct Picture {
        bool active = false;
        QByteArray format;
        QByteArray data;
        int pendingNibble = -1;
        bool tooBig = false;
        int goalWidth = 0;
        int goalHeight = 0;
        int scaleX = 100;
        int scaleY = 100;
    } m_picture;
    qint64 m_pixelBudget = RtfReader::maxDocumentPicturePixels;
    int m_imageCount = 0;
};

void Parser::run()
{
    m_cursor.beginEditBlock();
    const qsizetype size = m_data.size();
    const char *data = m_data.constData();
    while (m_pos < size && !m_finished) {
        const char c = data[m_pos];
        if (c == '{') {
            ++m_pos;
            openGroup();
        } else if (c == '}') {
            ++m_pos;
            closeGroup();
        } else if (c == '\\') {
            ++m_pos;
            if (m_pos >= size)
                break;
            const char next = data[m_pos];
            if (isLetter(next)) {
                const qsizetype start = m_pos;
                while (m_pos < size && isLetter(data[m_pos]))
                    ++m_pos;
                // Real control words are at most 32 letters; a longer run is no word we know.
                const std::string_view name(data + start, size_t(std::min<qsizetype>(m_pos - start, 40)));
                bool hasParam = false;
                bool negative = false;
                qint64 value = 0;
                if (m_pos + 1 < size && data[m_pos] == '-' && isDigit(data[m_pos + 1])) {
                    negative = true;
                    ++m_pos;
                }
                while (m_pos < size && isDigit(data[m_pos])) {
                    hasParam = true;
                    if (value <= INT_MAX)
                        value = value * 10 + (data[m_pos] - '0');
                    ++m_pos;
                }
                value = std::min<qint64>(value, INT_MAX);
                if (m_pos < size && data[m_pos] == ' ')
                    ++m_pos;
                const int param = int(negative ? -value : value);
                if (m_skipCount > 0 && name != "bin") {
                    --m_skipCount;
                    continue;
                }
                controlWord(name, hasParam, param);
            } else if (next == '\'') {
                ++m_pos;
                int byte = 0;
                int digits = 0;
                while (digits < 2 && m_pos < size && hexValue(data[m_pos]) >= 0) {
                    byte = byte * 16 + hexValue(data[m_pos]);
                    ++m_pos;
                    ++digits;
                }
                if (m_skipCount > 0) {
                    --m_skipCount;
                    continue;
                }
                if (digits > 0)
                    textByte(char(byte));
            } else {
                ++m_pos;
                if (m_skipCount > 0) {
                    --m_skipCount;
                    continue;
                }
                controlSymbol(next);
            }
        } else {
            ++m_pos;
            if (c == '\r' || c == '\n')
                continue; // source line breaks are not text
            if (m_skipCount > 0) {
                --m_skipCount;
                continue;
            }
            textByte(c);
        }
    }
    // Whatever was read of a truncated document is kept.
    if (!m_finished)
        finishDocument();
    if (m_truncated) {
        m_cursor.movePosition(QTextCursor::End);
        m_cursor.insertBlock(QTextBlockFormat(), QTextCharFormat());
        QTextCharFormat note;
        note.setFontItalic(true);
        m_cursor.insertText(QString::fromUtf16(RtfReader::truncationNote), note);
    }
    m_cursor.endEditBlock();
}

void Parser::finishDocument()
{
    flushBytes();
    flushText();
    if (m_table)
        leaveTable();
    else
        m_cursor.setBlockFormat(blockFormat(state().para));
    m_finished = true;
}

void Parser::openGroup()
{
    flushBytes();
    m_starPending = false;
    m_skipCount = 0;
    if (int(m_stack.size()) > RtfReader::maxGroupDepth) {
        ++m_overflowDepth;
        return;
    }
    m_stack.push_back(m_stack.back());
}

void Parser::closeGroup()
{
    flushBytes();
    m_starPending = false;
    m_skipCount = 0;
    if (m_overflowDepth > 0) {
        --m_overflowDepth;
        return;
    }
    if (m_stack.size() <= 1)
        return;
    if (m_stack.size() == 2) {
        // The document group is closed; anything after it is not RTF.
        finishDocument();
        return;
    }
    const Destination closing = state().destination;
    if (closing == Destination::FontTable)
        commitFontEntry();
    m_stack.pop_back();
    if (closing == Destination::Picture && state().destination != Destination::Picture)
        finishPicture();
}

void Parser::skipBinary(int length)
{
    const qsizetype available = m_data.size() - m_pos;
    const qsizetype count = std::clamp<qsizetype>(length, 0, available);
    if (state().destination == Destination::Picture && !m_picture.tooBig) {
        if (m_picture.data.size() + count > RtfReader::maxPictureBytes)
            m_picture.tooBig = true;
        else
            m_picture.data.append(m_data.constData() + m_pos, count);
    }
    m_pos += count;
}

void Parser::controlWord(std::string_view name, bool hasParam, int param)
{
    flushBytes();
    const auto &table = words();
    const auto found = table.find(name);
    const bool known = found != table.end();
    const bool starred = m_starPending;
    m_starPending = false;

    if (known && found->second == Word::Bin) {
        skipBinary(hasParam ? param : 0);
        return;
    }
    GroupState &s = state();
    if (s.destination == Destination::Skip)
        return;
    if (starred && (!known || (found->second != Word::FontTable && found->second != Word::ColorTable
                               && found->second != Word::Pict && found->second != Word::KnownGroup))) {
        s.destination = Destination::Skip;
        return;
    }
    if (!known)
        return;

    const int value = hasParam ? param : 0;
    const bool on = !hasParam || param != 0;
    CharProps &chars = s.chars;
    ParaProps &para = s.para;

    switch (found->second) {
    case Word::Rtf:
    case Word::KnownGroup:
    case Word::Bin:
        break;
    case Word::FontTable:
        s.destination = Destination::FontTable;
        m_fontName.clear();
        break;
    case Word::ColorTable:
        s.destination = Destination::ColorTable;
        m_colors.clear();
        m_red = m_green = m_blue = -1;
        break;
    case Word::Pict:
        s.destination = Destination::Picture;
        m_picture = Picture{};
        m_picture.active = true;
        break;
    case Word::SkipDestination:
        s.destination = Destination::Skip;
        break;
    case Word::Ansi:
        m_codePage = ansiCodePage;
        break;
    case Word::Mac:
        m_codePage = 10000;
        break;
    case Word::Pc:
        m_codePage = 437;
        break;
    case Word::Pca:
        m_codePage = 850;
        break;
    case Word::AnsiCpg:
        if (hasParam && param > 0)
            m_codePage = param;
        break;
    case Word::Deff:
        m_defaultFont = value;
        break;
    case Word::Fcharset:
        if (s.destination == Destination::FontTable)
            m_fonts[m_fontEntry].charset = value;
        break;
    case Word::Red:
        if (s.destination == Destination::ColorTable)
            m_red = std::clamp(value, 0, 255);
        break;
    case Word::Green:
        if (s.destination == Destination::ColorTable)
            m_green = std::clamp(value, 0, 255);
        break;
    case Word::Blue:
        if (s.destination == Destination::ColorTable)
            m_blue = std::clamp(value, 0, 255);
        break;
    case Word::Plain:
        chars = CharProps{};
        break;
    case Word::Bold:
        chars.bold = on;
        break;
    case Word::Italic:
        chars.italic = on;
        break;
    case Word::Underline:
        chars.underline = on;
        break;
    case Word::UnderlineNone:
        chars.underline = false;
        break;
    case Word::Strike:
        chars.strike = on;
        break;
    case Word::Hidden:
        chars.hidden = on;
        break;
    case Word::Font:
        if (s.destination == Destination::FontTable) {
            commitFontEntry();
            m_fontEntry = value;
        } else {
            chars.font = value;
        }
        break;
    case Word::FontSize:
        chars.halfPoints = hasParam ? std::clamp(param, 2, 3276) : 24;
        break;
    case Word::Foreground:
        chars.foreground = std::max(value, 0);
        break;
    case Word::Background:
        chars.background = std::max(value, 0);
        break;
    case Word::Super:
        chars.vertical = 1;
        break;
    case Word::Sub:
        chars.vertical = -1;
        break;
    case Word::NoSuperSub:
        chars.vertical = 0;
        break;
    case Word::Pard:
        para = ParaProps{};
        break;
    case Word::AlignLeft:
        para.alignment = Qt::AlignLeft;
        break;
    case Word::AlignCenter:
        para.alignment = Qt::AlignHCenter;
        break;
    case Word::AlignRight:
        para.alignment = Qt::AlignRight;
        break;
    case Word::AlignJustify:
        para.alignment = Qt::AlignJustify;
        break;
    case Word::LeftIndent:
        para.left = value;
        break;
    case Word::RightIndent:
        para.right = value;
        break;
    case Word::FirstIndent:
        para.first = value;
        break;
    case Word::SpaceBefore:
        para.before = value;
        break;
    case Word::SpaceAfter:
        para.after = value;
        break;
    case Word::TabStop:
        if (para.tabs.size() < 64)
            para.tabs.append(value);
        break;
    case Word::InTable:
        para.inTable = on;
        break;
    case Word::Par:
        if (s.destination == Destination::Text)
            endParagraph();
        break;
    case Word::Line:
        emitChar(QChar::LineSeparator);
        break;
    case Word::Tab:
        emitChar(u'\t');
        break;
    case Word::EmDash:
        emitChar(0x2014);
        break;
    case Word::EnDash:
        emitChar(0x2013);
        break;
    case Word::Bullet:
        emitChar(0x2022);
        break;
    case Word::LQuote:
        emitChar(0x2018);
        break;
    case Word::RQuote:
        emitChar(0x2019);
        break;
    case Word::LDblQuote:
        emitChar(0x201C);
        break;
    case Word::RDblQuote:
        emitChar(0x201D);
        break;
    case Word::EmSpace:
        emitChar(0x2003);
        break;
    case Word::EnSpace:
        emitChar(0x2002);
        break;
    case Word::QmSpace:
        emitChar(0x2005);
        break;
    case Word::Zwj:
        emitChar(0x200D);
        break;
    case Word::Zwnj:
        emitChar(0x200C);
        break;
    case Word::Unicode: {
        // The parameter is a signed 16-bit number: characters above 32767 are written negative.
        int code = value < 0 ? value + 65536 : value;
        if (code >= 0 && code <= 0xFFFF) {
            emitChar(char16_t(code));
        }
        m_skipCount = s.unicodeSkip;
        break;
    }
    case Word::UnicodeSkip:
        s.unicodeSkip = std::clamp(value, 0, 16);
        break;
    case Word::Trowd:
        m_cellEdges.clear();
        break;
    case Word::Cellx:
        if (m_cellEdges.size() < RtfReader::maxTableColumns)
            m_cellEdges.append(value);
        break;
    case Word::Cell:
        if (s.destination == Destination::Text)
            endCell();
        break;
    case Word::Row:
        if (s.destination == Destination::Text)
            endRow();
        break;
    case Word::PngBlip:
        if (s.destination == Destination::Picture)
            m_picture.format = "png";
        break;
    case Word::JpegBlip:
        if (s.destination == Destination::Picture)
            m_picture.format = "jpeg";
        break;
    case Word::PicWGoal:
        m_picture.goalWidth = std::max(value, 0);
        break;
    case Word::PicHGoal:
        m_picture.goalHeight = std::max(value, 0);
        break;
    case Word::PicScaleX:
        m_picture.scaleX = std::clamp(value, 1, 10000);
        break;
    case Word::PicScaleY:
        m_picture.scaleY = std::clamp(value, 1, 10000);
        break;
    }
}

void Parser::controlSymbol(char c)
{
    flushBytes();
    if (c == '*') {
        m_starPending = true;
        return;
    }
    m_starPending = false;
    if (state().destination == Destination::Skip)
        return;
    switch (c) {
    case '\\':
    case '{':
    case '}':
        textByte(c);
        break;
    case '~':
        emitChar(0x00A0);
        break;
    case '-':
        emitChar(0x00AD);
        break;
    case '_':
        emitChar(0x2011);
        break;
    case '\r':
    case '\n':
        // A backslash before a source line break is an old spelling of \par.
        if (state().destination == Destination::Text)
            endParagraph();
        break;
    case '\t':
        emitChar(u'\t');
        break;
    default:
        break;
    }
}

void Parser::textByte(char c)
{
    m_starPending = false;
    GroupState &s = state();
    switch (s.destination) {
    case Destination::Skip:
        break;
    case Destination::Text:
        m_bytes.append(c);
        break;
    case Destination::FontTable:
        if (c == ';')
            commitFontEntry();
        else if (m_fontName.size() < 256)
            m_fontName.append(c);
        break;
    case Destination::ColorTable:
        if (c == ';') {
            if (m_red < 0 && m_green < 0 && m_blue < 0)
                m_colors.append(QColor()); // "auto": the default colour
            else
                m_colors.append(QColor(std::max(m_red, 0), std::max(m_green, 0), std::max(m_blue, 0)));
            m_red = m_green = m_blue = -1;
        }
        break;
    case Destination::Picture: {
        const int nibble = hexValue(c);
        if (nibble < 0 || m_picture.tooBig)
            break;
        if (m_picture.pendingNibble < 0) {
            m_picture.pendingNibble = nibble;
        } else {
            if (m_picture.data.size() >= RtfReader::maxPictureBytes)
                m_picture.tooBig = true;
            else
                m_picture.data.append(char(m_picture.pendingNibble * 16 + nibble));
            m_picture.pendingNibble = -1;
        }
        break;
    }
    }
}

void Parser::commitFontEntry()
{
    QString name = decode(m_fontName, m_codePage).trimmed();
    m_fontName.clear();
    if (!name.isEmpty())
        m_fonts[m_fontEntry].name = name;
}

int Parser::codePageOf(int font) const
{
    const auto it = m_fonts.constFind(font < 0 ? m_defaultFont : font);
    if (it == m_fonts.constEnd() || it->charset < 0)
        return m_codePage;
    return codePageOfCharset(it->charset, m_codePage);
}

QString Parser::decode(const QByteArray &bytes, int codePage)
{
    QString out;
    if (codePage == ansiCodePage || codePage == symbolCodePage) {
        out.reserve(bytes.size());
        for (const char byte : bytes) {
            const auto b = static_cast<unsigned char>(byte);
            char16_t c = b;
            if (codePage == symbolCodePage) {
                // Bullet glyphs of the Symbol and Wingdings fonts that list numbers use.
                if (b == 0xB7)
                    c = 0x2022;
                else if (b == 0xA7)
                    c = 0x25AA;
                else if (b == 0xD8)
                    c = 0x27A2;
                else if (b == 0xFC)
                    c = 0x2713;
            } else if (b >= 0x80 && b < 0xA0) {
                c = cp1252High[b - 0x80];
            }
            out.append(QChar(c));
        }
        return out;
    }
    auto &decoder = m_decoders[codePage];
    if (!decoder) {
        const QByteArray name = codePage == 65001 ? QByteArray("UTF-8")
            : codePage == 10000                  ? QByteArray("macintosh")
            : codePage >= 1250 && codePage <= 1258 ? "windows-" + QByteArray::number(codePage)
                                                   : "cp" + QByteArray::number(codePage);
        decoder = std::make_unique<QStringDecoder>(name.constData(), QStringConverter::Flag::Stateless);
    }
    if (!decoder->isValid())
        return decode(bytes, ansiCodePage);
    return decoder->decode(bytes);
}

void Parser::flushBytes()
{
    if (m_bytes.isEmpty())
        return;
    const QString text = decode(m_bytes, codePageOf(state().chars.font));
    m_bytes.clear();
    emitText(text);
}

void Parser::emitText(const QString &text)
{
    GroupState &s = state();
    if (s.destination != Destination::Text || s.chars.hidden || text.isEmpty())
        return;
    enterContext();
    if (!m_text.isEmpty() && !(m_textProps == s.chars))
        flushText();
    if (m_text.isEmpty())
        m_textProps = s.chars;
    for (const QChar c : text) {
        if (!isUnwantedChar(c.unicode()))
            m_text.append(c);
    }
    // Long runs of text in one format go in as they come, so the limits act early.
    if (m_text.size() >= RtfReader::maxParagraphCharacters)
        flushText();
}

void Parser::flushText()
{
    if (m_text.isEmpty() || m_truncated)
        return;
    const QTextCharFormat format = charFormat(m_textProps);
    QStringView rest(m_text);
    const int room = RtfReader::maxDocumentCharacters - m_document->characterCount();
    if (rest.size() > room) {
        rest = rest.first(std::max(0, room));
        m_truncated = m_finished = true;
    }
    while (!rest.isEmpty()) {
        // A block's length counts its closing separator.
        int space = RtfReader::maxParagraphCharacters - (m_cursor.block().length() - 1);
        if (space <= 0) {
            m_cursor.setBlockFormat(blockFormat(state().para));
            m_cursor.insertBlock();
            space = RtfReader::maxParagraphCharacters;
        }
        const QStringView piece = rest.first(std::min<qsizetype>(space, rest.size()));
        m_cursor.insertText(piece.toString(), format);
        rest = rest.sliced(piece.size());
    }
    m_text.clear();
}

// Moves the cursor to where the next content belongs: into the current table cell, a new row
// or cell, or out of a table the text no longer belongs to.
void Parser::enterContext()
{
    if (state().para.inTable && !m_tablesAsText) {
        if (!m_table) {
            flushText();
            const int columns = std::max<int>(1, int(m_cellEdges.size()));
            if (!reserveCells(columns))
                return;
            QTextTableFormat format;
            format.setBorder(1);
            format.setBorderStyle(QTextFrameFormat::BorderStyle_Solid);
            format.setBorderCollapse(true);
            format.setCellPadding(4);
            format.setCellSpacing(0);
            QList<QTextLength> widths;
            int previous = 0;
            for (const int edge : std::as_const(m_cellEdges)) {
                const int width = edge - previous;
                if (width <= 0) {
                    widths.clear();
                    break;
                }
                widths.append(QTextLength(QTextLength::FixedLength,
                                          std::min(width / twipsPerPixel, double(RtfReader::maxPictureSide))));
                previous = edge;
            }
            if (!widths.isEmpty())
                format.setColumnWidthConstraints(widths);
            // Qt puts a table after the cursor's block; the empty block left by the paragraph
            // before would show as a blank line, so the table goes to the end of that paragraph.
            // Only a plain neighbour in the same frame is merged, never a table's last cell.
            const QTextBlock block = m_cursor.block();
            const QTextBlock before = block.previous();
            if (block.length() == 1 && before.isValid()
                && before.position() + before.length() == block.position()
                && QTextCursor(before).currentFrame() == m_cursor.currentFrame()) {
                m_cursor.deletePreviousChar();
            }
            m_table = m_cursor.insertTable(1, columns, format);
            m_row = 0;
            m_column = 0;
            m_rowPending = false;
            m_cellPending = false;
            m_cursor = m_table->cellAt(0, 0).firstCursorPosition();
            return;
        }
        if (m_rowPending) {
            flushText();
            const int wanted = std::min<int>(int(m_cellEdges.size()), RtfReader::maxTableColumns);
            const int rowCells = std::max(wanted, m_table->columns());
            const int newColumnCells = std::max(0, wanted - m_table->columns()) * m_table->rows();
            if (!reserveCells(rowCells + newColumnCells)) {
                leaveTable();
                return;
            }
            m_table->appendRows(1);
            m_row = m_table->rows() - 1;
            m_column = 0;
            if (wanted > m_table->columns()) {
                m_table->appendColumns(wanted - m_table->columns());
                QTextTableFormat format = m_table->format();
                format.clearColumnWidthConstraints();
                m_table->setFormat(format);
            }
            m_rowPending = false;
            m_cellPending = false;
            m_cursor = m_table->cellAt(m_row, 0).firstCursorPosition();
        } else if (m_cellPending) {
            flushText();
            m_cellPending = false;
            if (m_column >= m_table->columns()) {
                if (m_table->columns() < RtfReader::maxTableColumns && reserveCells(m_table->rows())) {
                    m_table->appendColumns(1);
                    QTextTableFormat format = m_table->format();
                    format.clearColumnWidthConstraints();
                    m_table->setFormat(format);
                } else {
                    // Cells beyond the column limits share the last cell, tab-separated.
                    m_column = m_table->columns() - 1;
                    m_cursor = m_table->cellAt(m_row, m_column).lastCursorPosition();
                    m_cursor.insertText(QStringLiteral("\t"));
                    return;
                }
            }
            m_cursor = m_table->cellAt(m_row, m_column).firstCursorPosition();
        }
    } else if (m_table) {
        flushText();
        leaveTable();
    }
}

// Counts cells against the document's limit; once it is reached, tables are read as text.
bool Parser::reserveCells(int count)
{
    if (m_tableCells + count > RtfReader::maxTableCells) {
        m_tablesAsText = true;
        return false;
    }
    m_tableCells += count;
    return true;
}

void Parser::leaveTable()
{
    m_cursor.setPosition(m_table->lastPosition() + 1);
    m_table = nullptr;
    m_rowPending = false;
    m_cellPending = false;
}

void Parser::endParagraph()
{
    enterContext();
    flushText();
    m_cursor.setBlockFormat(blockFormat(state().para));
    m_cursor.setBlockCharFormat(charFormat(state().chars));
    m_cursor.insertBlock();
}

void Parser::endCell()
{
    if (m_tablesAsText) {
        emitChar(u'\t');
        return;
    }
    // A cell ends a table paragraph even when \intbl was left out.
    state().para.inTable = true;
    enterContext();
    flushText();
    m_cursor.setBlockFormat(blockFormat(state().para));
    ++m_column;
    m_cellPending = true;
}

void Parser::endRow()
{
    if (m_tablesAsText) {
        endParagraph();
        return;
    }
    if (!m_table)
        return;
    flushText();
    m_rowPending = true;
    m_cellPending = false;
}

void Parser::finishPicture()
{
    Picture picture = std::move(m_picture);
    m_picture = Picture{};
    if (!picture.active || picture.tooBig || picture.format.isEmpty() || picture.data.isEmpty())
        return;
    if (state().destination != Destination::Text)
        return;
    QBuffer buffer(&picture.data);
    buffer.open(QIODevice::ReadOnly);
    QImageReader reader(&buffer, picture.format);
    reader.setDecideFormatFromContent(false);
    const QSize size = reader.size();
    if (!size.isValid() || size.isEmpty())
        return;
    // Decoded size is checked from the header before any pixel is decoded: a few bytes of
    // compressed data can claim an enormous picture.
    const qint64 pixels = qint64(size.width()) * size.height();
    if (pixels > RtfReader::maxPicturePixels || pixels > m_pixelBudget)
        return;
    const QImage image = reader.read();
    if (image.isNull())
        return;
    m_pixelBudget -= pixels;

    double width = image.width();
    double height = image.height();
    if (picture.goalWidth > 0 && picture.goalHeight > 0) {
        width = picture.goalWidth / twipsPerPixel;
        height = picture.goalHeight / twipsPerPixel;
    } else if (picture.goalWidth > 0) {
        width = picture.goalWidth / twipsPerPixel;
        height = image.height() * width / image.width();
    } else if (picture.goalHeight > 0) {
        height = picture.goalHeight / twipsPerPixel;
        width = image.width() * height / image.height();
    }
    width = std::clamp(width * picture.scaleX / 100.0, 1.0, double(RtfReader::maxPictureSide));
    height = std::clamp(height * picture.scaleY / 100.0, 1.0, double(RtfReader::maxPictureSide));

    const QString name = QStringLiteral("rtfimage:%1").arg(++m_imageCount);
    m_document->addResource(QTextDocument::ImageResource, QUrl(name), image);
    QTextImageFormat format;
    format.setName(name);
    format.setWidth(width);
    format.setHeight(height);
    enterContext();
    flushText();
    m_cursor.insertImage(format);
}

QTextCharFormat Parser::charFormat(const CharProps &props) const
{
    QTextCharFormat format;
    format.setFontWeight(props.bold ? QFont::Bold : QFont::Normal);
    format.setFontItalic(props.italic);
    format.setFontUnderline(props.underline);
    format.setFontStrikeOut(props.strike);
    format.setFontPointSize(props.halfPoints / 2.0);
    const auto font = m_fonts.constFind(props.font < 0 ? m_defaultFont : props.font);
    // Symbol fonts are decoded to Unicode, so their own family would only pick wrong glyphs.
    if (font != m_fonts.constEnd() && !font->name.isEmpty() && font->charset != 2)
        format.setFontFamilies(QStringList{font->name});
    if (props.foreground > 0 && props.foreground < m_colors.size() && m_colors[props.foreground].isValid())
        format.setForeground(m_colors[props.foreground]);
    if (props.background > 0 && props.background < m_colors.size() && m_colors[props.background].isValid())
        format.setBackground(m_colors[props.background]);
    if (props.vertical > 0)
        format.setVerticalAlignment(QTextCharFormat::AlignSuperScript);
    else if (props.vertical < 0)
        format.setVerticalAlignment(QTextCharFormat::AlignSubScript);
    return format;
}

QTextBlockFormat Parser::blockFormat(const ParaProps &props) const
{
    // Indents beyond a page's width are damage, not layout; clamp them so layout stays sane.
    // Measures arrive clamped to the int range; differences of them are taken in double, where
    // they cannot overflow.
    const auto pixels = [](double twips) {
        return std::clamp(twips / twipsPerPixel, -double(RtfReader::maxPictureSide), double(RtfReader::maxPictureSide));
    };
    QTextBlockFormat format;
    format.setAlignment(props.alignment);
    format.setLeftMargin(std::max(0.0, pixels(props.left)));
    format.setRightMargin(std::max(0.0, pixels(props.right)));
    format.setTextIndent(pixels(props.first));
    format.setTopMargin(std::max(0.0, pixels(props.before)));
    format.setBottomMargin(std::max(0.0, pixels(props.after)));
    // RTF measures tab stops from the page margin, Qt from where the line starts; the first line
    // is the one that matters (list bullets and numbers), so stops are moved by its indent.
    const double lineStart = double(props.left) + double(props.first);
    QList<QTextOption::Tab> tabs;
    for (const int tab : props.tabs) {
        if (tab > lineStart)
            tabs.append(QTextOption::Tab(pixels(tab - lineStart), QTextOption::LeftTab));
    }
    // A hanging indent without tab stops gets one at the indent, as word processors do, so
    // list bullets followed by \tab line their text up with the wrapped lines.
    if (tabs.isEmpty() && props.first < 0 && props.left > 0)
        tabs.append(QTextOption::Tab(pixels(-double(props.first)), QTextOption::LeftTab));
    std::sort(tabs.begin(), tabs.end(), [](const QTextOption::Tab &a, const QTextOption::Tab &b) {
        return a.position < b.position;
    });
    if (!tabs.isEmpty())
        format.setTabPositions(tabs);
    return format;
}

} // namespace

namespace RtfReader {

bool load(const QByteArray &rtf, QTextDocument *document, QString *error)
{
    if (error)
        error->clear();
    if (!document) {
        if (error)
            *error = QStringLiteral("No document to load into");
        return false;
    }
    const bool undo = document->isUndoRedoEnabled();
    document->setUndoRedoEnabled(false);
    document->clear();
    qsizetype start = 0;
    while (start < rtf.size() && (rtf[start] == ' ' || rtf[start] == '\t' || rtf[start] == '\r' || rtf[start] == '\n'))
        ++start;
    if (!QByteArrayView(rtf).sliced(start).startsWith("{\\rtf")) {
        document->setUndoRedoEnabled(undo);
        if (error)
            *error = QStringLiteral("The file is not an RTF document");
        return false;
    }
    Parser parser(rtf, start, document);
    parser.run();
    document->setUndoRedoEnabled(undo);
    return true;
}

bool loadFile(const QString &path, QTextDocument *document, QString *error)
{
    // Opening a FIFO would wait for a writer that may never come.
    if (const QFileInfo info(path); info.exists() && !info.isFile()) {
        if (error)
            *error = QStringLiteral("Cannot open file \"%1\": it is not a plain file").arg(path);
        return false;
    }
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        if (error)
            *error = QStringLiteral("Cannot open file \"%1\": %2").arg(path, file.errorString());
        return false;
    }
    return load(file.readAll(), document, error);
}

} // namespace RtfReader
