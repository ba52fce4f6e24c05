#include "catalogue/MessageCatalogue.h"

#include <algorithm>

int languageIndex(const QString &language)
{
    if (language == QLatin1String("fr"))
        return 0;
    if (language == QLatin1String("en"))
        return 1;
    if (language == QLatin1String("de"))
        return 2;
    return -1;
}

QString lookupMessage(const QString &language, int number)
{
    const int lang = languageIndex(language);
    if (lang < 0 || number < 1 || number > 1171)
        return {};
    const auto rows = catalogueRows();
    const auto it = std::lower_bound(rows.begin(), rows.end(), number,
                                     [](const CatalogueRow &row, int n) { return row.number < n; });
    if (it == rows.end() || it->number != number)
        return {};
    const char *texts[] = {it->fr, it->en, it->de};
    return QString::fromUtf8(texts[lang]);
}

namespace {

struct ComposedPieces
{
    int number;
    // French, English, German: the text before "first", between "first" and
    // "second", and after "second".
    const char *before[3];
    const char *between;
    const char *after;
};

// 1022 to 1052 are entry-field words followed by the increment; 1138 to 1148
// are notices whose wording stays French in every language, as they always
// were.
constexpr ComposedPieces kComposed[] = {
    {1022, {"hauteur", "height", "Hoehe"}, "", ""},
    {1025, {"bord gauche", "left", "links"}, "", ""},
    {1028, {"marge", "margin", "Rand"}, "", ""},
    {1029, {"largeur", "width", "Breite"}, "", ""},
    {1030, {"longueur", "length", "Laenge"}, "", ""},
    {1052, {"accès carte", "card access", "Karte-Zugang"}, "", ""},
    {1138,
     {"Conseil ", "Conseil ", "Conseil "},
     " : choisissez une taille de police d'en-tête de cadre 1 au moins égale à :",
     " - Avertissement 300"},
    {1140,
     {"Conseil ", "Conseil ", "Conseil "},
     " : diminuez la longueur du cadre 1 d'au moins :",
     " - Avertissement 310"},
    {1141, {"Avertissement ", "Avertissement ", "Avertissement "}, "", ""},
    {1142,
     {"Opération non supportée par le système - Erreur ",
      "Opération non supportée par le système - Erreur ",
      "Opération non supportée par le système - Erreur "},
     "",
     ""},
    {1144,
     {"L'extension de fichier n'est pas ", "L'extension de fichier n'est pas ",
      "L'extension de fichier n'est pas "},
     " , l'extension standard permettant de reconnaitre les fichiers ",
     " , voulez-vous conserver ce nom de fichier ?"},
    {1146,
     {"Position du cadre ", "Position du cadre ", "Position du cadre "},
     " recalculée automatiquement",
     ""},
    {1148, {"Cadre ", "Cadre ", "Cadre "}, " redimensionné automatiquement", ""},
};

} // namespace

QString composeMessage(const QString &language, int number, const QString &first,
                       const QString &second)
{
    const int lang = languageIndex(language);
    if (lang < 0)
        return {};
    for (const ComposedPieces &pieces : kComposed) {
        if (pieces.number != number)
            continue;
        // The texts with a single insertion ignore "second", as the pieces
        // after "first" are empty or complete the sentence on their own.
        const bool takesSecond = number == 1138 || number == 1140 || number == 1144;
        QString text = QString::fromUtf8(pieces.before[lang]) + first;
        text += QString::fromUtf8(pieces.between);
        if (takesSecond)
            text += second;
        text += QString::fromUtf8(pieces.after);
        return text;
    }
    return {};
}
