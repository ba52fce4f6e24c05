#include "TestSupport.h"

#include "app/Settings.h"
#include "app/TForm9.h"
#include "dialogs/ModalRun.h"

#include <QAction>
#include <QDir>
#include <QLineEdit>
#include <QPushButton>
#include <QSettings>
#include <QTemporaryDir>
#include <QToolButton>
#include <QtTest>

#ifdef Q_OS_UNIX
#include <csignal>
#include <sys/resource.h>
#endif

namespace {

QSettings store()
{
    return QSettings(QSettings::NativeFormat, QSettings::UserScope, QStringLiteral("Zelvorin"),
                     QStringLiteral("Vokira"));
}

// What is in the store under a value's own name, bypassing readSetting.
QVariant rawValue(const QString &name)
{
    return store().value(name);
}

// A folder path of exactly the given length under the base folder.
QString folderOfLength(const QString &base, qsizetype length)
{
    QString path = base + QLatin1Char('/');
    int n = 0;
    while (path.size() < length) {
        const qsizetype room = length - path.size();
        // Parts of at most 40 characters, each ended by a separator except
        // the last, so that the name stays valid on every file system.
        const qsizetype part = qMin<qsizetype>(room, 40);
        QString name(part, QLatin1Char('a' + (n++ % 26)));
        if (room > part)
            name[part - 1] = QLatin1Char('/');
        path += name;
    }
    return path;
}

// Drives the chooser instead of a person: fills the field, or presses
// "..." when told to, and ends with ok or cancel.
struct ChooserScript
{
    std::optional<QString> typed;
    bool browse = false;
    bool ok = true;
    QString seenAtStart;
    int runs = 0;

    ModalRunner run()
    {
        return [this](QDialog &window) {
            auto &form = static_cast<TForm9 &>(window);
            ++runs;
            seenAtStart = form.DirectoryListBox1->text();
            if (typed)
                form.DirectoryListBox1->edit->setText(*typed);
            if (browse)
                form.DirectoryListBox1->button->click();
            (ok ? form.BitBtn1 : form.BitBtn2)->click();
            return form.result();
        };
    }
};

} // namespace

Q_DECLARE_METATYPE(WorkingDirectory)

class TestSettings : public QObject
{
    Q_OBJECT

private slots:
    void emptyStoreGivesDefaults_data();
    void emptyStoreGivesDefaults();
    void valuesKeepTheirNames_data();
    void valuesKeepTheirNames();
    void storedTextsComeBack_data();
    void storedTextsComeBack();
    void blanksAndControlsAreTrimmed_data();
    void blanksAndControlsAreTrimmed();
    void startDirectoriesFromStore_data();
    void startDirectoriesFromStore();
    void deletedFolderFallsBackAtNextStart();
    void folderOfFile_data();
    void folderOfFile();
    void storeThatCannotBeOpened();
    void writeRefusedKeepsTheOldValue();

    void chooserLayout();
    void chooserOk_data();
    void chooserOk();
    void chooserCancelLeavesTheStore();
    void browseCancelledKeepsTheText();
    void mainWindowReadsAndChooses();
};

void TestSettings::emptyStoreGivesDefaults_data()
{
    QTest::addColumn<WorkingDirectory>("directory");
    QTest::addColumn<QString>("expected");
    QTest::newRow("texts") << WorkingDirectory::Texts << QDir::homePath();
    QTest::newRow("images") << WorkingDirectory::Images << QDir::homePath();
    QTest::newRow("parameters") << WorkingDirectory::Parameters << QDir::homePath();
    QTest::newRow("export") << WorkingDirectory::Export << QString();
}

void TestSettings::emptyStoreGivesDefaults()
{
    QFETCH(WorkingDirectory, directory);
    QFETCH(QString, expected);
    ProgramFixture fixture;
    QCOMPARE(readSetting(directory), expected);
    QCOMPARE(settingDefault(directory), expected);

    // The home folder exists, yet nothing stored means nothing chosen.
    readStartDirectories();
    const StartDirectories &dirs = startDirectories();
    QCOMPARE(dirs.parameterDirectory, QDir::homePath());
    QVERIFY(!dirs.parameterDirectoryValid);
    QCOMPARE(dirs.exportDirectory, QString());
    QVERIFY(!dirs.exportDirectoryValid);
}

void TestSettings::valuesKeepTheirNames_data()
{
    QTest::addColumn<WorkingDirectory>("directory");
    QTest::addColumn<QString>("name");
    QTest::newRow("texts") << WorkingDirectory::Texts << QStringLiteral("Répertoire de textes");
    QTest::newRow("images") << WorkingDirectory::Images << QStringLiteral("Répertoire images");
    QTest::newRow("parameters") << WorkingDirectory::Parameters
                                << QStringLiteral("Répertoire paramêtres");
    QTest::newRow("export") << WorkingDirectory::Export << QStringLiteral("Répertoire exportation");
}

void TestSettings::valuesKeepTheirNames()
{
    QFETCH(WorkingDirectory, directory);
    QFETCH(QString, name);
    ProgramFixture fixture;
    const QString folder = QStringLiteral("/srv/cartes/%1/").arg(QTest::currentDataTag());
    writeSetting(directory, folder);
    QVERIFY(fixture.dialogs->calls.isEmpty());
    QCOMPARE(rawValue(name).toString(), folder);
    QCOMPARE(readSetting(directory), folder);
    // The other three are untouched.
    for (WorkingDirectory other : {WorkingDirectory::Texts, WorkingDirectory::Images,
                                   WorkingDirectory::Parameters, WorkingDirectory::Export})
        if (other != directory)
            QCOMPARE(readSetting(other), settingDefault(other));
}

void TestSettings::storedTextsComeBack_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("read");
    const QString sixty = folderOfLength(QStringLiteral("/home/anne"), 60);
    QTest::newRow("60 characters, kept whole") << sixty << sixty;
    QTest::newRow("Windows folder") << "C:\\Users\\Anne\\Cartes\\"
                                    << "C:\\Users\\Anne\\Cartes\\";
    QTest::newRow("comma") << "/home/anne/a,b/"
                           << "/home/anne/a,b/";
    QTest::newRow("INI specials") << "/x/=;#[g]\"q\"/"
                                  << "/x/=;#[g]\"q\"/";
    QTest::newRow("starts with @") << "@Variant(x)"
                                   << "@Variant(x)";
    QTest::newRow("accents") << "/home/zoé/Übersicht/"
                             << "/home/zoé/Übersicht/";
    QTest::newRow("empty") << ""
                           << "";
    const QString long300 = QStringLiteral("/") + QString(299, QLatin1Char('x'));
    QTest::newRow("read up to 255 characters") << long300 << long300.left(255);
}

void TestSettings::storedTextsComeBack()
{
    QFETCH(QString, text);
    QFETCH(QString, read);
    ProgramFixture fixture;
    QCOMPARE(storeSetting(WorkingDirectory::Texts, text), SettingWrite::Stored);
    QCOMPARE(readSetting(WorkingDirectory::Texts), read);
}

void TestSettings::blanksAndControlsAreTrimmed_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("stored");
    QTest::newRow("spaces") << "  /home/anne/  "
                            << "/home/anne/";
    QTest::newRow("tab and line ends") << "\t/home/anne/\r\n"
                                       << "/home/anne/";
    QTest::newRow("control characters")
        << QStringLiteral("\x01\x1f/home/anne/\x7\x1b") << "/home/anne/";
    QTest::newRow("inner blanks kept") << " /home/anne/mes cartes/ "
                                       << "/home/anne/mes cartes/";
    QTest::newRow("no-break space is not a blank")
        << QStringLiteral("\u00a0/home/\u00a0") << QStringLiteral("\u00a0/home/\u00a0");
    QTest::newRow("only blanks") << " \t\n "
                                 << "";
}

void TestSettings::blanksAndControlsAreTrimmed()
{
    QFETCH(QString, text);
    QFETCH(QString, stored);
    ProgramFixture fixture;
    writeSetting(WorkingDirectory::Images, text);
    QCOMPARE(rawValue(QStringLiteral("Répertoire images")).toString(), stored);
    QCOMPARE(readSetting(WorkingDirectory::Images), stored);
}

void TestSettings::startDirectoriesFromStore_data()
{
    // "<tmp>" stands for an existing temporary folder.
    QTest::addColumn<WorkingDirectory>("directory");
    QTest::addColumn<QString>("stored");
    QTest::addColumn<bool>("valid");
    QTest::newRow("parameters: existing folder") << WorkingDirectory::Parameters << "<tmp>" << true;
    QTest::newRow("parameters: with separator") << WorkingDirectory::Parameters << "<tmp>/" << true;
    QTest::newRow("parameters: no such folder")
        << WorkingDirectory::Parameters << "<tmp>/absent" << false;
    QTest::newRow("parameters: a file")
        << WorkingDirectory::Parameters << "<tmp>/file.vk1" << false;
    QTest::newRow("parameters: two characters") << WorkingDirectory::Parameters << "/." << false;
    QTest::newRow("parameters: empty") << WorkingDirectory::Parameters << "" << false;
    QTest::newRow("export: existing folder") << WorkingDirectory::Export << "<tmp>" << true;
    QTest::newRow("export: no such folder") << WorkingDirectory::Export << "<tmp>/absent" << false;
    QTest::newRow("export: two characters") << WorkingDirectory::Export << "/." << false;
}

void TestSettings::startDirectoriesFromStore()
{
    QFETCH(WorkingDirectory, directory);
    QFETCH(QString, stored);
    QFETCH(bool, valid);
    ProgramFixture fixture;
    QTemporaryDir tmp;
    QVERIFY(tmp.isValid());
    QFile file(tmp.filePath(QStringLiteral("file.vk1")));
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.close();
    const QString folder = QString(stored).replace(QLatin1String("<tmp>"), tmp.path());
    writeSetting(directory, folder);

    readStartDirectories();
    const StartDirectories &dirs = startDirectories();
    const bool parameters = directory == WorkingDirectory::Parameters;
    const QString fallback = parameters ? QDir::homePath() : QString();
    QCOMPARE(parameters ? dirs.parameterDirectory : dirs.exportDirectory,
             valid ? folder : fallback);
    QCOMPARE(parameters ? dirs.parameterDirectoryValid : dirs.exportDirectoryValid, valid);
    // The other one stays at its default.
    QVERIFY(!(parameters ? dirs.exportDirectoryValid : dirs.parameterDirectoryValid));
}

void TestSettings::deletedFolderFallsBackAtNextStart()
{
    ProgramFixture fixture;
    QTemporaryDir tmp;
    // Longer than the 50 characters the earlier version kept.
    const QString deep = folderOfLength(tmp.path(), tmp.path().size() + 60);
    QVERIFY(QDir().mkpath(deep));
    writeSetting(WorkingDirectory::Parameters, deep);
    writeSetting(WorkingDirectory::Export, deep);

    readStartDirectories();
    QCOMPARE(startDirectories().parameterDirectory, deep);
    QVERIFY(startDirectories().parameterDirectoryValid);
    QCOMPARE(startDirectories().exportDirectory, deep);
    QVERIFY(startDirectories().exportDirectoryValid);

    QVERIFY(QDir(tmp.path()).removeRecursively());
    readStartDirectories();
    QCOMPARE(startDirectories().parameterDirectory, QDir::homePath());
    QVERIFY(!startDirectories().parameterDirectoryValid);
    QCOMPARE(startDirectories().exportDirectory, QString());
    QVERIFY(!startDirectories().exportDirectoryValid);
    // The store still holds what the user chose; only this run falls back.
    QCOMPARE(readSetting(WorkingDirectory::Parameters), deep);
}

void TestSettings::folderOfFile_data()
{
    QTest::addColumn<QString>("path");
    QTest::addColumn<QString>("folder");
    QTest::newRow("slashes") << "/home/anne/carte.vk1"
                             << "/home/anne/";
    QTest::newRow("backslashes") << "C:\\cartes\\carte.vk1"
                                 << "C:\\cartes\\";
    QTest::newRow("mixed, last one counts") << "C:/cartes\\2024/carte.vk1"
                                            << "C:/cartes\\2024/";
    QTest::newRow("folder itself") << "/home/anne/"
                                   << "/home/anne/";
    QTest::newRow("no separator") << "carte.vk1"
                                  << "";
    QTest::newRow("empty") << ""
                           << "";
    const QString head = QStringLiteral("/") + QString(253, QLatin1Char('d'));
    QTest::newRow("separator at the 255th character")
        << head + QStringLiteral("/carte.vk1") << head + QStringLiteral("/");
    QTest::newRow("separator beyond 255 characters")
        << head + QStringLiteral("d/carte.vk1") << QStringLiteral("/");
}

void TestSettings::folderOfFile()
{
    QFETCH(QString, path);
    QFETCH(QString, folder);
    QCOMPARE(::folderOfFile(path), folder);
}

void TestSettings::storeThatCannotBeOpened()
{
    ProgramFixture fixture;
    // A plain file where the store's folder should be: no one can create it.
    QTemporaryDir tmp;
    QFile blocker(tmp.filePath(QStringLiteral("blocker")));
    QVERIFY(blocker.open(QIODevice::WriteOnly));
    blocker.close();
    QSettings::setPath(QSettings::NativeFormat, QSettings::UserScope, blocker.fileName());

    QCOMPARE(storeSetting(WorkingDirectory::Texts, QStringLiteral("/a/")),
             SettingWrite::StoreUnavailable);
    writeSetting(WorkingDirectory::Texts, QStringLiteral("/a/"));
    const auto shown = fixture.dialogs->messages();
    QCOMPARE(shown.size(), 1);
    QCOMPARE(shown[0].kind, MessageKind::Error);
    QCOMPARE(shown[0].text, QStringLiteral("unable to open key! exiting."));
    QCOMPARE(shown[0].buttons, MessageButtons(MessageButton::Ok));
    QCOMPARE(readSetting(WorkingDirectory::Texts), QDir::homePath());
}

void TestSettings::writeRefusedKeepsTheOldValue()
{
#ifdef Q_OS_UNIX
    ProgramFixture fixture;
    writeSetting(WorkingDirectory::Parameters, QStringLiteral("/srv/ancien/"));

    // A disk that takes no more bytes: the store opens, the write fails.
    // (Permissions would not do: the tests may run as root.)
    rlimit saved{};
    QCOMPARE(getrlimit(RLIMIT_FSIZE, &saved), 0);
    const auto oldHandler = std::signal(SIGXFSZ, SIG_IGN);
    rlimit tiny = saved;
    tiny.rlim_cur = 8;
    QCOMPARE(setrlimit(RLIMIT_FSIZE, &tiny), 0);
    writeSetting(WorkingDirectory::Parameters, QStringLiteral("/srv/nouveau/dossier/"));
    setrlimit(RLIMIT_FSIZE, &saved);
    std::signal(SIGXFSZ, oldHandler);

    const auto shown = fixture.dialogs->messages();
    QCOMPARE(shown.size(), 1);
    QCOMPARE(shown[0].kind, MessageKind::Information);
    QCOMPARE(shown[0].text, QStringLiteral("Vokira : écriture en registre refusée"));
    QCOMPARE(shown[0].buttons, MessageButtons(MessageButton::Ok));
    // Written whole or not at all: the file still holds the earlier value.
    QFile file(fixture.settingsFolder + QStringLiteral("/Zelvorin/Vokira.conf"));
    QVERIFY(file.open(QIODevice::ReadOnly));
    const QByteArray bytes = file.readAll();
    QVERIFY2(bytes.contains("/srv/ancien/"), bytes.constData());
    QVERIFY2(!bytes.contains("nouveau"), bytes.constData());
#else
    QSKIP("needs a file size limit");
#endif
}

void TestSettings::chooserLayout()
{
    ProgramFixture fixture;
    TForm9 form;
    QCOMPARE(form.objectName(), QStringLiteral("Form9"));
    QCOMPARE(form.windowTitle(), QStringLiteral("Vokira"));
    QCOMPARE(form.size(), QSize(277, 239));
    QCOMPARE(form.font().pointSize(), 8);
    QCOMPARE(form.findChild<DirectoryEdit *>(QStringLiteral("DirectoryListBox1")),
             form.DirectoryListBox1);
    QCOMPARE(form.DirectoryListBox1->geometry(), QRect(16, 24, 145, 21));
    QCOMPARE(form.findChild<QPushButton *>(QStringLiteral("BitBtn1")), form.BitBtn1);
    QCOMPARE(form.BitBtn1->geometry(), QRect(192, 176, 65, 25));
    QCOMPARE(form.BitBtn1->text(), QStringLiteral("ok"));
    QCOMPARE(form.findChild<QPushButton *>(QStringLiteral("BitBtn2")), form.BitBtn2);
    QCOMPARE(form.BitBtn2->geometry(), QRect(192, 136, 65, 25));
    QCOMPARE(form.BitBtn2->text(), QStringLiteral("cancel"));
    form.show();
    // The "..." button lies inside the field's own width.
    QVERIFY(form.DirectoryListBox1->rect().contains(form.DirectoryListBox1->button->geometry()));
}

void TestSettings::chooserOk_data()
{
    // How the user names the folder: typed into the field, or picked with
    // "..." in the folder dialog.
    QTest::addColumn<bool>("browse");
    QTest::newRow("typed") << false;
    QTest::newRow("picked") << true;
}

void TestSettings::chooserOk()
{
    QFETCH(bool, browse);
    ProgramFixture fixture;
    QTemporaryDir tmp;
    const QString chosen = QDir::toNativeSeparators(tmp.path() + QStringLiteral("/cartes"));
    QVERIFY(QDir().mkpath(chosen));
    readStartDirectories();

    ChooserScript script;
    if (browse) {
        script.browse = true;
        fixture.dialogs->answers << chosen;
    } else {
        script.typed = chosen;
    }
    setModalRunner(script.run());
    chooseWorkingDirectory();

    QCOMPARE(script.runs, 1);
    // The field starts at the working directory in force.
    QCOMPARE(script.seenAtStart, QDir::homePath());
    if (browse) {
        QCOMPARE(fixture.dialogs->calls.size(), 1);
        QCOMPARE(fixture.dialogs->calls[0].dialog, QStringLiteral("chooseFolder"));
        QCOMPARE(fixture.dialogs->calls[0].text, QDir::homePath());
    }
    QVERIFY(fixture.dialogs->messages().isEmpty());
    QCOMPARE(startDirectories().parameterDirectory, chosen);
    QVERIFY(startDirectories().parameterDirectoryValid);
    QCOMPARE(readSetting(WorkingDirectory::Parameters), chosen);
}

void TestSettings::chooserCancelLeavesTheStore()
{
    ProgramFixture fixture;
    QTemporaryDir tmp;
    writeSetting(WorkingDirectory::Parameters, tmp.path());
    readStartDirectories();
    QVERIFY(startDirectories().parameterDirectoryValid);

    ChooserScript script;
    script.typed = QStringLiteral("/ailleurs/");
    script.ok = false;
    setModalRunner(script.run());
    chooseWorkingDirectory();

    QCOMPARE(script.runs, 1);
    QCOMPARE(script.seenAtStart, tmp.path());
    QCOMPARE(startDirectories().parameterDirectory, QDir::homePath());
    QVERIFY(!startDirectories().parameterDirectoryValid);
    QCOMPARE(readSetting(WorkingDirectory::Parameters), tmp.path());
    // Cancelling with nothing stored writes nothing either.
    store().clear();
    chooseWorkingDirectory();
    QVERIFY(!store().contains(QStringLiteral("Répertoire paramêtres")));
}

void TestSettings::browseCancelledKeepsTheText()
{
    ProgramFixture fixture;
    TForm9 form;
    form.DirectoryListBox1->setText(QStringLiteral("/nulle/part"));
    // An unscripted folder dialog is cancelled; it opens at the default
    // folder because the field names no existing one.
    form.DirectoryListBox1->button->click();
    QCOMPARE(fixture.dialogs->calls.size(), 1);
    QCOMPARE(fixture.dialogs->calls[0].text, QDir::homePath());
    QCOMPARE(form.DirectoryListBox1->text(), QStringLiteral("/nulle/part"));
}

void TestSettings::mainWindowReadsAndChooses()
{
    ProgramFixture fixture;
    QTemporaryDir tmp;
    writeSetting(WorkingDirectory::Parameters, tmp.path());
    writeSetting(WorkingDirectory::Export, tmp.path());
    Tfrmmain *window = fixture.start();
    QCOMPARE(startDirectories().parameterDirectory, tmp.path());
    QVERIFY(startDirectories().parameterDirectoryValid);
    QCOMPARE(startDirectories().exportDirectory, tmp.path());
    QVERIFY(startDirectories().exportDirectoryValid);

    // "répertoire de travail" in the fichier menu opens the chooser.
    ChooserScript script;
    script.ok = false;
    setModalRunner(script.run());
    QVERIFY(window->rpertoiredetravail1->isEnabled());
    window->rpertoiredetravail1->trigger();
    QCOMPARE(script.runs, 1);
    QVERIFY(!startDirectories().parameterDirectoryValid);
}

QTEST_MAIN(TestSettings)
#include "tst_settings.moc"
