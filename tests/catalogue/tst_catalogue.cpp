#include "catalogue/MessageCatalogue.h"

#include <QtTest>

class TestCatalogue : public QObject
{
    Q_OBJECT

private slots:
    void lookup_data();
    void lookup();
    void compose_data();
    void compose();
    void rowsAreWholeAndOrdered();
};

void TestCatalogue::lookup_data()
{
    QTest::addColumn<QString>("language");
    QTest::addColumn<int>("number");
    QTest::addColumn<QString>("expected");

    QTest::newRow("fr 1") << "fr" << 1 << "NOM";
    QTest::newRow("en 1") << "en" << 1 << "NAME";
    QTest::newRow("de 8") << "de" << 8 << "Gefaehrt";
    QTest::newRow("fr 142") << "fr" << 142 << "Vokira : une erreur non gérée s'est produite";
    QTest::newRow("de 1131") << "de" << 1131
                             << "Kein Drucker gewaehlt, Sie werden kein Druck starten koennen - "
                                "Warnung 10";
    QTest::newRow("fr 106 quotes") << "fr" << 106
                                   << "Vokira : anomalie fichier. Vérifier le contenu du fichier : "
                                      "chaque paramêtre doit être précédé de \":\"";
    QTest::newRow("de 41 filter") << "de" << 41
                                  << "\"Mini-cv\" Daten|*.vk4|Text Daten|*.txt|sonstige Daten|*.*";
    QTest::newRow("de 157 keeps its spelling") << "de" << 157 << "Setzung der Vergrösserung Faktor";
    QTest::newRow("same in all: en 1133") << "en" << 1133 << "normal";
    QTest::newRow("trailing blank kept") << "en" << 1139 << "Vokira - error ";
    QTest::newRow("upper-case code") << "FR" << 1 << "";
    QTest::newRow("unknown code") << "it" << 1 << "";
    QTest::newRow("empty code") << "" << 1 << "";
    QTest::newRow("0") << "fr" << 0 << "";
    QTest::newRow("87 has no row") << "fr" << 87 << "";
    QTest::newRow("1007 has no row") << "en" << 1007 << "";
    QTest::newRow("1172 out of range") << "de" << 1172 << "";
    QTest::newRow("37 empty row") << "fr" << 37 << "";
    QTest::newRow("122 empty row") << "de" << 122 << "";
    QTest::newRow("composed number has no row") << "fr" << 1138 << "";
}

void TestCatalogue::lookup()
{
    QFETCH(QString, language);
    QFETCH(int, number);
    QFETCH(QString, expected);
    QCOMPARE(lookupMessage(language, number), expected);
}

void TestCatalogue::compose_data()
{
    QTest::addColumn<QString>("language");
    QTest::addColumn<int>("number");
    QTest::addColumn<QString>("first");
    QTest::addColumn<QString>("second");
    QTest::addColumn<QString>("expected");

    QTest::newRow("fr width") << "fr" << 1029 << " + "
                              << ""
                              << "largeur + ";
    QTest::newRow("en width") << "en" << 1029 << "+"
                              << ""
                              << "width+";
    QTest::newRow("de height") << "de" << 1022 << " -3"
                               << ""
                               << "Hoehe -3";
    QTest::newRow("en card access") << "en" << 1052 << ""
                                    << ""
                                    << "card access";
    QTest::newRow("de warning stays French") << "de" << 1141 << "300"
                                             << ""
                                             << "Avertissement 300";
    QTest::newRow("advice with two texts")
        << "en" << 1138 << "2"
        << "12"
        << "Conseil 2 : choisissez une taille de police d'en-tête de cadre 1 au moins égale à :12"
           " - Avertissement 300";
    QTest::newRow("extension question")
        << "fr" << 1144 << "vk1"
        << "carte"
        << "L'extension de fichier n'est pas vk1 , l'extension standard permettant de reconnaitre "
           "les fichiers carte , voulez-vous conserver ce nom de fichier ?";
    QTest::newRow("drawing failure") << "fr" << 1142 << "400"
                                     << ""
                                     << "Opération non supportée par le système - Erreur 400";
    QTest::newRow("position") << "en" << 1146 << "2"
                              << "ignored"
                              << "Position du cadre 2 recalculée automatiquement";
    QTest::newRow("resized") << "de" << 1148 << "1"
                             << ""
                             << "Cadre 1 redimensionné automatiquement";
    QTest::newRow("1139 is not composed") << "fr" << 1139 << "x"
                                          << ""
                                          << "";
    QTest::newRow("unknown language") << "es" << 1029 << "+1"
                                      << ""
                                      << "";
}

void TestCatalogue::compose()
{
    QFETCH(QString, language);
    QFETCH(int, number);
    QFETCH(QString, first);
    QFETCH(QString, second);
    QFETCH(QString, expected);
    QCOMPARE(composeMessage(language, number, first, second), expected);
}

// The table is the program's contract with its translators and with the
// texts other windows quote: 296 numbered rows, each in all three languages.
void TestCatalogue::rowsAreWholeAndOrdered()
{
    const auto rows = catalogueRows();
    QCOMPARE(rows.size(), std::size_t(296));
    int previous = 0;
    for (const CatalogueRow &row : rows) {
        QVERIFY2(row.number > previous, qPrintable(QString::number(row.number)));
        QVERIFY(row.number >= 1 && row.number <= 1171);
        previous = row.number;
        const bool empty = row.number == 37 || row.number == 122;
        for (const char *text : {row.fr, row.en, row.de}) {
            const QString s = QString::fromUtf8(text);
            QCOMPARE(s.isEmpty(), empty);
            QVERIFY2(!s.contains(QLatin1Char('\n')), qPrintable(QString::number(row.number)));
        }
        // German and English texts stay plain ASCII so that they survive any
        // code page; 157 keeps its historical spelling.
        if (row.number != 157) {
            for (const char *text : {row.en, row.de})
                for (const char *c = text; *c; ++c)
                    QVERIFY2(static_cast<unsigned char>(*c) < 0x80,
                             qPrintable(QString::number(row.number)));
        }
    }
}

QTEST_GUILESS_MAIN(TestCatalogue)
#include "tst_catalogue.moc"
