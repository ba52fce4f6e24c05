#include "platform/RtfReader.h"
#include "platform/RtfWriter.h"

#include <QGuiApplication>
#include <QTextDocument>

#include <cstdint>
#include <cstdlib>

extern "C" int LLVMFuzzerInitialize(int *argc, char ***argv)
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    static QGuiApplication app(*argc, *argv);
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    QTextDocument document;
    const QByteArrayView rtf(reinterpret_cast<const char *>(data), qsizetype(size));
    if (!readRtf(rtf, document).ok)
        return 0;
    // Whatever was read, we write in a form that reads back as the same text.
    QTextDocument back;
    if (!readRtf(writeRtf(document), back).ok || back.toPlainText() != document.toPlainText())
        std::abort();
    return 0;
}
