#include "platform/Encodings.h"

#include <QFile>
#include <QTemporaryDir>
#include <QtTest>

Q_DECLARE_METATYPE(DetectedEncoding)
Q_DECLARE_METATYPE(TextFileEncoding)

namespace {

QByteArray utf16le(const QString &text)
{
    QStringEncoder encoder(QStringConverter::Utf16LE);
    return encoder.encode(text);
}

QByteArray utf16be(const QString &text)
{
    QStringEncoder encoder(QStringConverter::Utf16BE);
    return encoder.encode(text);
}

QByteArray utf32le(const QString &text)
{
    QStringEncoder encoder(QStringConverter::Utf32LE);
    return encoder.encode(text);
}

QByteArray utf32be(const QString &text)
{
    QStringEncoder encoder(QStringConverter::Utf32BE);
    return encoder.encode(text);
}

// The header of a Word 97 document: a binary ".doc" as users pick it in the
// "charger" dialog.
const QByteArray kBinaryDoc("\xD0\xCF\x11\xE0\xA1\xB1\x1A\xE1\x00\x00\x00\x00\x00\x00\x00\x00"
                            "\x3E\x00\x03\x00\xFE\xFF\x09\x00",
                            24);

QString writeFile(const QTemporaryDir &dir, const QString &name, const QByteArray &bytes)
{
    const QString path = dir.filePath(name);
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly) || file.write(bytes) != bytes.size())
        qFatal("cannot write %s", qPrintable(path));
    return path;
}

QByteArray readFile(const QString &path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("<unreadable>");
}

} // namespace

class TestEncodings : public QObject
{
    Q_OBJECT

private slots:
    void detection_data();
    void detection();
    void convertOnLoad_data();
    void convertOnLoad();
    void convertOnLoadReadsAFile();
    void codePages_data();
    void codePages();
    void windows1252AllBytesRoundTrip();
    void unknownCodePagesAreWindows1252();
    void streamWritesBackWhatItRead_data();
    void streamWritesBackWhatItRead();
    void streamFailuresKeepItsState();
    void guessEncoding_data();
    void guessEncoding();
    void rewriteRtfCodePage_data();
    void rewriteRtfCodePage();
    void rewriteRtfCodePageOnFiles();
    void copyWithFallback();
    void everyNameIsAnsi();
};

void TestEncodings::detection_data()
{
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<bool>("isText");
    QTest::addColumn<DetectedEncoding>("encoding");
    QTest::addColumn<bool>("mark");
    QTest::addColumn<QString>("text");

    const QString sample = QStringLiteral("Carte de visite : été 20 €");
    QTest::newRow("UTF-8 with mark")
        << "\xEF\xBB\xBF" + sample.toUtf8() << true << DetectedEncoding::Utf8 << true << sample;
    QTest::newRow("UTF-8 without mark")
        << sample.toUtf8() << true << DetectedEncoding::Utf8 << false << sample;
    QTest::newRow("pure ASCII is UTF-8")
        << QByteArray("Carte") << true << DetectedEncoding::Utf8 << false << "Carte";
    QTest::newRow("empty") << QByteArray() << true << DetectedEncoding::Utf8 << false << QString();
    QTest::newRow("UTF-16 LE with mark")
        << "\xFF\xFE" + utf16le(sample) << true << DetectedEncoding::Utf16LE << true << sample;
    QTest::newRow("UTF-16 BE with mark")
        << "\xFE\xFF" + utf16be(sample) << true << DetectedEncoding::Utf16BE << true << sample;
    QTest::newRow("UTF-32 LE with mark") << QByteArray("\xFF\xFE\x00\x00", 4) + utf32le(sample)
                                         << true << DetectedEncoding::Utf32LE << true << sample;
    QTest::newRow("UTF-32 BE with mark") << QByteArray("\x00\x00\xFE\xFF", 4) + utf32be(sample)
                                         << true << DetectedEncoding::Utf32BE << true << sample;
    QTest::newRow("UTF-16 LE without mark")
        << utf16le(sample) << true << DetectedEncoding::Utf16LE << false << sample;
    QTest::newRow("UTF-16 BE without mark")
        << utf16be(sample) << true << DetectedEncoding::Utf16BE << false << sample;
    QTest::newRow("UTF-32 LE without mark")
        << utf32le(sample) << true << DetectedEncoding::Utf32LE << false << sample;
    QTest::newRow("Windows-1252 with é and €") << QByteArray("Carte de visite : \xE9t\xE9 20 \x80")
                                               << true << DetectedEncoding::Ansi << false << sample;
    QTest::newRow("one byte cut from UTF-8")
        << QByteArray("caf\xC3") << true << DetectedEncoding::Ansi << false
        << QStringLiteral("cafÃ");
    QTest::newRow("binary .doc") << kBinaryDoc << false << DetectedEncoding::None << false
                                 << QString();
    QTest::newRow("text with a NUL in it")
        << QByteArray("abc\0def", 7) << false << DetectedEncoding::None << false << QString();
    QTest::newRow("UTF-16 with a NUL character")
        << QByteArray("\xFF\xFE"
                      "a\0\0\0",
                      6)
        << false << DetectedEncoding::None << false << QString();
    QTest::newRow("UTF-32 mark, length not a multiple of 4")
        << QByteArray("\x00\x00\xFE\xFF\x00\x00\x00", 7) << false << DetectedEncoding::None << false
        << QString();
    QTest::newRow("UTF-32 mark, values past U+10FFFF")
        << QByteArray("\x00\x00\xFE\xFF\xFF\xFF\xFF\xFF", 8) << false << DetectedEncoding::None
        << false << QString();
    QTest::newRow("UTF-16 BE mark, then U+FEFF as text")
        << QByteArray("\xFE\xFF\xFE\xFF\x00\x41", 6) << true << DetectedEncoding::Utf16BE << true
        << QChar(0xFEFF) + QStringLiteral("A");
    QTest::newRow("UTF-8 mark twice")
        << QByteArray("\xEF\xBB\xBF\xEF\xBB\xBF"
                      "A")
        << true << DetectedEncoding::Utf8 << true << QChar(0xFEFF) + QStringLiteral("A");
    QTest::newRow("UTF-8 mark then NULs") << QByteArray("\xEF\xBB\xBF"
                                                        "a\0b",
                                                        6)
                                          << false << DetectedEncoding::None << false << QString();
}

void TestEncodings::detection()
{
    QFETCH(QByteArray, bytes);
    QFETCH(bool, isText);
    const std::optional<DetectedText> found = detectText(bytes);
    QCOMPARE(found.has_value(), isText);
    if (!isText)
        return;
    QTEST(found->encoding, "encoding");
    QTEST(found->hasMark, "mark");
    QTEST(found->text, "text");
}

void TestEncodings::convertOnLoad_data()
{
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<TextFileEncoding>("mode");
    QTest::addColumn<QString>("text"); // "<error>" when the load fails

    const auto ansi = TextFileEncoding::Ansi;
    const auto utf8 = TextFileEncoding::Utf8;
    const auto unicode = TextFileEncoding::Unicode;
    const QByteArray cp1252("\xE9t\xE9 \x80");
    const QByteArray marked = "\xEF\xBB\xBF" + QStringLiteral("été €").toUtf8();

    QTest::newRow("ansi: Windows-1252 é and €") << cp1252 << ansi << QStringLiteral("été €");
    QTest::newRow("ansi: UTF-8 bytes are taken one by one")
        << QStringLiteral("é").toUtf8() << ansi << QStringLiteral("Ã©");
    QTest::newRow("ansi: a mark stays as its three characters") << QByteArray("\xEF\xBB\xBF"
                                                                              "a")
                                                                << ansi << QStringLiteral("ï»¿a");
    QTest::newRow("utf8: invalid bytes as the decoder gives them")
        << cp1252 << utf8 << QStringLiteral("\uFFFDt\uFFFD \uFFFD");
    QTest::newRow("utf8: a sequence cut at the end")
        << QByteArray("caf\xE9") << utf8 << QStringLiteral("caf\uFFFD");
    QTest::newRow("utf8: the mark is removed") << marked << utf8 << QStringLiteral("été €");
    QTest::newRow("unicode: the mark stays") << marked << unicode << QStringLiteral("\uFEFFété €");
    QTest::newRow("unicode: without mark")
        << QStringLiteral("Привет").toUtf8() << unicode << QStringLiteral("Привет");
    QTest::newRow("line ends CR LF, LF and CR")
        << QByteArray("a\r\nb\nc\rd\r\n") << ansi << QStringLiteral("a\r\nb\r\nc\r\nd");
    QTest::newRow("empty last line") << QByteArray("a\r\n\r\n") << utf8 << QStringLiteral("a\r\n");
    QTest::newRow("empty file") << QByteArray() << ansi << QString();
    QTest::newRow("UTF-16 with mark under ansi")
        << "\xFF\xFE" + utf16le(QStringLiteral("été\r\n€")) << ansi << QStringLiteral("été\r\n€");
    QTest::newRow("UTF-16 with mark under unicode keeps the mark")
        << "\xFF\xFE" + utf16le(QStringLiteral("été")) << unicode << QStringLiteral("\uFEFFété");
    QTest::newRow("UTF-16 without mark under utf8")
        << utf16le(QStringLiteral("Carte\r\nété")) << utf8 << QStringLiteral("Carte\r\nété");
    QTest::newRow("binary .doc under ansi") << kBinaryDoc << ansi << QStringLiteral("<error>");
    QTest::newRow("binary .doc under unicode")
        << kBinaryDoc << unicode << QStringLiteral("<error>");
}

void TestEncodings::convertOnLoad()
{
    QFETCH(QByteArray, bytes);
    QFETCH(TextFileEncoding, mode);
    const ConvertedText converted = convertBytesOnLoad(bytes, mode);
    QTEST(converted.error.isEmpty() ? converted.text : QStringLiteral("<error>"), "text");
}

void TestEncodings::convertOnLoadReadsAFile()
{
    QTemporaryDir dir;
    const QString path = writeFile(dir, QStringLiteral("notes.txt"), "caf\xE9\r\ncr\xE8me\r\n");
    ConvertedText converted = ConvertOnLoad(path, TextFileEncoding::Ansi);
    QCOMPARE(converted.error, QString());
    QCOMPARE(converted.text, QStringLiteral("café\r\ncrème"));

    converted = ConvertOnLoad(dir.filePath(QStringLiteral("absent.txt")), TextFileEncoding::Ansi);
    QVERIFY(!converted.error.isEmpty());
}

void TestEncodings::codePages_data()
{
    QTest::addColumn<int>("codePage");
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<QString>("text");

    QTest::newRow("1250 Central European") << 1250 << QByteArray("\x8A\xE8\xF8") << "Ščř";
    QTest::newRow("1251 Cyrillic") << 1251 << QByteArray("\xCF\xF0\xE8\xE2\xE5\xF2") << "Привет";
    QTest::newRow("1252 Western") << 1252 << QByteArray("\x80\x9C\xE9") << "€œé";
    QTest::newRow("1253 Greek") << 1253 << QByteArray("\xE1\xE2\xE3") << "αβγ";
    QTest::newRow("1254 Turkish") << 1254 << QByteArray("\xF0\xFD\xFE") << "ğış";
    QTest::newRow("1257 Baltic") << 1257 << QByteArray("\xE0\xE8\xFB") << "ąčū";
}

void TestEncodings::codePages()
{
    QFETCH(int, codePage);
    QFETCH(QByteArray, bytes);
    QFETCH(QString, text);
    QVERIFY(codePageAvailable(codePage));
    QCOMPARE(decodeCodePage(bytes, codePage), text);
    QCOMPARE(encodeCodePage(text, codePage), bytes);
}

void TestEncodings::windows1252AllBytesRoundTrip()
{
    QByteArray all;
    for (int b = 0; b < 256; ++b)
        all += char(b);
    const QString text = fromAnsi(all);
    QCOMPARE(text.size(), 256);
    QCOMPARE(text.at(0x80), QChar(0x20AC));
    QCOMPARE(text.at(0x9F), QChar(0x0178));
    QCOMPARE(toAnsi(text), all);
    // A character the page lacks becomes its substitute, not a lost byte.
    QCOMPARE(toAnsi(u"П").size(), 1);
}

void TestEncodings::unknownCodePagesAreWindows1252()
{
    // A file may name any number; only real code pages are looked up.
    for (const int codePage : {0, -1, 4948, 99999, 1259}) {
        QVERIFY(!codePageAvailable(codePage));
        QCOMPARE(decodeCodePage("caf\xE9", codePage), QStringLiteral("café"));
    }
}

void TestEncodings::streamWritesBackWhatItRead_data()
{
    QTest::addColumn<QByteArray>("read");
    QTest::addColumn<QByteArray>("written");

    const QString text = QStringLiteral("** Fichier\r\nété €\r\n");
    QTest::newRow("UTF-8 with mark")
        << "\xEF\xBB\xBF" + text.toUtf8() << "\xEF\xBB\xBF" + text.toUtf8();
    QTest::newRow("UTF-8 without mark") << text.toUtf8() << text.toUtf8();
    QTest::newRow("UTF-16 LE with mark")
        << "\xFF\xFE" + utf16le(text) << "\xFF\xFE" + utf16le(text);
    QTest::newRow("UTF-16 BE with mark")
        << "\xFE\xFF" + utf16be(text) << "\xFE\xFF" + utf16be(text);
    QTest::newRow("UTF-32 LE with mark") << QByteArray("\xFF\xFE\x00\x00", 4) + utf32le(text)
                                         << QByteArray("\xFF\xFE\x00\x00", 4) + utf32le(text);
    QTest::newRow("ANSI goes back as UTF-8 without mark")
        << QByteArray("** Fichier\r\n\xE9t\xE9 \x80\r\n") << text.toUtf8();
}

void TestEncodings::streamWritesBackWhatItRead()
{
    QFETCH(QByteArray, read);
    CharEncStream stream;
    QVERIFY(stream.loadFromBytes(read));
    QCOMPARE(stream.text, QStringLiteral("** Fichier\r\nété €\r\n"));
    QTEST(stream.bytes(), "written");
}

void TestEncodings::streamFailuresKeepItsState()
{
    CharEncStream stream;
    stream.text = QStringLiteral("a");
    QCOMPARE(stream.bytes(), QByteArray("\xEF\xBB\xBF"
                                        "a"));
    QVERIFY(stream.loadFromBytes("\xFF\xFE" + utf16le(QStringLiteral("b"))));
    QVERIFY(!stream.loadFromBytes(kBinaryDoc));
    QVERIFY(!stream.error().isEmpty());
    QCOMPARE(stream.text, QStringLiteral("b"));
    QCOMPARE(stream.encoding(), DetectedEncoding::Utf16LE);

    QTemporaryDir dir;
    QVERIFY(!stream.loadFromFile(dir.filePath(QStringLiteral("absent.vk4"))));
    QCOMPARE(stream.text, QStringLiteral("b"));

    const QString path = dir.filePath(QStringLiteral("cv.vk4"));
    QVERIFY(stream.saveToFile(path));
    QCOMPARE(readFile(path), "\xFF\xFE" + utf16le(QStringLiteral("b")));
    QVERIFY(!stream.saveToFile(dir.filePath(QStringLiteral("no/such/folder/cv.vk4"))));

    stream.reset();
    QCOMPARE(stream.bytes(), QByteArray("\xEF\xBB\xBF"
                                        "b"));
}

void TestEncodings::guessEncoding_data()
{
    QTest::addColumn<QByteArray>("text");
    QTest::addColumn<QString>("guess");

    QTest::newRow("UTF-8 mark") << QByteArray("\xEF\xBB\xBF"
                                              "C:\\cartes")
                                << "utf8bom";
    QTest::newRow("UTF-16 LE mark") << QByteArray("\xFF\xFE"
                                                  "C\0",
                                                  4)
                                    << "ucs2le";
    QTest::newRow("UTF-16 BE mark") << QByteArray("\xFE\xFF\0C", 4) << "ucs2be";
    QTest::newRow("encoding marker") << QByteArray("{%encoding CP1250}\nabc") << "cp1250";
    QTest::newRow("pure ASCII") << QByteArray("C:\\cartes\\element\\C1.rtf") << "utf8";
    QTest::newRow("valid UTF-8") << QStringLiteral("C:\\cartes\\été.rtf").toUtf8() << "utf8";
    QTest::newRow("Windows-1252") << QByteArray("C:\\cartes\\\xE9t\xE9.rtf") << "cp1252";
    QTest::newRow("empty") << QByteArray() << "utf8";
}

void TestEncodings::guessEncoding()
{
    QFETCH(QByteArray, text);
    QTEST(GuessEncoding(text), "guess");
}

void TestEncodings::rewriteRtfCodePage_data()
{
    QTest::addColumn<QByteArray>("before");
    QTest::addColumn<QByteArray>("after");
    QTest::addColumn<bool>("ansiFound");
    QTest::addColumn<bool>("codePageFound");

    QTest::newRow("our own header")
        << QByteArray("{\\rtf1\\ansi\\ansicpg1252\\deff0{\\fonttbl}}")
        << QByteArray("{\\rtf1\\utf8\\deff0{\\fonttbl}}") << true << true;
    QTest::newRow("no code page within 42 bytes keeps the length")
        << QByteArray("{\\rtf1\\ansi\\deff0\\deflang1036\\deflangfe1036\\ansicpg1252 x}")
        << QByteArray("{\\rtf1\\utf8\\deff0\\deflang1036\\deflangfe1036\\ansicpg1252 x}") << true
        << false;
    QTest::newRow("another code page is not removed")
        << QByteArray("{\\rtf1\\ansi\\ansicpg1251\\deff0 x}")
        << QByteArray("{\\rtf1\\utf8\\ansicpg1251\\deff0 x}") << true << false;
    QTest::newRow("code page word starting at offset 30")
        << QByteArray("{\\rtf1\\ansi\\deff0\\deflang10360\\ansicpg1252 x}")
        << QByteArray("{\\rtf1\\utf8\\deff0\\deflang10360 x}") << true << true;
    QTest::newRow("\\ansi\\ starting past offset 20")
        << QByteArray("{\\rtf1\\deflang1036\\deff0\\ansi\\ x}")
        << QByteArray("{\\rtf1\\deflang1036\\deff0\\ansi\\ x}") << false << false;
    QTest::newRow("already rewritten") << QByteArray("{\\rtf1\\utf8\\deff0 x}")
                                       << QByteArray("{\\rtf1\\utf8\\deff0 x}") << false << false;
    QTest::newRow("shorter than the header")
        << QByteArray("{\\rtf1\\ansi\\") << QByteArray("{\\rtf1\\utf8\\") << true << false;
    QTest::newRow("empty") << QByteArray() << QByteArray() << false << false;
}

void TestEncodings::rewriteRtfCodePage()
{
    QFETCH(QByteArray, before);
    const CodePageRewrite found = ::rewriteRtfCodePage(before);
    QTEST(before, "after");
    QTEST(found.ansiFound, "ansiFound");
    QTEST(found.codePageFound, "codePageFound");
}

void TestEncodings::rewriteRtfCodePageOnFiles()
{
    QTemporaryDir dir;
    const QString path =
        writeFile(dir, QStringLiteral("C1carte.rtf"), "{\\rtf1\\ansi\\ansicpg1252\\deff0 x}");
    const CodePageRewrite found = RewriteRtfCodePage(path);
    QVERIFY(found.ansiFound && found.codePageFound);
    QCOMPARE(found.error, QString());
    QCOMPARE(readFile(path), QByteArray("{\\rtf1\\utf8\\deff0 x}"));

    const CodePageRewrite missing = RewriteRtfCodePage(dir.filePath(QStringLiteral("absent.rtf")));
    QVERIFY(!missing.error.isEmpty());
    QVERIFY(!missing.ansiFound && !missing.codePageFound);
}

void TestEncodings::copyWithFallback()
{
    QTemporaryDir dir;
    const QString source = writeFile(dir, QStringLiteral("source.rtf"), "{\\rtf1 new}");
    const QString target = writeFile(dir, QStringLiteral("11.rtf"), "{\\rtf1 older and longer}");
    QCOMPARE(CopyWithFallback(source, target), QString());
    QCOMPARE(readFile(target), QByteArray("{\\rtf1 new}"));

    const QString absent = dir.filePath(QStringLiteral("absent.rtf"));
    QCOMPARE(CopyWithFallback(absent, target), QStringLiteral("unable to handle file :") + absent);
    QCOMPARE(readFile(target), QByteArray("{\\rtf1 new}"));
}

void TestEncodings::everyNameIsAnsi()
{
    QVERIFY(IsAnsiName(QStringLiteral("C:\\cartes\\été.vk1")));
    QVERIFY(IsAnsiName(QStringLiteral("/home/анна/визитка.vk1")));
}

QTEST_GUILESS_MAIN(TestEncodings)
#include "tst_encodings.moc"
