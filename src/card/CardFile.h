#pragma once

#include "card/CardModel.h"

#include <QByteArray>
#include <QString>

#include <array>
#include <functional>
#include <optional>

// The card parameter file (.vk1): three header lines, then 51 labelled lines
// "label:value", CR LF, UTF-8. The frame texts live in companion RTF files in
// the folder "element" beside it.

// What the writer takes from the frames besides the model.
struct CardFileFrames
{
    // The font the first line of each frame text actually carries; none when
    // the frame is empty.
    std::array<std::optional<FrameFont>, 2> firstLineFonts;
    std::array<int, 2> alignments{AlignLeft, AlignLeft};
    // The companion names as written into lines 1 and 2: ".\element\C1" +
    // base + ".rtf".
    std::array<QString, 2> companions;
};

// The file's bytes for the card. A gap of 0 is written (and kept) as 8.
QByteArray composeCardFile(CardModel &card, const CardFileFrames &frames);

// The companion names of a card saved under `baseName` in `folder`.
QString companionRelativeName(int frame, const QString &baseName);
QString companionAbsoluteName(int frame, const QString &folder, const QString &baseName);

// The raw values of a card file, as read.
struct CardFileValues
{
    std::array<QString, 15> texts;    // lines 1 to 14
    std::array<qint32, 52> numbers{}; // lines 15 to 51
    std::array<bool, 52> present{};   // the line had a colon
};

struct CardFileReading
{
    bool read = false;
    bool aborted = false;
    int linesWithoutColon = 0;
};

// Reads the 51 values. For a line without a colon, `oldVersion` is told when
// it follows line 50 (a file of an earlier version), else `goOn` is asked
// whether to go on (false aborts the read).
CardFileReading readCardFileValues(QByteArrayView bytes, CardFileValues &values,
                                   const std::function<void()> &oldVersion,
                                   const std::function<bool(int line)> &goOn);

// What the windows apply after the model took the values.
struct LoadedCard
{
    std::array<QString, 2> textFiles;             // as stored, trimmed
    std::array<std::optional<int>, 2> alignments; // to lay over each frame text
    int transparencyCode = 0;
    int previewTop = 0;
};

// Sets the model from the values, geometry scaled from the stored screen
// resolution to the card's.
LoadedCard applyCardValues(CardModel &card, const CardFileValues &values);

// A path stored in a card file: "\" or "/" separators, relative to the card
// file's folder or absolute. A file that is not where it was stored (a card
// made on another computer) is looked for by its name beside the card file
// and in its "element" folder. Returns the absolute path to use (the stored
// place, resolved, when it is nowhere to be found).
QString resolveStoredPath(const QString &stored, const QString &cardFolder);

// The leading blanks and control characters of a stored text removed.
QString trimmedStoredText(const QString &text);
