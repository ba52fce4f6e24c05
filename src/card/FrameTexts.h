#pragma once

#include "platform/Encodings.h"

#include <QString>

class QTextDocument;

// What the frame-text commands keep for the whole run.
struct FrameTextState
{
    // The "type de fichier" menu: how "charger" reads plain text. Not saved.
    TextFileEncoding encoding = TextFileEncoding::Ansi;
    // Message 170 about accents is shown once per run.
    bool accentNoticeShown = false;
};

FrameTextState &frameTextState();

// The editor of a text target: 11 and 12 are the card's frames 1 and 2, 1 to
// 4 the mini-CV's zones (none while the mini-CV editor does not exist).
QTextDocument *richTextTarget(int target);

// Loads a frame's or zone's file: RTF for an ".rtf" name, plain text in the
// encoding it is found to be in otherwise. A missing file shows message 184
// as an error and leaves the target as it was; a file that cannot be read
// shows why. True when the target holds the file's text.
bool LoadRichText(int target, const QString &path);

// Saves a frame or zone as RTF with its header declared UTF-8, and clears its
// modification mark. False when nothing could be written, for the caller's
// message. With verbose set (the mini-CV's verbose mode), a header that could
// not be rewritten is reported.
bool SaveRichText(int target, const QString &path, bool verbose = false);
