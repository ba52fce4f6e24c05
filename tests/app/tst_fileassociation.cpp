#include "TestSupport.h"

#include "app/FileAssociation.h"
#include "catalogue/MessageCatalogue.h"
#include "platform/Application.h"

#include <QAction>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QProcess>
#include <QSettings>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QtTest>

namespace {

QString readText(const QString &path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return QStringLiteral("<cannot read %1>").arg(path);
    return QString::fromUtf8(file.readAll());
}

bool writeText(const QString &path, const QByteArray &text)
{
    QFile file(path);
    return file.open(QIODevice::WriteOnly) && file.write(text) == text.size();
}

// The value of a key in a desktop entry file, as written.
QString entryValue(const QString &text, const QString &key)
{
    for (const QString &line : text.split(QLatin1Char('\n')))
        if (line.startsWith(key + QLatin1Char('=')))
            return line.mid(key.size() + 1);
    return QString();
}

// Reads an Exec value the way a desktop's launcher does: the string escapes
// first, then the quoting, then the field codes, with %f given the file.
QStringList launcherArguments(const QString &exec, const QString &file)
{
    QString value;
    for (qsizetype i = 0; i < exec.size(); ++i) {
        if (exec.at(i) == QLatin1Char('\\') && i + 1 < exec.size()) {
            const QChar next = exec.at(++i);
            value += next == QLatin1Char('s')   ? QChar(' ')
                     : next == QLatin1Char('n') ? QChar('\n')
                     : next == QLatin1Char('t') ? QChar('\t')
                     : next == QLatin1Char('r') ? QChar('\r')
                                                : next;
        } else {
            value += exec.at(i);
        }
    }
    QStringList arguments;
    QString current;
    bool inQuotes = false;
    bool started = false;
    for (qsizetype i = 0; i < value.size(); ++i) {
        const QChar c = value.at(i);
        if (inQuotes) {
            if (c == QLatin1Char('\\') && i + 1 < value.size())
                current += value.at(++i);
            else if (c == QLatin1Char('"'))
                inQuotes = false;
            else if (c == QLatin1Char('%') && i + 1 < value.size() &&
                     value.at(i + 1) == QLatin1Char('%'))
                current += value.at(++i);
            else
                current += c;
        } else if (c == QLatin1Char('"')) {
            inQuotes = started = true;
        } else if (c == QLatin1Char(' ')) {
            if (started)
                arguments << current;
            current.clear();
            started = false;
        } else if (c == QLatin1Char('%') && i + 1 < value.size()) {
            const QChar code = value.at(++i);
            if (code == QLatin1Char('f')) {
                current += file;
            } else if (code == QLatin1Char('%')) {
                current += code;
            }
            started = true;
        } else {
            current += c;
            started = true;
        }
    }
    if (started)
        arguments << current;
    return arguments;
}

// An executable shell script standing in for one of the desktop's tools.
bool fakeTool(const QString &folder, const QString &name, const QByteArray &body)
{
    const QString path = folder + QLatin1Char('/') + name;
    if (!writeText(path, "#!/bin/sh\n" + body + "\n"))
        return false;
    return QFile::setPermissions(path, QFile::permissions(path) | QFile::ExeOwner);
}

QString runTool(const QString &program, const QStringList &arguments)
{
    QProcess process;
    process.start(program, arguments);
    if (!process.waitForFinished(60000))
        return QStringLiteral("<%1 did not finish>").arg(program);
    return QString::fromUtf8(process.readAllStandardOutput()).trimmed();
}

} // namespace

Q_DECLARE_METATYPE(AssociatedType)

class TestFileAssociation : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();

    void execQuotesTheProgram_data();
    void execQuotesTheProgram();
    void windowsOpenCommand();
    void filesWritten_data();
    void filesWritten();
    void commandsTellTheUser_data();
    void commandsTellTheUser();
    void failuresAreShown_data();
    void failuresAreShown();
    void desktopKnowsTheType_data();
    void desktopKnowsTheType();
    void fileOpensTheProgram_data();
    void fileOpensTheProgram();

private:
    QString originalPath;
};

void TestFileAssociation::initTestCase()
{
    originalPath = qEnvironmentVariable("PATH");
    // The database tools behave the same on every desktop when they find
    // none: no session's own settings are touched.
    for (const char *name : {"XDG_CURRENT_DESKTOP", "DESKTOP_SESSION", "KDE_FULL_SESSION",
                             "KDE_SESSION_VERSION", "GNOME_DESKTOP_SESSION_ID"})
        qunsetenv(name);
}

void TestFileAssociation::execQuotesTheProgram_data()
{
    QTest::addColumn<QString>("program");
    QTest::addColumn<QString>("exec");
    QTest::newRow("plain, left bare") << "/usr/bin/vokira"
                                      << "/usr/bin/vokira %f";
    QTest::newRow("space") << "/opt/mes outils/vokira"
                           << "\"/opt/mes outils/vokira\" %f";
    QTest::newRow("double quote") << "/opt/a\"b/vokira"
                                  << "\"/opt/a\\\\\"b/vokira\" %f";
    QTest::newRow("dollar") << "/opt/$HOME/vokira"
                            << "\"/opt/\\\\$HOME/vokira\" %f";
    QTest::newRow("backtick") << "/opt/`id`/vokira"
                              << "\"/opt/\\\\`id\\\\`/vokira\" %f";
    QTest::newRow("backslash") << "/opt/a\\b/vokira"
                               << "\"/opt/a\\\\\\\\b/vokira\" %f";
    QTest::newRow("percent, left bare") << "/opt/100%f/vokira"
                                        << "/opt/100%%f/vokira %f";
    QTest::newRow("accents") << "/home/zoé/vokira"
                             << "/home/zoé/vokira %f";
    QTest::newRow("accents and quote") << "/home/zoé/l'atelier/vokira"
                                       << "\"/home/zoé/l'atelier/vokira\" %f";
}

void TestFileAssociation::execQuotesTheProgram()
{
    QFETCH(QString, program);
    QFETCH(QString, exec);
    QCOMPARE(desktopExecCommand(program), exec);
    // And a launcher gets the program and the file back unchanged.
    const QString file = QStringLiteral("/tmp/ma carte $1 \"x\".vk1");
    QCOMPARE(launcherArguments(exec, file), (QStringList{program, file}));
}

void TestFileAssociation::windowsOpenCommand()
{
    QCOMPARE(::windowsOpenCommand(QStringLiteral("C:/Program Files/Vokira/vokira.exe")),
             QDir::toNativeSeparators(QStringLiteral("\"C:/Program Files/Vokira/vokira.exe\"")) +
                 QStringLiteral(" \"%1\""));
}

void TestFileAssociation::filesWritten_data()
{
    QTest::addColumn<AssociatedType>("type");
    QTest::addColumn<QString>("mimeType");
    QTest::addColumn<QString>("desktopId");
    QTest::addColumn<QString>("package");
    QTest::addColumn<QString>("comment");
    QTest::addColumn<QStringList>("globs");
    QTest::newRow("cards") << AssociatedType::Card << "application/x-vokira-carte"
                           << "zelvorin-vokira-carte.desktop"
                           << "zelvorin-vokira-carte.xml"
                           << "Présentation de carte Vokira" << QStringList{"*.vk1", "*.VK1"};
    QTest::newRow("mini-CVs") << AssociatedType::MiniCv << "application/x-vokira-minicv"
                              << "zelvorin-vokira-minicv.desktop"
                              << "zelvorin-vokira-minicv.xml"
                              << "Contenu pour mini-cv Vokira" << QStringList{"*.vk4", "*.VK4"};
}

void TestFileAssociation::filesWritten()
{
    QFETCH(AssociatedType, type);
    QFETCH(QString, mimeType);
    QFETCH(QString, desktopId);
    QFETCH(QString, package);
    QFETCH(QString, comment);
    QFETCH(QStringList, globs);
    ProgramFixture fixture;
    const QString program = QStringLiteral("/opt/mes outils/vokira");
    QCOMPARE(registerFileType(type, program), QString());

    const QString dataHome = fixture.settingsFolder + QStringLiteral("/data");
    QCOMPARE(xdgDataHome(), dataHome);
    const QString xml = readText(dataHome + QStringLiteral("/mime/packages/") + package);
    QVERIFY2(xml.contains(QStringLiteral("<mime-type type=\"%1\">").arg(mimeType)),
             qPrintable(xml));
    QVERIFY2(xml.contains(QStringLiteral("<comment>%1</comment>").arg(comment)), qPrintable(xml));
    for (const QString &glob : globs)
        QVERIFY2(xml.contains(QStringLiteral("<glob pattern=\"%1\"/>").arg(glob)), qPrintable(xml));

    const QString entry = readText(dataHome + QStringLiteral("/applications/") + desktopId);
    QCOMPARE(entryValue(entry, QStringLiteral("Type")), QStringLiteral("Application"));
    QCOMPARE(entryValue(entry, QStringLiteral("Exec")),
             QStringLiteral("\"/opt/mes outils/vokira\" %f"));
    QCOMPARE(entryValue(entry, QStringLiteral("MimeType")), mimeType + QLatin1Char(';'));
    QCOMPARE(entryValue(entry, QStringLiteral("Comment")), comment);

    // Associating again replaces the files instead of adding to them.
    QCOMPARE(registerFileType(type, QStringLiteral("/usr/bin/vokira")), QString());
    const QString again = readText(dataHome + QStringLiteral("/applications/") + desktopId);
    QCOMPARE(again.count(QStringLiteral("Exec=")), 1);
    QCOMPARE(entryValue(again, QStringLiteral("Exec")), QStringLiteral("/usr/bin/vokira %f"));
}

void TestFileAssociation::commandsTellTheUser_data()
{
    QTest::addColumn<AssociatedType>("type");
    QTest::addColumn<int>("number");
    QTest::addColumn<QString>("quoted");
    QTest::newRow("cards, from the main window") << AssociatedType::Card << 153 << "\".vk1\"";
    QTest::newRow("mini-CVs") << AssociatedType::MiniCv << 152 << "\".vk4\"";
}

void TestFileAssociation::commandsTellTheUser()
{
    QFETCH(AssociatedType, type);
    QFETCH(int, number);
    QFETCH(QString, quoted);
    ProgramFixture fixture;
    if (type == AssociatedType::Card) {
        Tfrmmain *window = fixture.start();
        fixture.dialogs->calls.clear();
        QVERIFY(window->Associationdesfichiers1->isEnabled());
        window->Associationdesfichiers1->trigger();
    } else {
        associateMiniCvFiles();
    }
    const auto shown = fixture.dialogs->messages();
    QCOMPARE(shown.size(), 1);
    QCOMPARE(shown[0].kind, MessageKind::Information);
    QCOMPARE(shown[0].buttons, MessageButtons(MessageButton::Ok));
    QCOMPARE(shown[0].text, lookupMessage(QStringLiteral("fr"), number));
    QVERIFY(shown[0].text.contains(quoted));
    // The entry opens this very program.
    const QString entry = readText(fixture.settingsFolder + QStringLiteral("/data/applications/") +
                                   fileTypeEntry(type).desktopId);
    QCOMPARE(entryValue(entry, QStringLiteral("Exec")),
             desktopExecCommand(QCoreApplication::applicationFilePath()));
}

void TestFileAssociation::failuresAreShown_data()
{
    // What stands in the way, and the words the message must name it by.
    QTest::addColumn<QString>("obstacle");
    QTest::addColumn<QString>("named");
    QTest::newRow("data folder is a file") << "data"
                                           << "/data/mime/packages";
    QTest::newRow("applications folder is a file") << "applications"
                                                   << "/data/applications";
    QTest::newRow("desktop entry is a folder") << "entry"
                                               << "zelvorin-vokira-carte.desktop";
    QTest::newRow("mime database update fails") << "update-mime-database"
                                                << "update-mime-database";
    QTest::newRow("desktop database update fails") << "update-desktop-database"
                                                   << "update-desktop-database";
    QTest::newRow("default application refused") << "xdg-mime"
                                                 << "xdg-mime default";
}

void TestFileAssociation::failuresAreShown()
{
    QFETCH(QString, obstacle);
    QFETCH(QString, named);
    ProgramFixture fixture;
    const QString data = fixture.settingsFolder + QStringLiteral("/data");
    QVERIFY(QDir(data).removeRecursively());
    QTemporaryDir tools;
    if (obstacle == QLatin1String("data")) {
        QVERIFY(writeText(data, "not a folder"));
    } else if (obstacle == QLatin1String("applications")) {
        QVERIFY(QDir().mkpath(data));
        QVERIFY(writeText(data + QStringLiteral("/applications"), "not a folder"));
    } else if (obstacle == QLatin1String("entry")) {
        QVERIFY(
            QDir().mkpath(data + QStringLiteral("/applications/zelvorin-vokira-carte.desktop")));
    } else {
        // Every tool present, the named one failing and saying why.
        for (const char *tool : {"update-mime-database", "update-desktop-database", "xdg-mime"})
            QVERIFY(fakeTool(tools.path(), QLatin1String(tool),
                             obstacle == QLatin1String(tool) ? "echo 'pas de place' >&2; exit 3"
                                                             : "exit 0"));
        qputenv("PATH", QFile::encodeName(tools.path() + QLatin1Char(':') + originalPath));
    }
    associateCardFiles();
    qputenv("PATH", QFile::encodeName(originalPath));

    const auto shown = fixture.dialogs->messages();
    QCOMPARE(shown.size(), 1);
    QCOMPARE(shown[0].kind, MessageKind::Error);
    QCOMPARE(shown[0].buttons, MessageButtons(MessageButton::Ok));
    QVERIFY2(shown[0].text.startsWith(QStringLiteral("Vokira - erreur Association des fichiers")),
             qPrintable(shown[0].text));
    QVERIFY2(shown[0].text.contains(named), qPrintable(shown[0].text));
    if (obstacle.contains(QLatin1Char('-')))
        QVERIFY2(shown[0].text.contains(QStringLiteral("pas de place")), qPrintable(shown[0].text));
}

void TestFileAssociation::desktopKnowsTheType_data()
{
    QTest::addColumn<AssociatedType>("type");
    QTest::addColumn<QString>("fileName");
    QTest::newRow("card") << AssociatedType::Card << "some.vk1";
    QTest::newRow("card in capitals") << AssociatedType::Card << "CARTE.VK1";
    QTest::newRow("mini-CV") << AssociatedType::MiniCv << "cv.vk4";
    QTest::newRow("mini-CV in capitals") << AssociatedType::MiniCv << "CV.VK4";
}

void TestFileAssociation::desktopKnowsTheType()
{
    QFETCH(AssociatedType, type);
    QFETCH(QString, fileName);
    const QString gio = QStandardPaths::findExecutable(QStringLiteral("gio"));
    const QString xdgMime = QStandardPaths::findExecutable(QStringLiteral("xdg-mime"));
    if (gio.isEmpty() ||
        QStandardPaths::findExecutable(QStringLiteral("update-mime-database")).isEmpty())
        QSKIP("the desktop's mime tools are not installed");
    ProgramFixture fixture;
    // A desktop passes over entries whose program does not exist.
    QCOMPARE(registerFileType(type, QStringLiteral(VOKIRA_BINARY)), QString());
    const FileTypeEntry &entry = fileTypeEntry(type);

    QTemporaryDir tmp;
    const QString file = tmp.filePath(fileName);
    QVERIFY(writeText(file, "vokira\n"));
    const QString info = runTool(gio, {QStringLiteral("info"), QStringLiteral("-a"),
                                       QStringLiteral("standard::content-type"), file});
    QVERIFY2(info.contains(QStringLiteral("standard::content-type: ") + entry.mimeType),
             qPrintable(info));
    const QString mime = runTool(gio, {QStringLiteral("mime"), entry.mimeType});
    QVERIFY2(mime.contains(QStringLiteral("Default application")) && mime.contains(entry.desktopId),
             qPrintable(mime));
    if (!xdgMime.isEmpty())
        QCOMPARE(
            runTool(xdgMime, {QStringLiteral("query"), QStringLiteral("default"), entry.mimeType}),
            entry.desktopId);
}

void TestFileAssociation::fileOpensTheProgram_data()
{
    QTest::addColumn<bool>("throughGio");
    QTest::addColumn<QString>("folderName");
    // A folder with a space in its name is where a bare path followed by
    // the file would break in two.
    QTest::newRow("the entry's command, folder with a space") << false << "mes outils";
    QTest::newRow("the desktop's launcher, folder with a space") << true << "mes outils";
    QTest::newRow("the desktop's launcher, plain folder") << true << "outils";
}

void TestFileAssociation::fileOpensTheProgram()
{
    QFETCH(bool, throughGio);
    QFETCH(QString, folderName);
    const QString gio = QStandardPaths::findExecutable(QStringLiteral("gio"));
    if (throughGio && gio.isEmpty())
        QSKIP("gio is not installed");
    ProgramFixture fixture;
    QTemporaryDir tmp;
    const QString folder = tmp.filePath(folderName);
    QVERIFY(QDir().mkpath(folder));
    const QString program = folder + QStringLiteral("/vokira");
    QVERIFY(QFile::link(QStringLiteral(VOKIRA_BINARY), program));
    QCOMPARE(registerFileType(AssociatedType::Card, program), QString());
    const QString desktopFile =
        fixture.settingsFolder + QStringLiteral("/data/applications/zelvorin-vokira-carte.desktop");

    const QString card = tmp.filePath(QStringLiteral("ma carte.VK1"));
    QVERIFY(writeText(card, ""));
    const QString log = tmp.filePath(QStringLiteral("stderr.txt"));
    QProcess process;
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("offscreen"));
    env.insert(QStringLiteral("VOKIRA_DIALOGS"), QStringLiteral("scripted"));
    env.insert(QStringLiteral("VOKIRA_EXIT_AFTER_FIRST_PAINT"), QStringLiteral("1"));
    process.setProcessEnvironment(env);
    // The launcher leaves before the program does; the program's own
    // report goes to a file that outlives them both.
    process.setStandardErrorFile(log);
    if (throughGio) {
        process.start(gio, {QStringLiteral("launch"), desktopFile, card});
    } else {
        const QStringList arguments =
            launcherArguments(entryValue(readText(desktopFile), QStringLiteral("Exec")), card);
        QCOMPARE(arguments, (QStringList{program, card}));
        process.start(arguments.constFirst(), arguments.mid(1));
    }
    QVERIFY(process.waitForFinished(60000));
    QCOMPARE(process.exitCode(), 0);

    // The card file opens the main window, as a start with it named on the
    // command line does.
    QElapsedTimer clock;
    clock.start();
    while (!readText(log).contains(QStringLiteral("first paint")) && clock.elapsed() < 60000)
        QTest::qWait(100);
    QVERIFY2(readText(log).contains(QStringLiteral("first paint")), qPrintable(readText(log)));
}

int main(int argc, char **argv)
{
    Application app(argc, argv);
    TestFileAssociation test;
    return QTest::qExec(&test, argc, argv);
}

#include "tst_fileassociation.moc"
