#include "../app/TestSupport.h"

#include "card/TextAttributes.h"
#include "catalogue/MessageCatalogue.h"
#include "editing/Appearance.h"
#include "editing/TForm11.h"
#include "output/TForm1.h"
#include "platform/FontDialog.h"
#include "platform/RichEdit.h"

#include <QAction>
#include <QCheckBox>
#include <QComboBox>
#include <QImageWriter>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QTextBlock>
#include <QtTest>

#include "../output/TestPictures.h"

namespace {

const QColor kRed(255, 0, 0);
const QColor kBlue(0, 0, 255);
const QColor kGreen(0, 255, 0);
const QColor kFrame(0xC0, 0xCD, 0xFF);

// Left half red, right half blue: where the blue starts tells a tile from a
// stretch.
QString writeHalves(const QString &folder)
{
    return writeHalvesPattern(folder, 10, 10, QStringLiteral("motif.bmp"));
}

// An opaque green 16 x 16 icon.
QString writeIcon(const QString &folder, const QString &fileName)
{
    QImage image(16, 16, QImage::Format_ARGB32);
    image.fill(kGreen);
    const QString name = QDir(folder).filePath(fileName);
    QImageWriter writer(name, "ico");
    writer.write(image);
    return name;
}

TForm1 *preview()
{
    return appWindows().Form1;
}

RichEdit *frameEditor(int frame)
{
    return preview()->frameEditor(frame);
}

void pressEnter(QComboBox *combo, int index)
{
    combo->setCurrentIndex(index);
    QTest::keyClick(combo->lineEdit(), Qt::Key_Return);
}

FontChoice fontChoice(int size, bool bold = false, const QColor &colour = Qt::black)
{
    QFont font(QStringLiteral("Liberation Sans"), size);
    font.setBold(bold);
    return FontChoice{font, colour};
}

QList<ScriptedDialogs::Call> messagesWith(const ScriptedDialogs &dialogs, const QString &text)
{
    QList<ScriptedDialogs::Call> out;
    for (const auto &call : dialogs.messages())
        if (call.text == text)
            out << call;
    return out;
}

} // namespace

// The appearance commands of the main window, driven as a user would, with
// the dialogs answered by a script.
class TestAppearance : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void colourButtons_data();
    void colourButtons();
    void bodyFontTooWideKeepsTheFont();
    void headerFontOnTheFirstLineOnly();
    void cancelledFontStillDeselectsAndRedrawsTransparentFrames();
    void missingPresetFont();
    void screenFontNoticeOnce();
    void limitSizeOffersEightToTen();
    void fontListOptionsWindow();
    void fontDialogAnswersWithItsEntries();
    void textAlignment_data();
    void textAlignment();
    void frameTwoPlacement_data();
    void frameTwoPlacement();
    void patternModeCycle();
    void fillStyle();
    void transparencyBoxes();
    void patternAndIconThroughTheMenusSurviveSaveAndLoad();
    void missingPictureAsksAgain();
    void iconKindFromTheLastLetter_data();
    void iconKindFromTheLastLetter();
    void applyAttributesGivesTheFontItApplied();

private:
    QTemporaryDir dir;
};

void TestAppearance::init()
{
    QVERIFY(dir.isValid());
    appearanceState() = AppearanceState();
}

void TestAppearance::colourButtons_data()
{
    QTest::addColumn<QString>("button");
    QTest::addColumn<int>("frame");
    QTest::addColumn<bool>("confirm");
    QTest::newRow("card") << "Button15" << -1 << true;
    QTest::newRow("frame 1") << "Button11" << 0 << true;
    QTest::newRow("frame 2") << "Button12" << 1 << true;
    QTest::newRow("card cancelled") << "Button15" << -1 << false;
    QTest::newRow("frame 2 cancelled") << "Button12" << 1 << false;
}

void TestAppearance::colourButtons()
{
    QFETCH(QString, button);
    QFETCH(int, frame);
    QFETCH(bool, confirm);
    ProgramFixture fixture;
    Tfrmmain *w = fixture.start();
    CardModel &card = cardModel();
    const Colour before = frame < 0 ? card.backgroundColor : card.frames[frame].backgroundColor;
    if (confirm)
        fixture.dialogs->answers << QVariant::fromValue(QColor(0x12, 0x34, 0x56));
    w->findChild<QPushButton *>(button)->click();

    const auto &calls = fixture.dialogs->calls;
    QCOMPARE(calls.last().dialog, QStringLiteral("chooseColor"));
    // The current colour is offered first.
    QCOMPARE(calls.last().text, toQColor(before).name());
    const Colour expected = confirm ? 0x563412 : before;
    if (frame < 0) {
        QCOMPARE(card.backgroundColor, expected);
        QCOMPARE(card.chosenBackgroundColor, confirm ? expected : Colour(0));
    } else {
        QCOMPARE(card.frames[frame].backgroundColor, expected);
        QCOMPARE(card.frames[frame].chosenColor, confirm ? expected : Colour(0));
        QCOMPARE(frameEditor(frame)->backgroundColour(), toQColor(expected));
    }
    const QList<QColor> custom = colorDialogCustomColours();
    QCOMPARE(custom.size(), 20);
    QCOMPARE(custom[1], QColor(0x80, 0, 0)); // 000080 is red 0x80
    QCOMPARE(custom[17], QColor(0xA6, 0xCA, 0xF0));
}

void TestAppearance::bodyFontTooWideKeepsTheFont()
{
    ProgramFixture fixture;
    Tfrmmain *w = fixture.start();
    frameEditor(0)->setPlainText(QStringLiteral("Jean-Christophe Dupont\nIng."));
    fixture.dialogs->answers << QVariant::fromValue(fontChoice(20));
    w->Button13->click();

    QVERIFY(!w->Label4->isHidden());
    const QString text = w->Label4->text();
    QVERIFY2(text.startsWith(QStringLiteral("Texte trop large (")), qPrintable(text));
    QVERIFY2(text.endsWith(QStringLiteral(")/(74)\r\nInformation 140")), qPrintable(text));
    const int width = text.section(QLatin1Char('('), 1, 1).section(QLatin1Char(')'), 0, 0).toInt();
    QVERIFY(width > 74);
    QVERIFY(w->Label7->isHidden());

    // Applied anyway, to every line, and recorded.
    const QTextDocument &document = *frameEditor(0)->document();
    QCOMPARE(lineFont(document, 0).size, 20);
    QCOMPARE(lineFont(document, 1).size, 20);
    QCOMPARE(cardModel().frames[0].bodyFont.size, 20);
    QCOMPARE(cardModel().frames[0].bodyFont.name, QStringLiteral("Liberation Sans"));
    QCOMPARE(frameEditor(0)->selectionLength(), 0);

    // A font that fits takes the notice away.
    fixture.dialogs->answers << QVariant::fromValue(fontChoice(6));
    frameEditor(0)->setPlainText(QStringLiteral("Jo\nAl"));
    w->Button13->click();
    QVERIFY(w->Label4->isHidden());
}

void TestAppearance::headerFontOnTheFirstLineOnly()
{
    ProgramFixture fixture;
    Tfrmmain *w = fixture.start();
    frameEditor(1)->setPlainText(QStringLiteral("Anne Roy\nBob Roy\nCarl"));
    fixture.dialogs->answers << QVariant::fromValue(fontChoice(9, true, kRed));
    w->Button10->click();

    const QTextDocument &document = *frameEditor(1)->document();
    const FrameFont first = lineFont(document, 0);
    QCOMPARE(first.size, 9);
    QVERIFY(first.has(FontStyle::Bold));
    QCOMPARE(first.color, Colour(0x0000FF));
    for (int line : {1, 2}) {
        QVERIFY(!lineFont(document, line).has(FontStyle::Bold));
        QVERIFY(lineFont(document, line).color != Colour(0x0000FF));
    }
    QCOMPARE(cardModel().frames[1].headerFont, first);
    QVERIFY(cardModel().frames[1].bodyFont.name.isEmpty());
    QVERIFY(w->Label7->isHidden());

    // Too wide is judged on the first line alone.
    frameEditor(1)->setPlainText(QStringLiteral("A\n") + QString(60, QLatin1Char('W')));
    fixture.dialogs->answers << QVariant::fromValue(fontChoice(10));
    w->Button10->click();
    QVERIFY(w->Label7->isHidden());
}

void TestAppearance::cancelledFontStillDeselectsAndRedrawsTransparentFrames()
{
    ProgramFixture fixture;
    Tfrmmain *w = fixture.start();
    fixture.dialogs->answers << writeHalves(dir.path());
    w->Motif1->trigger();
    QVERIFY(w->CheckBox2->isEnabled());
    frameEditor(0)->setPlainText(QStringLiteral("Marie"));
    w->CheckBox2->click();
    QVERIFY(cardModel().frames[0].transparent);
    const QImage before = preview()->resources.CompositeBitmap;
    QVERIFY(!before.isNull());

    // Text changed behind the hidden editor shows once the frame is drawn
    // again.
    frameEditor(0)->setPlainText(QStringLiteral("WWWWWWWW\nWWWWWWWW\nWWWWWWWW"));
    frameEditor(0)->selectAllText();
    w->Button13->click(); // cancelled: nothing scripted
    QCOMPARE(frameEditor(0)->selectionLength(), 0);
    QVERIFY(preview()->resources.CompositeBitmap != before);
    QVERIFY(frameEditor(0)->isHidden());
    QVERIFY(cardModel().frames[0].bodyFont.name.isEmpty());
}

void TestAppearance::missingPresetFont()
{
    ProgramFixture fixture;
    Tfrmmain *w = fixture.start();
    FrameFont missing;
    missing.name = QStringLiteral("Police Introuvable Xyz");
    missing.size = 14;
    missing.style = unsigned(FontStyle::Italic);
    missing.color = 0x0000FF;
    cardModel().frames[0].headerFont = missing;
    w->Button9->click();

    const auto shown = fixture.dialogs->messages();
    QCOMPARE(shown.size(), 1);
    QCOMPARE(shown[0].text,
             lookupMessage("fr", 132) + QStringLiteral("Police Introuvable Xyz ; 14 ; "));
    // The dialog still opens, with the colour and the style kept.
    QCOMPARE(fixture.dialogs->fontRequests.size(), 1);
    const FontRequest &request = fixture.dialogs->fontRequests[0];
    QVERIFY(request.font.family() != missing.name);
    QVERIFY(request.font.italic());
    QCOMPARE(request.color, kRed);

    // An installed font is preset as it is, without a message.
    FrameFont present = missing;
    present.name = QStringLiteral("Liberation Serif");
    cardModel().frames[0].headerFont = present;
    w->Button9->click();
    QCOMPARE(fixture.dialogs->messages().size(), 1);
    QCOMPARE(fixture.dialogs->fontRequests[1].font.family(), present.name);
    QCOMPARE(fixture.dialogs->fontRequests[1].font.pointSize(), 14);
}

void TestAppearance::screenFontNoticeOnce()
{
    ProgramFixture fixture(QStringList{});
    Tfrmmain *w = fixture.start();
    w->Button13->click();
    w->Button10->click();
    const auto notices = messagesWith(*fixture.dialogs, lookupMessage("fr", 143));
    QCOMPARE(notices.size(), 1);
    QCOMPARE(fixture.dialogs->fontRequests.size(), 2);

    ProgramFixture withPrinter;
    Tfrmmain *other = withPrinter.start();
    other->Button13->click();
    QVERIFY(messagesWith(*withPrinter.dialogs, lookupMessage("fr", 143)).isEmpty());
}

void TestAppearance::limitSizeOffersEightToTen()
{
    ProgramFixture fixture;
    Tfrmmain *w = fixture.start();
    w->Button13->click();
    FontRequest request = fixture.dialogs->fontRequests.last();
    QCOMPARE(request.maxSize, 0);
    QVERIFY(request.options.testFlag(FontListOption::Effects));
    QVERIFY(fontDialogSizes(QStringLiteral("Liberation Sans"), request).contains(20));

    setModalRunner([](QDialog &window) {
        auto *form = qobject_cast<TForm11 *>(&window);
        form->CheckBox7->click();
        form->Button1->click();
        return int(ModalOk);
    });
    w->polices1->trigger();
    w->Button13->click();
    request = fixture.dialogs->fontRequests.last();
    QCOMPARE(request.minSize, 8);
    QCOMPARE(request.maxSize, 10);
    QVERIFY(request.options.testFlag(FontListOption::LimitSize));
    QCOMPARE(fontDialogSizes(QStringLiteral("Liberation Sans"), request), QList<int>({8, 9, 10}));

    FontDialog dialog(request);
    dialog.familyEdit->setText(QStringLiteral("Liberation Sans"));
    QStringList offered;
    for (int i = 0; i < dialog.sizeList->count(); ++i)
        offered << dialog.sizeList->item(i)->text();
    QCOMPARE(offered, QStringList({"8", "9", "10"}));
    dialog.sizeEdit->setText(QStringLiteral("12"));
    QVERIFY(!dialog.okButton->isEnabled());
    dialog.sizeEdit->setText(QStringLiteral("9"));
    QVERIFY(dialog.okButton->isEnabled());
}

void TestAppearance::fontListOptionsWindow()
{
    ProgramFixture fixture;
    Tfrmmain *w = fixture.start();
    appearanceState().fontListOptions = FontListOption::Ansi;
    QStringList seen;
    bool ansiShown = false;
    setModalRunner([&](QDialog &window) {
        auto *form = qobject_cast<TForm11 *>(&window);
        seen << form->windowTitle();
        ansiShown = form->CheckBox3->isChecked();
        form->CheckBox3->click(); // off
        form->CheckBox1->click(); // on
        form->Button1->click();
        return int(ModalOk);
    });
    w->polices1->trigger();
    QCOMPARE(seen, QStringList{QStringLiteral("Options de sélection de fontes")});
    QVERIFY(ansiShown);
    QCOMPARE(appearanceState().fontListOptions, FontListOptions(FontListOption::TrueType));

    // The family list follows the options: scalable fonts only for "True Type".
    const QStringList scalable = fontDialogFamilies(FontListOption::TrueType);
    QVERIFY(scalable.contains(QStringLiteral("Liberation Sans")));
    for (const QString &family : scalable)
        QVERIFY(QFontDatabase::isSmoothlyScalable(family));
}

void TestAppearance::fontDialogAnswersWithItsEntries()
{
    FontRequest request;
    request.font = QFont(QStringLiteral("Liberation Serif"), 12);
    request.font.setUnderline(true);
    request.color = QColor(0x80, 0, 0);
    request.options = FontListOption::Effects | FontListOption::ForceExists;
    FontDialog dialog(request);
    QCOMPARE(dialog.familyEdit->text(), QStringLiteral("Liberation Serif"));
    QVERIFY(dialog.underlineBox->isChecked());
    FontChoice choice = dialog.choice();
    QCOMPARE(choice.font.family(), QStringLiteral("Liberation Serif"));
    QCOMPARE(choice.font.pointSize(), 12);
    QVERIFY(choice.font.underline());
    QCOMPARE(choice.color, request.color);
    QCOMPARE(dialog.sample->palette().color(QPalette::WindowText), request.color);

    dialog.strikeOutBox->setChecked(true);
    dialog.colourList->setCurrentIndex(dialog.colourList->findData(QColor(Qt::blue)));
    choice = dialog.choice();
    QVERIFY(choice.font.strikeOut());
    QCOMPARE(choice.color, QColor(Qt::blue));

    // Only a listed family may be typed under "Force Exists".
    dialog.familyEdit->setText(QStringLiteral("Pas Une Police"));
    QVERIFY(!dialog.okButton->isEnabled());
}

void TestAppearance::textAlignment_data()
{
    QTest::addColumn<QString>("combo");
    QTest::addColumn<int>("frame");
    QTest::addColumn<int>("index");
    QTest::addColumn<int>("alignment");
    QTest::newRow("frame 1 left") << "ComboBox5" << 0 << 1 << int(Qt::AlignLeft);
    QTest::newRow("frame 1 centre") << "ComboBox5" << 0 << 2 << int(Qt::AlignHCenter);
    QTest::newRow("frame 1 right") << "ComboBox5" << 0 << 3 << int(Qt::AlignRight);
    QTest::newRow("frame 2 centre") << "ComboBox6" << 1 << 2 << int(Qt::AlignHCenter);
    QTest::newRow("frame 2 right") << "ComboBox6" << 1 << 3 << int(Qt::AlignRight);
    QTest::newRow("heading changes nothing") << "ComboBox6" << 1 << 0 << -1;
}

void TestAppearance::textAlignment()
{
    QFETCH(QString, combo);
    QFETCH(int, frame);
    QFETCH(int, index);
    QFETCH(int, alignment);
    ProgramFixture fixture;
    Tfrmmain *w = fixture.start();
    RichEdit *editor = frameEditor(frame);
    editor->setPlainText(QStringLiteral("un\ndeux\ntrois"));
    // Every line, not only the first, and whatever the italic first line.
    QTextCursor cursor(editor->document());
    cursor.movePosition(QTextCursor::EndOfBlock, QTextCursor::KeepAnchor);
    QTextCharFormat italic;
    italic.setFontItalic(true);
    cursor.mergeCharFormat(italic);
    editor->setSelection(1, 2);
    pressEnter(w->findChild<QComboBox *>(combo), index);

    if (alignment >= 0)
        QCOMPARE(editor->selectionLength(), 0);
    for (QTextBlock block = editor->document()->begin(); block.isValid(); block = block.next()) {
        const Qt::Alignment shown = block.blockFormat().alignment() & Qt::AlignHorizontal_Mask;
        if (alignment < 0)
            QVERIFY(!(shown & (Qt::AlignHCenter | Qt::AlignRight)));
        else
            QCOMPARE(int(shown), alignment);
    }
}

void TestAppearance::frameTwoPlacement_data()
{
    QTest::addColumn<int>("index");
    QTest::addColumn<int>("left");
    // Card 190 wide, frame 2 179 wide at left 3.
    QTest::newRow("heading") << 0 << 3;
    QTest::newRow("left") << 1 << 0;
    QTest::newRow("centred, 5.5 to the even 6") << 2 << 6;
    QTest::newRow("right") << 3 << 11;
}

void TestAppearance::frameTwoPlacement()
{
    QFETCH(int, index);
    QFETCH(int, left);
    ProgramFixture fixture;
    Tfrmmain *w = fixture.start();
    pressEnter(w->ComboBox13, index);
    QCOMPARE(cardModel().frames[1].left, left);
    QCOMPARE(frameEditor(1)->x(), left);
    QVERIFY(fixture.dialogs->messages().isEmpty());

    // With a transparent frame the entry tells, once, that changes wait.
    cardModel().frames[0].transparent = true;
    pressEnter(w->ComboBox13, index);
    pressEnter(w->ComboBox13, index);
    const auto shown = fixture.dialogs->messages();
    QCOMPARE(shown.size(), 1);
    QCOMPARE(shown[0].text, lookupMessage("fr", 1116));
}

void TestAppearance::patternModeCycle()
{
    ProgramFixture fixture;
    Tfrmmain *w = fixture.start();
    fixture.dialogs->answers << writeHalves(dir.path());
    w->Motif1->trigger();
    preview()->show();

    struct Step
    {
        Qt::CheckState state;
        PatternMode mode;
        const char *caption;
        QColor at7; // tiled: blue at x 7; stretched: red
    };
    const Step steps[] = {
        {Qt::Checked, PatternMode::Mot, "brush", kBlue},
        {Qt::PartiallyChecked, PatternMode::Str, "stretch", kRed},
        {Qt::Unchecked, PatternMode::Dim, "dim", kBlue},
        {Qt::Checked, PatternMode::Mot, "brush", kBlue},
    };
    QCOMPARE(w->Label5->text(), QStringLiteral("dim"));
    for (const Step &step : steps) {
        w->CheckBox1->click();
        QCOMPARE(w->CheckBox1->checkState(), step.state);
        QCOMPARE(cardModel().patternMode, step.mode);
        QCOMPARE(w->Label5->text(), QLatin1String(step.caption));
        QVERIFY(near(shot(preview()).pixelColor(7, 5), step.at7));
    }
}

void TestAppearance::fillStyle()
{
    ProgramFixture fixture;
    Tfrmmain *w = fixture.start();
    w->CheckBox4->click();
    QCOMPARE(cardModel().fillStyle, FillStyle::Flood);
    QCOMPARE(w->Label6->text(), QStringLiteral("flood"));
    w->CheckBox4->click();
    QCOMPARE(cardModel().fillStyle, FillStyle::Fill);
    QCOMPARE(w->Label6->text(), QStringLiteral("fill"));
}

void TestAppearance::transparencyBoxes()
{
    ProgramFixture fixture;
    Tfrmmain *w = fixture.start();
    QVERIFY(!w->CheckBox2->isEnabled());
    fixture.dialogs->answers << writeHalves(dir.path());
    w->Motif1->trigger();
    QVERIFY(w->CheckBox2->isEnabled() && w->CheckBox3->isEnabled());
    preview()->show();
    const QRect frame1 = cardModel().frames[0].rect();
    const QPoint inside = frame1.bottomRight() - QPoint(3, 3);
    QVERIFY(near(shot(preview()).pixelColor(inside), kFrame));

    w->CheckBox2->click();
    QVERIFY(cardModel().frames[0].transparent);
    QCOMPARE(cardModel().transparencyCode(), 1);
    QVERIFY(frameEditor(0)->isHidden());
    // The stretched pattern shows where the frame's background was.
    const QColor seen = shot(preview()).pixelColor(inside);
    QVERIFY(near(seen, kRed) || near(seen, kBlue));

    w->CheckBox3->click();
    QCOMPARE(cardModel().transparencyCode(), 3);
    w->CheckBox2->click();
    QVERIFY(!cardModel().frames[0].transparent);
    QVERIFY(!frameEditor(0)->isHidden());
    QVERIFY(frameEditor(1)->isHidden());
    QVERIFY(!preview()->resources.CompositeBitmap.isNull());
    w->CheckBox3->click();
    QCOMPARE(cardModel().transparencyCode(), 0);
    QVERIFY(!frameEditor(1)->isHidden());
    QVERIFY(preview()->resources.CompositeBitmap.isNull());
    QVERIFY(near(shot(preview()).pixelColor(inside), kFrame));
}

void TestAppearance::patternAndIconThroughTheMenusSurviveSaveAndLoad()
{
    const QString pattern = writeHalves(dir.path());
    const QString icon = writeIcon(dir.path(), QStringLiteral("logo.ico"));
    const QString file = dir.filePath(QStringLiteral("carte.vk1"));
    const QPoint iconMiddle(8 + 8, 24 + 8);
    {
        ProgramFixture fixture;
        Tfrmmain *w = fixture.start();
        preview()->show();
        fixture.dialogs->answers << pattern;
        w->Motif1->trigger();
        QVERIFY(near(shot(preview()).pixelColor(2, 2), kRed));
        QVERIFY(near(shot(preview()).pixelColor(7, 2), kBlue));
        QCOMPARE(readSetting(WorkingDirectory::Images), dir.path() + QLatin1Char('/'));
        QVERIFY(cardModel().hasContent);

        fixture.dialogs->answers << icon;
        w->Icone1->trigger();
        QCOMPARE(fixture.dialogs->calls.last().text, dir.path() + QLatin1Char('/'));
        QCOMPARE(preview()->resources.IconType, QStringLiteral("ico"));
        QVERIFY(near(shot(preview()).pixelColor(iconMiddle), kGreen));

        fixture.dialogs->answers << file;
        w->Sauvegarder0->trigger();
        QVERIFY(QFileInfo::exists(file));
    }
    ProgramFixture fixture;
    Tfrmmain *w = fixture.start();
    preview()->show();
    QVERIFY(near(shot(preview()).pixelColor(2, 2), QColor(0xCD, 0xC0, 0xF0)));
    fixture.dialogs->answers << file;
    w->Charger0->trigger();
    QCOMPARE(QFileInfo(cardModel().patternFile).canonicalFilePath(),
             QFileInfo(pattern).canonicalFilePath());
    QCOMPARE(QFileInfo(cardModel().iconFile).canonicalFilePath(),
             QFileInfo(icon).canonicalFilePath());
    QVERIFY(near(shot(preview()).pixelColor(7, 2), kBlue));
    QVERIFY(near(shot(preview()).pixelColor(iconMiddle), kGreen));
}

void TestAppearance::missingPictureAsksAgain()
{
    ProgramFixture fixture;
    Tfrmmain *w = fixture.start();
    fixture.dialogs->answers << dir.filePath(QStringLiteral("absent.bmp"));
    w->Motif1->trigger();
    fixture.dialogs->answers << dir.filePath(QStringLiteral("absent.ico"));
    w->Icone1->trigger();
    int asked = 0;
    for (const auto &call : fixture.dialogs->calls)
        asked += call.dialog == QLatin1String("openPicture");
    QCOMPARE(asked, 4); // each asked again, then cancelled
    QVERIFY(cardModel().patternFile.isEmpty());
    QVERIFY(cardModel().iconFile.isEmpty());
    QVERIFY(!cardModel().hasContent);
}

void TestAppearance::iconKindFromTheLastLetter_data()
{
    QTest::addColumn<QString>("before");
    QTest::addColumn<QString>("chosen");
    QTest::addColumn<QString>("kind");
    QTest::newRow("icon") << ""
                          << "a.ico"
                          << "ico";
    QTest::newRow("bitmap") << ""
                            << "b.bmp"
                            << "bmp";
    QTest::newRow("capital O after a bitmap") << "b.bmp"
                                              << "C.ICO"
                                              << "bmp";
    QTest::newRow("capital O after an icon") << "a.ico"
                                             << "C.ICO"
                                             << "ico";
    QTest::newRow("icon after a bitmap") << "b.bmp"
                                         << "a.ico"
                                         << "ico";
}

void TestAppearance::iconKindFromTheLastLetter()
{
    QFETCH(QString, before);
    QFETCH(QString, chosen);
    QFETCH(QString, kind);
    writeIcon(dir.path(), QStringLiteral("a.ico"));
    writeIcon(dir.path(), QStringLiteral("C.ICO"));
    QImage bitmap(16, 16, QImage::Format_RGB32);
    bitmap.fill(kBlue);
    bitmap.save(dir.filePath(QStringLiteral("b.bmp")), "BMP");

    ProgramFixture fixture;
    Tfrmmain *w = fixture.start();
    if (!before.isEmpty()) {
        fixture.dialogs->answers << dir.filePath(before);
        w->Icone1->trigger();
    }
    fixture.dialogs->answers << dir.filePath(chosen);
    w->Icone1->trigger();
    QCOMPARE(cardModel().iconFile, dir.filePath(chosen));
    QCOMPARE(preview()->resources.IconType, kind);
    // The images folder is the pattern's business.
    QCOMPARE(readSetting(WorkingDirectory::Images), defaultWorkingFolder());
}

void TestAppearance::applyAttributesGivesTheFontItApplied()
{
    QTextDocument document;
    document.setPlainText(QStringLiteral("abc\ndef"));
    QTextCursor selection(&document);
    selection.setPosition(1);
    selection.setPosition(5, QTextCursor::KeepAnchor);
    FrameFont wanted;
    wanted.name = QStringLiteral("Liberation Mono");
    wanted.size = 11;
    wanted.style = unsigned(FontStyle::Bold) | unsigned(FontStyle::Underline);
    wanted.color = 0x00FF00;
    FrameFont result;
    ApplyAttributes(attributesOf(wanted), selection, result);
    QCOMPARE(result, wanted);
    QCOMPARE(lineFont(document, 1), wanted);
    QVERIFY(lineFont(document, 0) != wanted); // its first character is outside

    // Reading a selection's font through the same routine.
    QTextCursor reader(&document);
    reader.setPosition(4);
    reader.setPosition(5, QTextCursor::KeepAnchor);
    FrameFont read;
    ApplyAttributes(reader.charFormat(), reader, read);
    QCOMPARE(read, wanted);
}

QTEST_MAIN(TestAppearance)
#include "tst_appearance.moc"
