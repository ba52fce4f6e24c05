#pragma once

#include <QString>

// Reads a card parameter file into the card and the preview, showing the
// reader's messages; false when the card was not read. The transparency code
// the file holds is given back for the transparency boxes to apply.
bool readCardParameterFile(const QString &path, int *transparencyCode = nullptr);

// What the load command does once a file is chosen (also for a file named
// on the command line): read it, then record its layout, set the
// transparency boxes and the window's caption.
bool loadCardAfterChoice(const QString &path);

struct CardWrite
{
    bool written = false;
    QString error;          // why the card file could not be written
    bool textsSaved = true; // every companion file that had to be saved was
};

// Writes the card to `path` and the frame texts to the companion files of
// `baseName` in the card's folder, creating the "element" folder when
// missing. `derivedBase` names the companions a frame text is compared with
// to decide whether it must be written again; with `allTexts` every frame
// text is written.
CardWrite writeCardParameterFile(const QString &path, const QString &baseName,
                                 const QString &derivedBase, bool allTexts);
