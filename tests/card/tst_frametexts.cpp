#include "../app/TestSupport.h"
#include "../platform/RtfTestSupport.h"

#include "card/FrameTexts.h"
#include "card/TargetName.h"
#include "catalogue/MessageCatalogue.h"
#include "output/TForm1.h"
#include "platform/RichEdit.h"
#include "platform/RichTextFiles.h"

#include <QAction>
#include <QDir>
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

QString writeFile(const QString &path, const QByteArray &bytes)
{
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly) || file.write(bytes) != bytes.size())
        qFatal("cannot write %s", qPrintable(path));
    return path;
}

QByteArray readFile(const QString &path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("<absent>");
}

QVariant answer(MessageButton button)
{
    return QVariant::fromValue(button);
}

// The messages a user saw, as "kind: text [buttons] help".
QStringList shown(const ScriptedDialogs &dialogs)
{
    QStringList out;
    for (const ScriptedDialogs::Call &call : dialogs.messages()) {
        QStringList buttons;
        for (const MessageButton b : {MessageButton::Ok, MessageButton::Cancel, MessageButton::Yes,
                                      MessageButton::No, MessageButton::Abort})
            if (call.buttons.testFlag(b))
                buttons << messageButtonName(b);
        out << QStringLiteral("%1: %2 [%3] %4")
                   .arg(messageKindName(call.kind), call.text, buttons.join(QLatin1Char('|')))
                   .arg(call.helpContext);
    }
    return out;
}

int fileDialogs(const ScriptedDialogs &dialogs, const QString &kind)
{
    int n = 0;
    for (const ScriptedDialogs::Call &call : dialogs.calls)
        n += call.dialog == kind;
    return n;
}

const QString kMessage1137 =
    QStringLiteral("confirmation: fichier non valide, voulez-vous recommencer ? [Yes|No] 9");
const QString kMessage1143 = QStringLiteral(
    "warning: Ce fichier existe déjà voulez-vous le modifier (oui : l'ancien fichier sera écrasé "
    "; non : le nouveau fichier aura un nom dérivé du fichier existant avec un indice 1,2,3 ...) "
    "? [Yes|No] 9");
const QString kMessage1144 =
    QStringLiteral("warning: L'extension de fichier n'est pas \"txt\" , l'extension standard "
                   "permettant de reconnaitre les fichiers texte , voulez-vous conserver ce nom "
                   "de fichier ? [Yes|No] 9");
const QString kMessage170 = QStringLiteral("message: Si le texte affiché est défectueux en ce qui "
                                           "concerne les caractères accentués, veuillez "
                                           "sélectionner un autre type de fichier [OK] 0");

// The main window and the preview with its two frames, in a program of its
// own, and a folder for the files.
struct Fixture : ProgramFixture
{
    Tfrmmain *window = nullptr;
    QTemporaryDir dir;

    Fixture()
    {
        frameTextState() = FrameTextState();
        window = start();
        dialogs->calls.clear();
    }

    QString path(const QString &name) const { return dir.filePath(name); }
    QTextDocument *frame(int n) const { return appWindows().Form1->frameEditor(n - 1)->document(); }
    void script(const QVariantList &answers) { dialogs->answers = answers; }
};

} // namespace

class TestFrameTexts : public QObject
{
    Q_OBJECT

private slots:
    void fileTypeMenu();
    void loadPlainText_data();
    void loadPlainText();
    void accentNoticeOncePerRunInFrench();
    void loadRichTextIntoFrameTwo();
    void loadAsksAgainForAMissingFile();
    void loadAsks1137ForInvalidFiles_data();
    void loadAsks1137ForInvalidFiles();
    void loadCancelled();
    void saveNewFile();
    void saveNumberedNames();
    void saveReplacingTheExistingFile();
    void saveAsks1144ForAnotherExtension();
    void saveAsRtfWritesRichText();
    void saveReplaceFailureNamesBothFiles();
    void saveWriteFailure();
    void numberedNames_data();
    void numberedNames();
    void targetNameForCardFiles();
    void loadRichTextTargets();
    void saveRichTextTargets();
};

void TestFrameTexts::fileTypeMenu()
{
    Fixture f;
    QVERIFY(f.window->ansicoding1->isChecked());
    QCOMPARE(frameTextState().encoding, TextFileEncoding::Ansi);
    const QList<std::pair<QAction *, TextFileEncoding>> items = {
        {f.window->utf8coding1, TextFileEncoding::Utf8},
        {f.window->unicodecoding1, TextFileEncoding::Unicode},
        {f.window->ansicoding1, TextFileEncoding::Ansi},
    };
    for (const auto &[item, encoding] : items) {
        item->trigger();
        QVERIFY(item->isChecked());
        QCOMPARE(frameTextState().encoding, encoding);
    }
    QVERIFY(!f.window->utf8coding1->isChecked());
}

void TestFrameTexts::loadPlainText_data()
{
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<QString>("menuItem");
    QTest::addColumn<QString>("lines");

    const QByteArray marked = "\xEF\xBB\xBF" + QStringLiteral("été\r\n50 €").toUtf8();
    QTest::newRow("Windows-1252 under ansi")
        << QByteArray("caf\xE9\r\n50 \x80\r\n") << "ansicoding1"
        << "café|50 €";
    QTest::newRow("Windows-1252 under utf8")
        << QByteArray("caf\xE9") << "utf8coding1" << QString::fromUtf8("caf\uFFFD");
    QTest::newRow("UTF-8 with mark under utf8") << marked << "utf8coding1"
                                                << "été|50 €";
    QTest::newRow("UTF-8 with mark under unicode")
        << marked << "unicodecoding1" << QChar(0xFEFF) + QStringLiteral("été|50 €");
    QTest::newRow("empty lines kept") << QByteArray("a\n\nb\n") << "ansicoding1"
                                      << "a||b";
}

void TestFrameTexts::loadPlainText()
{
    QFETCH(QByteArray, bytes);
    QFETCH(QString, menuItem);
    Fixture f;
    f.window->findChild<QAction *>(menuItem)->trigger();
    const QString file = writeFile(f.path(QStringLiteral("notes.txt")), bytes);
    f.frame(1)->setModified(true);
    f.script({file});
    f.window->charger1->trigger();

    QTEST(plainLines(*f.frame(1)), "lines");
    QVERIFY(!f.frame(1)->isModified());
    QCOMPARE(plainLines(*f.frame(2)), QString());
    QCOMPARE(cardModel().frames[0].textFile, file);
    QVERIFY(cardModel().hasContent);
    QVERIFY(f.window->audit1->isEnabled());
    QCOMPARE(shown(*f.dialogs), QStringList{kMessage170});
}

void TestFrameTexts::accentNoticeOncePerRunInFrench()
{
    Fixture f;
    f.window->anglais1Click();
    const QString text = writeFile(f.path(QStringLiteral("a.TXT")), "a");
    const QString other = writeFile(f.path(QStringLiteral("b.txt")), "b");
    f.script({text, answer(MessageButton::Ok), other});
    f.window->charger1->trigger();
    f.window->charger2->trigger();
    QCOMPARE(shown(*f.dialogs), QStringList{kMessage170});
    QCOMPARE(plainLines(*f.frame(2)), QStringLiteral("b"));
}

void TestFrameTexts::loadRichTextIntoFrameTwo()
{
    Fixture f;
    f.script({dataPath(QStringLiteral("lo-card.rtf"))});
    f.window->charger2->trigger();
    QCOMPARE(describe(*f.frame(2)).first(),
             QStringLiteral("C: [Liberation Serif,20,b,#c00000]Jean Dupont"));
    QCOMPARE(f.frame(2)->blockCount(), 6);
    QCOMPARE(appWindows().Form1->RichEdit2->textCursor().position(), 0);
    QCOMPARE(cardModel().frames[1].textFile, dataPath(QStringLiteral("lo-card.rtf")));
    QCOMPARE(shown(*f.dialogs), QStringList()); // no accent notice for rich text
}

void TestFrameTexts::loadAsksAgainForAMissingFile()
{
    Fixture f;
    storeSetting(WorkingDirectory::Texts, f.dir.path());
    const QString good = writeFile(f.path(QStringLiteral("bon.rtf")), "{\\rtf1 bon}");
    f.script({f.path(QStringLiteral("absent.rtf")), f.dir.path(), good});
    f.window->charger1->trigger();
    QCOMPARE(fileDialogs(*f.dialogs, QStringLiteral("openFile")), 3);
    QCOMPARE(f.dialogs->calls.first().text, f.dir.path());
    QCOMPARE(plainLines(*f.frame(1)), QStringLiteral("bon"));
    QCOMPARE(shown(*f.dialogs), QStringList());
    // Loading leaves the texts folder alone.
    QCOMPARE(readSetting(WorkingDirectory::Texts), f.dir.path());
}

void TestFrameTexts::loadAsks1137ForInvalidFiles_data()
{
    QTest::addColumn<QString>("file");
    QTest::addColumn<QByteArray>("bytes"); // written under that name when not empty

    QTest::newRow("binary .doc") << dataPath(QStringLiteral("lo-card-binary.doc")) << QByteArray();
    QTest::newRow(".rtf that is not RTF") << "faux.rtf" << QByteArray("pas du RTF");
    QTest::newRow("text with NUL bytes") << "nul.txt" << QByteArray("a\0b\0\0\0c", 7);
}

void TestFrameTexts::loadAsks1137ForInvalidFiles()
{
    QFETCH(QString, file);
    QFETCH(QByteArray, bytes);
    Fixture f;
    if (!bytes.isEmpty())
        file = writeFile(f.path(file), bytes);
    const QString good = writeFile(f.path(QStringLiteral("bon.rtf")), "{\\rtf1 bon}");
    f.frame(1)->setPlainText(QStringLiteral("avant"));

    // No: the command ends and the frame keeps its text.
    f.script({file, answer(MessageButton::No)});
    f.window->charger1->trigger();
    QCOMPARE(shown(*f.dialogs), QStringList{kMessage1137});
    QCOMPARE(plainLines(*f.frame(1)), QStringLiteral("avant"));

    // Yes: the dialog again.
    f.dialogs->calls.clear();
    f.script({file, answer(MessageButton::Yes), good});
    f.window->charger1->trigger();
    QCOMPARE(shown(*f.dialogs), QStringList{kMessage1137});
    QCOMPARE(plainLines(*f.frame(1)), QStringLiteral("bon"));
}

void TestFrameTexts::loadCancelled()
{
    Fixture f;
    f.frame(1)->setPlainText(QStringLiteral("avant"));
    f.window->charger1->trigger();
    QCOMPARE(plainLines(*f.frame(1)), QStringLiteral("avant"));
    QVERIFY(!cardModel().hasContent);
    QCOMPARE(cardModel().frames[0].textFile, QString());
    f.window->sauvegarder1->trigger();
    QCOMPARE(shown(*f.dialogs), QStringList());
    QCOMPARE(QDir(f.dir.path()).entryList(QDir::Files), QStringList());
}

void TestFrameTexts::saveNewFile()
{
    Fixture f;
    storeSetting(WorkingDirectory::Texts, QDir::homePath());
    f.frame(1)->setPlainText(QStringLiteral("Jean Dupont\nTél. 01\n"));
    f.frame(1)->setModified(true);
    const QString file = f.path(QStringLiteral("notes.txt"));
    f.script({file});
    f.window->sauvegarder1->trigger();

    QCOMPARE(f.dialogs->calls.first().dialog, QStringLiteral("saveFile"));
    QCOMPARE(f.dialogs->calls.first().text, QDir::homePath());
    QCOMPARE(shown(*f.dialogs), QStringList());
    QCOMPARE(readFile(file), QStringLiteral("Jean Dupont\r\nTél. 01\r\n\r\n").toUtf8());
    QCOMPARE(readSetting(WorkingDirectory::Texts), f.dir.path() + QLatin1Char('/'));
    // The card's own copy of the text is not saved by this.
    QVERIFY(f.frame(1)->isModified());
    QCOMPARE(cardModel().frames[0].textFile, QString());
}

void TestFrameTexts::saveNumberedNames()
{
    Fixture f;
    const QString notes = writeFile(f.path(QStringLiteral("notes.txt")), "ancien");
    f.frame(2)->setPlainText(QStringLiteral("un"));
    f.script({notes, answer(MessageButton::No)});
    f.window->sauvegarder2->trigger();
    QCOMPARE(shown(*f.dialogs), QStringList{kMessage1143});
    QCOMPARE(readFile(notes), QByteArray("ancien"));
    QCOMPARE(readFile(f.path(QStringLiteral("notes1.txt"))), QByteArray("un\r\n"));

    f.frame(2)->setPlainText(QStringLiteral("deux"));
    f.script({notes, answer(MessageButton::No)});
    f.window->sauvegarder2->trigger();
    QCOMPARE(readFile(f.path(QStringLiteral("notes2.txt"))), QByteArray("deux\r\n"));
    QCOMPARE(readFile(f.path(QStringLiteral("notes1.txt"))), QByteArray("un\r\n"));

    // Closing the question without an answer keeps the old file too.
    f.script({notes});
    f.window->sauvegarder2->trigger();
    QCOMPARE(readFile(f.path(QStringLiteral("notes3.txt"))), QByteArray("deux\r\n"));
    QCOMPARE(readFile(notes), QByteArray("ancien"));
}

void TestFrameTexts::saveReplacingTheExistingFile()
{
    Fixture f;
    const QString notes = writeFile(f.path(QStringLiteral("notes.txt")), "ancien");
    f.frame(1)->setPlainText(QStringLiteral("nouveau"));
    f.script({notes, answer(MessageButton::Yes)});
    f.window->sauvegarder1->trigger();
    QCOMPARE(shown(*f.dialogs), QStringList{kMessage1143});
    QCOMPARE(readFile(notes), QByteArray("nouveau\r\n"));
    QCOMPARE(QDir(f.dir.path()).entryList(QDir::Files), QStringList{"notes.txt"});
}

void TestFrameTexts::saveAsks1144ForAnotherExtension()
{
    Fixture f;
    f.frame(1)->setPlainText(QStringLiteral("texte"));
    const QString file = f.path(QStringLiteral("notes.text"));
    f.script({file, answer(MessageButton::No)});
    f.window->sauvegarder1->trigger();
    QCOMPARE(shown(*f.dialogs), QStringList{kMessage1144});
    QVERIFY(!QFile::exists(file));

    f.dialogs->calls.clear();
    f.script({file, answer(MessageButton::Yes)});
    f.window->sauvegarder1->trigger();
    QCOMPARE(shown(*f.dialogs), QStringList{kMessage1144});
    QCOMPARE(readFile(file), QByteArray("texte\r\n"));

    // An existing file is asked about as such, whatever its extension.
    f.dialogs->calls.clear();
    f.script({file, answer(MessageButton::No)});
    f.window->sauvegarder1->trigger();
    QCOMPARE(shown(*f.dialogs), QStringList{kMessage1143});
    QVERIFY(QFile::exists(f.path(QStringLiteral("notes1.text"))));
}

void TestFrameTexts::saveAsRtfWritesRichText()
{
    Fixture f;
    QTextDocument *frame = f.frame(1);
    QTextCursor cursor(frame);
    QTextCharFormat bold;
    bold.setFontFamilies({QStringLiteral("Liberation Sans")});
    bold.setFontPointSize(14);
    bold.setFontWeight(QFont::Bold);
    QTextBlockFormat centred;
    centred.setAlignment(Qt::AlignHCenter);
    cursor.setBlockFormat(centred);
    cursor.insertText(QStringLiteral("Café €"), bold);

    const QString file = f.path(QStringLiteral("cadre.rtf"));
    f.script({file, answer(MessageButton::Yes)});
    f.window->sauvegarder1->trigger();
    QCOMPARE(shown(*f.dialogs), QStringList{kMessage1144});
    QVERIFY(readFile(file).startsWith("{\\rtf1\\utf8\\deff0"));

    f.script({file});
    f.window->charger2->trigger();
    QCOMPARE(describe(*f.frame(2)), describe(*frame));
    QCOMPARE(describe(*f.frame(2)), QStringList{QStringLiteral("C: [Liberation Sans,14,b]Café €")});
}

void TestFrameTexts::saveReplaceFailureNamesBothFiles()
{
    Fixture f;
    // A folder under the chosen name cannot be replaced by a file.
    const QString blocked = f.path(QStringLiteral("notes.txt"));
    QVERIFY(QDir(f.dir.path()).mkpath(QStringLiteral("notes.txt/inside")));
    f.frame(1)->setPlainText(QStringLiteral("nouveau"));
    f.script({blocked, answer(MessageButton::Yes)});
    f.window->sauvegarder1->trigger();
    const QString numbered = f.path(QStringLiteral("notes1.txt"));
    QCOMPARE(shown(*f.dialogs),
             QStringList({kMessage1143, QStringLiteral("message: Un fichier déjà présent du nom ") +
                                            blocked +
                                            QStringLiteral("n'a pu être remplacé. Le nouveau "
                                                           "fichier créé a été nommé :") +
                                            numbered + QStringLiteral(" [OK] 0")}));
    QCOMPARE(readFile(numbered), QByteArray("nouveau\r\n"));
}

void TestFrameTexts::saveWriteFailure()
{
    Fixture f;
    const QString file = f.path(QStringLiteral("absent/notes.txt"));
    f.script({file});
    f.window->sauvegarder1->trigger();
    const QStringList messages = shown(*f.dialogs);
    QCOMPARE(messages.size(), 2);
    QCOMPARE(messages.first(),
             QStringLiteral("message: Vokira : une erreur non gérée s'est produite [OK] 0"));
    QVERIFY(messages.last().startsWith(QStringLiteral("error: ") + file));
    QVERIFY(!QFile::exists(file));
}

void TestFrameTexts::numberedNames_data()
{
    QTest::addColumn<QString>("chosen");
    QTest::addColumn<QStringList>("existing");
    QTest::addColumn<bool>("continueNumber");
    QTest::addColumn<QString>("numbered");

    QTest::newRow("first number") << "notes.txt" << QStringList{"notes.txt"} << false
                                  << "notes1.txt";
    QTest::newRow("next free number")
        << "notes.txt" << QStringList{"notes.txt", "notes1.txt"} << false << "notes2.txt";
    QTest::newRow("frame texts append")
        << "notes5.txt" << QStringList{"notes5.txt"} << false << "notes51.txt";
    QTest::newRow("card files go on")
        << "carte5.vk1" << QStringList{"carte5.vk1"} << true << "carte6.vk1";
    QTest::newRow("two digits at most")
        << "carte2024.vk1" << QStringList{"carte2024.vk1", "carte2025.vk1"} << true
        << "carte2026.vk1";
    QTest::newRow("past 99") << "carte99.vk1" << QStringList{"carte99.vk1"} << true
                             << "carte100.vk1";
    QTest::newRow("no extension") << "notes" << QStringList{"notes"} << false << "notes1";
    QTest::newRow("only the name's own dot")
        << "dossier.d/notes" << QStringList{"dossier.d/notes"} << true << "dossier.d/notes1";
}

void TestFrameTexts::numberedNames()
{
    QFETCH(QString, chosen);
    QFETCH(QStringList, existing);
    QFETCH(bool, continueNumber);
    QTemporaryDir dir;
    QDir(dir.path()).mkdir(QStringLiteral("dossier.d"));
    for (const QString &name : existing)
        writeFile(dir.filePath(name), "x");
    QTEST(numberedName(dir.filePath(chosen), continueNumber).mid(dir.path().size() + 1),
          "numbered");
}

void TestFrameTexts::targetNameForCardFiles()
{
    Fixture f;
    const QString carte = writeFile(f.path(QStringLiteral("carte.vk1")), "x");
    TargetNameRequest request;
    request.chosen = carte;
    request.defaultSuffix = QStringLiteral("vk1");
    request.extensionText = QStringLiteral(".vk1");
    request.kindWord = QStringLiteral("vokira");

    f.script({answer(MessageButton::Cancel)});
    QVERIFY(!chooseTargetName(request).proceed);
    QCOMPARE(shown(*f.dialogs).first(),
             QString(kMessage1143)
                 .replace(QStringLiteral("[Yes|No]"), QStringLiteral("[Cancel|Yes|No]")));

    f.script({answer(MessageButton::No)});
    TargetName target = chooseTargetName(request);
    QVERIFY(target.proceed);
    QCOMPARE(target.path, f.path(QStringLiteral("carte1.vk1")));
    QCOMPARE(target.existing, QString());
    QCOMPARE(target.baseName, QStringLiteral("carte1"));
    QCOMPARE(target.folder, f.dir.path() + QLatin1Char('/'));

    f.script({answer(MessageButton::Yes)});
    target = chooseTargetName(request);
    QCOMPARE(target.path, f.path(QStringLiteral("carte1.vk1")));
    QCOMPARE(target.existing, carte);
    QCOMPARE(target.baseName, QStringLiteral("carte"));
    writeFile(target.path, "nouveau");
    QCOMPARE(replaceExistingFile(target), carte);
    QCOMPARE(readFile(carte), QByteArray("nouveau"));
    QVERIFY(!QFile::exists(target.path));

    request.chosen = f.path(QStringLiteral("nouvelle.vk1"));
    target = chooseTargetName(request);
    QVERIFY(target.proceed);
    QCOMPARE(target.path, request.chosen);
    QCOMPARE(target.baseName, QStringLiteral("nouvelle"));
    QCOMPARE(replaceExistingFile(target), request.chosen);
}

void TestFrameTexts::loadRichTextTargets()
{
    Fixture f;
    const QString rtf = writeFile(f.path(QStringLiteral("C2carte.rtf")), "{\\rtf1 deux}");
    QVERIFY(LoadRichText(12, rtf));
    QCOMPARE(plainLines(*f.frame(2)), QStringLiteral("deux"));
    QVERIFY(!LoadRichText(3, rtf)); // no mini-CV editor yet
    QCOMPARE(shown(*f.dialogs), QStringList());

    const QString missing = f.path(QStringLiteral("C1absent.rtf"));
    QVERIFY(!LoadRichText(11, missing));
    QCOMPARE(shown(*f.dialogs), QStringList{QStringLiteral("error: Fichier non trouvé : ") +
                                            missing + QStringLiteral(" [OK] 9")});

    f.dialogs->calls.clear();
    const QString binary = writeFile(f.path(QStringLiteral("C1carte.txt")), QByteArray("\0\0", 2));
    QVERIFY(!LoadRichText(11, binary));
    QCOMPARE(shown(*f.dialogs),
             QStringList{QStringLiteral("message: erreur d'ouverture du flux de lecture [OK] 0")});

    f.dialogs->calls.clear();
    const QString notRtf = writeFile(f.path(QStringLiteral("C1carte.rtf")), "texte");
    QVERIFY(!LoadRichText(11, notRtf));
    QCOMPARE(shown(*f.dialogs).first(),
             QStringLiteral("message: Vokira : une erreur non gérée s'est produite [OK] 0"));
    QCOMPARE(plainLines(*f.frame(2)), QStringLiteral("deux"));
}

void TestFrameTexts::saveRichTextTargets()
{
    Fixture f;
    f.frame(1)->setPlainText(QStringLiteral("un"));
    f.frame(1)->setModified(true);
    const QString file = f.path(QStringLiteral("C1carte.rtf"));
    QVERIFY(SaveRichText(11, file, true));
    QVERIFY(!f.frame(1)->isModified());
    QVERIFY(readFile(file).startsWith("{\\rtf1\\utf8\\deff0"));
    QCOMPARE(shown(*f.dialogs), QStringList());

    f.frame(2)->setModified(true);
    QVERIFY(!SaveRichText(12, f.path(QStringLiteral("absent/C2carte.rtf"))));
    QVERIFY(f.frame(2)->isModified());
    QCOMPARE(shown(*f.dialogs), QStringList());
}

QTEST_MAIN(TestFrameTexts)
#include "tst_frametexts.moc"
