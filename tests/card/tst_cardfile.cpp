#include "card/CardFile.h"

#include <QTemporaryDir>
#include <QtTest>

namespace {

struct Reading
{
    CardFileReading result;
    CardFileValues values;
    int oldVersionNotices = 0;
    QList<int> askedLines;
};

Reading readBytes(const QByteArray &bytes, bool answerOk = true)
{
    Reading r;
    r.result = readCardFileValues(
        bytes, r.values, [&] { ++r.oldVersionNotices; },
        [&](int line) {
            r.askedLines << line;
            return answerOk;
        });
    return r;
}

QByteArray defaultCardBytes(CardModel &card)
{
    CardFileFrames frames;
    frames.companions = {companionRelativeName(0, QStringLiteral("carte")),
                         companionRelativeName(1, QStringLiteral("carte"))};
    return composeCardFile(card, frames);
}

QList<QByteArray> lines(const QByteArray &bytes)
{
    QList<QByteArray> out = bytes.split('\n');
    for (QByteArray &line : out)
        line.chop(line.endsWith('\r') ? 1 : 0);
    return out;
}

} // namespace

class TestCardFile : public QObject
{
    Q_OBJECT

private slots:
    void writesTheLayout();
    void roundTripGivesIdenticalBytes();
    void fontsAndColours();
    void headerFontFromTheFirstLine();
    void scalingBetweenScreens_data();
    void scalingBetweenScreens();
    void headerLines_data();
    void headerLines();
    void lineEnds_data();
    void lineEnds();
    void oldFileOfFiftyLines();
    void damagedFiles_data();
    void damagedFiles();
    void abortStopsTheRead();
    void alignmentCodes_data();
    void alignmentCodes();
    void windows1252Paths();
    void storedPaths();
    void longLinesAreWrittenWhole();
};

void TestCardFile::writesTheLayout()
{
    CardModel card;
    card.setDefaults(96);
    const QList<QByteArray> l = lines(defaultCardBytes(card));
    QCOMPARE(l[0], QByteArray("** Fichier paramêtre pour Vokira : carte"));
    QCOMPARE(l[1], QByteArray("**Version : VOKIRA 2.0"));
    QCOMPARE(l[2], QByteArray("**"));
    QCOMPARE(l[3], QByteArray("1 - texte 1 : .\\element\\C1carte.rtf"));
    QCOMPARE(l[4], QByteArray("2 - texte 2 : .\\element\\C2carte.rtf"));
    // Never turned: written as portrait.
    QCOMPARE(l[5], QByteArray("3 - orientation :portrait"));
    QCOMPARE(l[2 + 8], QByteArray("8 - nom police corps cadre 1 :"));
    QCOMPARE(l[2 + 15], QByteArray("15 - largeur carte :190"));
    QCOMPARE(l[2 + 18], QByteArray("18 - couleur carte :$00F0C0CD"));
    QCOMPARE(l[2 + 30], QByteArray("30 - couleur cadre 1 :$00FFCDC0"));
    QCOMPARE(l[2 + 36], QByteArray("36 - valeur d'écartement :8"));
    QCOMPARE(card.gap, qint16(8)); // the model keeps the 8 too
    QCOMPARE(l[2 + 43], QByteArray("43 - taille police corps cadre 1 :0"));
    QCOMPARE(l[2 + 49], QByteArray("49 - résolution système :96"));
    QCOMPARE(l[2 + 51], QByteArray("51 - réservé :"));
    QCOMPARE(l.size(), 55); // 54 lines and the empty rest after the last CR LF
    QVERIFY(defaultCardBytes(card).endsWith("\r\n"));
    QCOMPARE(defaultCardBytes(card).count('\n'), defaultCardBytes(card).count("\r\n"));
}

void TestCardFile::roundTripGivesIdenticalBytes()
{
    CardModel card;
    card.setDefaults(96);
    card.setCardSize(207, 321);
    card.setBackgroundColor(0x00336699);
    card.setFrameGeometry(0, QRect(10, 20, 150, 60));
    card.setFrameGeometry(1, QRect(-3, 200, 213, 100));
    card.setFrameColor(1, 0x123456);
    card.setFrameTransparent(0, true);
    card.setOrientation(Orientation::Horizontal);
    card.patternFile = QStringLiteral("C:\\Mes cartes\\motif été.bmp");
    card.iconFile = QStringLiteral("/home/anne/logo.ico");
    card.setIconGeometry({5, 6, 40, 30});
    card.gap = 12;
    card.frames[1].bodyFont = {QStringLiteral("Liberation Serif"), 11,
                               unsigned(FontStyle::Bold) | unsigned(FontStyle::StrikeOut),
                               0x800080};
    const QByteArray first = defaultCardBytes(card);

    const Reading r = readBytes(first);
    QVERIFY(r.result.read);
    QVERIFY(r.askedLines.isEmpty());
    CardModel again;
    again.setDefaults(96);
    const LoadedCard loaded = applyCardValues(again, r.values);
    QCOMPARE(loaded.transparencyCode, 1);
    again.frames[0].transparent = true;
    QCOMPARE(defaultCardBytes(again), first);
    QCOMPARE(again.patternFile, card.patternFile);
    QCOMPARE(again.frames[1].bodyFont, card.frames[1].bodyFont);
    QCOMPARE(again.frames[1].chosenColor, Colour(0x123456));
    QCOMPARE(again.frames[1].baseColor, Colour(0x123456));
    QCOMPARE(again.iconHomeLeft, 5);
    QCOMPARE(again.iconHomeTop, 6);
    QCOMPARE(again.initialWidth, 207);
}

void TestCardFile::fontsAndColours()
{
    CardModel card;
    card.setDefaults(96);
    card.setBackgroundColor(0);       // black: written as nothing
    card.setFrameColor(0, 0x1000000); // beyond what the file holds
    card.frames[0].headerFont = {QStringLiteral("Liberation Sans"), 14,
                                 unsigned(FontStyle::Bold) | unsigned(FontStyle::Italic) |
                                     unsigned(FontStyle::Underline),
                                 0xFF};
    const QList<QByteArray> l = lines(defaultCardBytes(card));
    QCOMPARE(l[2 + 18], QByteArray("18 - couleur carte :$"));
    QCOMPARE(l[2 + 30], QByteArray("30 - couleur cadre 1 :$"));
    QCOMPARE(l[2 + 6], QByteArray("6 - nom police en-tête cadre 1 :Liberation Sans"));
    QCOMPARE(l[2 + 37], QByteArray("37 - taille police en-tête cadre 1 :14"));
    QCOMPARE(l[2 + 38], QByteArray("38 - style police en-tête cadre 1 :6")); // no underline
    QCOMPARE(l[2 + 39], QByteArray("39 - couleur police en-tête cadre 1 :255"));

    CardModel again;
    again.setDefaults(96);
    again.frames[0].headerFont.style = unsigned(FontStyle::Bold);
    applyCardValues(again, readBytes(defaultCardBytes(card)).values);
    QCOMPARE(again.backgroundColor, Colour(0));
    QCOMPARE(again.frames[0].backgroundColor, Colour(0));
    QCOMPARE(again.frames[0].headerFont.style,
             unsigned(FontStyle::Bold) | unsigned(FontStyle::Italic));
    // Style 0 after bold headers gives a regular font.
    QByteArray plain = defaultCardBytes(card);
    plain.replace("38 - style police en-tête cadre 1 :6", "38 - style police en-tête cadre 1 :0");
    applyCardValues(again, readBytes(plain).values);
    QCOMPARE(again.frames[0].headerFont.style, 0u);
}

void TestCardFile::headerFontFromTheFirstLine()
{
    CardModel card;
    card.setDefaults(96);
    card.frames[0].headerFont = {QStringLiteral("Liberation Sans"), 12, 0, 0};
    CardFileFrames frames;
    frames.firstLineFonts[0] =
        FrameFont{QStringLiteral("Liberation Serif"), 16, unsigned(FontStyle::Italic), 0x0000FF};
    frames.firstLineFonts[1] = FrameFont{QStringLiteral("X"), 9, 0, 0};
    card.frames[1].headerFont = {QStringLiteral("X"), 9, unsigned(FontStyle::Underline), 0};
    const QList<QByteArray> l = lines(composeCardFile(card, frames));
    QCOMPARE(l[2 + 6], QByteArray("6 - nom police en-tête cadre 1 :Liberation Serif"));
    QCOMPARE(l[2 + 37], QByteArray("37 - taille police en-tête cadre 1 :16"));
    QCOMPARE(l[2 + 38], QByteArray("38 - style police en-tête cadre 1 :4"));
    QCOMPARE(l[2 + 39], QByteArray("39 - couleur police en-tête cadre 1 :255"));
    QCOMPARE(l[2 + 7], QByteArray("7 - nom police en-tête cadre 2 :X"));
}

void TestCardFile::scalingBetweenScreens_data()
{
    QTest::addColumn<int>("stored");
    QTest::addColumn<int>("screen");
    QTest::addColumn<int>("width");
    QTest::addColumn<double>("scale");
    QTest::newRow("96 to 120") << 96 << 120 << 238 << 1.25; // 237.5 goes to 238
    QTest::newRow("same screen") << 96 << 96 << 190 << 1.0;
    QTest::newRow("line 49 of 0") << 0 << 120 << 190 << 1.0;
    QTest::newRow("120 to 96") << 120 << 96 << 152 << 0.8;
}

void TestCardFile::scalingBetweenScreens()
{
    QFETCH(int, stored);
    QFETCH(int, screen);
    QFETCH(int, width);
    QFETCH(double, scale);
    CardModel card;
    card.setDefaults(96);
    card.frames[0].bodyFont = {QStringLiteral("A"), 10, 0, 0};
    QByteArray bytes = defaultCardBytes(card);
    bytes.replace("49 - résolution système :96",
                  "49 - résolution système :" + QByteArray::number(stored));
    CardModel again;
    again.setDefaults(screen);
    applyCardValues(again, readBytes(bytes).values);
    QCOMPARE(again.loadScale, scale);
    QCOMPARE(again.width, width);
    QCOMPARE(again.frames[0].bodyFont.size, qint16(10));         // not scaled
    QCOMPARE(again.frames[0].backgroundColor, Colour(0xFFCDC0)); // not scaled
}

void TestCardFile::headerLines_data()
{
    QTest::addColumn<QByteArray>("header");
    QTest::newRow("ours") << QByteArray("** Fichier\r\n**Version\r\n**\r\n");
    QTest::newRow("none") << QByteArray();
    QTest::newRow("five") << QByteArray("**\r\n a ** b\r\n**\r\n**\r\n**\r\n");
}

void TestCardFile::headerLines()
{
    QFETCH(QByteArray, header);
    CardModel card;
    card.setDefaults(96);
    QByteArray body = defaultCardBytes(card);
    body = body.mid(body.indexOf("1 - texte 1"));
    const Reading r = readBytes(header + body);
    QVERIFY(r.result.read);
    QVERIFY(r.askedLines.isEmpty());
    QCOMPARE(r.values.numbers[15], 190);
}

void TestCardFile::lineEnds_data()
{
    QTest::addColumn<QByteArray>("end");
    QTest::newRow("CR LF") << QByteArray("\r\n");
    QTest::newRow("LF") << QByteArray("\n");
    QTest::newRow("CR") << QByteArray("\r");
}

void TestCardFile::lineEnds()
{
    QFETCH(QByteArray, end);
    CardModel card;
    card.setDefaults(96);
    QByteArray bytes = defaultCardBytes(card);
    bytes.replace("\r\n", end);
    const Reading r = readBytes(bytes);
    QVERIFY(r.askedLines.isEmpty());
    QCOMPARE(r.values.numbers[16], 300);
    QCOMPARE(r.values.numbers[51], 0);
    QVERIFY(r.values.present[51]);
}

void TestCardFile::oldFileOfFiftyLines()
{
    CardModel card;
    card.setDefaults(96);
    QByteArray bytes = defaultCardBytes(card);
    bytes.truncate(bytes.indexOf("51 - "));
    const Reading r = readBytes(bytes);
    QVERIFY(r.result.read);
    QCOMPARE(r.oldVersionNotices, 1);
    QVERIFY(r.askedLines.isEmpty());
    QCOMPARE(r.values.numbers[49], 96);
}

void TestCardFile::damagedFiles_data()
{
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<int>("asked"); // lines that had no colon
    QTest::addColumn<int>("width"); // line 15 as read
    CardModel card;
    card.setDefaults(96);
    const QByteArray good = defaultCardBytes(card);
    QByteArray noColon = good;
    noColon.replace("15 - largeur carte :190", "15 - largeur carte 190");
    QTest::newRow("a line without colon") << noColon << 1 << 0;
    QByteArray abc = good;
    abc.replace("15 - largeur carte :190", "15 - largeur carte :abc");
    QTest::newRow("abc as width") << abc << 0 << 0;
    QByteArray huge = good;
    huge.replace("15 - largeur carte :190", "15 - largeur carte :99999999999999999999");
    QTest::newRow("huge number") << huge << 0 << 0;
    QTest::newRow("truncated after line 20") << good.left(good.indexOf("21 - ")) << 31 << 190;
    QTest::newRow("empty") << QByteArray() << 51 << 0;
    QByteArray garbage(4096, '\0');
    for (int i = 0; i < garbage.size(); ++i)
        garbage[i] = char((i * 7919) % 251);
    QTest::newRow("binary garbage") << garbage << -1 << -1;
    QByteArray longLine = good;
    longLine.replace("4 - motif carte :", "4 - motif carte :" + QByteArray(10 * 1024 * 1024, 'x'));
    QTest::newRow("10 MB line") << longLine << 0 << 190;
}

void TestCardFile::damagedFiles()
{
    QFETCH(QByteArray, bytes);
    QFETCH(int, asked);
    QFETCH(int, width);
    const Reading r = readBytes(bytes);
    QVERIFY(r.result.read);
    if (asked >= 0)
        QCOMPARE(r.askedLines.size(), asked);
    if (width >= 0)
        QCOMPARE(r.values.numbers[15], width);
    // Whatever was read, the card takes it without failing.
    CardModel card;
    card.setDefaults(96);
    applyCardValues(card, r.values);
}

void TestCardFile::abortStopsTheRead()
{
    CardModel card;
    card.setDefaults(96);
    QByteArray bytes = defaultCardBytes(card);
    bytes.replace("20 - hauteur texte 1 :65", "20 - hauteur texte 1 65");
    const Reading r = readBytes(bytes, false);
    QVERIFY(!r.result.read);
    QVERIFY(r.result.aborted);
    QCOMPARE(r.askedLines, QList<int>{20});
}

void TestCardFile::alignmentCodes_data()
{
    QTest::addColumn<int>("code");
    QTest::addColumn<int>("frame1");
    QTest::addColumn<int>("frame2");
    QTest::newRow("0") << 0 << int(AlignLeft) << int(AlignLeft);
    QTest::newRow("1") << 1 << int(AlignRight) << int(AlignRight);
    QTest::newRow("2") << 2 << int(AlignCentre) << int(AlignCentre);
    QTest::newRow("-1") << -1 << int(AlignCentre) << int(AlignLeft);
    QTest::newRow("7 changes nothing") << 7 << -1 << -1;
}

void TestCardFile::alignmentCodes()
{
    QFETCH(int, code);
    QFETCH(int, frame1);
    QFETCH(int, frame2);
    CardModel card;
    card.setDefaults(96);
    CardFileFrames frames;
    frames.alignments = {code, code};
    const Reading r = readBytes(composeCardFile(card, frames));
    CardModel again;
    again.setDefaults(96);
    const LoadedCard loaded = applyCardValues(again, r.values);
    QCOMPARE(loaded.alignments[0].value_or(-1), frame1);
    QCOMPARE(loaded.alignments[1].value_or(-1), frame2);
    if (frame1 == AlignCentre)
        QCOMPARE(again.frames[0].alignmentName, QStringLiteral("centre"));
}

void TestCardFile::windows1252Paths()
{
    CardModel card;
    card.setDefaults(96);
    QByteArray bytes = defaultCardBytes(card);
    // "motif été.bmp" as the earlier Windows version wrote it.
    bytes.replace("4 - motif carte :", "4 - motif carte :C:\\cartes\\motif \xe9t\xe9.bmp");
    bytes.replace("6 - nom police en-tête cadre 1 :", "6 - nom police en-tête cadre 1 :Cambria");
    const Reading r = readBytes(bytes);
    CardModel again;
    again.setDefaults(96);
    applyCardValues(again, r.values);
    QCOMPARE(again.patternFile, QStringLiteral("C:\\cartes\\motif été.bmp"));
    QCOMPARE(again.frames[0].headerFont.name, QStringLiteral("Cambria"));
}

void TestCardFile::storedPaths()
{
    QTemporaryDir dir;
    QDir(dir.path()).mkpath(QStringLiteral("element"));
    auto touch = [&](const QString &name) {
        QFile f(dir.filePath(name));
        QVERIFY(f.open(QIODevice::WriteOnly));
    };
    touch(QStringLiteral("element/C1carte.rtf"));
    touch(QStringLiteral("motif.bmp"));
    touch(QStringLiteral("element/logo.ico"));
    const QString folder = dir.path();
    QCOMPARE(resolveStoredPath(QStringLiteral(".\\element\\C1carte.rtf"), folder),
             dir.filePath(QStringLiteral("element/C1carte.rtf")));
    QCOMPARE(resolveStoredPath(QStringLiteral("C:\\Mes cartes\\motif.bmp"), folder),
             dir.filePath(QStringLiteral("motif.bmp")));
    QCOMPARE(resolveStoredPath(QStringLiteral("/elsewhere/logo.ico"), folder),
             dir.filePath(QStringLiteral("element/logo.ico")));
    QCOMPARE(resolveStoredPath(QStringLiteral(".\\element\\C2carte.rtf"), folder),
             dir.filePath(QStringLiteral("element/C2carte.rtf")));
    QCOMPARE(trimmedStoredText(QStringLiteral(" \t\x01.\\a b ")), QStringLiteral(".\\a b "));
}

void TestCardFile::longLinesAreWrittenWhole()
{
    CardModel card;
    card.setDefaults(96);
    card.patternFile =
        QStringLiteral("/") + QString(400, QLatin1Char('d')) + QStringLiteral(".bmp");
    const Reading r = readBytes(defaultCardBytes(card));
    CardModel again;
    again.setDefaults(96);
    applyCardValues(again, r.values);
    QCOMPARE(again.patternFile, card.patternFile);
}

QTEST_GUILESS_MAIN(TestCardFile)
#include "tst_cardfile.moc"
