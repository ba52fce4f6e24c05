#include "output/CardPainting.h"
#include "output/GeometrySnapshot.h"

#include <QPainter>
#include <QPicture>
#include <QTemporaryDir>
#include <QtTest>

#include "TestPictures.h"

// The drawing routines on plain images, without any window.
class TestCardPainting : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void patternModes_data();
    void patternModes();
    void floodStopsAtOtherColours();
    void floodOnAPrinterLikeSurfaceTiles();
    void missingPattern();
    void printedCardRect();
    void snapshotOfTheStartCard();

private:
    QTemporaryDir dir;
    QString halves(int w, int h);
};

static const QColor kRed(255, 0, 0);
static const QColor kBlue(0, 0, 255);
static const QColor kCard(0xCD, 0xC0, 0xF0);

QString TestCardPainting::halves(int w, int h)
{
    return writeHalvesPattern(dir.path(), w, h);
}

void TestCardPainting::initTestCase()
{
    QVERIFY(dir.isValid());
}

void TestCardPainting::patternModes_data()
{
    QTest::addColumn<QSize>("pattern");
    QTest::addColumn<int>("mode");
    QTest::addColumn<int>("style");
    QTest::addColumn<bool>("fits");
    // Colours at x = 30, 60, 100, 170 on row 10 of a 190 x 300 card.
    QTest::addColumn<QList<QColor>>("expected");
    const QList<QColor> tiled{kRed, kBlue, kRed, kBlue};
    const QList<QColor> stretched{kRed, kRed, kBlue, kBlue};
    QTest::newRow("95x150 fits and tiles")
        << QSize(95, 150) << int(PatternMode::Dim) << int(FillStyle::Fill) << true << tiled;
    QTest::newRow("96x150 is stretched")
        << QSize(96, 150) << int(PatternMode::Dim) << int(FillStyle::Fill) << false << stretched;
    QTest::newRow("str stretches what fits")
        << QSize(95, 150) << int(PatternMode::Str) << int(FillStyle::Fill) << true << stretched;
    QTest::newRow("str ignores flood")
        << QSize(40, 40) << int(PatternMode::Str) << int(FillStyle::Flood) << true << stretched;
    QTest::newRow("mot tiles what does not fit")
        << QSize(96, 150) << int(PatternMode::Mot) << int(FillStyle::Fill) << false << tiled;
    QTest::newRow("dim flood of a plain card")
        << QSize(95, 150) << int(PatternMode::Dim) << int(FillStyle::Flood) << true << tiled;
    QTest::newRow("mot flood") << QSize(96, 150) << int(PatternMode::Mot) << int(FillStyle::Flood)
                               << false << tiled;
}

void TestCardPainting::patternModes()
{
    QFETCH(QSize, pattern);
    QFETCH(int, mode);
    QFETCH(int, style);
    QFETCH(bool, fits);
    QFETCH(QList<QColor>, expected);
    CardModel card;
    card.patternFile = halves(pattern.width(), pattern.height());
    card.patternMode = PatternMode(mode);
    card.fillStyle = FillStyle(style);
    QImage surface(190, 300, QImage::Format_RGB32);
    surface.fill(kCard);
    PatternCache cache;
    QPainter painter(&surface);
    const PatternOutcome outcome = paintPattern(painter, card, cache, surface.rect());
    painter.end();
    QCOMPARE(outcome.status, int(PatternPainted));
    QCOMPARE(outcome.fitsTile, fits);
    const int xs[] = {30, 60, 100, 170};
    for (int i = 0; i < 4; ++i)
        QCOMPARE(surface.pixelColor(xs[i], 10), expected[i]);
    // Nothing of the card colour is left.
    QCOMPARE(surface.pixelColor(189, 299) == kCard, false);
}

void TestCardPainting::floodStopsAtOtherColours()
{
    CardModel card;
    card.patternFile = halves(20, 20);
    card.fillStyle = FillStyle::Flood;
    QImage surface(190, 300, QImage::Format_RGB32);
    surface.fill(kCard);
    {
        // A black ring around an island of card colour, and a green block.
        QPainter p(&surface);
        p.setPen(QPen(Qt::black, 3));
        p.drawRect(50, 50, 60, 60);
        p.fillRect(130, 200, 30, 30, Qt::green);
    }
    PatternCache cache;
    QPainter painter(&surface);
    paintPattern(painter, card, cache, surface.rect());
    painter.end();
    QCOMPARE(surface.pixelColor(80, 80), kCard); // inside the ring
    QCOMPARE(surface.pixelColor(50, 50), QColor(Qt::black));
    QCOMPARE(surface.pixelColor(140, 210), QColor(Qt::green));
    QCOMPARE(surface.pixelColor(5, 5), kRed); // reached, tiled
    QCOMPARE(surface.pixelColor(15, 5), kBlue);
    QCOMPARE(surface.pixelColor(175, 295), kBlue);

    // The mask itself, on a ring with a gap: the fill leaks in.
    QImage ring(40, 40, QImage::Format_RGB32);
    ring.fill(Qt::white);
    {
        QPainter p(&ring);
        p.setPen(Qt::black);
        p.drawRect(10, 10, 20, 20);
        p.setPen(Qt::white);
        p.drawPoint(20, 10);
    }
    const QImage mask = floodMask(ring, QPoint(1, 1));
    QCOMPARE(mask.pixelColor(20, 20), QColor(Qt::white));
    QCOMPARE(mask.pixelColor(10, 15), QColor(Qt::black));
    QVERIFY(floodMask(ring, QPoint(99, 99)).pixelColor(1, 1) == QColor(Qt::black));
}

void TestCardPainting::floodOnAPrinterLikeSurfaceTiles()
{
    // A picture recording has nothing to read back: the flood covers the card.
    CardModel card;
    card.patternFile = halves(20, 20);
    card.fillStyle = FillStyle::Flood;
    QPicture picture;
    PatternCache cache;
    QPainter painter(&picture);
    const PatternOutcome outcome = paintPattern(painter, card, cache, QRect(0, 0, 190, 300));
    painter.end();
    QCOMPARE(outcome.status, int(PatternPainted));
    QImage surface(190, 300, QImage::Format_RGB32);
    surface.fill(kCard);
    QPainter replay(&surface);
    picture.play(&replay);
    replay.end();
    QCOMPARE(surface.pixelColor(5, 5), kRed);
    QCOMPARE(surface.pixelColor(15, 295), kBlue);
}

void TestCardPainting::missingPattern()
{
    CardModel card;
    QImage surface(10, 10, QImage::Format_RGB32);
    PatternCache cache;
    QPainter painter(&surface);
    QCOMPARE(paintPattern(painter, card, cache, surface.rect()).status, int(NoPatternFile));
    card.patternFile = dir.filePath(QStringLiteral("absent.bmp"));
    QCOMPARE(paintPattern(painter, card, cache, surface.rect()).status, int(PatternUnreadable));
    QFile junk(dir.filePath(QStringLiteral("junk.bmp")));
    QVERIFY(junk.open(QIODevice::WriteOnly));
    junk.write("BM this is not a bitmap");
    junk.close();
    card.patternFile = junk.fileName();
    QCOMPARE(paintPattern(painter, card, cache, surface.rect()).status, int(PatternUnreadable));
}

void TestCardPainting::printedCardRect()
{
    CardModel card;
    // A card at (600, 300) dots, 300 dpi over 96: 190 x 3.125 = 593.75 -> 594,
    // 300 x 3.125 = 937.5 -> 938 (halves to even).
    QCOMPARE(cardRectOnSurface(card, QPoint(-600, -300), 3.125, 3.125), QRect(600, 300, 594, 938));
    card.width = 2;
    QCOMPARE(cardRectOnSurface(card, QPoint(0, 0), 1.25, 1.0).width(), 2); // 2.5 -> 2
}

void TestCardPainting::snapshotOfTheStartCard()
{
    CardModel card;
    GeometrySnapshot snapshot;
    snapshot.take(0, card);
    const GeometrySlot &s = snapshot.slot(0);
    QVERIFY(s.valid);
    QCOMPARE(snapshot.currentSlot, 0);
    QCOMPARE(s.frame1Top, qint16(41));
    QCOMPARE(s.frame1Width, qint16(74));
    QCOMPARE(s.frame1Height, qint16(65));
    QCOMPARE(s.frame2Width, qint16(179));
    QCOMPARE(s.frame2Height, qint16(140));
    QCOMPARE(s.doubleFrame1Top, qint16(82));
    QCOMPARE(s.wideFrame1Width, qint16(130)); // 129.5 goes to the even 130
    QCOMPARE(s.halfFrame1Height, qint16(32)); // 65 div 2
    QCOMPARE(s.halfFrame2Height, qint16(70));
    QCOMPARE(s.iconTop, qint16(24));
    QCOMPARE(s.iconLeft, qint16(8));
    QVERIFY(!snapshot.slot(-1).valid);
    snapshot.take(-1, card);
    QVERIFY(snapshot.slot(-1).valid);
    QCOMPARE(snapshot.currentSlot, -1);
    snapshot.take(7, card); // no such slot
    QCOMPARE(snapshot.currentSlot, -1);
}

QTEST_MAIN(TestCardPainting)
#include "tst_cardpainting.moc"
