#pragma once

#include <QByteArray>
#include <QString>

class QTextDocument;

// Builds a QTextDocument from Rich Text Format, the format the study documents are authored in.
//
// The reader covers what word processors write for plain study documents: character formatting
// (bold, italic, underline, strike-through, font, size, colours), paragraph formatting
// (alignment, indents, spacing, tab stops), code-page escapes and Unicode characters, list
// numbers and bullets, tables and embedded PNG or JPEG pictures. Everything else is skipped.
//
// The documents come from a directory anyone can write to, so damaged or hostile input is
// expected: the reader never crashes, always finishes in time proportional to the input, and
// bounds what it allocates (group depth, picture data, decoded picture size). A truncated
// document or one with unbalanced braces keeps everything read up to the damage.
namespace RtfReader {

// RTF measures in twips (1/1440 inch); the document is laid out in pixels at 96 per inch.
inline constexpr double twipsPerPixel = 15.0;

// The limits that keep hostile input harmless.
inline constexpr int maxGroupDepth = 1000;
inline constexpr qsizetype maxPictureBytes = 16 * 1024 * 1024;
inline constexpr qint64 maxPicturePixels = 25'000'000;         // one decoded picture
inline constexpr qint64 maxDocumentPicturePixels = 60'000'000; // all pictures of one document
inline constexpr int maxPictureSide = 4096;                    // shown width or height, pixels
inline constexpr int maxTableColumns = 64;
inline constexpr int maxTableCells = 5'000; // all tables of one document
// A paragraph is laid out as a whole, so one of millions of characters would freeze the viewer:
// a longer one continues in a new paragraph. A document ends at its character limit (some
// hundred printed pages) with a note saying so; nothing after it is read.
inline constexpr int maxParagraphCharacters = 10'000;
inline constexpr int maxDocumentCharacters = 500'000;
inline constexpr char16_t truncationNote[] = u"(The rest of this document is too long to show.)";

// Replaces the content of `document` with the RTF document `rtf`. Returns false, with a reason
// in `error` and an empty document, when `rtf` is not an RTF document at all; damage inside an
// RTF document is not an error, what could be read is kept.
bool load(const QByteArray &rtf, QTextDocument *document, QString *error = nullptr);

// Reads the file at `path` and loads it; false with the file error when it cannot be read.
bool loadFile(const QString &path, QTextDocument *document, QString *error = nullptr);

} // namespace RtfReader
