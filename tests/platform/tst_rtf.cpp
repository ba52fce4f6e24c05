#include "RtfTestSupport.h"

#include "platform/Encodings.h"
#include "platform/RichTextFiles.h"
#include "platform/RtfReader.h"
#include "platform/RtfWriter.h"

#include <QBuffer>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QTemporaryDir>
#include <QTextCursor>
#include <QtTest>

using rtftest::describe;
using rtftest::plainLines;

namespace {

QString dataPath(const QString &name)
{
    return QStringLiteral(VOKIRA_TEST_DATA "/rtf/") + name;
}

QByteArray readFile(const QString &path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

QTextCharFormat charFormat(const QString &family, double points, const QString &flags = QString(),
                           const QColor &colour = QColor())
{
    QTextCharFormat f;
    f.setFontFamilies({family});
    f.setFontPointSize(points);
    f.setFontWeight(flags.contains(QLatin1Char('b')) ? QFont::Bold : QFont::Normal);
    f.setFontItalic(flags.contains(QLatin1Char('i')));
    f.setFontUnderline(flags.contains(QLatin1Char('u')));
    f.setFontStrikeOut(flags.contains(QLatin1Char('s')));
    if (colour.isValid())
        f.setForeground(colour);
    return f;
}

QTextBlockFormat aligned(Qt::Alignment alignment)
{
    QTextBlockFormat f;
    f.setAlignment(alignment);
    return f;
}

// A card frame as a user makes it: two fonts, three sizes, colours, every
// style, four alignments, tabs, an empty line, accented, Cyrillic, "€" and a
// character outside the 16-bit range.
void buildCard(QTextDocument &document)
{
    const QString sans = QStringLiteral("Liberation Sans");
    const QString serif = QStringLiteral("Liberation Serif");
    QTextCursor c(&document);
    c.setBlockFormat(aligned(Qt::AlignHCenter));
    c.insertText(QStringLiteral("Jean Dupont"), charFormat(serif, 20, "b", QColor(0xC0, 0, 0)));
    c.insertBlock(aligned(Qt::AlignLeft));
    c.insertText(QStringLiteral("Café crème"), charFormat(sans, 12, "i"));
    c.insertText(QStringLiteral("\tTél. 01 23 {45} \\ 67"), charFormat(sans, 12));
    c.insertBlock(aligned(Qt::AlignRight));
    c.insertText(QStringLiteral("Привет, мир"), charFormat(sans, 9, "u"));
    c.insertText(QStringLiteral(" € 20 😀"), charFormat(serif, 9, "s", Qt::blue));
    c.insertBlock(aligned(Qt::AlignLeft), charFormat(serif, 20));
    c.insertBlock(aligned(Qt::AlignJustify));
    c.insertText(QStringLiteral("tout "), charFormat(sans, 12));
    c.insertText(QStringLiteral("à la fois"), charFormat(serif, 12, "bius", QColor(0, 0x80, 0)));
    c.insertText(QStringLiteral("\t."), charFormat(sans, 12));
}

const QStringList kCard = {
    QStringLiteral("C: [Liberation Serif,20,b,#c00000]Jean Dupont"),
    QStringLiteral(
        "L: [Liberation Sans,12,i]Café crème[Liberation Sans,12,]\tTél. 01 23 {45} \\ 67"),
    QStringLiteral("R: [Liberation Sans,9,u]Привет, мир[Liberation Serif,9,s,#0000ff] € 20 😀"),
    QStringLiteral("L: ([Liberation Serif,20,])"),
    QStringLiteral("J: [Liberation Sans,12,]tout [Liberation Serif,12,bius,#008000]à la "
                   "fois[Liberation Sans,12,]\t."),
};

QString readText(const QByteArray &rtf)
{
    QTextDocument document;
    const RtfReadResult read = readRtf(rtf, document);
    return read.ok ? plainLines(document) : QStringLiteral("<not read>");
}

} // namespace

class TestRtf : public QObject
{
    Q_OBJECT

private slots:
    void roundTrip();
    void writerIsSevenBitAndRewritable();
    void writerNamesWhatTheDocumentLeavesUnset();
    void readerText_data();
    void readerText();
    void readerFormats_data();
    void readerFormats();
    void nestingBeyondTheLimit();
    void refusesWhatIsNotRtf();
    void readsFromADevice();
    void filesOfWordProcessors_data();
    void filesOfWordProcessors();
    void inputsTheFuzzerFound();
    void richTextFiles();
    void richTextFileFailures();
    void plainTextFiles_data();
    void plainTextFiles();
};

void TestRtf::roundTrip()
{
    QTextDocument original;
    buildCard(original);
    QCOMPARE(describe(original), kCard);

    QByteArray rtf = writeRtf(original);
    rewriteRtfCodePage(rtf);
    QTextDocument back;
    QVERIFY(readRtf(rtf, back).ok);
    QCOMPARE(describe(back), kCard);

    // Written again, the document gives the same bytes.
    QByteArray again = writeRtf(back);
    rewriteRtfCodePage(again);
    QCOMPARE(again, rtf);
}

void TestRtf::writerIsSevenBitAndRewritable()
{
    QTextDocument document;
    buildCard(document);
    QByteArray rtf = writeRtf(document);
    QVERIFY(rtf.startsWith("{\\rtf1\\ansi\\ansicpg1252\\deff0{\\fonttbl"));
    for (const char c : rtf)
        QVERIFY2(uchar(c) < 0x80, "a byte outside ASCII");
    QVERIFY(rtf.contains("\\u8364?"));
    QVERIFY(rtf.contains("\\u-10179?\\u-8704?")); // U+1F600 as its surrogate pair
    QVERIFY(rtf.contains("\\{45\\} \\\\ 67"));

    const CodePageRewrite found = rewriteRtfCodePage(rtf);
    QVERIFY(found.ansiFound && found.codePageFound);
    QVERIFY(rtf.startsWith("{\\rtf1\\utf8\\deff0{\\fonttbl"));
}

void TestRtf::writerNamesWhatTheDocumentLeavesUnset()
{
    // Text typed into a frame carries no format of its own: the document's
    // default font stands for it.
    QTextDocument document;
    document.setDefaultFont(QFont(QStringLiteral("DejaVu Sans"), 11));
    document.setPlainText(QStringLiteral("un\ndeux"));
    QTextDocument back;
    QVERIFY(readRtf(writeRtf(document), back).ok);
    QCOMPARE(describe(back), QStringList({QStringLiteral("L: [DejaVu Sans,11,]un"),
                                          QStringLiteral("L: [DejaVu Sans,11,]deux")}));

    document.setDefaultFont(QFont(QStringLiteral("Nom;bizarre"), 11));
    QVERIFY(readRtf(writeRtf(document), back).ok);
    QCOMPARE(describe(back).first(), QStringLiteral("L: [Nom;bizarre,11,]un"));

    QTextDocument empty;
    QVERIFY(readRtf(writeRtf(empty), back).ok);
    QCOMPARE(plainLines(back), QString());
    QCOMPARE(back.blockCount(), 1);
}

void TestRtf::readerText_data()
{
    QTest::addColumn<QByteArray>("rtf");
    QTest::addColumn<QString>("text"); // paragraphs joined with '|'

    QTest::newRow("paragraphs") << QByteArray("{\\rtf1 one\\par two\\par}") << "one|two";
    QTest::newRow("no break after the last paragraph")
        << QByteArray("{\\rtf1 one\\par two}") << "one|two";
    QTest::newRow("empty paragraphs")
        << QByteArray("{\\rtf1 one\\par\\par two\\par\\par}") << "one||two|";
    QTest::newRow("a line break starts a line") << QByteArray("{\\rtf1 a\\line b}") << "a|b";
    QTest::newRow("backslash before a line end") << QByteArray("{\\rtf1 a\\\nb}") << "a|b";
    QTest::newRow("tab") << QByteArray("{\\rtf1 a\\tab b}") << "a\tb";
    QTest::newRow("escaped markup") << QByteArray("{\\rtf1 \\{x\\}\\\\}") << "{x}\\";
    QTest::newRow("line ends in the source") << QByteArray("{\\rtf1 ab\r\ncd\n}") << "abcd";
    QTest::newRow("control characters by code") << QByteArray("{\\rtf1 a\\'0d\\'0a\\'00b}") << "ab";
    QTest::newRow("\\'hh in Windows-1252")
        << QByteArray("{\\rtf1\\ansi\\ansicpg1252 caf\\'e9 \\'80}") << "café €";
    QTest::newRow("\\'hh in Windows-1251")
        << QByteArray("{\\rtf1\\ansi\\ansicpg1251 \\'cf\\'f0\\'e8\\'e2\\'e5\\'f2}") << "Привет";
    QTest::newRow("\\'hh in the charset of each font")
        << QByteArray("{\\rtf1\\ansi\\ansicpg1252{\\fonttbl{\\f0 Arial;}{\\f1\\fcharset238 Arial "
                      "CE;}{\\f2\\fcharset204 Arial Cyr;}{\\f3\\fcharset161 Arial "
                      "Greek;}{\\f4\\fcharset162 Arial Tur;}{\\f5\\fcharset186 Arial "
                      "Baltic;}}\\f1 \\'8a\\'e8 \\f2 \\'cf \\f3 \\'e1 \\f4 \\'f0 \\f5 \\'e0 "
                      "\\f0 \\'e9}")
        << "Šč П α ğ ą é";
    QTest::newRow("a font's \\cpg")
        << QByteArray("{\\rtf1{\\fonttbl{\\f0\\cpg1251 X;}}\\f0 \\'cf}") << "П";
    QTest::newRow("raw bytes in the code page")
        << QByteArray("{\\rtf1\\ansi\\ansicpg1251 \xCF\xF0}") << "Пр";
    QTest::newRow("\\u with one character skipped")
        << QByteArray("{\\rtf1 \\u8364? \\u1055?x}") << "€ Пx";
    QTest::newRow("\\u negative and a surrogate pair")
        << QByteArray("{\\rtf1 \\u-4064?\\u-10179?\\u-8704?}") << QString::fromUtf8("\uF020😀");
    QTest::newRow("\\uc2 skips two \\'hh")
        << QByteArray("{\\rtf1\\uc2 \\u1055\\'cf\\'cf x}") << "П x";
    QTest::newRow("\\uc0 skips nothing") << QByteArray("{\\rtf1\\uc0 \\u1055 x}") << "Пx";
    QTest::newRow("\\uc ends with its group")
        << QByteArray("{\\rtf1 {\\uc2 \\u1055\\'cf\\'cf}\\u1055?}") << "ПП";
    QTest::newRow("skipping stops at a group end")
        << QByteArray("{\\rtf1 {\\uc3 \\u1055?}x}") << "Пx";
    QTest::newRow("a control word counts as one skipped character")
        << QByteArray("{\\rtf1 \\u1055\\tab x}") << "Пx";
    QTest::newRow("\\u out of range") << QByteArray("{\\rtf1 a\\u99999 b}") << "ab";
    QTest::newRow("ignorable destinations")
        << QByteArray("{\\rtf1 a{\\*\\generator Writer;}{\\*\\unknown b{c}}d}") << "ad";
    QTest::newRow("information, styles and pictures")
        << QByteArray("{\\rtf1{\\info{\\title T}{\\author A}}{\\stylesheet{\\s0 Normal;}}a{\\pict"
                      "\\pngblip 89504e47}b{\\header h}{\\footnote n}}")
        << "ab";
    QTest::newRow("binary data holding braces")
        << QByteArray("{\\rtf1 a{\\pict\\bin4 }}{\\}b}") << "ab";
    QTest::newRow("binary data past the end") << QByteArray("{\\rtf1 a\\bin99999 xyz") << "a";
    QTest::newRow("field result kept")
        << QByteArray("{\\rtf1 {\\field{\\*\\fldinst HYPERLINK \"http://x\"}{\\fldrslt "
                      "lien}} {\\field{\\fldinst PAGE}{\\fldrslt 3}}}")
        << "lien 3";
    QTest::newRow("\\upr keeps its Unicode half")
        << QByteArray("{\\rtf1 {\\upr{caf\\'e9 ansi}{\\*\\ud{caf\\u233?}}}}") << "café";
    QTest::newRow("named characters")
        << QByteArray("{\\rtf1 a\\~b\\emdash c\\endash d\\lquote e\\rquote \\ldblquote "
                      "f\\rdblquote \\bullet}")
        << QString::fromUtf8("a\u00A0b—c–d‘e’“f”•");
    QTest::newRow("hyphens") << QByteArray("{\\rtf1 co\\-op\\_x}")
                             << QString::fromUtf8("coop\u2011x");
    QTest::newRow("table cells") << QByteArray("{\\rtf1\\trowd\\cellx1000 a\\cell b\\cell\\row}")
                                 << "a\tb\t";
    QTest::newRow("\\utf8: \\'hh in Windows-1252")
        << QByteArray("{\\rtf1\\utf8\\deff0{\\fonttbl{\\f0\\fnil\\fcharset0 Arial;}}\\f0 "
                      "caf\\'e9\\par}")
        << "café";
    QTest::newRow("\\utf8: \\'hh in UTF-8")
        << QByteArray("{\\rtf1\\utf8\\deff0 caf\\'c3\\'a9 \\'e2\\'82\\'ac}") << "café €";
    QTest::newRow("\\utf8: raw UTF-8")
        << QByteArray("{\\rtf1\\utf8 caf\xC3\xA9 \xE2\x82\xAC}") << "café €";
    QTest::newRow("\\utf8: raw Windows-1252")
        << QByteArray("{\\rtf1\\utf8 caf\xE9 \x80}") << "café €";
    QTest::newRow("\\utf8: bytes of a Cyrillic font")
        << QByteArray("{\\rtf1\\utf8{\\fonttbl{\\f0\\fcharset204 Arial;}}\\f0 \\'cf\\'f0}") << "Пр";
    QTest::newRow("missing closing braces") << QByteArray("{\\rtf1 {\\b a") << "a";
    QTest::newRow("text after the document") << QByteArray("{\\rtf1 a}b{c}") << "a";
    QTest::newRow("ends inside a control word") << QByteArray("{\\rtf1 a\\") << "a";
    QTest::newRow("ends inside \\'") << QByteArray("{\\rtf1 a\\'") << "a";
    QTest::newRow("huge parameters")
        << QByteArray("{\\rtf1\\fs99999999999999999999\\uc99999999 a\\f-99999999999 b}") << "ab";
    QTest::newRow("mark and spaces before the header")
        << QByteArray("\xEF\xBB\xBF \r\n{\\rtf1 a}") << "a";
    QTest::newRow("empty document") << QByteArray("{\\rtf1}") << "";
}

void TestRtf::readerText()
{
    QFETCH(QByteArray, rtf);
    QTEST(readText(rtf), "text");
}

void TestRtf::readerFormats_data()
{
    QTest::addColumn<QByteArray>("rtf");
    QTest::addColumn<QStringList>("paragraphs");

    const QByteArray arial("{\\fonttbl{\\f0 Arial;}{\\f1 Times;}}\\f0 ");
    QTest::newRow("styles switched on and off")
        << "{\\rtf1" + arial + "a\\b b\\b0 c\\i d\\i0\\ul e\\ulnone f\\strike g\\strike0 h}"
        << QStringList{"L: [Arial,12,]a[Arial,12,b]b[Arial,12,]c[Arial,12,i]d[Arial,12,u]e[Arial,"
                       "12,]f[Arial,12,s]g[Arial,12,]h"};
    QTest::newRow("a group restores the format")
        << "{\\rtf1" + arial + "a{\\b\\i\\f1\\fs40 b}c}"
        << QStringList{"L: [Arial,12,]a[Times,20,bi]b[Arial,12,]c"};
    QTest::newRow("\\plain returns to the default font")
        << QByteArray(
               "{\\rtf1\\deff1{\\fonttbl{\\f0 Arial;}{\\f1 Times;}}\\f0\\fs40\\b a\\plain b}")
        << QStringList{"L: [Arial,20,b]a[Times,12,]b"};
    QTest::newRow("colours")
        << QByteArray("{\\rtf1{\\colortbl;\\red255\\green0\\blue0;\\red0\\green0\\blue255;}\\cf1 "
                      "a\\cf2 b\\cf0 c\\cf9 d}")
        << QStringList{"L: [-,12,,#ff0000]a[-,12,,#0000ff]b[-,12,]cd"};
    QTest::newRow("half-point sizes")
        << QByteArray("{\\rtf1\\fs17 a\\fs0 b}") << QStringList{"L: [-,8.5,]a[-,12,]b"};
    QTest::newRow("underline styles, not underline colour")
        << QByteArray("{\\rtf1 \\ulc1 a\\uldb b\\ul0 c\\ulw d\\ulnone e}")
        << QStringList{"L: [-,12,]a[-,12,u]b[-,12,]c[-,12,u]d[-,12,]e"};
    QTest::newRow("alignment of each paragraph")
        << QByteArray("{\\rtf1\\qc a\\par\\pard\\qr b\\par\\ql c\\par\\qj d\\par e}")
        << QStringList{"C: [-,12,]a", "R: [-,12,]b", "L: [-,12,]c", "J: [-,12,]d", "J: [-,12,]e"};
    QTest::newRow("alignment given at the end of a paragraph")
        << QByteArray("{\\rtf1 a\\qc\\par b}") << QStringList{"C: [-,12,]a", "C: [-,12,]b"};
    QTest::newRow("\\pard resets the alignment")
        << QByteArray("{\\rtf1\\qr a\\par\\pard b}") << QStringList{"R: [-,12,]a", "L: [-,12,]b"};
    QTest::newRow("alignment ends with its group")
        << QByteArray("{\\rtf1{\\qc a\\par}b}") << QStringList{"C: [-,12,]a", "L: [-,12,]b"};
    QTest::newRow("an empty paragraph keeps the size of its mark")
        << QByteArray("{\\rtf1 a\\par{\\fs40\\par}b}")
        << QStringList{"L: [-,12,]a", "L: ([-,20,])", "L: [-,12,]b"};
    QTest::newRow("default font") << QByteArray("{\\rtf1\\deff1{\\fonttbl{\\f0 Arial;}{\\f1 Times "
                                                "New Roman;}}a}")
                                  << QStringList{"L: [Times New Roman,12,]a"};
    QTest::newRow("unknown font number")
        << QByteArray("{\\rtf1{\\fonttbl{\\f0 Arial;}}\\f7 a}") << QStringList{"L: [-,12,]a"};
    QTest::newRow("font name in its charset")
        << QByteArray("{\\rtf1{\\fonttbl{\\f0\\fcharset204 \\'c0\\'f0\\'e8\\'e0\\'eb;}}\\f0 a}")
        << QStringList{"L: [Ариал,12,]a"};
    QTest::newRow("escaped ';' in a font name")
        << QByteArray("{\\rtf1{\\fonttbl{\\f0 A\\'3bB;}}\\f0 a}") << QStringList{"L: [A;B,12,]a"};
    QTest::newRow("font table without groups")
        << QByteArray("{\\rtf1{\\fonttbl\\f0\\fswiss Arial;\\f1\\froman Times;}\\f1 a}")
        << QStringList{"L: [Times,12,]a"};
    QTest::newRow("font table with alternatives")
        << QByteArray("{\\rtf1{\\fonttbl{\\f0\\froman{\\*\\panose 02020603050405020304}\\fprq2 "
                      "Times New Roman{\\*\\falt Times};}}\\f0 a}")
        << QStringList{"L: [Times New Roman,12,]a"};
}

void TestRtf::readerFormats()
{
    QFETCH(QByteArray, rtf);
    QTextDocument document;
    QVERIFY(readRtf(rtf, document).ok);
    QTEST(describe(document), "paragraphs");
}

void TestRtf::nestingBeyondTheLimit()
{
    for (const int depth : {kRtfMaxNesting - 1, kRtfMaxNesting + 1, 200000}) {
        const QByteArray rtf =
            "{\\rtf1 a" + QByteArray(depth, '{') + "\\b b" + QByteArray(depth, '}') + "c}";
        QElapsedTimer timer;
        timer.start();
        QCOMPARE(readText(rtf), QStringLiteral("abc"));
        QVERIFY(timer.elapsed() < 2000);
    }
    // Unclosed groups past the limit end with the input.
    QCOMPARE(readText("{\\rtf1 a" + QByteArray(100000, '{') + "b"), QStringLiteral("ab"));
}

void TestRtf::refusesWhatIsNotRtf()
{
    QTextDocument document;
    document.setPlainText(QStringLiteral("ancien texte"));
    for (const QByteArray &bytes :
         {QByteArray(), QByteArray("texte"), QByteArray("{\\rtx1 a}"), QByteArray("\\rtf1 a")}) {
        const RtfReadResult read = readRtf(bytes, document);
        QVERIFY(!read.ok);
        QVERIFY(!read.error.isEmpty());
        QCOMPARE(document.toPlainText(), QStringLiteral("ancien texte"));
    }
}

void TestRtf::readsFromADevice()
{
    QByteArray rtf("{\\rtf1 a\\par b}");
    QBuffer buffer(&rtf);
    QVERIFY(buffer.open(QIODevice::ReadOnly));
    QTextDocument document;
    QVERIFY(readRtf(buffer, document).ok);
    QCOMPARE(plainLines(document), QStringLiteral("a|b"));

    QBuffer closed;
    QVERIFY(!readRtf(closed, document).ok);

    QByteArray written;
    QBuffer out(&written);
    QVERIFY(out.open(QIODevice::WriteOnly));
    QVERIFY(writeRtf(document, out));
    QCOMPARE(written, writeRtf(document));

    QBuffer readOnly(&written);
    QVERIFY(readOnly.open(QIODevice::ReadOnly));
    QString error;
    QTest::ignoreMessage(QtWarningMsg, "QIODevice::write (QBuffer): ReadOnly device");
    QVERIFY(!writeRtf(document, readOnly, &error));
    QVERIFY(!error.isEmpty());
}

void TestRtf::filesOfWordProcessors_data()
{
    QTest::addColumn<QString>("file");
    QTest::addColumn<QStringList>("paragraphs");

    QTest::newRow("LibreOffice Writer: card")
        << "lo-card.rtf"
        << QStringList{
               "C: [Liberation Serif,20,b,#c00000]Jean Dupont",
               "L: [Liberation Sans,12,i]Café crème[Liberation Sans,12,]\tTél. 01 23 45 67 89",
               "R: [Liberation Sans,9,u]Привет, мир[Liberation Sans,9,s] € 20",
               "J: [Liberation Sans,12,]Ceci est un paragraphe justifié, [Liberation "
               "Sans,12,bi,#0000ff]bleu[Liberation Sans,12,].",
               "L: ([Liberation Sans,12,])",
               "L: [Liberation Sans,12,]Fin.",
           };
    QTest::newRow("LibreOffice Writer: languages")
        << "lo-languages.rtf"
        << QStringList{
               "L: [DejaVu Sans,10,b]Langues étrangères :",
               "L: [DejaVu Sans,10,]Ελληνικά, Polski (zażółć), Türkçe (ğış)",
               "L: [DejaVu Sans,10,]Lietuvių (ąčū), Русский, Čeština",
               "L: [DejaVu Sans,10,]« guillemets » – tiret — œuvre… 50 €",
           };
    QTest::newRow("earlier Windows version: \\'hh escapes")
        << "old-utf8-escapes.rtf"
        << QStringList{
               "C: [Times New Roman,16,b,#ff0000]Café crème",
               "L: [Arial,10,u]Tél.[Arial,10,]\t01 23 45 67 89",
               "R: [Arial,10,i]Привет[Arial,10,] € 20 €",
               QString::fromUtf8("L: [Arial,10,s,#008000]Fin\u00A0!"),
           };
    QTest::newRow("earlier Windows version: raw bytes") << "old-utf8-raw.rtf"
                                                        << QStringList{
                                                               "L: [Arial,12,]Crème brûlée été",
                                                               "C: [Arial,12,b]Привет €",
                                                               "L: [Arial,12,]café été",
                                                           };
}

void TestRtf::filesOfWordProcessors()
{
    QFETCH(QString, file);
    const QByteArray rtf = readFile(dataPath(file));
    QVERIFY(!rtf.isEmpty());
    QTextDocument document;
    QVERIFY(readRtf(rtf, document).ok);
    QTEST(describe(document), "paragraphs");

    // What we write of it reads back the same.
    QTextDocument back;
    QVERIFY(readRtf(writeRtf(document), back).ok);
    QCOMPARE(describe(back), describe(document));
}

// Inputs on which the fuzz targets once failed; each must read without
// crash, hang or sanitizer report.
void TestRtf::inputsTheFuzzerFound()
{
    const QDir dir(dataPath(QStringLiteral("fuzz")));
    const QStringList names = dir.entryList(QDir::Files);
    for (const QString &name : names) {
        const QByteArray bytes = readFile(dir.filePath(name));
        QTextDocument document;
        readRtf(bytes, document);
        writeRtf(document);
        convertBytesOnLoad(bytes, TextFileEncoding::Unicode);
        // A text read goes back in a form that reads as the same text.
        CharEncStream stream;
        if (stream.loadFromBytes(bytes)) {
            CharEncStream again;
            QVERIFY2(again.loadFromBytes(stream.bytes()), qPrintable(name));
            QVERIFY2(again.text == stream.text, qPrintable(name));
        }
    }
}

void TestRtf::richTextFiles()
{
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("C1carte.rtf"));
    QTextDocument document;
    buildCard(document);
    const RichTextResult saved = saveRichTextFile(document, path);
    QVERIFY(saved.ok());
    QVERIFY(saved.rewrite.ansiFound && saved.rewrite.codePageFound);
    QVERIFY(readFile(path).startsWith("{\\rtf1\\utf8\\deff0{\\fonttbl"));

    QTextDocument loaded;
    loaded.setModified(true);
    QVERIFY(loadRichTextFile(loaded, path).ok());
    QCOMPARE(describe(loaded), kCard);
    QVERIFY(!loaded.isModified());

    // The extension decides, in any case.
    const QString upper = dir.filePath(QStringLiteral("C2CARTE.RTF"));
    QVERIFY(QFile::copy(path, upper));
    QVERIFY(loadRichTextFile(loaded, upper).ok());
    QCOMPARE(describe(loaded), kCard);
}

void TestRtf::richTextFileFailures()
{
    QTemporaryDir dir;
    QTextDocument document;
    document.setPlainText(QStringLiteral("avant"));

    RichTextResult result = loadRichTextFile(document, dir.filePath(QStringLiteral("absent.rtf")));
    QCOMPARE(result.status, RichTextResult::NotFound);

    const QString notRtf = dir.filePath(QStringLiteral("faux.rtf"));
    QFile file(notRtf);
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write("ceci n'est pas du RTF");
    file.close();
    result = loadRichTextFile(document, notRtf);
    QCOMPARE(result.status, RichTextResult::NotRtf);

    result = loadRichTextFile(document, dataPath(QStringLiteral("lo-card-binary.doc")));
    QCOMPARE(result.status, RichTextResult::NotText);
    QCOMPARE(document.toPlainText(), QStringLiteral("avant"));

    // A folder in the way: nothing is written.
    const QString blocked = dir.filePath(QStringLiteral("dossier.rtf"));
    QVERIFY(QDir(dir.path()).mkdir(QStringLiteral("dossier.rtf")));
    result = saveRichTextFile(document, blocked);
    QCOMPARE(result.status, RichTextResult::WriteFailed);
    result = savePlainLines({QStringLiteral("a")}, blocked);
    QCOMPARE(result.status, RichTextResult::WriteFailed);
}

void TestRtf::plainTextFiles_data()
{
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<QString>("lines");

    QTest::newRow("Windows-1252") << QByteArray("caf\xE9\r\n50 \x80\r\n") << "café|50 €";
    QTest::newRow("UTF-8 with mark")
        << QByteArray("\xEF\xBB\xBF\xC3\xA9t\xC3\xA9\n\nfin") << "été||fin";
    QTest::newRow("UTF-16 with mark") << QByteArray("\xFF\xFE"
                                                    "a\0\r\0\n\0b\0",
                                                    10)
                                      << "a|b";
    QTest::newRow("old Mac line ends") << QByteArray("a\rb\r") << "a|b";
    QTest::newRow("empty") << QByteArray() << "";
}

void TestRtf::plainTextFiles()
{
    QFETCH(QByteArray, bytes);
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("notes.txt"));
    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write(bytes);
    file.close();
    QTextDocument document;
    QVERIFY(loadRichTextFile(document, path).ok());
    QTEST(plainLines(document), "lines");

    // Saved as lines, each ended by CR LF, in UTF-8 without mark.
    const QStringList lines = documentLines(document);
    QVERIFY(savePlainLines(lines, path).ok());
    QByteArray expected;
    for (const QString &line : lines)
        expected += line.toUtf8() + "\r\n";
    QCOMPARE(readFile(path), expected);
}

QTEST_MAIN(TestRtf)
#include "tst_rtf.moc"
