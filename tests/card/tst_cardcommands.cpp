#include "../app/TestSupport.h"

#include "card/CardFileCommands.h"
#include "catalogue/MessageCatalogue.h"
#include "output/TForm1.h"
#include "platform/Application.h"
#include "platform/RichEdit.h"

#include <QAction>
#include <QCheckBox>
#include <QSettings>
#include <QTemporaryDir>
#include <QtTest>

// Saving and loading a card through the main window's menu, as a user does.
class TestCardCommands : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void saveThenStartWithTheFile();
    void savingOverAnExistingCard_data();
    void savingOverAnExistingCard();
    void loadFromTheMenu();
    void missingCompanionIsReported();
    void damagedFileAsksOkOrAbort();
    void shortNameIsRefused();
    void savingWhileCardAccessIsOpen();

private:
    QTemporaryDir dir;
    QString path(const QString &name) const { return dir.filePath(name); }
    void makeCard(Tfrmmain *w);
};

void TestCardCommands::init()
{
    QVERIFY(dir.isValid());
}

void TestCardCommands::makeCard(Tfrmmain *)
{
    CardModel &card = cardModel();
    card.setCardSize(207, 321);
    card.setFrameGeometry(0, QRect(20, 30, 160, 60));
    card.setFrameColor(1, 0x00CCFF);
    TForm1 *preview = appWindows().Form1;
    preview->RichEdit1->setPlainText(QStringLiteral("Anne Lefèvre\nrelieuse"));
    preview->RichEdit2->setPlainText(QStringLiteral("12 rue des Lilas\n75011 Paris"));
}

void TestCardCommands::saveThenStartWithTheFile()
{
    const QString file = path(QStringLiteral("carte.vk1"));
    {
        ProgramFixture fixture;
        Tfrmmain *w = fixture.start();
        makeCard(w);
        fixture.dialogs->answers << file;
        w->Sauvegarder0->trigger();
        QVERIFY(QFileInfo::exists(file));
        QVERIFY(QFileInfo::exists(path(QStringLiteral("element/C1carte.rtf"))));
        QVERIFY(QFileInfo::exists(path(QStringLiteral("element/C2carte.rtf"))));
        QCOMPARE(cardModel().parameterFile, file);
        QVERIFY(fixture.dialogs->messages().isEmpty());
    }
    // A new start with the file on the command line shows the same card.
    ProgramFixture fixture;
    prepareMainWindow(file);
    const CardModel &card = cardModel();
    QCOMPARE(QSize(card.width, card.height), QSize(207, 321));
    QCOMPARE(card.frames[0].rect(), QRect(20, 30, 160, 60));
    QCOMPARE(card.frames[1].backgroundColor, Colour(0x00CCFF));
    TForm1 *preview = appWindows().Form1;
    QCOMPARE(preview->size(), QSize(207, 321));
    QCOMPARE(preview->RichEdit1->lines(), (QStringList{"Anne Lefèvre", "relieuse"}));
    QCOMPARE(preview->RichEdit2->lines(), (QStringList{"12 rue des Lilas", "75011 Paris"}));
    QVERIFY(!preview->RichEdit1->isModified());
    QVERIFY(card.hasContent);
    QVERIFY(appWindows().frmmain->audit1->isEnabled());
    QCOMPARE(appWindows().frmmain->windowTitle(), path(QStringLiteral("carte")));
    QVERIFY(fixture.dialogs->messages().isEmpty());
}

void TestCardCommands::savingOverAnExistingCard_data()
{
    QTest::addColumn<int>("answer");
    QTest::addColumn<QString>("written");
    QTest::addColumn<QString>("companion");
    QTest::newRow("Yes replaces") << int(MessageButton::Yes) << "carte.vk1"
                                  << "C1carte.rtf";
    QTest::newRow("No numbers") << int(MessageButton::No) << "carte1.vk1"
                                << "C1carte1.rtf";
}

void TestCardCommands::savingOverAnExistingCard()
{
    QFETCH(int, answer);
    QFETCH(QString, written);
    QFETCH(QString, companion);
    QTemporaryDir here;
    const QString file = here.filePath(QStringLiteral("carte.vk1"));
    ProgramFixture fixture;
    Tfrmmain *w = fixture.start();
    fixture.dialogs->answers << file;
    w->Sauvegarder0->trigger();
    makeCard(w);
    fixture.dialogs->answers << file << QVariant::fromValue(MessageButton(answer));
    w->Sauvegarder0->trigger();
    const auto shown = fixture.dialogs->messages();
    QCOMPARE(shown.size(), 1);
    QCOMPARE(shown[0].text, lookupMessage("fr", 1143));
    QCOMPARE(shown[0].kind, MessageKind::Warning);
    QCOMPARE(shown[0].buttons, MessageButton::Yes | MessageButton::No | MessageButton::Cancel);
    QFile saved(here.filePath(written));
    QVERIFY(saved.open(QIODevice::ReadOnly));
    QVERIFY(saved.readAll().contains("15 - largeur carte :207"));
    QVERIFY(QFileInfo::exists(here.filePath(QStringLiteral("element/") + companion)));
    if (answer == int(MessageButton::Yes))
        QVERIFY(!QFileInfo::exists(here.filePath(QStringLiteral("carte1.vk1"))));
}

void TestCardCommands::loadFromTheMenu()
{
    QTemporaryDir here;
    const QString file = here.filePath(QStringLiteral("CARTE.VK1"));
    {
        ProgramFixture fixture;
        Tfrmmain *w = fixture.start();
        makeCard(w);
        cardModel().setFrameTransparent(0, false);
        fixture.dialogs->answers << file;
        w->Sauvegarder0->trigger();
    }
    ProgramFixture fixture;
    Tfrmmain *w = fixture.start();
    fixture.dialogs->answers << file;
    w->Charger0->trigger();
    QCOMPARE(cardModel().width, 207);
    QCOMPARE(cardModel().parameterFile, file);
    QCOMPARE(w->windowTitle(), here.filePath(QStringLiteral("CARTE")));
    QCOMPARE(appWindows().Form1->RichEdit1->lines().first(), QStringLiteral("Anne Lefèvre"));
    // Cancelling the dialog changes nothing.
    cardModel().setCardSize(1, 1);
    w->Charger0->trigger();
    QCOMPARE(cardModel().width, 1);
}

void TestCardCommands::missingCompanionIsReported()
{
    QTemporaryDir here;
    const QString file = here.filePath(QStringLiteral("carte.vk1"));
    {
        ProgramFixture fixture;
        Tfrmmain *w = fixture.start();
        makeCard(w);
        fixture.dialogs->answers << file;
        w->Sauvegarder0->trigger();
    }
    QFile::remove(here.filePath(QStringLiteral("element/C2carte.rtf")));
    ProgramFixture fixture;
    prepareMainWindow(file);
    const auto shown = fixture.dialogs->messages();
    QCOMPARE(shown.size(), 1);
    QCOMPARE(shown[0].kind, MessageKind::Error);
    QCOMPARE(shown[0].text, QStringLiteral("Fichier non trouvé : ") +
                                here.filePath(QStringLiteral("element/C2carte.rtf")));
    // The rest of the card is there.
    QCOMPARE(cardModel().width, 207);
    QCOMPARE(appWindows().Form1->RichEdit1->lines().size(), 2);
}

void TestCardCommands::damagedFileAsksOkOrAbort()
{
    QTemporaryDir here;
    const QString file = here.filePath(QStringLiteral("abime.vk1"));
    QFile f(file);
    QVERIFY(f.open(QIODevice::WriteOnly));
    f.write("**\r\n1 - texte 1 : \r\n2 - texte 2 : \r\n3 - orientation portrait\r\n");
    f.close();
    ProgramFixture fixture;
    Tfrmmain *w = fixture.start();
    fixture.dialogs->answers << file << QVariant::fromValue(MessageButton::Abort);
    w->Charger0->trigger();
    const auto shown = fixture.dialogs->messages();
    QCOMPARE(shown.size(), 1);
    QCOMPARE(shown[0].kind, MessageKind::Information);
    QCOMPARE(shown[0].text, lookupMessage("fr", 174));
    QCOMPARE(shown[0].buttons, MessageButton::Ok | MessageButton::Abort);
    // Nothing was applied.
    QCOMPARE(cardModel().width, 190);
    QVERIFY(!cardModel().hasContent);
}

void TestCardCommands::shortNameIsRefused()
{
    ProgramFixture fixture;
    fixture.start();
    QVERIFY(!readCardParameterFile(QStringLiteral(".vk1")));
    const auto shown = fixture.dialogs->messages();
    QCOMPARE(shown.size(), 1);
    QCOMPARE(shown[0].text, QStringLiteral("Fichier de nom incorrect ou non défini"));
    QCOMPARE(shown[0].kind, MessageKind::Error);
}

void TestCardCommands::savingWhileCardAccessIsOpen()
{
    ProgramFixture fixture;
    Tfrmmain *w = fixture.start();
    w->accscarte1->trigger();
    w->Sauvegarder0->trigger();
    const auto shown = fixture.dialogs->messages();
    QCOMPARE(shown.size(), 1);
    QCOMPARE(shown[0].text, QStringLiteral("Veuillez fermer l'accès à la carte SVP"));
    QCOMPARE(shown[0].kind, MessageKind::Confirmation);
    // No save dialog was opened.
    QCOMPARE(fixture.dialogs->calls.size(), 1);
}

int main(int argc, char **argv)
{
    Application app(argc, argv);
    TestCardCommands test;
    return QTest::qExec(&test, argc, argv);
}

#include "tst_cardcommands.moc"
