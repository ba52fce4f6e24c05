#pragma once

#include <QString>

#include <span>

// One row of the catalogue: the same message in the program's three languages.
struct CatalogueRow
{
    quint16 number;
    const char *fr;
    const char *en;
    const char *de;
};

// Every row, sorted by number.
std::span<const CatalogueRow> catalogueRows();

// 0 for "fr", 1 for "en", 2 for "de", -1 for anything else (case matters).
int languageIndex(const QString &language);

// The text of a message in a language; empty for an unknown language or
// number.
QString lookupMessage(const QString &language, int number);

// The composed messages: fixed pieces around one or two inserted texts.
QString composeMessage(const QString &language, int number, const QString &first,
                       const QString &second = QString());
