#pragma once

#include "platform/Dialogs.h"

#include <QColor>
#include <QList>
#include <QString>

// What the appearance commands keep for the whole run.
struct AppearanceState
{
    // Edited in the font-list options window; every font dialog adds the
    // effects, which then stay.
    FontListOptions fontListOptions;
    // Message 143 (screen fonts only) was shown in this run.
    bool screenFontNoticeShown = false;
};

AppearanceState &appearanceState();

// The twenty custom colours of the colour dialog.
QList<QColor> colorDialogCustomColours();

// The notice under a frame whose line is wider than the frame.
QString textTooWideNotice(int lineWidth, int frameWidth);

// The alignment code of the card file for an entry of the text alignment
// lists ("texte", "gauche", "centré", "droite"), or -1 for the heading entry
// or no entry.
int alignmentOfEntry(int index);
