#include "study/rtfreader.h"

#include "base/windows1252.h"
#include "study/rtftablebuilder.h"
#include "study/rtftokenizer.h"

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
#include <QUrl>

#include <algorithm>
#include <map>
#include <memory>
#include <string_view>
#include <unordered_map>
#include <vector>

namespace {

using RtfReader::twipsPerPixel;

// Code pages the reader decodes itself; every other number goes to the ICU-backed decoders.
constexpr int ansiCodePage = 1252;
constexpr int symbolCodePage = 42;

// Font charsets as \fcharset numbers them, mapped to the code page their bytes are in.
int codePageOfCharset(int charset, int documentCodePage)
{
    switch (charset) {
    case 2:
        return symbolCodePage;
    case 77:
        return 10000;
    case 128:
        return 932;
    case 129:
        return 949;
    case 134:
        return 936;
    case 136:
        return 950;
    case 161:
        return 1253;
    case 162:
        return 1254;
    case 163:
        return 1258;
    case 177:
        return 1255;
    case 178:
        return 1256;
    case 186:
        return 1257;
    case 204:
        return 1251;
    case 222:
        return 874;
    case 238:
        return 1250;
    default:
        return documentCodePage;
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
    Rtf,
    FontTable,
    ColorTable,
    Pict,
    SkipDestination,
    KnownGroup,
    // document
    Ansi,
    Mac,
    Pc,
    Pca,
    AnsiCpg,
    Deff,
    // font and colour tables
    Fcharset,
    Red,
    Green,
    Blue,
    // character formatting
    Plain,
    Bold,
    Italic,
    Underline,
    UnderlineNone,
    Strike,
    Hidden,
    Font,
    FontSize,
    Foreground,
    Background,
    Super,
    Sub,
    NoSuperSub,
    // paragraph formatting
    Pard,
    AlignLeft,
    AlignCenter,
    AlignRight,
    AlignJustify,
    LeftIndent,
    RightIndent,
    FirstIndent,
    SpaceBefore,
    SpaceAfter,
    TabStop,
    InTable,
    // text
    Par,
    Line,
    Tab,
    EmDash,
    EnDash,
    Bullet,
    LQuote,
    RQuote,
    LDblQuote,
    RDblQuote,
    EmSpace,
    EnSpace,
    QmSpace,
    Zwj,
    Zwnj,
    Unicode,
    UnicodeSkip,
    Bin,
    // tables
    Trowd,
    Cellx,
    Cell,
    Row,
    // pictures
    PngBlip,
    JpegBlip,
    PicWGoal,
    PicHGoal,
    PicScaleX,
    PicScaleY,
};

const std::unordered_map<std::string_view, Word> &words()
{
    // Laid out by hand: a few words of one group to a line.
    // clang-format off
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
    // clang-format on
    return table;
}

// Characters that would disturb the document's own structure (frame and object markers,
// block separators) or that are line ends of the RTF source rather than text.
bool isUnwantedChar(char16_t c)
{
    return c == u'\n' || c == u'\r' || c == 0 || c == 0xFDD0 || c == 0xFDD1 || c == 0xFFFC || c == 0x2029 ||
           (c < 0x20 && c != u'\t');
}

// A control word's number, and the two readings of it that most words use.
struct Arg {
    bool hasParam = false;
    int param = 0;
    int value() const { return hasParam ? param : 0; }
    bool on() const { return !hasParam || param != 0; } // \b and \b1 switch on, \b0 off
};

// Reads the token stream group by group. Each destination (the visible text, the font table,
// the colour table, a picture) takes its text bytes in a handler of its own; control words are
// handled by the part of the format they belong to; tables are built by RtfTableBuilder.
class Parser {
public:
    Parser(const QByteArray &rtf, qsizetype start, QTextDocument *document)
        : m_tokens(rtf, start), m_document(document), m_cursor(document)
    {
        m_stack.reserve(64);
        m_stack.push_back(GroupState{});
    }

    void run();

private:
    GroupState &state() { return m_stack.back(); }

    void token(const RtfToken &t);
    bool skipsFallback(const RtfToken &t);
    void openGroup();
    void closeGroup();
    void controlWord(const RtfToken &t);
    void controlSymbol(char c);
    void textByte(char c);
    void binary(int length);

    bool destinationWord(Word word);
    bool documentWord(Word word, Arg arg);
    bool fontOrColourWord(Word word, Arg arg);
    bool characterWord(Word word, Arg arg);
    bool paragraphWord(Word word, Arg arg);
    bool specialCharacterWord(Word word);
    bool textWord(Word word, Arg arg);
    bool pictureWord(Word word, Arg arg);

    void fontTableByte(char c);
    void colorTableByte(char c);
    void pictureByte(char c);
    void commitFontEntry();

    void flushBytes();
    void emitText(const QString &text);
    void emitChar(char16_t c) { emitText(QString(QChar(c))); }
    void flushText();
    void enterContext();
    void endParagraph();
    void endCell();
    void endRow();
    void finishPicture();
    void insertPicture(const QImage &image, QSizeF shown);
    void finishDocument();
    void addTruncationNote();

    int codePageOf(int font) const;
    QString decode(const QByteArray &bytes, int codePage);
    QString decodeSingleByte(const QByteArray &bytes, int codePage) const;
    QTextCharFormat charFormat(const CharProps &props) const;
    QTextBlockFormat blockFormat(const ParaProps &props) const;

    RtfTokenizer m_tokens;
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
    QString m_text;     // decoded text not yet inserted, all in m_textProps
    CharProps m_textProps;

    RtfTableBuilder m_tables;

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
    for (RtfToken t = m_tokens.next(); t.kind != RtfToken::Kind::End && !m_finished; t = m_tokens.next())
        token(t);
    // Whatever was read of a truncated document is kept.
    if (!m_finished)
        finishDocument();
    if (m_truncated)
        addTruncationNote();
    m_cursor.endEditBlock();
}

void Parser::token(const RtfToken &t)
{
    switch (t.kind) {
    case RtfToken::Kind::GroupOpen:
        openGroup();
        break;
    case RtfToken::Kind::GroupClose:
        closeGroup();
        break;
    case RtfToken::Kind::ControlWord:
        if (!skipsFallback(t))
            controlWord(t);
        break;
    case RtfToken::Kind::ControlSymbol:
        if (!skipsFallback(t))
            controlSymbol(t.byte);
        break;
    case RtfToken::Kind::HexByte:
        if (!skipsFallback(t) && t.valid)
            textByte(t.byte);
        break;
    case RtfToken::Kind::Text:
        if (!skipsFallback(t))
            textByte(t.byte);
        break;
    case RtfToken::Kind::End:
        break;
    }
}

// After \uN a reader that knows Unicode skips the N characters meant for readers that don't.
// A \bin payload is never one of them: skipping its word would read the payload as RTF.
bool Parser::skipsFallback(const RtfToken &t)
{
    if (m_skipCount <= 0 || (t.kind == RtfToken::Kind::ControlWord && t.word == "bin"))
        return false;
    --m_skipCount;
    return true;
}

void Parser::addTruncationNote()
{
    m_cursor.movePosition(QTextCursor::End);
    m_cursor.insertBlock(QTextBlockFormat(), QTextCharFormat());
    QTextCharFormat note;
    note.setFontItalic(true);
    m_cursor.insertText(QString::fromUtf16(RtfReader::truncationNote), note);
}

void Parser::finishDocument()
{
    flushBytes();
    flushText();
    if (m_tables.hasTable())
        m_tables.leave(m_cursor);
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

void Parser::binary(int length)
{
    const QByteArrayView payload = m_tokens.takeBinary(length);
    if (state().destination != Destination::Picture || m_picture.tooBig)
        return;
    if (m_picture.data.size() + payload.size() > RtfReader::maxPictureBytes)
        m_picture.tooBig = true;
    else
        m_picture.data.append(payload);
}

// Words that may follow \* : a destination this reader knows. Any other starred group is an
// extension it may skip whole.
bool opensKnownDestination(Word word)
{
    return word == Word::FontTable || word == Word::ColorTable || word == Word::Pict || word == Word::KnownGroup;
}

void Parser::controlWord(const RtfToken &t)
{
    flushBytes();
    const auto &table = words();
    const auto found = table.find(t.word);
    const bool known = found != table.end();
    const bool starred = m_starPending;
    m_starPending = false;
    const Arg arg{t.hasParam, t.param};

    if (known && found->second == Word::Bin) {
        binary(arg.value());
        return;
    }
    GroupState &s = state();
    if (s.destination == Destination::Skip)
        return;
    if (starred && (!known || !opensKnownDestination(found->second))) {
        s.destination = Destination::Skip;
        return;
    }
    if (!known)
        return;
    const Word word = found->second;
    destinationWord(word) || documentWord(word, arg) || fontOrColourWord(word, arg) || characterWord(word, arg) ||
        paragraphWord(word, arg) || specialCharacterWord(word) || textWord(word, arg) || pictureWord(word, arg);
}

bool Parser::destinationWord(Word word)
{
    GroupState &s = state();
    switch (word) {
    case Word::Rtf:
    case Word::KnownGroup:
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
    default:
        return false;
    }
    return true;
}

bool Parser::documentWord(Word word, Arg arg)
{
    switch (word) {
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
        if (arg.hasParam && arg.param > 0)
            m_codePage = arg.param;
        break;
    case Word::Deff:
        m_defaultFont = arg.value();
        break;
    default:
        return false;
    }
    return true;
}

// Words of the font and colour tables; \f inside the font table starts an entry, elsewhere it
// is character formatting.
bool Parser::fontOrColourWord(Word word, Arg arg)
{
    const Destination destination = state().destination;
    switch (word) {
    case Word::Fcharset:
        if (destination == Destination::FontTable)
            m_fonts[m_fontEntry].charset = arg.value();
        break;
    case Word::Font:
        if (destination != Destination::FontTable)
            return false;
        commitFontEntry();
        m_fontEntry = arg.value();
        break;
    case Word::Red:
        if (destination == Destination::ColorTable)
            m_red = std::clamp(arg.value(), 0, 255);
        break;
    case Word::Green:
        if (destination == Destination::ColorTable)
            m_green = std::clamp(arg.value(), 0, 255);
        break;
    case Word::Blue:
        if (destination == Destination::ColorTable)
            m_blue = std::clamp(arg.value(), 0, 255);
        break;
    default:
        return false;
    }
    return true;
}

bool Parser::characterWord(Word word, Arg arg)
{
    CharProps &chars = state().chars;
    switch (word) {
    case Word::Plain:
        chars = CharProps{};
        break;
    case Word::Bold:
        chars.bold = arg.on();
        break;
    case Word::Italic:
        chars.italic = arg.on();
        break;
    case Word::Underline:
        chars.underline = arg.on();
        break;
    case Word::UnderlineNone:
        chars.underline = false;
        break;
    case Word::Strike:
        chars.strike = arg.on();
        break;
    case Word::Hidden:
        chars.hidden = arg.on();
        break;
    case Word::Font:
        chars.font = arg.value();
        break;
    case Word::FontSize:
        chars.halfPoints = arg.hasParam ? std::clamp(arg.param, 2, 3276) : 24;
        break;
    case Word::Foreground:
        chars.foreground = std::max(arg.value(), 0);
        break;
    case Word::Background:
        chars.background = std::max(arg.value(), 0);
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
    default:
        return false;
    }
    return true;
}

bool Parser::paragraphWord(Word word, Arg arg)
{
    ParaProps &para = state().para;
    switch (word) {
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
        para.left = arg.value();
        break;
    case Word::RightIndent:
        para.right = arg.value();
        break;
    case Word::FirstIndent:
        para.first = arg.value();
        break;
    case Word::SpaceBefore:
        para.before = arg.value();
        break;
    case Word::SpaceAfter:
        para.after = arg.value();
        break;
    case Word::TabStop:
        if (para.tabs.size() < 64)
            para.tabs.append(arg.value());
        break;
    case Word::InTable:
        para.inTable = arg.on();
        break;
    default:
        return false;
    }
    return true;
}

// Words that stand for one character.
bool Parser::specialCharacterWord(Word word)
{
    static const std::unordered_map<Word, char16_t> characters = {
        {Word::Line, QChar::LineSeparator},
        {Word::Tab, u'\t'},
        {Word::EmDash, 0x2014},
        {Word::EnDash, 0x2013},
        {Word::Bullet, 0x2022},
        {Word::LQuote, 0x2018},
        {Word::RQuote, 0x2019},
        {Word::LDblQuote, 0x201C},
        {Word::RDblQuote, 0x201D},
        {Word::EmSpace, 0x2003},
        {Word::EnSpace, 0x2002},
        {Word::QmSpace, 0x2005},
        {Word::Zwj, 0x200D},
        {Word::Zwnj, 0x200C},
    };
    const auto found = characters.find(word);
    if (found == characters.end())
        return false;
    emitChar(found->second);
    return true;
}

// Paragraph, cell and row ends, Unicode characters and row definitions.
bool Parser::textWord(Word word, Arg arg)
{
    GroupState &s = state();
    const bool inText = s.destination == Destination::Text;
    switch (word) {
    case Word::Par:
        if (inText)
            endParagraph();
        break;
    case Word::Unicode: {
        // The parameter is a signed 16-bit number: characters above 32767 are written negative.
        const int code = arg.value() < 0 ? arg.value() + 65536 : arg.value();
        if (code >= 0 && code <= 0xFFFF)
            emitChar(char16_t(code));
        m_skipCount = s.unicodeSkip;
        break;
    }
    case Word::UnicodeSkip:
        s.unicodeSkip = std::clamp(arg.value(), 0, 16);
        break;
    case Word::Trowd:
        m_tables.defineRow();
        break;
    case Word::Cellx:
        m_tables.addCellEdge(arg.value());
        break;
    case Word::Cell:
        if (inText)
            endCell();
        break;
    case Word::Row:
        if (inText)
            endRow();
        break;
    default:
        return false;
    }
    return true;
}

bool Parser::pictureWord(Word word, Arg arg)
{
    const bool inPicture = state().destination == Destination::Picture;
    switch (word) {
    case Word::PngBlip:
        if (inPicture)
            m_picture.format = "png";
        break;
    case Word::JpegBlip:
        if (inPicture)
            m_picture.format = "jpeg";
        break;
    case Word::PicWGoal:
        m_picture.goalWidth = std::max(arg.value(), 0);
        break;
    case Word::PicHGoal:
        m_picture.goalHeight = std::max(arg.value(), 0);
        break;
    case Word::PicScaleX:
        m_picture.scaleX = std::clamp(arg.value(), 1, 10000);
        break;
    case Word::PicScaleY:
        m_picture.scaleY = std::clamp(arg.value(), 1, 10000);
        break;
    default:
        return false;
    }
    return true;
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
    switch (state().destination) {
    case Destination::Skip:
        break;
    case Destination::Text:
        m_bytes.append(c);
        break;
    case Destination::FontTable:
        fontTableByte(c);
        break;
    case Destination::ColorTable:
        colorTableByte(c);
        break;
    case Destination::Picture:
        pictureByte(c);
        break;
    }
}

void Parser::fontTableByte(char c)
{
    if (c == ';')
        commitFontEntry();
    else if (m_fontName.size() < 256)
        m_fontName.append(c);
}

void Parser::colorTableByte(char c)
{
    if (c != ';')
        return;
    if (m_red < 0 && m_green < 0 && m_blue < 0)
        m_colors.append(QColor()); // "auto": the default colour
    else
        m_colors.append(QColor(std::max(m_red, 0), std::max(m_green, 0), std::max(m_blue, 0)));
    m_red = m_green = m_blue = -1;
}

void Parser::pictureByte(char c)
{
    const int nibble = RtfTokenizer::hexValue(c);
    if (nibble < 0 || m_picture.tooBig)
        return;
    if (m_picture.pendingNibble < 0) {
        m_picture.pendingNibble = nibble;
        return;
    }
    if (m_picture.data.size() >= RtfReader::maxPictureBytes)
        m_picture.tooBig = true;
    else
        m_picture.data.append(char(m_picture.pendingNibble * 16 + nibble));
    m_picture.pendingNibble = -1;
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

QString Parser::decodeSingleByte(const QByteArray &bytes, int codePage) const
{
    QString out;
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
        } else {
            c = Windows1252::toUnicode(b);
        }
        out.append(QChar(c));
    }
    return out;
}

QString Parser::decode(const QByteArray &bytes, int codePage)
{
    if (codePage == ansiCodePage || codePage == symbolCodePage)
        return decodeSingleByte(bytes, codePage);
    auto &decoder = m_decoders[codePage];
    if (!decoder) {
        const QByteArray name = codePage == 65001                      ? QByteArray("UTF-8")
                                : codePage == 10000                    ? QByteArray("macintosh")
                                : codePage >= 1250 && codePage <= 1258 ? "windows-" + QByteArray::number(codePage)
                                                                       : "cp" + QByteArray::number(codePage);
        decoder = std::make_unique<QStringDecoder>(name.constData(), QStringConverter::Flag::Stateless);
    }
    if (!decoder->isValid())
        return decodeSingleByte(bytes, ansiCodePage);
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
    const bool inTable = state().para.inTable;
    if (!m_tables.needsMove(inTable))
        return;
    flushText();
    m_tables.move(m_cursor, inTable);
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
    if (m_tables.readsAsText()) {
        emitChar(u'\t');
        return;
    }
    // A cell ends a table paragraph even when \intbl was left out.
    state().para.inTable = true;
    enterContext();
    flushText();
    m_cursor.setBlockFormat(blockFormat(state().para));
    m_tables.cellEnded();
}

void Parser::endRow()
{
    if (m_tables.readsAsText()) {
        endParagraph();
        return;
    }
    if (!m_tables.hasTable())
        return;
    flushText();
    m_tables.rowEnded();
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
    insertPicture(image, QSizeF(width, height));
}

void Parser::insertPicture(const QImage &image, QSizeF shown)
{
    const QString name = QStringLiteral("rtfimage:%1").arg(++m_imageCount);
    m_document->addResource(QTextDocument::ImageResource, QUrl(name), image);
    QTextImageFormat format;
    format.setName(name);
    format.setWidth(shown.width());
    format.setHeight(shown.height());
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
    std::sort(tabs.begin(), tabs.end(),
              [](const QTextOption::Tab &a, const QTextOption::Tab &b) { return a.position < b.position; });
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
