#include "batch/BatchTool.h"
#include "catalogue/MessageCatalogue.h"
#include "platform/Application.h"

#include <QImage>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QTemporaryDir>
#include <QTextStream>
#include <QtTest>

static const QString kExample = QStringLiteral(VOKIRA_TEST_DATA "/../../examples/carte-demo.vk1");

class TestBatch : public QObject
{
    Q_OBJECT

private slots:
    void messagesAllLanguages();
    void messagesOneLanguage_data();
    void messagesOneLanguage();
    void usage_data();
    void usage();
    void checkCards_data();
    void checkCards();
    void infoOfTheExample();
    void convert();
    void png();
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
    QTest::newRow("check without file") << QStringList{"check"};
    QTest::newRow("png without output") << QStringList{"png", "a.vk1"};
    QTest::newRow("force outside convert") << QStringList{"info", "a.vk1", "--force"};
    QTest::newRow("unknown card option") << QStringList{"check", "--all", "a.vk1"};
}

void TestBatch::usage()
{
    QFETCH(QStringList, arguments);
    const Run r = run(arguments);
    QCOMPARE(r.status, 2);
    QVERIFY(r.out.isEmpty());
    QVERIFY(r.err.startsWith(QStringLiteral("usage: vokira-batch")));
}

void TestBatch::checkCards_data()
{
    QTest::addColumn<QByteArray>("content"); // empty: the example card
    QTest::addColumn<int>("status");
    QTest::addColumn<QString>("stderr");
    QTest::newRow("example") << QByteArray() << 0 << "";
    QTest::newRow("line without colon")
        << QByteArray("**\r\n1 - texte 1 : \r\n2 - texte 2 : \r\n3 - orientation portrait\r\n") << 0
        << "information: " + lookupMessage("fr", 174);
    QTest::newRow("missing file") << QByteArray("-") << 1 << "error: Fichier non trouvé : ";
}

void TestBatch::checkCards()
{
    QFETCH(QByteArray, content);
    QFETCH(int, status);
    QFETCH(QString, stderr);
    QTemporaryDir dir;
    QString file = kExample;
    if (content == "-") {
        file = dir.filePath(QStringLiteral("absente.vk1"));
    } else if (!content.isEmpty()) {
        file = dir.filePath(QStringLiteral("abimee.vk1"));
        QFile f(file);
        QVERIFY(f.open(QIODevice::WriteOnly));
        f.write(content);
    }
    const Run r = run({"check", file});
    QCOMPARE(r.status, status);
    if (stderr.isEmpty())
        QVERIFY2(r.err.isEmpty(), qPrintable(r.err));
    else
        QVERIFY2(r.err.contains(stderr), qPrintable(r.err));
}

void TestBatch::infoOfTheExample()
{
    const Run r = run({"info", kExample});
    QCOMPARE(r.status, 0);
    QJsonParseError error;
    const QJsonObject card = QJsonDocument::fromJson(r.out.toUtf8(), &error).object();
    QCOMPARE(error.error, QJsonParseError::NoError);
    QCOMPARE(card["width"].toInt(), 207);
    QCOMPARE(card["height"].toInt(), 321);
    QCOMPARE(card["orientation"].toString(), QStringLiteral("vertical"));
    QCOMPARE(card["backgroundColor"].toString(), QStringLiteral("#FCF4E8"));
    QVERIFY(QFileInfo(card["patternFile"].toString()).isAbsolute());
    QVERIFY(QFileInfo::exists(card["iconFile"].toString()));
    QCOMPARE(card["icon"].toObject()["left"].toInt(), 12);
    QCOMPARE(card["transparencyCode"].toInt(), 1);
    const QJsonArray frames = card["frames"].toArray();
    QCOMPARE(frames.size(), 2);
    const QJsonObject first = frames[0].toObject();
    QCOMPARE(first["transparent"].toBool(), true);
    QCOMPARE(first["alignmentName"].toString(), QStringLiteral("centre"));
    QCOMPARE(first["headerFont"].toObject()["style"].toArray(), (QJsonArray{"bold", "italic"}));
    const QJsonArray lines = first["lines"].toArray();
    QCOMPARE(lines[0].toObject()["text"].toString(), QStringLiteral("Anne Lefèvre"));
    QCOMPARE(lines[0].toObject()["align"].toString(), QStringLiteral("center"));
    const QJsonObject run0 = lines[0].toObject()["runs"].toArray()[0].toObject();
    QCOMPARE(run0["font"].toString(), QStringLiteral("Liberation Serif"));
    QCOMPARE(run0["size"].toDouble(), 15.0);
    QCOMPARE(run0["bold"].toBool(), true);
    QCOMPARE(run0["color"].toString(), QStringLiteral("#203C8C"));
    QCOMPARE(frames[1].toObject()["lines"].toArray().size(), 6);
}

void TestBatch::convert()
{
    QTemporaryDir dir;
    const QString out = dir.filePath(QStringLiteral("copie.vk1"));
    QCOMPARE(run({"convert", kExample, out}).status, 0);
    QVERIFY(QFileInfo::exists(dir.filePath(QStringLiteral("element/C1copie.rtf"))));
    QVERIFY(QFileInfo::exists(dir.filePath(QStringLiteral("element/C2copie.rtf"))));
    QFile written(out);
    QVERIFY(written.open(QIODevice::ReadOnly));
    QVERIFY(written.readAll().contains("1 - texte 1 : .\\element\\C1copie.rtf\r\n"));

    const Run refused = run({"convert", kExample, out});
    QCOMPARE(refused.status, 1);
    QVERIFY(refused.err.contains(QStringLiteral("--force")));
    QCOMPARE(run({"convert", kExample, out, "--force"}).status, 0);
    // The copy reads back as the same card.
    const Run a = run({"info", kExample});
    const Run b = run({"info", out});
    const QJsonObject ja = QJsonDocument::fromJson(a.out.toUtf8()).object();
    const QJsonObject jb = QJsonDocument::fromJson(b.out.toUtf8()).object();
    QCOMPARE(jb["frames"].toArray()[1].toObject()["lines"],
             ja["frames"].toArray()[1].toObject()["lines"]);
    QCOMPARE(jb["width"], ja["width"]);
}

void TestBatch::png()
{
    QTemporaryDir dir;
    const QString out = dir.filePath(QStringLiteral("carte.png"));
    QCOMPARE(run({"png", kExample, out}).status, 0);
    const QImage image(out);
    QCOMPARE(image.size(), QSize(207, 321));
    // The icon's leaf is there, and the second frame's background.
    QCOMPARE(image.pixelColor(190, 300), QColor(0xFF, 0xF8, 0xF0));
    QVERIFY(image.pixelColor(27, 30).green() > image.pixelColor(27, 30).red());
}

int main(int argc, char **argv)
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    Application app(argc, argv);
    TestBatch test;
    return QTest::qExec(&test, argc, argv);
}
#include "tst_batch.moc"
