#pragma once

#include <QString>

// The flags that the windows share for the whole run. The one-character
// yes/no states keep the 'o' (oui) / 'n' (non) convention of the earlier
// version, whose windows test them that way; '\0' is "not set yet".
struct ProgramState
{
    QString currentLanguage = QStringLiteral("fr");
    char quitRequested = '\0';
    char printerChosen = '\0';
    QString printerPresent;
    bool miniCvFileRead = false;
    bool pointerOverPanel = false;
    bool panelHighlighted = false;
    quint16 cardAccessCount = 0;
    // Message 1116 (changes wait for opaque frames) was shown in this run.
    bool transparencyNoticeShown = false;
    // A card parameter file was read in this run.
    bool cardFileRead = false;
    // Message 186 (icon file cannot be opened) was shown in this run.
    bool iconOpenWarned = false;
};

ProgramState &programState();

// Shorthand for the catalogue text of a message in the current language.
QString message(int number);
