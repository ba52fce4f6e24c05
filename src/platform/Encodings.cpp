#include "platform/Encodings.h"

#include <QFile>
#include <QFileInfo>
#include <QSaveFile>
#include <QStringDecoder>
#include <QStringEncoder>

#include <map>
#include <memory>

namespace {

// Windows-1252 differs from Latin-1 only in 0x80..0x9F. The five bytes the
// page leaves undefined decode to the C1 control of the same value, as the
// system converters do, so that they survive a round trip.
constexpr char16_t kCp1252High[32] = {
    0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021, 0x02C6, 0x2030, 0x0160,
    0x2039, 0x0152, 0x008D, 0x017D, 0x008F, 0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022,
    0x2013, 0x2014, 0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178,
};

QString decodeCp1252(QByteArrayView bytes)
{
    QString out(bytes.size(), Qt::Uninitialized);
    QChar *dst = out.data();
    for (const char c : bytes) {
        const auto b = static_cast<unsigned char>(c);
        *dst++ = QChar(b >= 0x80 && b < 0xA0 ? kCp1252High[b - 0x80] : char16_t(b));
    }
    return out;
}

QByteArray codePageName(int codePage)
{
    switch (codePage) {
    case 10000:
        return "macintosh";
    case 437:
    case 850:
    case 852:
    case 866:
        return "IBM" + QByteArray::number(codePage);
    case 932:
        return "Shift_JIS";
    case 936:
        return "GBK";
    case 949:
        return "windows-949";
    case 950:
        return "Big5";
    case 65001:
        return "UTF-8";
    default:
        return "windows-" + QByteArray::number(codePage);
    }
}

// The code pages a Windows document can name. Others are refused, so that a
// file cannot make us open converters for any number it likes.
bool knownCodePage(int codePage)
{
    switch (codePage) {
    case 437:
    case 850:
    case 852:
    case 866:
    case 874:
    case 932:
    case 936:
    case 949:
    case 950:
    case 10000:
    case 65001:
        return true;
    default:
        return codePage >= 1250 && codePage <= 1258;
    }
}

// Converters are costly to create and a reader asks for the same few pages
// again and again.
QStringDecoder *decoderFor(int codePage)
{
    if (!knownCodePage(codePage))
        return nullptr;
    static std::map<int, std::unique_ptr<QStringDecoder>> decoders;
    auto &slot = decoders[codePage];
    if (!slot) {
        slot = std::make_unique<QStringDecoder>(codePageName(codePage).constData(),
                                                QStringConverter::Flag::Stateless);
    }
    return slot->isValid() ? slot.get() : nullptr;
}

QStringEncoder *encoderFor(int codePage)
{
    if (!knownCodePage(codePage))
        return nullptr;
    static std::map<int, std::unique_ptr<QStringEncoder>> encoders;
    auto &slot = encoders[codePage];
    if (!slot) {
        slot = std::make_unique<QStringEncoder>(codePageName(codePage).constData(),
                                                QStringConverter::Flag::Stateless);
    }
    return slot->isValid() ? slot.get() : nullptr;
}

bool startsWith(QByteArrayView bytes, QByteArrayView prefix)
{
    return bytes.size() >= prefix.size() && bytes.first(prefix.size()) == prefix;
}

// No NUL and no C0 control that a text file would not hold.
bool looksLikeText(QStringView text)
{
    for (const QChar c : text) {
        const char16_t u = c.unicode();
        if (u < 0x20 && u != '\t' && u != '\n' && u != '\r' && u != '\f' && u != '\v' && u != 0x1A)
            return false;
    }
    return true;
}

std::optional<QString> strictDecode(QByteArrayView bytes, QStringConverter::Encoding encoding)
{
    QStringDecoder decoder(encoding, QStringConverter::Flag::Stateless |
                                         QStringConverter::Flag::ConvertInitialBom);
    QString text = decoder.decode(bytes);
    if (decoder.hasError())
        return std::nullopt;
    return text;
}

// Qt's UTF-32 decoder lets values past U+10FFFF through.
bool plausibleUtf32(QByteArrayView bytes, bool bigEndian)
{
    const auto *u = reinterpret_cast<const unsigned char *>(bytes.data());
    for (qsizetype i = 0; i + 3 < bytes.size(); i += 4) {
        const quint32 v = bigEndian
                              ? quint32(u[i]) << 24 | u[i + 1] << 16 | u[i + 2] << 8 | u[i + 3]
                              : quint32(u[i + 3]) << 24 | u[i + 2] << 16 | u[i + 1] << 8 | u[i];
        if (v == 0 || v > 0x10FFFF || (v >= 0xD800 && v <= 0xDFFF))
            return false;
    }
    return true;
}

// UTF-32 is checked before UTF-16: "A\0\0\0" is valid in both, and UTF-16
// would read its second half as a NUL, which the text check refuses anyway.
std::optional<DetectedText> detectWideWithoutMark(QByteArrayView bytes)
{
    struct Candidate
    {
        DetectedEncoding found;
        QStringConverter::Encoding encoding;
        qsizetype unit;
    };
    // Latin text in UTF-16 has its NULs in the high bytes: at odd offsets in
    // little endian, at even ones in big endian. Both orders decode without
    // error, so the NULs decide which is tried first.
    qsizetype oddZeros = 0;
    qsizetype evenZeros = 0;
    for (qsizetype i = 0; i < bytes.size(); ++i)
        if (bytes[i] == '\0')
            ++(i % 2 ? oddZeros : evenZeros);
    const Candidate little{DetectedEncoding::Utf16LE, QStringConverter::Utf16LE, 2};
    const Candidate big{DetectedEncoding::Utf16BE, QStringConverter::Utf16BE, 2};
    const Candidate candidates[] = {
        {DetectedEncoding::Utf32LE, QStringConverter::Utf32LE, 4},
        {DetectedEncoding::Utf32BE, QStringConverter::Utf32BE, 4},
        oddZeros >= evenZeros ? little : big,
        oddZeros >= evenZeros ? big : little,
    };
    for (const Candidate &c : candidates) {
        if (bytes.size() % c.unit != 0)
            continue;
        if (c.unit == 4 && !plausibleUtf32(bytes, c.found == DetectedEncoding::Utf32BE))
            continue;
        std::optional<QString> text = strictDecode(bytes, c.encoding);
        if (text && looksLikeText(*text))
            return DetectedText{*text, c.found, false};
    }
    return std::nullopt;
}

// A U+FEFF at the start of what follows a mark is text: dropping it as a
// second mark would lose it on the way back.
constexpr auto kKeepEverything =
    QStringConverter::Flag::Stateless | QStringConverter::Flag::ConvertInitialBom;

QString decodeWith(QByteArrayView bytes, QStringConverter::Encoding encoding)
{
    QStringDecoder decoder(encoding, kKeepEverything);
    return decoder.decode(bytes);
}

} // namespace

QStringList splitTextLines(QStringView text)
{
    QStringList lines;
    qsizetype start = 0;
    const qsizetype n = text.size();
    for (qsizetype i = 0; i < n; ++i) {
        const QChar c = text[i];
        if (c != u'\r' && c != u'\n')
            continue;
        lines << text.mid(start, i - start).toString();
        if (c == u'\r' && i + 1 < n && text[i + 1] == u'\n')
            ++i;
        start = i + 1;
    }
    // A line end after the last line does not start another one.
    if (start < n)
        lines << text.mid(start).toString();
    return lines;
}

QString textFileEncodingName(TextFileEncoding encoding)
{
    switch (encoding) {
    case TextFileEncoding::Utf8:
        return QStringLiteral("utf8");
    case TextFileEncoding::Unicode:
        return QStringLiteral("unicode");
    case TextFileEncoding::Ansi:
        break;
    }
    return QStringLiteral("ansi");
}

bool codePageAvailable(int codePage)
{
    return codePage == 1252 || decoderFor(codePage) != nullptr;
}

QString decodeCodePage(QByteArrayView bytes, int codePage)
{
    if (codePage == 1252)
        return decodeCp1252(bytes);
    if (codePage == 65001)
        return QString::fromUtf8(bytes);
    QStringDecoder *decoder = decoderFor(codePage);
    if (!decoder)
        return decodeCp1252(bytes);
    decoder->resetState();
    return decoder->decode(bytes);
}

QByteArray encodeCodePage(QStringView text, int codePage)
{
    if (codePage == 65001)
        return text.toUtf8();
    QStringEncoder *encoder = encoderFor(codePage);
    if (!encoder)
        encoder = encoderFor(1252);
    if (!encoder)
        return text.toLatin1();
    encoder->resetState();
    return encoder->encode(text);
}

bool isValidUtf8(QByteArrayView bytes)
{
    const auto *p = reinterpret_cast<const unsigned char *>(bytes.data());
    const auto *end = p + bytes.size();
    while (p < end) {
        const unsigned char b = *p;
        if (b < 0x80) {
            ++p;
            continue;
        }
        int length;
        unsigned int min;
        unsigned int cp;
        if ((b & 0xE0) == 0xC0) {
            length = 2;
            min = 0x80;
            cp = b & 0x1F;
        } else if ((b & 0xF0) == 0xE0) {
            length = 3;
            min = 0x800;
            cp = b & 0x0F;
        } else if ((b & 0xF8) == 0xF0) {
            length = 4;
            min = 0x10000;
            cp = b & 0x07;
        } else {
            return false;
        }
        if (end - p < length)
            return false;
        for (int i = 1; i < length; ++i) {
            if ((p[i] & 0xC0) != 0x80)
                return false;
            cp = (cp << 6) | (p[i] & 0x3F);
        }
        if (cp < min || cp > 0x10FFFF || (cp >= 0xD800 && cp <= 0xDFFF))
            return false;
        p += length;
    }
    return true;
}

namespace {

// A wide text after its mark. Its length must fit the encoding and it may not
// hold NUL characters: "FF FE 00 00" would be both UTF-16 with a NUL and the
// mark of UTF-32, and a file read one way would be written back the other.
std::optional<DetectedText> markedWide(QByteArrayView bytes, qsizetype mark, qsizetype unit,
                                       QStringConverter::Encoding encoding, DetectedEncoding found)
{
    if ((bytes.size() - mark) % unit != 0)
        return std::nullopt;
    if (unit == 4 && !plausibleUtf32(bytes.sliced(mark), found == DetectedEncoding::Utf32BE))
        return std::nullopt;
    QString text = decodeWith(bytes.sliced(mark), encoding);
    if (text.contains(QChar(0)))
        return std::nullopt;
    return DetectedText{std::move(text), found, true};
}

} // namespace

std::optional<DetectedText> detectText(QByteArrayView bytes)
{
    // The four-byte marks first: FF FE 00 00 also begins with the UTF-16 LE one.
    if (startsWith(bytes, QByteArrayView("\xFF\xFE\x00\x00", 4)) && bytes.size() % 4 == 0)
        return markedWide(bytes, 4, 4, QStringConverter::Utf32LE, DetectedEncoding::Utf32LE);
    if (startsWith(bytes, QByteArrayView("\x00\x00\xFE\xFF", 4)))
        return markedWide(bytes, 4, 4, QStringConverter::Utf32BE, DetectedEncoding::Utf32BE);
    if (startsWith(bytes, "\xFF\xFE"))
        return markedWide(bytes, 2, 2, QStringConverter::Utf16LE, DetectedEncoding::Utf16LE);
    if (startsWith(bytes, "\xFE\xFF"))
        return markedWide(bytes, 2, 2, QStringConverter::Utf16BE, DetectedEncoding::Utf16BE);
    if (startsWith(bytes, "\xEF\xBB\xBF")) {
        if (bytes.contains('\0'))
            return std::nullopt;
        return DetectedText{decodeWith(bytes.sliced(3), QStringConverter::Utf8),
                            DetectedEncoding::Utf8, true};
    }
    if (bytes.contains('\0'))
        return detectWideWithoutMark(bytes);
    if (isValidUtf8(bytes))
        return DetectedText{QString::fromUtf8(bytes), DetectedEncoding::Utf8, false};
    return DetectedText{decodeCp1252(bytes), DetectedEncoding::Ansi, false};
}

// ---- The detecting stream

void CharEncStream::setEncoding(DetectedEncoding encoding, bool withMark)
{
    found = encoding;
    mark = withMark;
}

void CharEncStream::reset()
{
    found = DetectedEncoding::None;
    mark = true;
}

bool CharEncStream::loadFromFile(const QString &path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        lastError = file.errorString();
        return false;
    }
    const QByteArray data = file.readAll();
    if (file.error() != QFileDevice::NoError) {
        lastError = file.errorString();
        return false;
    }
    return loadFromBytes(data);
}

bool CharEncStream::loadFromBytes(QByteArrayView bytes)
{
    std::optional<DetectedText> detected = detectText(bytes);
    if (!detected) {
        lastError = QStringLiteral("not a text file");
        return false;
    }
    lastError.clear();
    text = std::move(detected->text);
    found = detected->encoding;
    mark = detected->hasMark;
    return true;
}

QByteArray CharEncStream::bytes() const
{
    QStringConverter::Encoding encoding = QStringConverter::Utf8;
    bool withMark = mark;
    switch (found) {
    case DetectedEncoding::Utf16LE:
        encoding = QStringConverter::Utf16LE;
        break;
    case DetectedEncoding::Utf16BE:
        encoding = QStringConverter::Utf16BE;
        break;
    case DetectedEncoding::Utf32LE:
        encoding = QStringConverter::Utf32LE;
        break;
    case DetectedEncoding::Utf32BE:
        encoding = QStringConverter::Utf32BE;
        break;
    case DetectedEncoding::Ansi:
        // Written back as UTF-8, which every later read detects.
        withMark = false;
        break;
    case DetectedEncoding::None:
    case DetectedEncoding::Utf8:
        break;
    }
    QStringEncoder encoder(encoding, withMark ? QStringConverter::Flag::WriteBom
                                              : QStringConverter::Flag::Default);
    return encoder.encode(text);
}

bool CharEncStream::saveToFile(const QString &path)
{
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly) || file.write(bytes()) < 0 || !file.commit()) {
        lastError = file.errorString();
        return false;
    }
    lastError.clear();
    return true;
}

// ---- Plain text for the frames

ConvertedText convertBytesOnLoad(QByteArrayView bytes, TextFileEncoding mode)
{
    QString text;
    const bool wideMark = startsWith(bytes, "\xFF\xFE") || startsWith(bytes, "\xFE\xFF") ||
                          startsWith(bytes, QByteArrayView("\x00\x00\xFE\xFF", 4));
    // NUL bytes are either a wide encoding or no text at all (a binary
    // ".doc"): neither may be read byte by byte into the frame.
    if (wideMark || bytes.contains('\0')) {
        std::optional<DetectedText> detected = detectText(bytes);
        if (!detected)
            return {QString(), QStringLiteral("not a text file")};
        text = std::move(detected->text);
        if (detected->hasMark && mode == TextFileEncoding::Unicode)
            text.prepend(QChar(0xFEFF));
    } else if (mode == TextFileEncoding::Ansi) {
        text = decodeCp1252(bytes);
    } else {
        // Stateless, or a sequence cut at the end would wait for more bytes.
        QStringDecoder decoder(QStringConverter::Utf8,
                               QStringConverter::Flag::Stateless |
                                   QStringConverter::Flag::ConvertInitialBom);
        text = decoder.decode(bytes);
        if (mode == TextFileEncoding::Utf8 && text.startsWith(QChar(0xFEFF)))
            text.remove(0, 1);
    }
    return {splitTextLines(text).join(QStringLiteral("\r\n")), QString()};
}

ConvertedText ConvertOnLoad(const QString &path, TextFileEncoding mode)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return {QString(), file.errorString()};
    const QByteArray data = file.readAll();
    if (file.error() != QFileDevice::NoError)
        return {QString(), file.errorString()};
    return convertBytesOnLoad(data, mode);
}

QString GuessEncoding(QByteArrayView text)
{
    if (startsWith(text, "\xEF\xBB\xBF"))
        return QStringLiteral("utf8bom");
    if (startsWith(text, "\xFF\xFE"))
        return QStringLiteral("ucs2le");
    if (startsWith(text, "\xFE\xFF"))
        return QStringLiteral("ucs2be");
    static constexpr QByteArrayView marker("{%encoding ");
    if (startsWith(text, marker)) {
        QByteArrayView rest = text.sliced(marker.size());
        qsizetype end = 0;
        while (end < rest.size() && rest[end] != '}' && rest[end] != '\n' && rest[end] != '\r')
            ++end;
        return QString::fromLatin1(rest.first(end)).trimmed().toLower();
    }
    if (isValidUtf8(text))
        return QStringLiteral("utf8");
    return QStringLiteral("cp%1").arg(kAnsiCodePage);
}

bool IsAnsiName(const QString &)
{
    return true;
}

QString CopyWithFallback(const QString &source, const QString &destination)
{
    const QString failure = QStringLiteral("unable to handle file :") + source;
    QFile in(source);
    if (!in.open(QIODevice::ReadOnly))
        return failure;
    const QByteArray data = in.readAll();
    if (in.error() != QFileDevice::NoError)
        return failure;
    QSaveFile out(destination);
    if (!out.open(QIODevice::WriteOnly) || out.write(data) != data.size() || !out.commit())
        return failure;
    return QString();
}

// ---- The RTF header

CodePageRewrite rewriteRtfCodePage(QByteArray &rtf)
{
    static constexpr QByteArrayView ansi("\\ansi\\");
    static constexpr QByteArrayView codePage("\\ansicpg1252");
    qsizetype ansiAt = -1;
    qsizetype codePageAt = -1;
    for (qsizetype at = 0; at <= 20; ++at)
        if (QByteArrayView(rtf).sliced(qMin(at, rtf.size())).startsWith(ansi))
            ansiAt = at;
    for (qsizetype at = 0; at <= 30; ++at)
        if (QByteArrayView(rtf).sliced(qMin(at, rtf.size())).startsWith(codePage))
            codePageAt = at;

    CodePageRewrite result;
    if (ansiAt >= 0) {
        rtf.replace(ansiAt, ansi.size(), "\\utf8\\");
        result.ansiFound = true;
    }
    if (codePageAt >= 0) {
        rtf.remove(codePageAt, codePage.size());
        result.codePageFound = true;
    }
    return result;
}

CodePageRewrite RewriteRtfCodePage(const QString &path)
{
    CodePageRewrite result;
    QFile in(path);
    if (!in.open(QIODevice::ReadOnly)) {
        result.error = in.errorString();
        return result;
    }
    QByteArray rtf = in.readAll();
    in.close();
    result = rewriteRtfCodePage(rtf);
    if (!result.ansiFound && !result.codePageFound)
        return result;
    QSaveFile out(path);
    if (!out.open(QIODevice::WriteOnly) || out.write(rtf) != rtf.size() || !out.commit())
        result.error = out.errorString();
    return result;
}
