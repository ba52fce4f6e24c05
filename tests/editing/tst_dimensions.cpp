#include "../app/TestSupport.h"

#include "card/Rounding.h"
#include "catalogue/MessageCatalogue.h"
#include "editing/DimensionEntry.h"
#include "output/TForm1.h"
#include "platform/Application.h"
#include "platform/RichEdit.h"

#include <QAction>
#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSlider>
#include <QtTest>

namespace {

// What a user does: type into the field and press Enter.
void enter(QComboBox *combo, const QString &text)
{
    combo->lineEdit()->clear();
    QTest::keyClicks(combo->lineEdit(), text);
    QTest::keyClick(combo->lineEdit(), Qt::Key_Return);
}

void choose(QComboBox *combo, int index)
{
    combo->setCurrentIndex(index);
    emit combo->activated(index);
}

QRect frameRect(int frame)
{
    return cardModel().frames[frame].rect();
}

} // namespace

class TestDimensions : public QObject
{
    Q_OBJECT

private slots:
    void readIncrement_data();
    void readIncrement();
    void frameEntries_data();
    void frameEntries();
    void validEntryHidesTheNotice();
    void enterTwiceAddsTwice();
    void otherKeysDoNothing();
    void standardFormat();
    void a4Adjustment();
    void switchToHorizontal();
    void nearlySquareOnlyExchanges();
    void cardEntriesFollowTheOrientationShown();
    void cardAndIconEntries();
    void gap();
    void resets();
    void trackBar();
    void transparencyNoticeOnce();
    void otherLanguages_data();
    void otherLanguages();
};

void TestDimensions::readIncrement_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<bool>("leftEdge");
    QTest::addColumn<int>("value");
    QTest::newRow("plus") << "largeur+12" << false << 12;
    QTest::newRow("blank") << "largeur 12" << false << 12;
    QTest::newRow("bare") << "12" << false << 12;
    QTest::newRow("minus") << "largeur -5" << false << -5;
    QTest::newRow("bare minus") << "-5" << false << -5;
    QTest::newRow("list entry") << "largeur + 20" << false << 20;
    QTest::newRow("word only") << "largeur" << false << 0;
    QTest::newRow("trailing letters") << "largeur 12px" << false << 0;
    QTest::newRow("german") << "Breite+12" << false << 12;
    QTest::newRow("left edge") << "bord gauche -5" << true << -5;
    QTest::newRow("left edge bare") << "-5" << true << 0;
    QTest::newRow("left edge plus") << "bord gauche + 7" << true << 7;
    QTest::newRow("empty") << "" << false << 0;
}

void TestDimensions::readIncrement()
{
    QFETCH(QString, text);
    QFETCH(bool, leftEdge);
    QFETCH(int, value);
    QCOMPARE(::readIncrement(text, leftEdge), value);
}

void TestDimensions::frameEntries_data()
{
    QTest::addColumn<QString>("combo");
    QTest::addColumn<QString>("text");
    QTest::addColumn<int>("frame");
    QTest::addColumn<QRect>("rect");
    QTest::addColumn<QString>("notice");
    // Default card 190 x 300; frame 1 at (63, 41) 74 x 65, frame 2 at
    // (3, 145) 179 x 140.
    QTest::newRow("largeur+200") << "ComboBox1"
                                 << "largeur+200" << 0 << QRect(0, 41, 190, 65)
                                 << "Cadre 1 redimensionné automatiquement\r\nInformation 120";
    QTest::newRow("hauteur+250") << "ComboBox7"
                                 << "hauteur+250" << 0 << QRect(63, 235, 74, 65)
                                 << "Position du cadre 1 recalculée automatiquement\r\n"
                                    "Information 100";
    QTest::newRow("hauteur -100") << "ComboBox7"
                                  << "hauteur -100" << 0 << QRect(63, -59, 74, 65)
                                  << "Problème position\r\nInformation 100";
    QTest::newRow("frame 2 too wide") << "ComboBox2"
                                      << "largeur+20" << 1 << QRect(0, 145, 190, 140)
                                      << "redimension automatique\r\nInformation 120";
    QTest::newRow("narrower is centred") << "ComboBox1"
                                         << "largeur -10" << 0 << QRect(63, 41, 64, 65) << "";
    QTest::newRow("too long moves up") << "ComboBox3"
                                       << "longueur+250" << 0 << QRect(63, -15, 74, 315)
                                       << "Problème dimension\r\nInformation 110";
    QTest::newRow("frame 2 longer") << "ComboBox4"
                                    << "longueur+20" << 1 << QRect(3, 140, 179, 160)
                                    << "reposition automatique\r\nInformation 120";
    QTest::newRow("frame 2 over frame 1")
        << "ComboBox4"
        << "longueur+60" << 1 << QRect(3, 100, 179, 200) << "Problème dimension  - Information 100";
    QTest::newRow("left beyond the right edge") << "ComboBox14"
                                                << "bord gauche + 60" << 0 << QRect(116, 41, 74, 65)
                                                << "reposition automatique\r\nInformation 120";
    QTest::newRow("left below 0") << "ComboBox15"
                                  << "bord gauche -5" << 1 << QRect(-2, 145, 179, 140)
                                  << "Problème dimension\r\nInformation 110";
    QTest::newRow("left -5 alone adds nothing") << "ComboBox15"
                                                << "-5" << 1 << QRect(3, 145, 179, 140) << "";
}

void TestDimensions::frameEntries()
{
    QFETCH(QString, combo);
    QFETCH(QString, text);
    QFETCH(int, frame);
    QFETCH(QRect, rect);
    QFETCH(QString, notice);
    ProgramFixture fixture;
    Tfrmmain *w = fixture.start();
    w->show();
    enter(w->findChild<QComboBox *>(combo), text);
    QCOMPARE(frameRect(frame), rect);
    QCOMPARE(appWindows().Form1->frameEditor(frame)->geometry(), rect);
    QLabel *label = frame == 0 ? w->Label4 : w->Label7;
    QCOMPARE(label->text(), notice);
    QCOMPARE(label->isVisible(), !notice.isEmpty());
    if (!notice.isEmpty())
        QVERIFY(label->styleSheet().contains(QStringLiteral("red")));
    // The other frame's notice is left alone.
    QVERIFY(!(frame == 0 ? w->Label7 : w->Label4)->isVisible());
}

void TestDimensions::validEntryHidesTheNotice()
{
    ProgramFixture fixture;
    Tfrmmain *w = fixture.start();
    w->show();
    enter(w->ComboBox7, QStringLiteral("hauteur+250"));
    QVERIFY(w->Label4->isVisible());
    enter(w->ComboBox7, QStringLiteral("hauteur -10"));
    QCOMPARE(frameRect(0).top(), 225);
    QVERIFY(!w->Label4->isVisible());
    QVERIFY(w->Label4->text().isEmpty());
}

void TestDimensions::enterTwiceAddsTwice()
{
    ProgramFixture fixture;
    Tfrmmain *w = fixture.start();
    enter(w->ComboBox7, QStringLiteral("hauteur+5"));
    QTest::keyClick(w->ComboBox7->lineEdit(), Qt::Key_Return);
    QCOMPARE(frameRect(0).top(), 51);
    QCOMPARE(w->ComboBox7->currentText(), QStringLiteral("hauteur+5"));
}

void TestDimensions::otherKeysDoNothing()
{
    ProgramFixture fixture;
    Tfrmmain *w = fixture.start();
    w->ComboBox7->lineEdit()->clear();
    QTest::keyClicks(w->ComboBox7->lineEdit(), QStringLiteral("hauteur+5"));
    QTest::keyClick(w->ComboBox7->lineEdit(), Qt::Key_Tab);
    QCOMPARE(frameRect(0).top(), 41);
}

void TestDimensions::standardFormat()
{
    ProgramFixture fixture;
    Tfrmmain *w = fixture.start();
    choose(w->ComboBox16, 2); // "normal"
    CardModel &card = cardModel();
    QCOMPARE(QSize(card.width, card.height), QSize(207, 321));
    QCOMPARE(appWindows().Form1->size(), QSize(207, 321));
    // 207 x 74/190 = 80.6 -> 81 wide, centred at (207 - 81) div 2 = 63.
    QCOMPARE(frameRect(0).width(), 81);
    QCOMPARE(frameRect(0).left(), 63);
    QCOMPARE(frameRect(0).top(), 44);    // 321 x 41/300 = 43.87
    QCOMPARE(frameRect(1).width(), 195); // 207 x 179/190 = 195.0
    QCOMPARE(card.icon.left, 9);         // 207 x 8/190 = 8.7
    QCOMPARE(card.icon.width, 32);       // the icon keeps its size
    QVERIFY(w->Button3->isEnabled());

    choose(w->ComboBox16, 4); // "grand"
    QCOMPARE(QSize(card.width, card.height), QSize(313, 480));
    QVERIFY(!w->Button3->isEnabled());
    choose(w->ComboBox16, 0); // the list's title changes nothing
    QCOMPARE(QSize(card.width, card.height), QSize(313, 480));
}

void TestDimensions::a4Adjustment()
{
    ProgramFixture fixture;
    Tfrmmain *w = fixture.start();
    w->Button3->click();
    QCOMPARE(QSize(cardModel().width, cardModel().height), QSize(189, 363));
    QCOMPARE(frameRect(0), QRect(63, 41, 74, 65)); // no re-layout
    cardModel().orientation = Orientation::Horizontal;
    w->Button3->click();
    QCOMPARE(QSize(cardModel().width, cardModel().height), QSize(363, 189));
}

void TestDimensions::switchToHorizontal()
{
    ProgramFixture fixture;
    Tfrmmain *w = fixture.start();
    w->ComboBox20->setCurrentIndex(2); // "horizontal"
    QTest::keyClick(w->ComboBox20->lineEdit(), Qt::Key_Return);
    CardModel &card = cardModel();
    QCOMPARE(card.orientation, Orientation::Horizontal);
    QCOMPARE(QSize(card.width, card.height), QSize(300, 190));
    QCOMPARE(frameRect(0), QRect(85, 82, 130, 32));
    QCOMPARE(frameRect(1), QRect(2, 118, 297, 70));
    QCOMPARE(card.icon, (CardIcon{16, 12, 32, 32}));
    QVERIFY(card.horizontalRatiosRecorded);
    QCOMPARE(card.horizontalRatios[0], 130.0 / 300);
    QCOMPARE(appWindows().Form1->size(), QSize(300, 190));

    // Enter again exchanges the sides again.
    QTest::keyClick(w->ComboBox20->lineEdit(), Qt::Key_Return);
    QCOMPARE(QSize(card.width, card.height), QSize(190, 300));

    // Back to vertical from the start snapshot.
    w->ComboBox20->setCurrentIndex(1);
    QTest::keyClick(w->ComboBox20->lineEdit(), Qt::Key_Return);
    QCOMPARE(card.orientation, Orientation::Vertical);
    QCOMPARE(QSize(card.width, card.height), QSize(300, 190));
}

void TestDimensions::nearlySquareOnlyExchanges()
{
    ProgramFixture fixture;
    Tfrmmain *w = fixture.start();
    CardModel &card = cardModel();
    card.setCardSize(190, 200);
    w->ComboBox20->setCurrentIndex(2);
    QTest::keyClick(w->ComboBox20->lineEdit(), Qt::Key_Return);
    QCOMPARE(QSize(card.width, card.height), QSize(200, 190));
    QCOMPARE(card.orientation, Orientation::Horizontal);
    QCOMPARE(frameRect(0), QRect(63, 41, 74, 65));
    QVERIFY(!card.horizontalRatiosRecorded);
    QVERIFY(isNearlySquare(100, 114) && !isNearlySquare(100, 118) && isNearlySquare(114, 100));
}

void TestDimensions::cardEntriesFollowTheOrientationShown()
{
    ProgramFixture fixture;
    Tfrmmain *w = fixture.start();
    CardModel &card = cardModel();
    enter(w->ComboBox18, QStringLiteral("largeur+10"));
    QCOMPARE(QSize(card.width, card.height), QSize(200, 300));
    // Shown, not yet entered: "largeur" is already the height.
    w->ComboBox20->setCurrentIndex(2);
    enter(w->ComboBox18, QStringLiteral("largeur+10"));
    QCOMPARE(QSize(card.width, card.height), QSize(200, 310));
    enter(w->ComboBox19, QStringLiteral("longueur -20"));
    QCOMPARE(QSize(card.width, card.height), QSize(180, 310));
    QCOMPARE(card.orientation, Orientation::Unset);
}

void TestDimensions::cardAndIconEntries()
{
    ProgramFixture fixture;
    Tfrmmain *w = fixture.start();
    CardModel &card = cardModel();
    enter(w->ComboBox19, QStringLiteral("longueur -400"));
    QCOMPARE(card.height, -100); // no limit
    enter(w->ComboBox9, QStringLiteral("largeur+8"));
    enter(w->ComboBox10, QStringLiteral("longueur -2"));
    enter(w->ComboBox17, QStringLiteral("marge + 4"));
    enter(w->ComboBox11, QStringLiteral("hauteur+6"));
    QCOMPARE(card.icon, (CardIcon{12, 30, 40, 30}));
    QCOMPARE(appWindows().Form1->Image1->geometry(), QRect(12, 30, 40, 30));
    QCOMPARE(w->Image1->size(), QSize(40, 30));
    QCOMPARE(w->Image2->size(), QSize(40, 30));
}

void TestDimensions::gap()
{
    ProgramFixture fixture;
    Tfrmmain *w = fixture.start();
    enter(w->ComboBox12, QStringLiteral("12"));
    QCOMPARE(cardModel().gap, qint16(12));
    w->ComboBox12->lineEdit()->setText(QStringLiteral("écart"));
    QTest::keyClick(w->ComboBox12->lineEdit(), Qt::Key_Return);
    QCOMPARE(cardModel().gap, qint16(12));
    w->ComboBox12->setCurrentIndex(3);
    QTest::keyClick(w->ComboBox12->lineEdit(), Qt::Key_Return);
    QCOMPARE(cardModel().gap, qint16(7));
}

void TestDimensions::resets()
{
    ProgramFixture fixture;
    Tfrmmain *w = fixture.start();
    CardModel &card = cardModel();
    card.setCardSize(250, 400);
    // Without an orientation the size resets do nothing.
    w->CheckBox5->setChecked(true);
    QCOMPARE(card.width, 250);
    QVERIFY(!w->CheckBox5->isChecked());
    card.orientation = Orientation::Vertical;
    w->CheckBox5->setChecked(true);
    w->CheckBox6->setChecked(true);
    QCOMPARE(QSize(card.width, card.height), QSize(190, 300));
    card.orientation = Orientation::Horizontal;
    w->CheckBox5->setChecked(true);
    QCOMPARE(card.width, 300);
    QVERIFY(!w->CheckBox5->isChecked() && !w->CheckBox6->isChecked());

    card.iconHomeLeft = 20;
    card.iconHomeTop = 30;
    w->CheckBox7->setChecked(true);
    QCOMPARE(card.icon.left, 20);
    QCOMPARE(card.icon.top, 24);
    w->CheckBox8->setChecked(true);
    QCOMPARE(card.icon.top, 30);
}

void TestDimensions::trackBar()
{
    ProgramFixture fixture;
    Tfrmmain *w = fixture.start();
    TForm1 *preview = appWindows().Form1;
    w->tb1->setValue(50);
    QCOMPARE(w->tb1->value(), 1); // the preview is hidden
    preview->show();
    w->tb1->setValue(25);
    const int expected = roundEven(0.25 * preview->screen()->geometry().height());
    QCOMPARE(preview->y(), expected);
    QCOMPARE(cardModel().trackbarTop, qint16(expected));
}

void TestDimensions::transparencyNoticeOnce()
{
    ProgramFixture fixture;
    Tfrmmain *w = fixture.start();
    cardModel().frames[1].transparent = true;
    enter(w->ComboBox7, QStringLiteral("hauteur+1"));
    enter(w->ComboBox18, QStringLiteral("largeur+1"));
    enter(w->ComboBox9, QStringLiteral("largeur+1")); // icon entries do not warn
    const auto shown = fixture.dialogs->messages();
    QCOMPARE(shown.size(), 1);
    QCOMPARE(shown[0].text, QStringLiteral("Les modifications seront appliquées après avoir "
                                           "rendu les deux cadres opaques"));
}

void TestDimensions::otherLanguages_data()
{
    QTest::addColumn<QString>("item");
    QTest::addColumn<QString>("width");
    QTest::addColumn<QString>("typed");
    QTest::newRow("English") << "anglais1"
                             << "width"
                             << "width+12";
    QTest::newRow("German") << "allemand1"
                            << "Breite"
                            << "Breite+12";
}

void TestDimensions::otherLanguages()
{
    QFETCH(QString, item);
    QFETCH(QString, width);
    QFETCH(QString, typed);
    ProgramFixture fixture;
    Tfrmmain *w = fixture.start();
    w->findChild<QAction *>(item)->trigger();
    QCOMPARE(w->ComboBox1->currentText(), width);
    enter(w->ComboBox1, typed);
    QCOMPARE(frameRect(0).width(), 86);
    // The notices follow the language too.
    enter(w->ComboBox7, QStringLiteral("-100"));
    QCOMPARE(w->Label4->text(), lookupMessage(programState().currentLanguage, 1147) +
                                    QStringLiteral("\r\nInformation 100"));
    // The orientation list's "horizontal" in this language turns the card.
    w->ComboBox20->setCurrentIndex(2);
    QTest::keyClick(w->ComboBox20->lineEdit(), Qt::Key_Return);
    QCOMPARE(cardModel().orientation, Orientation::Horizontal);
    // And a standard format by its translated name.
    choose(w->ComboBox16, 2);
    QCOMPARE(QSize(cardModel().width, cardModel().height), QSize(321, 207));
}

int main(int argc, char **argv)
{
    Application app(argc, argv);
    TestDimensions test;
    return QTest::qExec(&test, argc, argv);
}

#include "tst_dimensions.moc"
