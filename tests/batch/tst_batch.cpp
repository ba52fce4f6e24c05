#include "batch/BatchTool.h"
#include "catalogue/MessageCatalogue.h"

#include <QTextStream>
#include <QtTest>

class TestBatch : public QObject
{
    Q_OBJECT

private slots:
    void messagesAllLanguages();
    void messagesOneLanguage_data();
    void messagesOneLanguage();
    void usage_data();
    void usage();
};

namespace {

struct Run
{
    int status = 0;
    QString out;
    QString err;
};

Run run(const QStringList &arguments)
{
    Run r;
    QTextStream out(&r.out);
    QTextStream err(&r.err);
    r.status = runBatch(arguments, out, err);
    return r;
}

} // namespace

void TestBatch::messagesAllLanguages()
{
    const Run r = run({"messages"});
    QCOMPARE(r.status, 0);
    const QStringList lines = r.out.split(QLatin1Char('\n'), Qt::SkipEmptyParts);
    QCOMPARE(lines.size(), 296);
    QCOMPARE(lines.first(), QStringLiteral("1\tNOM\tNAME\tNAME"));
    QCOMPARE(lines[7], QStringLiteral("8\tVéhicule\tVehicle\tGefaehrt"));
    // The empty rows keep their tabs so that every line has four columns.
    for (const QString &line : r.out.split(QLatin1Char('\n'))) {
        if (line.isEmpty())
            continue;
        QCOMPARE(line.count(QLatin1Char('\t')), 3);
    }
    QVERIFY(r.out.contains(QStringLiteral("\n37\t\t\t\n")));
    QVERIFY(lines.last().startsWith(QStringLiteral("1171\t")));
}

void TestBatch::messagesOneLanguage_data()
{
    QTest::addColumn<QString>("language");
    QTest::addColumn<QString>("line142");
    QTest::newRow("fr") << "fr"
                        << "142\tVokira : une erreur non gérée s'est produite";
    QTest::newRow("en") << "en"
                        << "142\tVokira : an unexpected error has occured";
    QTest::newRow("de") << "de"
                        << "142\tVokira : ein unerwarteter Fehler ist geschehen";
}

void TestBatch::messagesOneLanguage()
{
    QFETCH(QString, language);
    QFETCH(QString, line142);
    const Run r = run({"messages", "--lang", language});
    QCOMPARE(r.status, 0);
    QVERIFY(r.out.split(QLatin1Char('\n')).contains(line142));
}

void TestBatch::usage_data()
{
    QTest::addColumn<QStringList>("arguments");
    QTest::newRow("nothing") << QStringList();
    QTest::newRow("unknown command") << QStringList{"print"};
    QTest::newRow("unknown option") << QStringList{"messages", "--all"};
    QTest::newRow("unknown language") << QStringList{"messages", "--lang", "it"};
    QTest::newRow("language missing") << QStringList{"messages", "--lang"};
}

void TestBatch::usage()
{
    QFETCH(QStringList, arguments);
    const Run r = run(arguments);
    QCOMPARE(r.status, 2);
    QVERIFY(r.out.isEmpty());
    QVERIFY(r.err.startsWith(QStringLiteral("usage: vokira-batch")));
}

QTEST_GUILESS_MAIN(TestBatch)
#include "tst_batch.moc"
