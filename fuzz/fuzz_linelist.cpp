#include "base/linelistfile.h"

#include <QByteArray>
#include <QString>

#include <cstddef>
#include <cstdint>
#include <cstdlib>

// Any bytes decode to lines, and writing those lines out and reading them back keeps the line
// structure: a line never splits, merges or disappears on a save. The text itself survives too,
// unless it holds what UTF-8 cannot carry (lone surrogates from damaged UTF-16) or starts with
// U+FEFF, which on reading is taken for a byte-order mark.
extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    const QByteArray bytes = QByteArray::fromRawData(reinterpret_cast<const char *>(data), qsizetype(size));
    const QStringList lines = LineListFile::decode(bytes);
    for (const QString &line : lines) {
        if (line.contains(u'\r') || line.contains(u'\n'))
            std::abort();
    }
    const QStringList again = LineListFile::decode(LineListFile::encode(lines));
    if (again.size() != lines.size())
        std::abort();
    bool representable = lines.isEmpty() || !lines.first().startsWith(QChar(0xFEFF));
    for (const QString &line : lines)
        representable = representable && line.isValidUtf16();
    if (representable && again != lines)
        std::abort();
    return 0;
}
