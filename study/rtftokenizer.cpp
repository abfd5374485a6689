#include "study/rtftokenizer.h"

#include <algorithm>
#include <climits>

namespace {

bool isLetter(char c)
{
    return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z');
}
bool isDigit(char c)
{
    return c >= '0' && c <= '9';
}

} // namespace

int RtfTokenizer::hexValue(char c)
{
    if (c >= '0' && c <= '9')
        return c - '0';
    if (c >= 'a' && c <= 'f')
        return c - 'a' + 10;
    if (c >= 'A' && c <= 'F')
        return c - 'A' + 10;
    return -1;
}

RtfToken RtfTokenizer::next()
{
    const qsizetype size = m_data.size();
    const char *data = m_data.constData();
    while (m_pos < size) {
        const char c = data[m_pos++];
        if (c == '{')
            return RtfToken(RtfToken::Kind::GroupOpen);
        if (c == '}')
            return RtfToken(RtfToken::Kind::GroupClose);
        if (c == '\r' || c == '\n')
            continue; // source line breaks are not text
        if (c != '\\') {
            RtfToken token(RtfToken::Kind::Text);
            token.byte = c;
            return token;
        }
        if (m_pos >= size)
            break;
        const char next = data[m_pos];
        if (isLetter(next))
            return controlWord();
        ++m_pos;
        if (next == '\'')
            return hexByte();
        RtfToken token(RtfToken::Kind::ControlSymbol);
        token.byte = next;
        return token;
    }
    m_pos = size;
    return RtfToken();
}

RtfToken RtfTokenizer::controlWord()
{
    const qsizetype size = m_data.size();
    const char *data = m_data.constData();
    const qsizetype start = m_pos;
    while (m_pos < size && isLetter(data[m_pos]))
        ++m_pos;
    RtfToken token(RtfToken::Kind::ControlWord);
    // Real control words are at most 32 letters; a longer run is no word we know.
    token.word = std::string_view(data + start, size_t(std::min<qsizetype>(m_pos - start, 40)));
    bool negative = false;
    qint64 value = 0;
    if (m_pos + 1 < size && data[m_pos] == '-' && isDigit(data[m_pos + 1])) {
        negative = true;
        ++m_pos;
    }
    while (m_pos < size && isDigit(data[m_pos])) {
        token.hasParam = true;
        if (value <= INT_MAX)
            value = value * 10 + (data[m_pos] - '0');
        ++m_pos;
    }
    value = std::min<qint64>(value, INT_MAX);
    if (m_pos < size && data[m_pos] == ' ')
        ++m_pos; // the space that ends a control word belongs to it
    token.param = int(negative ? -value : value);
    return token;
}

RtfToken RtfTokenizer::hexByte()
{
    const qsizetype size = m_data.size();
    int byte = 0;
    int digits = 0;
    while (digits < 2 && m_pos < size && hexValue(m_data[m_pos]) >= 0) {
        byte = byte * 16 + hexValue(m_data[m_pos]);
        ++m_pos;
        ++digits;
    }
    RtfToken token(RtfToken::Kind::HexByte);
    token.byte = char(byte);
    token.valid = digits > 0;
    return token;
}

QByteArrayView RtfTokenizer::takeBinary(int length)
{
    const qsizetype count = std::clamp<qsizetype>(length, 0, m_data.size() - m_pos);
    const QByteArrayView payload(m_data.constData() + m_pos, count);
    m_pos += count;
    return payload;
}
