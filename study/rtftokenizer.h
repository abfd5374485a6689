#pragma once

#include <QByteArray>
#include <QByteArrayView>

#include <string_view>

// One piece of RTF source: a group brace, a control word with its optional number, a control
// symbol, a byte given as \'hh, or a plain text byte.
struct RtfToken {
    enum class Kind { End, GroupOpen, GroupClose, ControlWord, ControlSymbol, HexByte, Text };
    explicit RtfToken(Kind k = Kind::End) : kind(k) {}
    Kind kind;
    std::string_view word; // ControlWord: its letters (a run longer than any real word is cut at 40)
    bool hasParam = false; // ControlWord: a number followed the letters
    int param = 0;         // ControlWord: that number, clamped to the int range
    char byte = 0;         // ControlSymbol: the symbol; HexByte and Text: the byte
    bool valid = true;     // HexByte: false when no hex digit followed \'
};

// Splits RTF source into tokens. Line breaks of the source are not text and yield no token;
// a backslash at the very end of the data ends it.
class RtfTokenizer {
public:
    RtfTokenizer(const QByteArray &data, qsizetype start) : m_data(data), m_pos(start) {}

    RtfToken next();

    // The payload of \binN: the next `length` bytes (fewer at the end of the data), which are
    // consumed without being read as RTF.
    QByteArrayView takeBinary(int length);

    // The value of a hex digit, or -1 for any other character.
    static int hexValue(char c);

private:
    RtfToken controlWord();
    RtfToken hexByte();

    const QByteArray &m_data;
    qsizetype m_pos;
};
