#include "TestSupport.h"

#include "app/Widgets.h"
#include "catalogue/MessageCatalogue.h"
#include "output/TForm1.h"
#include "platform/Application.h"
#include "platform/RichEdit.h"

#include <QAction>
#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QMenu>
#include <QPushButton>
#include <QSlider>
#include <QTextEdit>
#include <QtTest>

#include <stdexcept>

namespace {

QWidget *control(Tfrmmain *w, const QString &name)
{
    return w->findChild<QWidget *>(name);
}

QString caption(Tfrmmain *w, const QString &name)
{
    if (auto *action = w->findChild<QAction *>(name))
        return action->text();
    QWidget *c = control(w, name);
    if (auto *panel = qobject_cast<CommandPanel *>(c))
        return panel->caption();
    if (auto *combo = qobject_cast<QComboBox *>(c))
        return combo->currentText();
    if (auto *button = qobject_cast<QAbstractButton *>(c))
        return button->text();
    if (auto *label = qobject_cast<QLabel *>(c))
        return label->text();
    if (auto *box = qobject_cast<QGroupBox *>(c))
        return box->title();
    return QStringLiteral("<no control %1>").arg(name);
}

QStringList items(QComboBox *combo)
{
    QStringList out;
    for (int i = 0; i < combo->count(); ++i)
        out << combo->itemText(i);
    return out;
}

// An object whose event handler fails, as a command with a bug would.
class Faulty : public QObject
{
protected:
    void customEvent(QEvent *) override { throw std::runtime_error("disque plein"); }
};

} // namespace

class TestMainWindow : public QObject
{
    Q_OBJECT

private slots:
    void layout_data();
    void layout();
    void startCaptions_data();
    void startCaptions();
    void hints();
    void sideStrip();
    void startStates();
    void cardWindowAtStart();
    void comboListsInFrench();
    void panelsOpenTheirMenus_data();
    void panelsOpenTheirMenus();
    void panelsStayAtTheTopWhenShownAgain();
    void hoverHighlightsOnePanel();
    void hoverFocusesButtons();
    void printers_data();
    void printers();
    void languageSwitch_data();
    void languageSwitch();
    void languageFromHelpMenu();
    void refreshCommandStatesFollowsTheFlags();
    void quitEndsTheModalRun();
    void closeWithCardAccessOpenHides();
    void showCardBesideTheMainWindow();
    void unhandledErrorIsReported();
    void everyMenuItemIsWired();
};

void TestMainWindow::layout_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<QRect>("bounds");
    QTest::newRow("GroupBox5") << "GroupBox5" << QRect(8, 8, 153, 350);
    QTest::newRow("GroupBox4") << "GroupBox4" << QRect(176, 8, 185, 350);
    QTest::newRow("GroupBox3") << "GroupBox3" << QRect(368, 8, 145, 240);
    QTest::newRow("GroupBox2") << "GroupBox2" << QRect(376, 260, 145, 145);
    QTest::newRow("Button1") << "Button1" << QRect(10, 370, 73, 25);
    QTest::newRow("Button17") << "Button17" << QRect(90, 370, 65, 25);
    QTest::newRow("button2") << "button2" << QRect(160, 370, 81, 25);
    QTest::newRow("GroupBox1") << "GroupBox1" << QRect(16, 420, 489, 113);
    QTest::newRow("sideStrip") << "sideStrip" << QRect(529, 17, 104, 507);
    QTest::newRow("GroupBox6") << "GroupBox6" << QRect(8, 16, 281, 49);
    // Shown once: the card panels moved up to the top of their group box.
    QTest::newRow("Panel1") << "Panel1" << QRect(10, 0, 70, 25);
    QTest::newRow("Panel2") << "Panel2" << QRect(105, 0, 70, 25);
    QTest::newRow("Panel4") << "Panel4" << QRect(201, 0, 70, 25);
    QTest::newRow("Panel5") << "Panel5" << QRect(300, 24, 80, 41);
    QTest::newRow("Panel3") << "Panel3" << QRect(395, 24, 80, 41);
    // The thumbnails take the size of the preview's icon box.
    QTest::newRow("Image1") << "Image1" << QRect(250, 370, 32, 32);
    QTest::newRow("Image2") << "Image2" << QRect(315, 370, 32, 32);
}

void TestMainWindow::layout()
{
    QFETCH(QString, name);
    QFETCH(QRect, bounds);
    ProgramFixture fixture;
    Tfrmmain *w = fixture.start();
    w->show();
    QCOMPARE(w->size(), QSize(638, 555));
    QWidget *c = control(w, name);
    QVERIFY(c);
    QCOMPARE(designGeometry(c), bounds);
    // Every control of a group box lies inside it.
    for (QWidget *box : w->findChildren<QGroupBox *>())
        for (QWidget *child : box->findChildren<QWidget *>(QString(), Qt::FindDirectChildrenOnly))
            if (!child->isWindow())
                QVERIFY2(box->rect().contains(child->geometry()), qPrintable(child->objectName()));
}

void TestMainWindow::startCaptions_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("text");
    const std::pair<const char *, const char *> rows[] = {
        {"GroupBox5", "CADRE 1"},
        {"GroupBox4", "CADRE 2"},
        {"GroupBox3", "CARTE"},
        {"GroupBox2", "ICONE"},
        {"GroupBox1", "panneaux des commandes"},
        {"GroupBox6", "carte"},
        {"Button1", " voir carte"},
        {"Button17", "appliquer"},
        {"button2", "Presse Papier"},
        {"Panel1", "fichier"},
        {"Panel2", "éléments"},
        {"Panel4", "contrôle"},
        {"Panel5", "Mini-CV"},
        {"Panel3", "aide"},
        {"ComboBox1", "largeur"},
        {"ComboBox3", "longueur"},
        {"ComboBox14", "bord gauche"},
        {"ComboBox7", "hauteur"},
        {"ComboBox13", "cadre"},
        {"Button13", "fonte"},
        {"Button9", "fonte en-tête "},
        {"Button10", "fonte en-tête"},
        {"Button11", "couleur de fond"},
        {"CheckBox2", "T1"},
        {"CheckBox3", "T2"},
        {"Label3", "Alignement du texte"},
        {"ComboBox18", "largeur"},
        {"ComboBox19", "longueur"},
        {"ComboBox16", "formats standards"},
        {"ComboBox20", "orientation"},
        {"ComboBox12", "écart"},
        {"Button3", "ajustement A4"},
        {"Button15", "couleur de fond"},
        {"CheckBox1", "MOTIF "},
        {"CheckBox4", "STYLE"},
        {"ComboBox9", "largeur"},
        {"ComboBox10", "longueur"},
        {"ComboBox17", "marge"},
        {"ComboBox11", "hauteur"},
        {"Charger0", "&Charger"},
        {"Sauvegarder0", "&Sauvegarder"},
        {"rpertoiredetravail1", "répertoire de travail"},
        {"Pressepapier1", "Copie du &Presse papier"},
        {"Imprimante1", "&Imprimante"},
        {"Impressionnoir_et_blanc1", "Impression &noir et blanc"},
        {"Impressioncouleurs1", "Impression &couleurs"},
        {"Quitter1", "&Quitter"},
        {"accscarte1", "accès carte"},
        {"Texte11", "Texte_&1"},
        {"charger1", "charger"},
        {"sauvegarder2", "sauvegarder"},
        {"typedefichier1", "type de fichier"},
        {"ansicoding1", "encodé ansi"},
        {"utf8coding1", "encodé utf8"},
        {"unicodecoding1", "encodé unicode"},
        {"Icone1", "&Icone"},
        {"Motif1", "&Motif"},
        {"Assistance1", "&Assistance"},
        {"Apropos1", "A &propos"},
        {"Associationdesfichiers1", "Association des fichiers "},
        {"MenuItem2", "Language"},
        {"audit1", "audit "},
        {"testimp1", "test impression"},
        {"options1", "options"},
        {"polices1", "polices"},
        {"language1", "language"},
        {"francais1", "français"},
        {"Editer1", "Editer"},
        {"Charger3", "Charger"},
    };
    for (const auto &[name, text] : rows)
        QTest::newRow(name) << QString::fromUtf8(name) << QString::fromUtf8(text);
}

void TestMainWindow::startCaptions()
{
    QFETCH(QString, name);
    QFETCH(QString, text);
    ProgramFixture fixture;
    Tfrmmain *w = fixture.start();
    QCOMPARE(caption(w, name), text);
    QCOMPARE(w->windowTitle(), QStringLiteral("édition de cartes"));
}

void TestMainWindow::hints()
{
    ProgramFixture fixture;
    Tfrmmain *w = fixture.start();
    const std::pair<QWidget *, const char *> rows[] = {
        {w->Panel1, "commandes de fichier et dimprimante"},
        {w->Panel2, "commandes dajout déléments"},
        {w->Panel4, "commande de contrôle des paramêtres"},
        {w->ComboBox5, "alignement du texte dans le cadre : centré par défaut"},
        {w->ComboBox6, "alignement du texte dans le cadre : à gauche par défaut "},
        {w->ComboBox13, "alignement du cadre 2 : gauche par défaut"},
        {w->Button13, "police du texte à partir de la 2° ligne"},
        {w->Button10, "police de la 1° ligne"},
        {w->CheckBox3, "transparence"},
        {w->CheckBox5, "remise à l'état initial"},
        {w->ComboBox12, "Ecartement entre les cartes à limpression "},
        {w->tb1, "deplacement vertical de a carte"},
        {w->CheckBox1, "affichage étendu ou répétitif de limage"},
    };
    for (const auto &[c, hint] : rows)
        QCOMPARE(c->toolTip(), QString::fromUtf8(hint));
}

void TestMainWindow::sideStrip()
{
    ProgramFixture fixture;
    Tfrmmain *w = fixture.start();
    const QStringList lines = w->sideStrip->toPlainText().split(QLatin1Char('\n'));
    QCOMPARE(lines.size(), 14);
    QStringList letters;
    for (const QString &line : lines)
        if (!line.isEmpty())
            letters << line;
    QCOMPARE(letters, (QStringList{"     V", "     O", "     K", "     I", "     R", "     A"}));
    QVERIFY(lines.first().isEmpty() && lines.last().isEmpty());
    QCOMPARE(w->sideStrip->palette().color(QPalette::Base), QColor(0xFF, 0xC0, 0x80));
    QCOMPARE(w->sideStrip->textColor(), QColor(0x80, 0x00, 0x80));
    QVERIFY(w->sideStrip->font().bold() && w->sideStrip->font().italic());
    QCOMPARE(w->sideStrip->font().pointSize(), 20);
}

void TestMainWindow::startStates()
{
    ProgramFixture fixture;
    Tfrmmain *w = fixture.start();
    for (QAction *item :
         {w->Charger0, w->Sauvegarder0, w->accscarte1, w->sauvegarder1, w->sauvegarder2,
          w->Charger3, w->Associationdesfichiers1, w->options1->menuAction(),
          w->Impressioncouleurs1, w->Impressionnoir_et_blanc1, w->Imprimante1})
        QVERIFY2(item->isEnabled(), qPrintable(item->objectName()));
    QVERIFY(w->button2->isEnabled());
    // Nothing loaded yet: nothing to audit; no mini-CV: nothing to print.
    QVERIFY(!w->audit1->isEnabled());
    QVERIFY(!w->Imprimer1->isEnabled());
    QVERIFY(!w->Sauvegarder3->isEnabled());
    QVERIFY(!w->CheckBox2->isEnabled());
    QVERIFY(!w->CheckBox3->isEnabled());
    QCOMPARE(w->tb1->minimum(), 1);
    QCOMPARE(w->tb1->maximum(), 100);
    QVERIFY(w->ansicoding1->isChecked());
    QVERIFY(!w->Label4->isVisible() && !w->Label7->isVisible());
    QCOMPARE(w->palette().color(QPalette::Window), QColor(0xC0, 0xCD, 0xFF));
    QVERIFY(fixture.dialogs->calls.isEmpty());
    QCOMPARE(programState().printerPresent, QStringLiteral("o"));
}

void TestMainWindow::cardWindowAtStart()
{
    ProgramFixture fixture;
    fixture.start();
    TForm1 *preview = appWindows().Form1;
    QVERIFY(preview);
    QVERIFY(!preview->isVisible());
    QVERIFY(preview->windowFlags().testFlag(Qt::FramelessWindowHint));
    QCOMPARE(preview->pos(), QPoint(10, 45));
    QCOMPARE(preview->size(), QSize(190, 300));
    QCOMPARE(preview->grab().toImage().pixelColor(2, 2), QColor(0xCD, 0xC0, 0xF0));
    QCOMPARE(preview->RichEdit1->geometry(), QRect(63, 41, 74, 65));
    QCOMPARE(preview->RichEdit2->geometry(), QRect(3, 145, 179, 140));
    QCOMPARE(preview->Image1->geometry(), QRect(8, 24, 32, 32));
    QVERIFY(!preview->Image1->pixmap().isNull());
    for (RichEdit *frame : {preview->RichEdit1, preview->RichEdit2}) {
        QVERIFY(frame->isReadOnly());
        QVERIFY(frame->toPlainText().isEmpty());
        QCOMPARE(frame->backgroundColour(), QColor(0xC0, 0xCD, 0xFF));
        QCOMPARE(frame->lineWrapMode(), QTextEdit::NoWrap);
    }

    // The preview follows the model at once.
    cardModel().setFrameGeometry(0, QRect(5, 6, 50, 40));
    cardModel().setCardSize(207, 321);
    cardModel().setFrameColor(1, 0x0000FF);
    QCOMPARE(preview->RichEdit1->geometry(), QRect(5, 6, 50, 40));
    QCOMPARE(preview->size(), QSize(207, 321));
    QCOMPARE(preview->RichEdit2->backgroundColour(), QColor(255, 0, 0));
}

void TestMainWindow::comboListsInFrench()
{
    ProgramFixture fixture;
    Tfrmmain *w = fixture.start();

    const QStringList width = items(w->ComboBox1);
    QCOMPARE(width.size(), 41);
    QCOMPARE(width.first(), QStringLiteral("largeur + 20"));
    QCOMPARE(width[19], QStringLiteral("largeur + 1"));
    QCOMPARE(width[20], QStringLiteral("largeur"));
    QCOMPARE(width[21], QStringLiteral("largeur -1"));
    QCOMPARE(width.last(), QStringLiteral("largeur -20"));
    QCOMPARE(w->ComboBox1->currentIndex(), 20);
    QCOMPARE(items(w->ComboBox8)[0], QStringLiteral("hauteur + 20"));
    QCOMPARE(items(w->ComboBox4)[40], QStringLiteral("longueur -20"));

    const std::tuple<QComboBox *, const char *, const char *, const char *> small[] = {
        {w->ComboBox18, "largeur+10", "largeur", "largeur -10"},
        {w->ComboBox9, "largeur+10", "largeur", "largeur -10"},
        {w->ComboBox19, "longueur+10", "longueur", "longueur -10"},
        {w->ComboBox10, "longueur+10", "longueur", "longueur -10"},
        {w->ComboBox11, "hauteur+10", "hauteur", "hauteur -10"},
        {w->ComboBox17, "marge + 10", "marge", "marge -10"},
        {w->ComboBox14, "bord gauche + 10", "bord gauche", "bord gauche -10"},
        {w->ComboBox15, "bord gauche + 10", "bord gauche", "bord gauche -10"},
    };
    for (const auto &[combo, first, middle, last] : small) {
        const QStringList list = items(combo);
        QCOMPARE(list.size(), 21);
        QCOMPARE(list.first(), QString::fromUtf8(first));
        QCOMPARE(list[10], QString::fromUtf8(middle));
        QCOMPARE(list.last(), QString::fromUtf8(last));
        QCOMPARE(combo->currentIndex(), 10);
    }

    QCOMPARE(items(w->ComboBox16),
             (QStringList{"formats standards", "défaut", "normal", "moyen", "grand", "carré"}));
    QCOMPARE(items(w->ComboBox5), (QStringList{"texte", "gauche", "centré", "droite"}));
    QCOMPARE(items(w->ComboBox13), (QStringList{"cadre", "gauche", "centré", "droite"}));
    QCOMPARE(items(w->ComboBox20), (QStringList{"orientation", "vertical", "horizontal"}));
    QCOMPARE(items(w->ComboBox12),
             (QStringList{"écart", "5", "6", "7", "8", "9", "10", "11", "12", "13", "14", "15"}));
    for (QComboBox *combo :
         {w->ComboBox16, w->ComboBox20, w->ComboBox12, w->ComboBox5, w->ComboBox6, w->ComboBox13})
        QCOMPARE(combo->currentIndex(), 0);
    QCOMPARE(w->ComboBox20->maxVisibleItems(), 3);
}

void TestMainWindow::panelsOpenTheirMenus_data()
{
    QTest::addColumn<QString>("panel");
    QTest::addColumn<QString>("menu");
    QTest::newRow("fichier") << "Panel1"
                             << "PopupMenu1";
    QTest::newRow("éléments") << "Panel2"
                              << "PopupMenu2";
    QTest::newRow("aide") << "Panel3"
                          << "PopupMenu3";
    QTest::newRow("contrôle") << "Panel4"
                              << "PopupMenu4";
    QTest::newRow("Mini-CV") << "Panel5"
                             << "PopupMenu5";
}

void TestMainWindow::panelsOpenTheirMenus()
{
    QFETCH(QString, panel);
    QFETCH(QString, menu);
    ProgramFixture fixture;
    Tfrmmain *w = fixture.start();
    w->show();
    QVERIFY(QTest::qWaitForWindowExposed(w));
    auto *p = w->findChild<CommandPanel *>(panel);
    QTest::mouseClick(p, Qt::LeftButton);
    QMenu *opened = w->lastPopupMenu();
    QVERIFY(opened);
    QCOMPARE(opened->objectName(), menu);
    QTRY_VERIFY(opened->isVisible());

    // The design's point: the panel's place in its own parent, plus the
    // window's and the command group box's, below the panel.
    const QRect d = designGeometry(p);
    const QRect frame = w->frameGeometry();
    const int border = frame.height() - w->height();
    const QPoint expected(d.left() + frame.left() + 16,
                          d.top() + d.height() + frame.top() + 420 + border);
    QCOMPARE(w->lastPopupPoint(), expected);
    opened->close();
}

void TestMainWindow::panelsStayAtTheTopWhenShownAgain()
{
    ProgramFixture fixture;
    Tfrmmain *w = fixture.start();
    for (int i = 0; i < 3; ++i) {
        w->show();
        w->hide();
    }
    QCOMPARE(designGeometry(w->Panel1).topLeft(), QPoint(10, 0));
    QCOMPARE(designGeometry(w->Panel4).topLeft(), QPoint(201, 0));
    // The panels of the outer group box are not moved.
    QCOMPARE(designGeometry(w->Panel5).topLeft(), QPoint(300, 24));
}

void TestMainWindow::hoverHighlightsOnePanel()
{
    ProgramFixture fixture;
    Tfrmmain *w = fixture.start();
    w->show();
    QVERIFY(QTest::qWaitForWindowExposed(w));
    const QColor green(0x00, 0x80, 0x00);
    auto greenPanels = [&] {
        QStringList out;
        for (CommandPanel *p : w->commandPanels())
            if (p->colour() == green)
                out << p->objectName();
        return out;
    };

    QTest::mouseMove(w->Panel1, QPoint(5, 5));
    QTRY_COMPARE(greenPanels(), QStringList{"Panel1"});
    QVERIFY(programState().pointerOverPanel);
    QVERIFY(programState().panelHighlighted);

    QTest::mouseMove(w->Panel5, QPoint(5, 5));
    QTRY_COMPARE(greenPanels(), QStringList{"Panel5"});

    // Over a group box the panel stays green: only the window's own surface
    // clears it.
    QTest::mouseMove(w->GroupBox1, QPoint(470, 100));
    QCOMPARE(greenPanels(), QStringList{"Panel5"});

    QTest::mouseMove(w, QPoint(4, 545));
    QTRY_VERIFY(greenPanels().isEmpty());
    QVERIFY(!programState().pointerOverPanel);
    QVERIFY(!programState().panelHighlighted);
    for (CommandPanel *p : w->commandPanels())
        QCOMPARE(p->colour(), w->palette().color(QPalette::Button));
}

void TestMainWindow::hoverFocusesButtons()
{
    ProgramFixture fixture;
    Tfrmmain *w = fixture.start();
    w->show();
    QVERIFY(QTest::qWaitForWindowExposed(w));
    w->activateWindow();
    for (QPushButton *button : {w->Button13, w->Button10, w->Button12, w->Button1}) {
        QTest::mouseMove(button, QPoint(10, 10));
        QTRY_COMPARE(QApplication::focusWidget(), static_cast<QWidget *>(button));
    }
}

void TestMainWindow::printers_data()
{
    QTest::addColumn<QStringList>("printers");
    QTest::addColumn<bool>("warned");
    QTest::addColumn<bool>("printEnabled");
    QTest::addColumn<bool>("setupEnabled");
    QTest::newRow("none") << QStringList() << true << false << false;
    QTest::newRow("one") << QStringList{"Bureau"} << false << true << true;
    QTest::newRow("two") << QStringList{"Bureau", "Atelier"} << false << false << true;
}

void TestMainWindow::printers()
{
    QFETCH(QStringList, printers);
    QFETCH(bool, warned);
    QFETCH(bool, printEnabled);
    QFETCH(bool, setupEnabled);
    ProgramFixture fixture(printers);
    Tfrmmain *w = fixture.start();

    const auto shown = fixture.dialogs->messages();
    if (warned) {
        QCOMPARE(shown.size(), 1);
        QCOMPARE(shown[0].kind, MessageKind::Warning);
        QCOMPARE(shown[0].text, QStringLiteral("Aucune imprimante définie, vous ne pourrez pas "
                                               "lancer d'impression - Avertissement 10"));
        QCOMPARE(shown[0].buttons, MessageButtons(MessageButton::Ok));
        QCOMPARE(shown[0].helpContext, 9);
        QCOMPARE(programState().printerPresent, QStringLiteral("n"));
    } else {
        QVERIFY(shown.isEmpty());
        QCOMPARE(programState().printerPresent, QStringLiteral("o"));
        QCOMPARE(printerMetrics().scaleX, 600.0 / cardModel().screenResolution);
    }
    QCOMPARE(w->Impressioncouleurs1->isEnabled(), printEnabled);
    QCOMPARE(w->Impressionnoir_et_blanc1->isEnabled(), printEnabled);
    QCOMPARE(w->Imprimante1->isEnabled(), setupEnabled);

    // Confirming a printer in the set-up makes printing available.
    if (printers.size() > 1) {
        programState().printerChosen = 'o';
        refreshCommandStates();
        QVERIFY(w->Impressioncouleurs1->isEnabled());
        QVERIFY(w->Impressionnoir_et_blanc1->isEnabled());
    }
}

void TestMainWindow::languageSwitch_data()
{
    QTest::addColumn<QString>("item");
    QTest::addColumn<QString>("language");
    QTest::addColumn<QStringList>("width");
    QTest::addColumn<QStringList>("captions"); // name=text
    QStringList en;
    for (int i = 20; i >= 1; --i)
        en << QStringLiteral("width + %1").arg(i);
    en << QStringLiteral("width");
    for (int i = 1; i <= 20; ++i)
        en << QStringLiteral("width -%1").arg(i);
    QStringList de = en;
    de.replaceInStrings(QStringLiteral("width"), QStringLiteral("Breite"));
    QTest::newRow("anglais") << "anglais1"
                             << "en" << en
                             << QStringList{"Button1=See card",
                                            "GroupBox5=FRAME 1",
                                            "ComboBox1=width",
                                            "ComboBox17=margin",
                                            "ComboBox14=left",
                                            "Panel5=Mini-CV",
                                            "CheckBox1=" + lookupMessage("en", 1032),
                                            "Apropos1=About",
                                            "accscarte1=card access",
                                            "ComboBox20=" + lookupMessage("en", 1031)};
    QTest::newRow("allemand") << "allemand1"
                              << "de" << de
                              << QStringList{"Button1=Karte sehen",   "ComboBox1=Breite",
                                             "ComboBox11=Hoehe",      "ComboBox17=Rand",
                                             "Apropos1=Ueber Vokira", "accscarte1=Karte-Zugang"};
}

void TestMainWindow::languageSwitch()
{
    QFETCH(QString, item);
    QFETCH(QString, language);
    QFETCH(QStringList, width);
    QFETCH(QStringList, captions);
    ProgramFixture fixture;
    Tfrmmain *w = fixture.start();
    w->findChild<QAction *>(item)->trigger();
    QCOMPARE(programState().currentLanguage, language);

    QCOMPARE(items(w->ComboBox1), width);
    QCOMPARE(w->ComboBox1->currentText(), width[20]);
    for (const QString &row : captions) {
        const QString name = row.section(QLatin1Char('='), 0, 0);
        QCOMPARE(caption(w, name), row.section(QLatin1Char('='), 1));
    }

    // Every control the switch re-labels carries its catalogue text, and no
    // French form text is left on them.
    const std::pair<const char *, int> relabelled[] = {
        {"Button3", 1003},
        {"Label2", 1004},
        {"Button9", 1005},
        {"Button10", 1005},
        {"Button11", 1006},
        {"Button15", 1006},
        {"Button13", 1008},
        {"Button17", 1011},
        {"CheckBox4", 1035},
        {"GroupBox1", 1040},
        {"GroupBox2", 1041},
        {"GroupBox3", 1042},
        {"GroupBox4", 1043},
        {"GroupBox6", 1045},
        {"Label3", 1046},
        {"Panel1", 1047},
        {"Panel2", 1048},
        {"Panel3", 1049},
        {"Panel4", 1050},
        {"allemand1", 1053},
        {"anglais1", 1054},
        {"Assistance1", 1056},
        {"Associationdesfichiers1", 1057},
        {"audit1", 1058},
        {"Charger0", 1059},
        {"charger1", 1060},
        {"charger2", 1060},
        {"Charger3", 1060},
        {"Icone1", 1061},
        {"Motif1", 1062},
        {"Editer1", 1064},
        {"francais1", 1067},
        {"Impressioncouleurs1", 1069},
        {"Impressionnoir_et_blanc1", 1070},
        {"Imprimante1", 1071},
        {"Imprimer1", 1072},
        {"language1", 1073},
        {"options1", 1075},
        {"polices1", 1077},
        {"Pressepapier1", 1078},
        {"Quitter1", 1080},
        {"rpertoiredetravail1", 1081},
        {"Sauvegarder0", 1083},
        {"sauvegarder1", 1084},
        {"sauvegarder2", 1084},
        {"Sauvegarder3", 1084},
        {"testimp1", 1088},
        {"Texte11", 1089},
        {"texte21", 1090},
        {"typedefichier1", 1165},
        {"ansicoding1", 1166},
        {"utf8coding1", 1167},
        {"unicodecoding1", 1168},
    };
    for (const auto &[name, number] : relabelled)
        QCOMPARE(caption(w, QString::fromUtf8(name)), lookupMessage(language, number));
    // The combo boxes show their lists' selected entries.
    QCOMPARE(w->ComboBox5->currentText(), lookupMessage(language, 1017));
    QCOMPARE(w->ComboBox13->currentText(), lookupMessage(language, 1024));
    QCOMPARE(w->ComboBox12->currentText(), lookupMessage(language, 1023));
    QCOMPARE(w->ComboBox5->toolTip(), lookupMessage(language, 1169));
    QCOMPARE(w->CheckBox5->toolTip(), lookupMessage(language, 1036));
    // Kept in every language.
    QCOMPARE(w->windowTitle(), QStringLiteral("édition de cartes"));
    QCOMPARE(caption(w, QStringLiteral("MenuItem3")), QStringLiteral("Français"));

    // And back.
    w->francais1->trigger();
    QCOMPARE(caption(w, QStringLiteral("Button1")), QStringLiteral("Voir carte"));
    QCOMPARE(items(w->ComboBox1)[0], QStringLiteral("largeur + 20"));
}

void TestMainWindow::languageFromHelpMenu()
{
    ProgramFixture fixture;
    Tfrmmain *w = fixture.start();
    w->MenuItem5->trigger();
    QCOMPARE(programState().currentLanguage, QStringLiteral("de"));
    QCOMPARE(caption(w, QStringLiteral("Panel3")), lookupMessage("de", 1049));
    w->MenuItem4->trigger();
    QCOMPARE(caption(w, QStringLiteral("ComboBox2")), QStringLiteral("width"));
    w->MenuItem3->trigger();
    QCOMPARE(programState().currentLanguage, QStringLiteral("fr"));
}

void TestMainWindow::refreshCommandStatesFollowsTheFlags()
{
    ProgramFixture fixture;
    Tfrmmain *w = fixture.start();
    cardModel().hasContent = true;
    miniCvModel().editorReady = true;
    refreshCommandStates();
    QVERIFY(w->audit1->isEnabled());
    QVERIFY(w->Imprimer1->isEnabled());
    QVERIFY(w->Sauvegarder3->isEnabled());
    miniCvModel().editorReady = false;
    refreshCommandStates();
    QVERIFY(!w->Imprimer1->isEnabled());
}

void TestMainWindow::quitEndsTheModalRun()
{
    ProgramFixture fixture;
    Tfrmmain *w = fixture.start();
    TForm1 *preview = appWindows().Form1;
    previewState().okCount = 3;
    QTimer::singleShot(0, w, [w] {
        w->show();
        QTest::mouseClick(w->Panel1, Qt::LeftButton);
        w->Quitter1->trigger();
    });
    QCOMPARE(w->showModal(), 1);
    QCOMPARE(programState().quitRequested, 'o');
    QCOMPARE(previewState().okCount, quint16(0));
    QVERIFY(!w->isVisible());
    QVERIFY(!preview->isVisible());
}

void TestMainWindow::closeWithCardAccessOpenHides()
{
    ProgramFixture fixture;
    Tfrmmain *w = fixture.start();
    w->show();
    appWindows().Form1->show();
    programState().cardAccessCount = 1;
    w->close();
    QVERIFY(!w->isVisible());
    // The card stays open for editing.
    QVERIFY(appWindows().Form1->isVisible());

    programState().cardAccessCount = 0;
    w->show();
    w->close();
    QVERIFY(!appWindows().Form1->isVisible());
}

void TestMainWindow::showCardBesideTheMainWindow()
{
    ProgramFixture fixture;
    Tfrmmain *w = fixture.start();
    TForm1 *preview = appWindows().Form1;
    w->Button1->click();
    QVERIFY(preview->isVisible());
    QVERIFY(previewState().cardShown);
    QCOMPARE(w->Button1->text(), QStringLiteral("masquer"));
    QVERIFY(w->x() >= preview->x() + preview->width() + 5);
    w->Button1->click();
    QVERIFY(!preview->isVisible());
    QCOMPARE(w->Button1->text(), QStringLiteral("voir"));
}

void TestMainWindow::unhandledErrorIsReported()
{
    ProgramFixture fixture;
    fixture.start();
    Faulty faulty;
    QEvent event(QEvent::User);
    QCoreApplication::sendEvent(&faulty, &event);
    const auto shown = fixture.dialogs->messages();
    QCOMPARE(shown.size(), 2);
    QCOMPARE(shown[0].text, QStringLiteral("Vokira : une erreur non gérée s'est produite"));
    QCOMPARE(shown[0].kind, MessageKind::Plain);
    QCOMPARE(shown[1].kind, MessageKind::Error);
    QCOMPARE(shown[1].text, QStringLiteral("disque plein"));
    // The program goes on: the window still answers.
    QVERIFY(appWindows().frmmain->Charger0->isEnabled());
}

void TestMainWindow::everyMenuItemIsWired()
{
    // Triggering each command of the menus must not fail, whatever step of
    // the program it belongs to.
    ProgramFixture fixture;
    Tfrmmain *w = fixture.start();
    const QStringList skip{"Quitter1"};
    for (QMenu *menu : {w->PopupMenu1, w->PopupMenu2, w->PopupMenu3, w->PopupMenu4, w->PopupMenu5})
        for (QAction *action : menu->findChildren<QAction *>())
            if (!action->menu() && !skip.contains(action->objectName()) && action->isEnabled())
                action->trigger();
    QVERIFY(w->PopupMenu1->isEnabled());
}

int main(int argc, char **argv)
{
    Application app(argc, argv);
    TestMainWindow test;
    return QTest::qExec(&test, argc, argv);
}

#include "tst_mainwindow.moc"
