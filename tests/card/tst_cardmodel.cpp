#include "card/CardModel.h"
#include "card/Rounding.h"

#include <QtTest>

namespace {

struct Recorder : CardObserver
{
    QList<QPair<CardChange, int>> changes;
    void cardChanged(CardChange what, int frame) override { changes.append({what, frame}); }
};

} // namespace

class TestCardModel : public QObject
{
    Q_OBJECT

private slots:
    void defaults();
    void defaultsAtAnotherResolution();
    void layoutRatios();
    void colours_data();
    void colours();
    void settersTellTheObserver();
    void transparencyCode_data();
    void transparencyCode();
    void roundingSendsHalvesToEven_data();
    void roundingSendsHalvesToEven();
    void textsOfTheEnumerations();
};

void TestCardModel::defaults()
{
    CardModel card;
    card.setDefaults(96);
    QCOMPARE(card.width, 190);
    QCOMPARE(card.height, 300);
    QCOMPARE(card.backgroundColor, Colour(0xF0C0CD));
    QCOMPARE(card.frames[0].rect(), QRect(63, 41, 74, 65));
    QCOMPARE(card.frames[1].rect(), QRect(3, 145, 179, 140));
    for (const CardFrame &frame : card.frames) {
        QCOMPARE(frame.backgroundColor, Colour(0xFFCDC0));
        QCOMPARE(frame.baseColor, Colour(0xFFCDC0));
        QCOMPARE(frame.chosenColor, Colour(0));
        QVERIFY(frame.headerFont.name.isEmpty());
        QVERIFY(frame.bodyFont.name.isEmpty());
        QVERIFY(!frame.transparent);
    }
    QCOMPARE(card.icon, (CardIcon{8, 24, 32, 32}));
    QCOMPARE(card.orientation, Orientation::Unset);
    QVERIFY(!card.isLandscape());
    QCOMPARE(card.patternMode, PatternMode::Dim);
    QCOMPARE(card.fillStyle, FillStyle::Fill);
    QVERIFY(card.patternFile.isEmpty());
    QVERIFY(card.iconFile.isEmpty());
    QCOMPARE(card.gap, qint16(0));
    QCOMPARE(card.initialWidth, 190);
    QCOMPARE(card.initialHeight, 300);
    QCOMPARE(card.previewTop, 45);
    // 0.05 x 190 = 9.5 goes to the even 10.
    QCOMPARE(card.defaultPreviewPosition(), QPoint(10, 45));
    QVERIFY(!card.hasContent);
    QVERIFY(card.parameterFile.isEmpty());
}

void TestCardModel::defaultsAtAnotherResolution()
{
    CardModel card;
    card.setDefaults(120);
    QCOMPARE(card.screenResolution, 120);
    QCOMPARE(QSize(card.width, card.height), QSize(190, 300));
}

void TestCardModel::layoutRatios()
{
    CardModel card;
    card.setDefaults(96);
    const std::array<double, 8> expected{74 / 190.0,  65 / 300.0,  41 / 300.0, 179 / 190.0,
                                         140 / 300.0, 145 / 300.0, 8 / 190.0,  24 / 300.0};
    QCOMPARE(card.layoutRatios, expected);
}

void TestCardModel::colours_data()
{
    QTest::addColumn<uint>("stored");
    QTest::addColumn<QColor>("colour");
    QTest::newRow("red in the low byte") << 0x0000FFu << QColor(255, 0, 0);
    QTest::newRow("card") << 0xF0C0CDu << QColor(0xCD, 0xC0, 0xF0);
    QTest::newRow("frame") << 0xFFCDC0u << QColor(0xC0, 0xCD, 0xFF);
    QTest::newRow("black") << 0u << QColor(0, 0, 0);
}

void TestCardModel::colours()
{
    QFETCH(uint, stored);
    QFETCH(QColor, colour);
    QCOMPARE(toQColor(stored), colour);
    QCOMPARE(fromQColor(colour), Colour(stored));
}

void TestCardModel::settersTellTheObserver()
{
    CardModel card;
    Recorder recorder;
    card.observer = &recorder;

    card.setCardSize(200, 320);
    card.setFrameGeometry(1, QRect(4, 5, 60, 70));
    card.setIconGeometry({1, 2, 3, 4});
    card.setBackgroundColor(0x123456);
    card.setFrameColor(0, 0x00FF00);
    card.setFrameAlignment(1, AlignCentre);
    card.setOrientation(Orientation::Horizontal);
    card.setFrameTransparent(0, true);

    const QList<QPair<CardChange, int>> expected{
        {CardChange::CardGeometry, -1}, {CardChange::FrameGeometry, 1},
        {CardChange::IconGeometry, -1}, {CardChange::CardColour, -1},
        {CardChange::FrameColour, 0},   {CardChange::FrameAlignment, 1},
        {CardChange::Orientation, -1},  {CardChange::Appearance, 0},
    };
    QCOMPARE(recorder.changes, expected);
    QCOMPARE(QSize(card.width, card.height), QSize(200, 320));
    QCOMPARE(card.frames[1].rect(), QRect(4, 5, 60, 70));
    // The colour setters remember that a colour was chosen: the card file
    // prefers a chosen colour.
    QCOMPARE(card.chosenBackgroundColor, Colour(0x123456));
    QCOMPARE(card.frames[0].chosenColor, Colour(0x00FF00));
    QCOMPARE(card.frames[1].chosenColor, Colour(0));
    QVERIFY(card.isLandscape());

    // The defaults keep the observer, so the preview follows a reset too.
    recorder.changes.clear();
    card.setDefaults(96);
    QCOMPARE(card.observer, &recorder);
    QVERIFY(recorder.changes.contains(qMakePair(CardChange::CardGeometry, -1)));
}

void TestCardModel::transparencyCode_data()
{
    QTest::addColumn<bool>("first");
    QTest::addColumn<bool>("second");
    QTest::addColumn<int>("code");
    QTest::newRow("none") << false << false << 0;
    QTest::newRow("frame 1") << true << false << 1;
    QTest::newRow("frame 2") << false << true << 2;
    QTest::newRow("both") << true << true << 3;
}

void TestCardModel::transparencyCode()
{
    QFETCH(bool, first);
    QFETCH(bool, second);
    QFETCH(int, code);
    CardModel card;
    card.setFrameTransparent(0, first);
    card.setFrameTransparent(1, second);
    QCOMPARE(card.transparencyCode(), code);
}

void TestCardModel::roundingSendsHalvesToEven_data()
{
    QTest::addColumn<double>("value");
    QTest::addColumn<int>("expected");
    QTest::newRow("9.5") << 9.5 << 10;
    QTest::newRow("10.5") << 10.5 << 10;
    QTest::newRow("44.5") << 44.5 << 44;
    QTest::newRow("-2.5") << -2.5 << -2;
    QTest::newRow("237.5") << 237.5 << 238;
    QTest::newRow("2.4") << 2.4 << 2;
}

void TestCardModel::roundingSendsHalvesToEven()
{
    QFETCH(double, value);
    QFETCH(int, expected);
    QCOMPARE(roundEven(value), expected);
}

void TestCardModel::textsOfTheEnumerations()
{
    QCOMPARE(orientationText(Orientation::Unset), QString());
    QCOMPARE(orientationText(Orientation::Vertical), QStringLiteral("vertical"));
    QCOMPARE(orientationFromText(QStringLiteral("horizontal")), Orientation::Horizontal);
    QCOMPARE(orientationFromText(QStringLiteral("paysage")), Orientation::Unset);
    QCOMPARE(patternModeText(PatternMode::Dim), QStringLiteral("dim"));
    QCOMPARE(patternModeText(PatternMode::Mot), QStringLiteral("mot"));
    QCOMPARE(patternModeText(PatternMode::Str), QStringLiteral("str"));
    QCOMPARE(fillStyleText(FillStyle::Fill), QStringLiteral("fill"));
    QCOMPARE(fillStyleText(FillStyle::Flood), QStringLiteral("flood"));
}

QTEST_GUILESS_MAIN(TestCardModel)
#include "tst_cardmodel.moc"
