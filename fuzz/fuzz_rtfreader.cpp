#include "study/rtfreader.h"

#include <QAbstractTextDocumentLayout>
#include <QByteArray>
#include <QGuiApplication>
#include <QTextDocument>

#include <cstddef>
#include <cstdint>

// Every input is loaded and laid out: a damaged table or picture that slips through the reader
// would show up as a crash in the layout rather than in the reader.
extern "C" int LLVMFuzzerInitialize(int *argc, char ***argv)
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    static QGuiApplication application(*argc, *argv);
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    const QByteArray rtf = QByteArray::fromRawData(reinterpret_cast<const char *>(data), qsizetype(size));
    QTextDocument document;
    QString error;
    if (RtfReader::load(rtf, &document, &error)) {
        document.setTextWidth(600);
        (void)document.documentLayout()->documentSize();
        (void)document.toRawText();
    }
    return 0;
}
