#include "app/FileType.h"

#include <QProcess>
#include <QTemporaryDir>
#include <QtTest>

// The program as a whole process: what its command line opens.
class TestStartup : public QObject
{
    Q_OBJECT

private slots:
    void detectFileType_data();
    void detectFileType();
    void commandLine_data();
    void commandLine();
};

void TestStartup::detectFileType_data()
{
    QTest::addColumn<QString>("path");
    QTest::addColumn<QString>("type");
    QTest::newRow("card") << "carte.vk1"
                          << "carte-vk1";
    QTest::newRow("card in capitals") << "C:\\CARTES\\CARTE.VK1"
                                      << "carte-vk1";
    QTest::newRow("mini-CV") << "/home/anne/cv.Vk4"
                             << "minicv-vk4";
    QTest::newRow("further extension") << "carte.vk1.bak"
                                       << "not_known";
    QTest::newRow("no dot") << "carte"
                            << "not_known";
    QTest::newRow("dot in a folder only") << "/tmp/a.b/carte"
                                          << "not_known";
    QTest::newRow("text") << "notes.txt"
                          << "not_known";
    QTest::newRow("empty") << ""
                           << "not_known";
}

void TestStartup::detectFileType()
{
    QFETCH(QString, path);
    QFETCH(QString, type);
    QCOMPARE(::detectFileType(path), type);
}

void TestStartup::commandLine_data()
{
    QTest::addColumn<QStringList>("arguments");
    QTest::addColumn<bool>("window");
    QTest::newRow("nothing") << QStringList() << true;
    QTest::newRow("card in capitals") << QStringList{"CARTE.VK1"} << true;
    QTest::newRow("text file") << QStringList{"notes.txt"} << false;
    QTest::newRow("no extension") << QStringList{"carte"} << false;
    QTest::newRow("only the first counts: card") << QStringList{"carte.vk1", "notes.txt"} << true;
    QTest::newRow("only the first counts: text") << QStringList{"notes.txt", "carte.vk1"} << false;
}

void TestStartup::commandLine()
{
    QFETCH(QStringList, arguments);
    QFETCH(bool, window);
    QProcess program;
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("offscreen"));
    env.insert(QStringLiteral("VOKIRA_DIALOGS"), QStringLiteral("scripted"));
    env.insert(QStringLiteral("VOKIRA_EXIT_AFTER_FIRST_PAINT"), QStringLiteral("1"));
    // The program must not read or write the user's own settings here.
    QTemporaryDir home;
    env.insert(QStringLiteral("XDG_CONFIG_HOME"), home.filePath(QStringLiteral("config")));
    env.insert(QStringLiteral("XDG_DATA_HOME"), home.filePath(QStringLiteral("data")));
    program.setProcessEnvironment(env);
    program.start(QStringLiteral(VOKIRA_BINARY), arguments);
    QVERIFY(program.waitForFinished(60000));
    QCOMPARE(program.exitStatus(), QProcess::NormalExit);
    QCOMPARE(program.exitCode(), 0);
    const QString err = QString::fromUtf8(program.readAllStandardError());
    QCOMPARE(err.contains(QStringLiteral("first paint")), window);
    if (!window)
        QVERIFY2(err.isEmpty(), qPrintable(err));
}

QTEST_GUILESS_MAIN(TestStartup)
#include "tst_startup.moc"
