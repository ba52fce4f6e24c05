#include "../app/TestSupport.h"

#include "catalogue/MessageCatalogue.h"
#include "output/TForm1.h"
#include "platform/Application.h"
#include "platform/RichEdit.h"

#include <QAction>
#include <QImageWriter>
#include <QLabel>
#include <QMenu>
#include <QPainter>
#include <QPushButton>
#include <QTemporaryDir>
#include <QtTest>

#include "TestPictures.h"

namespace {

const QColor kCard(0xCD, 0xC0, 0xF0);
const QColor kFrame(0xC0, 0xCD, 0xFF);
const QColor kRed(255, 0, 0);
const QColor kBlue(0, 0, 255);

} // namespace

// The preview window as the user sees it: grabbed into an image and read
// pixel by pixel.
class TestPreview : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void plainCard();
    void patternShowsOnThePreview_data();
    void patternShowsOnThePreview();
    void missingPatternWarnsOnce();
    void transparentFrameShowsItsTextOverThePattern();
    void iconIsBlendedOverTheBackground();
    void iconTypeComesFromTheLastLetter_data();
    void iconTypeComesFromTheLastLetter();
    void mainWindowMovesBesideThePreview_data();
    void mainWindowMovesBesideThePreview();
    void directEditing();
    void directEditingRefusedOnTransparentFrames();
    void closingThePreview();

private:
    QTemporaryDir dir;
    QString halves(int w, int h);
    QString icon();
};

QString TestPreview::halves(int w, int h)
{
    return writeHalvesPattern(dir.path(), w, h);
}

// A 32 x 32 icon: transparent, with one half-transparent red pixel block and
// one opaque green block.
QString TestPreview::icon()
{
    QImage image(32, 32, QImage::Format_ARGB32);
    image.fill(Qt::transparent);
    for (int y = 4; y < 8; ++y)
        for (int x = 4; x < 8; ++x)
            image.setPixelColor(x, y, QColor(255, 0, 0, 128));
    for (int y = 20; y < 24; ++y)
        for (int x = 20; x < 24; ++x)
            image.setPixelColor(x, y, QColor(0, 255, 0));
    const QString name = dir.filePath(QStringLiteral("logo.ico"));
    QImageWriter writer(name, "ico");
    writer.write(image);
    return name;
}

void TestPreview::initTestCase()
{
    QVERIFY(dir.isValid());
}

void TestPreview::plainCard()
{
    ProgramFixture fixture;
    fixture.start();
    TForm1 *preview = appWindows().Form1;
    const QImage image = shot(preview);
    QCOMPARE(image.size(), QSize(190, 300));
    QCOMPARE(image.pixelColor(1, 1), kCard);
    QCOMPARE(image.pixelColor(180, 120), kCard);
    QCOMPARE(image.pixelColor(100, 70), kFrame);  // frame 1
    QCOMPARE(image.pixelColor(100, 200), kFrame); // frame 2
    QImage surface(190, 300, QImage::Format_RGB32);
    QPainter painter(&surface);
    QCOMPARE(preview->PaintPattern(painter, false), 10);
    QVERIFY(fixture.dialogs->calls.isEmpty());
}

void TestPreview::patternShowsOnThePreview_data()
{
    QTest::addColumn<QSize>("pattern");
    QTest::addColumn<int>("mode");
    QTest::addColumn<QColor>("at60"); // the colour at x = 60, above frame 1
    QTest::addColumn<QString>("fits");
    QTest::newRow("95x150 tiled") << QSize(95, 150) << int(PatternMode::Dim) << kBlue << "yes";
    QTest::newRow("96x150 stretched") << QSize(96, 150) << int(PatternMode::Dim) << kRed << "no";
    QTest::newRow("str stretched") << QSize(95, 150) << int(PatternMode::Str) << kRed << "yes";
}

void TestPreview::patternShowsOnThePreview()
{
    QFETCH(QSize, pattern);
    QFETCH(int, mode);
    QFETCH(QColor, at60);
    QFETCH(QString, fits);
    ProgramFixture fixture;
    fixture.start();
    TForm1 *preview = appWindows().Form1;
    CardModel &card = cardModel();
    card.patternFile = halves(pattern.width(), pattern.height());
    card.patternMode = PatternMode(mode);
    const QImage image = shot(preview);
    QCOMPARE(image.pixelColor(60, 10), at60);
    QCOMPARE(image.pixelColor(10, 10), kRed);
    QCOMPARE(image.pixelColor(170, 10), kBlue);
    QCOMPARE(image.pixelColor(100, 70), kFrame); // opaque frames stay on top
    QCOMPARE(preview->resources.PatternFitsTile, fits);
    QVERIFY(preview->resources.PatternDrawn);
}

void TestPreview::missingPatternWarnsOnce()
{
    ProgramFixture fixture;
    fixture.start();
    TForm1 *preview = appWindows().Form1;
    cardModel().patternFile = dir.filePath(QStringLiteral("motif.bmp"));
    for (int i = 0; i < 3; ++i) {
        const QImage image = shot(preview);
        QCOMPARE(image.pixelColor(1, 1), kCard);
        QCoreApplication::processEvents();
    }
    const auto shown = fixture.dialogs->messages();
    QCOMPARE(shown.size(), 1);
    QCOMPARE(shown[0].text, QStringLiteral("fichier :") + cardModel().patternFile +
                                QStringLiteral(" non accessible"));
    QCOMPARE(shown[0].buttons, MessageButtons(MessageButton::Ok));
    QVERIFY(!preview->resources.PatternDrawn);
}

void TestPreview::transparentFrameShowsItsTextOverThePattern()
{
    ProgramFixture fixture;
    fixture.start();
    TForm1 *preview = appWindows().Form1;
    CardModel &card = cardModel();
    card.patternFile = halves(96, 150);
    RichEdit *frame = preview->RichEdit1;
    frame->setPlainText(QStringLiteral("MMMM"));
    frame->selectAllText();
    TextAttributes big = frame->selectionAttributes();
    big.pointSize = 20;
    big.bold = true;
    big.color = Qt::black;
    frame->setSelectionAttributes(big);
    frame->clearSelection();

    card.setFrameTransparent(0, true);
    preview->MakeFrameTransparent(1);
    QVERIFY(!frame->isVisible());
    QCOMPARE(preview->resources.SavedExtendedStyle1, 1);

    const QImage image = shot(preview);
    // No frame background anywhere in the frame's box: the pattern shows
    // through, with the text's black strokes on it.
    int dark = 0;
    for (int y = 41; y < 41 + 65; ++y) {
        for (int x = 63; x < 63 + 74; ++x) {
            const QColor c = image.pixelColor(x, y);
            QVERIFY2(c != kFrame, qPrintable(QStringLiteral("%1,%2").arg(x).arg(y)));
            if (c.lightness() < 60)
                ++dark;
        }
    }
    QVERIFY(dark > 30);
    QCOMPARE(image.pixelColor(65, 100), kRed);
    QCOMPARE(image.pixelColor(135, 100), kBlue);
    // Frame 2 is still an opaque editor.
    QCOMPARE(image.pixelColor(100, 250), kFrame);
}

void TestPreview::iconIsBlendedOverTheBackground()
{
    ProgramFixture fixture;
    fixture.start();
    TForm1 *preview = appWindows().Form1;
    CardModel &card = cardModel();
    card.patternFile = halves(96, 150);
    card.iconFile = icon();
    previewState().refreshRequested = true;
    appWindows().frmmain->Button17->click(); // "appliquer"
    QVERIFY(!previewState().refreshRequested);
    QCOMPARE(preview->resources.IconType, QStringLiteral("ico"));
    QCOMPARE(preview->resources.LastIconFile, card.iconFile);
    QCOMPARE(preview->Image1->size(), QSize(32, 32));

    const QImage image = shot(preview);
    const QPoint box(card.icon.left, card.icon.top);
    // Transparent parts show the red half of the pattern beneath.
    QCOMPARE(image.pixelColor(box + QPoint(1, 1)), kRed);
    // Half-transparent red over red stays red; opaque green covers it.
    QVERIFY(near(image.pixelColor(box + QPoint(5, 5)), kRed));
    QCOMPARE(image.pixelColor(box + QPoint(21, 21)), QColor(0, 255, 0));

    // Over the plain card colour the half-transparent pixel is a mix.
    card.patternFile.clear();
    preview->CompositeIconOverBackground(1);
    const QImage plain = shot(preview);
    const QColor mixed((255 + kCard.red()) / 2, kCard.green() / 2, kCard.blue() / 2);
    QVERIFY2(near(plain.pixelColor(box + QPoint(5, 5)), mixed),
             qPrintable(plain.pixelColor(box + QPoint(5, 5)).name()));
    QCOMPARE(plain.pixelColor(box + QPoint(1, 1)), kCard);
    // The main window's thumbnail has the icon too.
    QVERIFY(!appWindows().frmmain->Image1->pixmap().isNull());
}

void TestPreview::iconTypeComesFromTheLastLetter_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("type");
    QTest::newRow("ico") << "logo.ico"
                         << "ico";
    QTest::newRow("bmp") << "logo.bmp"
                         << "bmp";
    QTest::newRow("capital O") << "LOGO.ICO"
                               << "";
    QTest::newRow("other") << "logo.png"
                           << "";
}

void TestPreview::iconTypeComesFromTheLastLetter()
{
    QFETCH(QString, name);
    QFETCH(QString, type);
    ProgramFixture fixture;
    fixture.start();
    TForm1 *preview = appWindows().Form1;
    const QString file = dir.filePath(name);
    QFile::copy(icon(), file);
    cardModel().iconFile = file;
    preview->RenderIcon();
    QCOMPARE(preview->resources.IconType, type);
    QCOMPARE(preview->resources.IconImage.isNull(), type != QLatin1String("ico"));
}

void TestPreview::mainWindowMovesBesideThePreview_data()
{
    QTest::addColumn<int>("screen");
    QTest::addColumn<int>("left");
    QTest::newRow("1024 wide: beside") << 1024 << 205;
    QTest::newRow("1280 wide: centred") << 1280 << 321;
}

void TestPreview::mainWindowMovesBesideThePreview()
{
    QFETCH(int, screen);
    QFETCH(int, left);
    QCOMPARE(mainWindowLeftBesidePreview(screen, 638, 10, 190), left);
}

void TestPreview::directEditing()
{
    ProgramFixture fixture;
    Tfrmmain *w = fixture.start();
    TForm1 *preview = appWindows().Form1;
    preview->show();
    QVERIFY(QTest::qWaitForWindowExposed(preview));

    w->accscarte1->trigger();
    QVERIFY(previewState().cardAccessOpen);
    QCOMPARE(w->accscarte1->text(), QStringLiteral("accès carte -"));
    QCOMPARE(programState().cardAccessCount, quint16(1));
    QVERIFY(!preview->RichEdit1->isReadOnly() && !preview->RichEdit2->isReadOnly());

    QTest::mouseMove(preview->RichEdit2->viewport(), QPoint(10, 10));
    QTRY_COMPARE(preview->RichEdit2->backgroundColour(), QColor(Qt::white));
    QCOMPARE(preview->RichEdit1->backgroundColour(), kFrame);
    QTest::mouseMove(preview->RichEdit1->viewport(), QPoint(10, 10));
    QTRY_COMPARE(preview->RichEdit1->backgroundColour(), QColor(Qt::white));
    QCOMPARE(preview->RichEdit2->backgroundColour(), kFrame);

    // A right click on the card pops "&ok" up beside it.
    QTest::mouseClick(preview, Qt::RightButton, {}, QPoint(20, 130));
    QTRY_VERIFY(preview->PopupMenu1->isVisible());
    QCOMPARE(preview->ok1->text(), QStringLiteral("&ok"));
    preview->PopupMenu1->close();
    preview->ok1->trigger();
    QVERIFY(!previewState().cardAccessOpen);
    QVERIFY(previewState().editing);
    QCOMPARE(previewState().okCount, quint16(1));
    QCOMPARE(programState().cardAccessCount, quint16(0));
    QCOMPARE(w->accscarte1->text(), QStringLiteral("accès carte +"));
    QCOMPARE(preview->RichEdit1->backgroundColour(), kFrame);
    QVERIFY(!preview->RichEdit1->isReadOnly());

    // Nothing refreshes until "appliquer".
    previewState().refreshRequested = true;
    preview->rpaint();
    QVERIFY(previewState().refreshRequested);
    w->Button17->click();
    QVERIFY(!previewState().refreshRequested);
    QVERIFY(!previewState().editing);

    // Closing access from the menu makes the frames read-only again.
    w->accscarte1->trigger();
    w->accscarte1->trigger();
    QCOMPARE(w->accscarte1->text(), QStringLiteral("accès carte +"));
    QVERIFY(preview->RichEdit1->isReadOnly());
    QCOMPARE(cardModel().frames[0].backgroundColor, Colour(0xFFCDC0));
}

void TestPreview::directEditingRefusedOnTransparentFrames()
{
    ProgramFixture fixture;
    Tfrmmain *w = fixture.start();
    cardModel().setFrameTransparent(1, true);
    w->accscarte1->trigger();
    QVERIFY(!previewState().cardAccessOpen);
    const auto shown = fixture.dialogs->messages();
    QCOMPARE(shown.size(), 1);
    QCOMPARE(shown[0].text, lookupMessage("fr", 1101));
}

void TestPreview::closingThePreview()
{
    ProgramFixture fixture;
    fixture.start();
    TForm1 *preview = appWindows().Form1;
    preview->show();
    previewState().okCount = 2;
    previewState().editing = true;
    previewState().pointerMoved = true;
    preview->close();
    QVERIFY(!preview->isVisible());
    QVERIFY(!previewState().previewReleased);
    QVERIFY(!previewState().editing && !previewState().pointerMoved);

    // The quit command sets the count to 0 first: the pictures are let go.
    cardModel().patternFile = halves(20, 20);
    shot(preview);
    QVERIFY(preview->resources.PatternBitmap.isLoaded());
    preview->show();
    previewState().okCount = 0;
    preview->close();
    QVERIFY(previewState().previewReleased);
    QVERIFY(!preview->resources.PatternBitmap.isLoaded());
}

int main(int argc, char **argv)
{
    Application app(argc, argv);
    TestPreview test;
    return QTest::qExec(&test, argc, argv);
}

#include "tst_preview.moc"
