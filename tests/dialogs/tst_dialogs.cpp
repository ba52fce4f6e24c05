#include "../app/TestSupport.h"

#include "dialogs/AssistanceText.h"
#include "dialogs/ModalRun.h"
#include "dialogs/TForm10.h"
#include "dialogs/TForm3.h"
#include "dialogs/TForm4.h"
#include "dialogs/TForm8.h"
#include "output/TForm1.h"
#include "platform/RichEdit.h"

#include <QAction>
#include <QApplication>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPointer>
#include <QPushButton>
#include <QRadioButton>
#include <QTextBlock>
#include <QTextEdit>
#include <QTimer>
#include <QtTest>

#include <functional>
#include <memory>

namespace {

// The program's state for one test, and a modal runner that records which
// windows were run and hands each to the test instead of entering a loop.
struct DialogsFixture : ProgramFixture
{
    QStringList ran;
    std::function<int(QDialog &)> drive = [](QDialog &) { return int(ModalCancel); };

    explicit DialogsFixture(const QStringList &printers = {QStringLiteral("Bureau")})
        : ProgramFixture(printers)
    {
        setModalRunner([this](QDialog &window) {
            ran << window.objectName();
            return drive(window);
        });
    }

    ~DialogsFixture() { setModalRunner(nullptr); }

    FakePrinterService &printer() { return static_cast<FakePrinterService &>(printerService()); }
};

std::unique_ptr<QWidget> makeWindow(const QString &name)
{
    if (name == QLatin1String("TForm3"))
        return std::make_unique<TForm3>();
    if (name == QLatin1String("TForm4"))
        return std::make_unique<TForm4>();
    if (name == QLatin1String("TForm8"))
        return std::make_unique<TForm8>();
    return std::make_unique<TForm10>();
}

QString textOf(QWidget *control)
{
    if (auto *button = qobject_cast<QAbstractButton *>(control))
        return button->text();
    return control->windowTitle();
}

// The geometry of every control directly on the window, by name.
QHash<QString, QRect> controlPlaces(QWidget *window)
{
    QHash<QString, QRect> places;
    for (QObject *child : window->children())
        if (auto *control = qobject_cast<QWidget *>(child); control && !control->isWindow())
            places.insert(control->objectName(), control->geometry());
    return places;
}

bool hasInk(const QImage &page)
{
    for (int y = 0; y < page.height(); ++y) {
        const auto *row = reinterpret_cast<const QRgb *>(page.constScanLine(y));
        for (int x = 0; x < page.width(); ++x)
            if (qGray(row[x]) < 128)
                return true;
    }
    return false;
}

void tick(TForm4 &about, int times)
{
    for (int i = 0; i < times; ++i)
        about.timertic();
}

QImage tile()
{
    return QImage(QStringLiteral(":/dialogs/BITMAPA")).convertToFormat(QImage::Format_RGB32);
}

const QString kBrowserPrompt = QStringLiteral(
    "Veuillez sélectionner le type de browser : nombre de 1 à 6\r\n\r\n1: default - 2: chrome - "
    "3: IE5 plus\r\n4: Mozilla 5 - 5: Edge - 6: Opera");

} // namespace

class TestDialogs : public QObject
{
    Q_OBJECT

private slots:
    void layout_data();
    void layout();

    void helpTextStructure();
    void helpSections_data();
    void helpSections();
    void messageCodes_data();
    void messageCodes();
    void assistanceShowsTheHelp();
    void commandsOpenTheAssistance_data();
    void commandsOpenTheAssistance();

    void resizeKeepsProportions_data();
    void resizeKeepsProportions();
    void firstResizeOnlyRemembers();
    void printsTheWholeHelp_data();
    void printsTheWholeHelp();
    void printWithoutPrinter();
    void okCloses();
    void endProgram();

    void aboutCommandOpensWindows();
    void aboutWindowIsFreed();
    void aboutLinesRise_data();
    void aboutLinesRise();
    void aboutCycleRestarts();
    void aboutBandLeavesBackground_data();
    void aboutBandLeavesBackground();

    void askText_data();
    void askText();
    void askTextShowsPromptAndFocus();

    void viewerOk();
};

// ---- Windows and controls

void TestDialogs::layout_data()
{
    QTest::addColumn<QString>("window");
    QTest::addColumn<QString>("control"); // empty: the window itself
    QTest::addColumn<QRect>("place");     // an empty size: only the position counts
    QTest::addColumn<QString>("text");

    QTest::newRow("TForm3") << "TForm3"
                            << "" << QRect(0, 0, 696, 521) << "édition de cartes ";
    QTest::newRow("TForm3 Richedit1") << "TForm3"
                                      << "Richedit1" << QRect(18, 17, 663, 342) << "";
    QTest::newRow("TForm3 Button1") << "TForm3"
                                    << "Button1" << QRect(400, 376, 81, 41) << "ok";
    QTest::newRow("TForm3 Button2") << "TForm3"
                                    << "Button2" << QRect(496, 376, 73, 41) << "imprimer";
    QTest::newRow("TForm3 Button3") << "TForm3"
                                    << "Button3" << QRect(584, 376, 73, 41) << "fin programme";
    QTest::newRow("TForm3 rb1") << "TForm3"
                                << "rb1" << QRect(536, 432, 0, 0) << "portrait";
    QTest::newRow("TForm3 rb2") << "TForm3"
                                << "rb2" << QRect(536, 456, 0, 0) << "paysage";
    QTest::newRow("TForm4") << "TForm4"
                            << "" << QRect(0, 0, 762, 299) << "A propos de Vokira";
    QTest::newRow("TForm4 Button1") << "TForm4"
                                    << "Button1" << QRect(688, 240, 57, 25) << "fermer";
    QTest::newRow("TForm8") << "TForm8"
                            << "" << QRect(0, 0, 696, 311) << "Vokira : mini-cv";
    QTest::newRow("TForm8 RichEdit1") << "TForm8"
                                      << "RichEdit1" << QRect(32, 48, 625, 153) << "";
    QTest::newRow("TForm8 BitBtn1") << "TForm8"
                                    << "BitBtn1" << QRect(296, 232, 81, 33) << "ok";
    QTest::newRow("TForm10") << "TForm10"
                             << "" << QRect(0, 0, 696, 269) << "Vokira : ";
    QTest::newRow("TForm10 Memo1") << "TForm10"
                                   << "Memo1" << QRect(48, 24, 593, 73) << "";
    QTest::newRow("TForm10 Edit1") << "TForm10"
                                   << "Edit1" << QRect(128, 128, 513, 21) << "";
    QTest::newRow("TForm10 Button1") << "TForm10"
                                     << "Button1" << QRect(272, 184, 161, 33) << "ok";
    QTest::newRow("TForm10 Button2") << "TForm10"
                                     << "Button2" << QRect(472, 184, 153, 33) << "annuler";
}

void TestDialogs::layout()
{
    QFETCH(QString, window);
    QFETCH(QString, control);
    QFETCH(QRect, place);
    QFETCH(QString, text);

    DialogsFixture fixture;
    std::unique_ptr<QWidget> form = makeWindow(window);
    QCOMPARE(form->objectName(), window);
    QWidget *widget = control.isEmpty() ? form.get() : form->findChild<QWidget *>(control);
    QVERIFY(widget);
    if (control.isEmpty()) {
        QCOMPARE(widget->size(), place.size());
    } else {
        QCOMPARE(widget->parentWidget(), form.get());
        QCOMPARE(widget->pos(), place.topLeft());
        if (!place.isEmpty())
            QCOMPARE(widget->size(), place.size());
    }
    if (!text.isEmpty())
        QCOMPARE(textOf(widget), text);
}

// ---- The help text

void TestDialogs::helpTextStructure()
{
    const QStringList lines = assistanceLines();
    QCOMPARE(lines.first(),
             "AIDE DU PROGRAMME D'EDITION DE CARTES DE VISITE ET DE MINI-CV : VOKIRA 2.0");
    const QStringList configuration{
        "",
        "",
        "CONFIGURATION MINIMALE :",
        "Système d'exploitation : Windows 2000",
        "Processeur : Pentium ",
        "Mémoire : 64 Mo",
        "Ecran et carte graphique supportant résolution minimale de 800x600",
        "Imprimante : noir et blanc ou couleur",
    };
    QCOMPARE(lines.mid(1, 8), configuration);
    // The table of the help holds at most 151 lines of 255 characters besides
    // the configuration block.
    QVERIFY2(lines.size() - configuration.size() <= 151, qPrintable(QString::number(lines.size())));
    for (const QString &line : lines)
        QVERIFY2(line.size() <= 255, qPrintable(line));
    // The new features are numbered 1 to 10 across the two sections.
    const int first = lines.indexOf("NOUVEAUTES DE LA VERSION 2.0 :");
    const int end = lines.indexOf("PROBLEMES COURANTS :");
    QVERIFY(first > 0 && end > first);
    QStringList numbers;
    for (const QString &line : lines.mid(first, end - first))
        if (line.contains(QRegularExpression(QStringLiteral("^\\d+ : "))))
            numbers << line.section(QLatin1Char(' '), 0, 0);
    QCOMPARE(numbers, QString("1 2 3 4 5 6 7 8 9 10").split(' '));
}

void TestDialogs::helpSections_data()
{
    QTest::addColumn<QString>("heading");
    QTest::addColumn<QString>("next"); // the heading that follows it
    QTest::newRow("use") << "UTILISATION :"
                         << "POSITION DES ELEMENTS :";
    QTest::newRow("positions") << "POSITION DES ELEMENTS :"
                               << "NOUVEAUTES DE LA VERSION 2.0 :";
    QTest::newRow("new") << "NOUVEAUTES DE LA VERSION 2.0 :"
                         << "NOUVEAUTES DES VERSIONS PRECEDENTES :";
    QTest::newRow("earlier") << "NOUVEAUTES DES VERSIONS PRECEDENTES :"
                             << "PROBLEMES COURANTS :";
    QTest::newRow("problems") << "PROBLEMES COURANTS :"
                              << "MESSAGES REPERTORIES";
    QTest::newRow("messages") << "MESSAGES REPERTORIES"
                              << "";
}

void TestDialogs::helpSections()
{
    QFETCH(QString, heading);
    QFETCH(QString, next);
    const QStringList lines = assistanceLines();
    const int at = lines.indexOf(heading);
    QVERIFY2(at > 9, qPrintable(heading));
    QCOMPARE(lines.at(at - 1), QString());
    QCOMPARE(lines.lastIndexOf(heading), at);
    if (!next.isEmpty())
        QVERIFY(lines.indexOf(next) > at + 1);
    if (heading == QLatin1String("PROBLEMES COURANTS :")) {
        const int card = lines.indexOf("CARTE : ");
        const int cv = lines.indexOf("MINI-CV : ");
        QVERIFY(card > at && cv > card && lines.indexOf(next) > cv);
        QVERIFY(lines.at(card + 1).startsWith("1 : "));
        QVERIFY(lines.at(cv + 1).startsWith("1 : "));
    }
}

void TestDialogs::messageCodes_data()
{
    QTest::addColumn<QStringList>("entry");
    QTest::newRow("10") << QStringList{"Message 10 :", "Absence d'imprimante installée : ",
                                       "Résolution : installation d'une imprimante"};
    QTest::newRow("100") << QStringList{
        "Message 100 :", "Erreur de dimensionnement",
        "Résolution : un élément de la carte déborde sur un autre ou sur les limites de la carte",
        "Le message d'avertissement indique l'élément concerné : revoir sa position et ses "
        "dimensions"};
    QTest::newRow("200") << QStringList{
        "Message 200 :",
        "Fichier déjà présent sur le disque",
        "Résolution : en choisissant de modifier le fichier il sera remplacé par le nouveau.",
        "En choisissant de ne pas modifier le fichier : un nouveau fichier sera créé avec une "
        "extension indicée : vk2,vk3,..vk10",
        "Si il y a un problème de suppression de l'ancien fichier, ou de reprise de son nom, le "
        "nouveau fichier aura",
        "une extension indicée"};
    QTest::newRow("210") << QStringList{
        "Message 210 :", "Extension non standard",
        "Les extensions standard sont \"vk1\" pour les fichiers paramêtres de la carte et \"vk4\" "
        "pour ceux du mini-cv"};
    QTest::newRow("300") << QStringList{
        "Message 300 :", "Taille de police insuffisante",
        "Il s'agit d'un conseil de présentation : en principe l'en-tête du cadre1 ne doit pas "
        "avoir un texte plus petit que le cadre 2"};
    QTest::newRow("310") << QStringList{
        "Message 310 :", "Le cadre 1 déborde sur l'icone.",
        "Résolution : diminuez la longueur du cadre 1 ou déplacez à gauche l'icone."};
    QTest::newRow("400") << QStringList{
        "Message 400 : ",
        "Erreur survenue lors de la prise en compte de nouveaux paramêtres graphiques",
        "Résolution : essayez de nouveaux paramêtres ou de nouveaux éléments graphiques"};
    QTest::newRow("500") << QStringList{"Message 500 :",
                                        "Avertissement sur la possibilité qu'une police de texte "
                                        "ait un aspect écran/papier différent  "};
}

void TestDialogs::messageCodes()
{
    QFETCH(QStringList, entry);
    const QStringList lines = assistanceLines();
    const int section = lines.indexOf("MESSAGES REPERTORIES");
    const int at = lines.indexOf(entry.first());
    QVERIFY2(at > section, qPrintable(entry.first()));
    QCOMPARE(lines.mid(at, entry.size()), entry);
}

void TestDialogs::assistanceShowsTheHelp()
{
    DialogsFixture fixture;
    TForm3 window;
    window.Richedit1->setPlainText(QStringLiteral("ancien texte"));
    window.fillHelpText();
    // One paragraph per line of the help, so that line 0 is the title and
    // lines 1 to 8 the configuration.
    QTextDocument *document = window.Richedit1->document();
    const QStringList lines = assistanceLines();
    QCOMPARE(document->blockCount(), lines.size());
    // The title and the headings stand out in bold, nothing else does.
    const QStringList headings{assistanceTitle(),
                               "CONFIGURATION MINIMALE :",
                               "UTILISATION :",
                               "POSITION DES ELEMENTS :",
                               "NOUVEAUTES DE LA VERSION 2.0 :",
                               "NOUVEAUTES DES VERSIONS PRECEDENTES :",
                               "PROBLEMES COURANTS :",
                               "CARTE : ",
                               "MINI-CV : ",
                               "MESSAGES REPERTORIES"};
    for (int i = 0; i < lines.size(); ++i) {
        const QTextBlock block = document->findBlockByNumber(i);
        QCOMPARE(block.text(), lines.at(i));
        if (!lines.at(i).isEmpty())
            QCOMPARE(block.begin().fragment().charFormat().fontWeight() == QFont::Bold,
                     headings.contains(lines.at(i)));
    }
    QVERIFY(window.Richedit1->isReadOnly());
    QCOMPARE(window.Richedit1->verticalScrollBarPolicy(), Qt::ScrollBarAsNeeded);
}

void TestDialogs::commandsOpenTheAssistance_data()
{
    QTest::addColumn<bool>("byKey");
    QTest::newRow("&Assistance") << false;
    QTest::newRow("F1") << true;
}

void TestDialogs::commandsOpenTheAssistance()
{
    QFETCH(bool, byKey);
    DialogsFixture fixture;
    Tfrmmain *main = fixture.start();
    QSize remembered;
    QString firstLine;
    fixture.drive = [&](QDialog &window) {
        auto &help = static_cast<TForm3 &>(window);
        remembered = help.rememberedSize();
        firstLine = help.Richedit1->document()->firstBlock().text();
        return int(ModalCancel);
    };
    if (byKey) {
        main->show();
        main->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(main));
        QTest::keyClick(main, Qt::Key_F1);
    } else {
        main->Assistance1->trigger();
    }
    QCOMPARE(fixture.ran, QStringList{"TForm3"});
    QCOMPARE(remembered, QSize(696, 521));
    QCOMPARE(firstLine, assistanceTitle());
}

// ---- Resizing the assistance window

void TestDialogs::resizeKeepsProportions_data()
{
    QTest::addColumn<QSize>("newSize");
    QTest::addColumn<QString>("control"); // empty: every control doubles
    QTest::addColumn<QRect>("expected");
    QTest::newRow("twice") << QSize(1392, 1042) << "" << QRect();
    // 663 x 1.5 = 994.5 goes to the even neighbour; 18 x 1.5 = 27.
    QTest::newRow("halves to even") << QSize(1044, 521) << "Richedit1" << QRect(27, 17, 994, 342);
    QTest::newRow("button halves to even")
        << QSize(1044, 782) << "Button2" << QRect(744, 564, 110, 62);
}

void TestDialogs::resizeKeepsProportions()
{
    QFETCH(QSize, newSize);
    QFETCH(QString, control);
    QFETCH(QRect, expected);

    DialogsFixture fixture;
    TForm3 window;
    window.fillHelpText();
    window.rememberSize();
    window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&window));
    const QHash<QString, QRect> before = controlPlaces(&window);
    QCOMPARE(before.size(), 6);

    window.resize(newSize);
    QTRY_COMPARE(window.size(), newSize);
    QTRY_COMPARE(window.rememberedSize(), newSize);
    const QHash<QString, QRect> after = controlPlaces(&window);
    if (control.isEmpty()) {
        for (auto it = before.cbegin(); it != before.cend(); ++it) {
            const QRect &was = it.value();
            QCOMPARE(after.value(it.key()),
                     QRect(was.x() * 2, was.y() * 2, was.width() * 2, was.height() * 2));
        }
    } else {
        QCOMPARE(after.value(control), expected);
    }
}

void TestDialogs::firstResizeOnlyRemembers()
{
    DialogsFixture fixture;
    TForm3 window;
    QVERIFY(window.rememberedSize().isEmpty());
    const QHash<QString, QRect> before = controlPlaces(&window);
    window.resize(800, 600);
    window.form3_resize();
    QCOMPARE(controlPlaces(&window), before);
    QCOMPARE(window.rememberedSize(), QSize(800, 600));
}

// ---- Printing the help

void TestDialogs::printsTheWholeHelp_data()
{
    QTest::addColumn<bool>("landscape");
    QTest::newRow("portrait") << false;
    QTest::newRow("paysage") << true;
}

void TestDialogs::printsTheWholeHelp()
{
    QFETCH(bool, landscape);
    DialogsFixture fixture;
    fixture.printer().dotsPerInch = QSize(72, 72);
    TForm3 window;
    window.fillHelpText();
    window.show();
    QTest::mouseClick(landscape ? window.rb2 : window.rb1, Qt::LeftButton);
    QCOMPARE(window.printOrientation(), landscape ? QPageLayout::Landscape : QPageLayout::Portrait);

    window.Button2->click();

    QCOMPARE(fixture.dialogs->messages().size(), 0);
    const QList<QImage> &pages = fixture.printer().pages;
    // The help does not fit on one page at 9 points; every page carries text.
    QVERIFY2(pages.size() >= 2, qPrintable(QString::number(pages.size())));
    for (const QImage &page : pages) {
        QCOMPARE(page.width() > page.height(), landscape);
        QVERIFY(hasInk(page));
    }
    QVERIFY(window.rb1->isEnabled() && window.rb2->isEnabled());
}

void TestDialogs::printWithoutPrinter()
{
    DialogsFixture fixture(QStringList{});
    TForm3 window;
    window.fillHelpText();
    window.show();
    window.Button2->click();
    const QList<ScriptedDialogs::Call> shown = fixture.dialogs->messages();
    QCOMPARE(shown.size(), 1);
    QCOMPARE(shown.first().kind, MessageKind::Information);
    QCOMPARE(shown.first().text, "Erreur d'accès à l'imprimante.");
    QCOMPARE(shown.first().buttons, MessageButtons(MessageButton::Ok));
    QVERIFY(window.isVisible());
    QVERIFY(fixture.printer().pages.isEmpty());
}

void TestDialogs::okCloses()
{
    DialogsFixture fixture;
    TForm3 window;
    window.show();
    QTest::mouseClick(window.Button1, Qt::LeftButton);
    QVERIFY(!window.isVisible());
    QCOMPARE(programState().quitRequested, '\0');
}

void TestDialogs::endProgram()
{
    DialogsFixture fixture;
    Tfrmmain *main = fixture.start();
    TForm1 *preview = appWindows().Form1;
    bool stillOpen = true;
    fixture.drive = [&](QDialog &window) {
        window.show();
        QTest::mouseClick(static_cast<TForm3 &>(window).Button3, Qt::LeftButton);
        stillOpen = window.isVisible();
        return window.result();
    };
    QTimer::singleShot(0, main, [main] {
        main->show();
        appWindows().Form1->show();
        main->Assistance1->trigger();
    });
    main->showModal();
    QCOMPARE(fixture.ran, QStringList{"TForm3"});
    QVERIFY(!stillOpen);
    QCOMPARE(programState().quitRequested, 'o');
    QVERIFY(!main->isVisible());
    QVERIFY(!preview->isVisible());
}

// ---- The about window

void TestDialogs::aboutCommandOpensWindows()
{
    DialogsFixture fixture;
    Tfrmmain *main = fixture.start();
    main->Apropos1->trigger();
    main->Apropos1->trigger();
    QList<TForm4 *> open;
    for (QWidget *window : QApplication::topLevelWidgets())
        if (auto *about = qobject_cast<TForm4 *>(window); about && about->isVisible())
            open << about;
    // Not modal: a second one opens while the first is still there.
    QCOMPARE(open.size(), 2);
    QVERIFY(fixture.ran.isEmpty());
    for (TForm4 *about : open) {
        QCOMPARE(about->tickCounter(), 30);
        QVERIFY(about->hasPicture());
        QVERIFY(about->timer1->isActive());
        QCOMPARE(about->timer1->interval(), 50);
        QCOMPARE(about->lines().size(), TForm4::kLineCount);
        QVERIFY(!about->lines().contains(QString()));
    }
}

void TestDialogs::aboutWindowIsFreed()
{
    DialogsFixture fixture;
    QPointer<TForm4> closed = showAbout();
    QPointer<TForm4> left = showAbout();
    QTest::mouseClick(closed->Button1, Qt::LeftButton);
    QVERIFY(!closed->timer1->isActive());
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    QVERIFY(closed.isNull());
    QVERIFY(left);
    // The end of the program frees the ones still open.
    destroyWindows();
    QVERIFY(left.isNull());
}

void TestDialogs::aboutLinesRise_data()
{
    QTest::addColumn<QString>("resource");
    QTest::newRow("picture") << ":/dialogs/BITMAPA";
    QTest::newRow("no picture") << ":/dialogs/absent";
}

void TestDialogs::aboutLinesRise()
{
    QFETCH(QString, resource);
    DialogsFixture fixture;
    TForm4 about(resource);
    about.timer1->stop();
    const int h = about.height();
    const QRgb untouched = about.surface().pixel(300, h - 1);

    // The band: solid yellow over the picture, else a hatch on white.
    const auto onBand = [&about](QRgb pixel) {
        if (about.hasPicture())
            return pixel == qRgb(0xFF, 0xFF, 0x00);
        return pixel == qRgb(0xFF, 0xFF, 0xFF) || pixel == qRgb(0xDC, 0xCF, 0xFC);
    };
    QVERIFY(!onBand(untouched));

    tick(about, 5);
    QCOMPARE(about.lineRect(0).top(), h);
    QVERIFY(!onBand(about.surface().pixel(300, h - 1)));

    tick(about, 1);
    QCOMPARE(about.lineRect(0).top(), h - 1);
    QVERIFY(onBand(about.surface().pixel(300, h - 1)));

    // One pixel a tick from then on, the lines 20 pixels apart.
    tick(about, 1);
    QCOMPARE(about.lineRect(0).top(), h - 2);
    QCOMPARE(about.lineRect(7).top(), h - 2 + 140);
    QCOMPARE(about.lastBand(),
             QRect(QPoint(2, h - 37 + 30), QPoint(about.width() - 1, h - 37 + 204)));
}

void TestDialogs::aboutCycleRestarts()
{
    DialogsFixture fixture;
    TForm4 about;
    about.timer1->stop();
    const int h = about.height();
    QCOMPARE(h, 299);
    tick(about, h + 203 - 30);
    QCOMPARE(about.tickCounter(), h + 203);
    QVERIFY(about.surface().pixel(5, 5) != qRgb(0x80, 0x80, 0x80));

    tick(about, 1);
    QCOMPARE(about.tickCounter(), 0);
    const QImage &surface = about.surface();
    for (const QPoint &at : {QPoint(0, 0), QPoint(380, 150), QPoint(761, 298)})
        QCOMPARE(surface.pixel(at), qRgb(0x80, 0x80, 0x80));

    // The lines start again from below the window.
    tick(about, 1);
    QCOMPARE(about.lineRect(0).top(), h + 34);
}

void TestDialogs::aboutBandLeavesBackground_data()
{
    aboutLinesRise_data();
}

void TestDialogs::aboutBandLeavesBackground()
{
    QFETCH(QString, resource);
    DialogsFixture fixture;
    TForm4 about(resource);
    about.timer1->stop();
    const int h = about.height();
    // Once the band has passed the bottom row, that row shows the background.
    tick(about, 210);
    const QImage &surface = about.surface();
    if (about.hasPicture()) {
        const QImage picture = tile();
        for (int x = 100; x < 164; ++x)
            QCOMPARE(surface.pixel(x, h - 1), picture.pixel(x % 32, (h - 1) % 32));
    } else {
        const QRgb grey = qRgb(0x80, 0x80, 0x80);
        const QRgb plain = about.palette().color(QPalette::Window).rgb();
        bool hatched = false;
        for (int x = 100; x < 164; ++x) {
            const QRgb pixel = surface.pixel(x, h - 1);
            QVERIFY(pixel == grey || pixel == plain);
            hatched = hatched || pixel == grey;
        }
        QVERIFY(hatched);
    }
}

// ---- The input dialog

void TestDialogs::askText_data()
{
    QTest::addColumn<QString>("typed"); // empty: the proposed answer is left as it is
    QTest::addColumn<QString>("end");
    QTest::addColumn<QString>("answer");
    QTest::addColumn<QString>("kept"); // the program-wide answer afterwards

    QTest::newRow("ok") << "4"
                        << "ok"
                        << "4"
                        << "4";
    QTest::newRow("ok untouched") << ""
                                  << "ok"
                                  << "1"
                                  << "1";
    QTest::newRow("annuler") << "5"
                             << "annuler"
                             << "5"
                             << "avant";
    QTest::newRow("escape edited") << "6"
                                   << "escape"
                                   << "6"
                                   << "avant";
    QTest::newRow("escape untouched") << ""
                                      << "escape"
                                      << "1"
                                      << "avant";
    QTest::newRow("escape in the prompt") << "2"
                                          << "escape prompt"
                                          << "2"
                                          << "avant";
    QTest::newRow("close box") << "3"
                               << "close"
                               << "3"
                               << "avant";
    QTest::newRow("other end") << "3"
                               << "none"
                               << "1"
                               << "avant";
}

void TestDialogs::askText()
{
    QFETCH(QString, typed);
    QFETCH(QString, end);
    QFETCH(QString, answer);
    QFETCH(QString, kept);

    DialogsFixture fixture;
    askTextAnswer() = QStringLiteral("avant");
    QString textAtClick;
    fixture.drive = [&](QDialog &dialog) {
        auto &window = static_cast<TForm10 &>(dialog);
        window.show();
        if (!typed.isEmpty()) {
            window.Edit1->selectAll();
            QTest::keyClicks(window.Edit1, typed);
        }
        if (end == QLatin1String("ok"))
            QTest::mouseClick(window.Button1, Qt::LeftButton);
        else if (end == QLatin1String("annuler"))
            QTest::mouseClick(window.Button2, Qt::LeftButton);
        else if (end == QLatin1String("escape"))
            QTest::keyClick(window.Edit1, Qt::Key_Escape);
        else if (end == QLatin1String("escape prompt"))
            QTest::keyClick(window.Memo1, Qt::Key_Escape);
        else if (end == QLatin1String("close"))
            window.close();
        else
            return int(ModalNone);
        // The answer of "ok" is the text as it was when clicked.
        if (end == QLatin1String("ok"))
            window.Edit1->setText(QStringLiteral("après"));
        return window.result();
    };
    QCOMPARE(::askText(QStringLiteral("Propriétés de conversion html"), kBrowserPrompt,
                       QStringLiteral("1")),
             answer);
    QCOMPARE(askTextAnswer(), kept);
}

void TestDialogs::askTextShowsPromptAndFocus()
{
    DialogsFixture fixture;
    QString caption, prompt, proposed;
    bool focused = false;
    fixture.drive = [&](QDialog &dialog) {
        auto &window = static_cast<TForm10 &>(dialog);
        window.show();
        window.activateWindow();
        if (QTest::qWaitForWindowActive(&window))
            focused = window.Edit1->hasFocus();
        caption = window.windowTitle();
        prompt = window.Memo1->toPlainText();
        proposed = window.Edit1->text();
        return int(ModalCancel);
    };
    ::askText(QStringLiteral("Propriétés de conversion html"), kBrowserPrompt, QStringLiteral("1"));
    QCOMPARE(fixture.ran, QStringList{"TForm10"});
    QCOMPARE(caption, "Vokira : Propriétés de conversion html");
    QCOMPARE(
        prompt.split(QLatin1Char('\n')),
        QStringList({"Veuillez sélectionner le type de browser : nombre de 1 à 6", "",
                     "1: default - 2: chrome - 3: IE5 plus", "4: Mozilla 5 - 5: Edge - 6: Opera"}));
    QCOMPARE(proposed, "1");
    QVERIFY(focused);
}

// ---- The text viewer

void TestDialogs::viewerOk()
{
    DialogsFixture fixture;
    TForm8 viewer;
    viewer.RichEdit1->setPlainText(QStringLiteral("ligne 1 :\n1######8texte"));
    int result = -1;
    fixture.drive = [&](QDialog &dialog) {
        dialog.show();
        QTest::mouseClick(static_cast<TForm8 &>(dialog).BitBtn1, Qt::LeftButton);
        return dialog.result();
    };
    result = runModal(viewer);
    QCOMPARE(result, int(ModalOk));
    QVERIFY(!viewer.isVisible());
}

QTEST_MAIN(TestDialogs)
#include "tst_dialogs.moc"
