#pragma once

#include <QByteArray>
#include <QString>
#include <QStringList>

// Plain text files read and written whole as a list of lines.
namespace LineListFile {

// Decodes file bytes: a UTF-8 or UTF-16 byte-order mark is honoured; without one the text is
// UTF-8 when it is valid UTF-8, else Windows-1252. CR, LF and CRLF all end a line; a final line
// end does not start another (empty) line.
QStringList decode(const QByteArray &bytes);

// CRLF after every line, UTF-8, no byte-order mark.
QByteArray encode(const QStringList &lines);

// Reads a file; throws DataError naming the file when it cannot be opened.
QStringList read(const QString &path);

// Writes atomically through QSaveFile; throws DataError naming the file when it cannot be written.
void write(const QString &path, const QStringList &lines);

// A line of a list, or DataError when the list is shorter ("List index out of bounds").
const QString &lineAt(const QStringList &lines, int index, const QString &fileName);

} // namespace LineListFile
