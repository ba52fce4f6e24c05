#include "platform/Encodings.h"

#include <QCoreApplication>

#include <cstdint>
#include <cstdlib>

extern "C" int LLVMFuzzerInitialize(int *argc, char ***argv)
{
    static QCoreApplication app(*argc, *argv);
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    const QByteArrayView bytes(reinterpret_cast<const char *>(data), qsizetype(size));

    for (const TextFileEncoding mode :
         {TextFileEncoding::Ansi, TextFileEncoding::Utf8, TextFileEncoding::Unicode})
        convertBytesOnLoad(bytes, mode);
    GuessEncoding(bytes);

    QByteArray header(bytes.data(), bytes.size());
    const CodePageRewrite found = rewriteRtfCodePage(header);
    if (header.size() != bytes.size() - (found.codePageFound ? 12 : 0))
        std::abort();

    // A text the stream read goes back in a form it reads as the same text.
    CharEncStream stream;
    if (stream.loadFromBytes(bytes)) {
        CharEncStream again;
        if (!again.loadFromBytes(stream.bytes()) || again.text != stream.text)
            std::abort();
    }
    return 0;
}
