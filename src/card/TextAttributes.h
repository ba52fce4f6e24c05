#pragma once

#include "card/CardModel.h"

class QTextDocument;

// The text-attribute routine: the character attributes of a stretch of rich
// text as one plain font, and a plain font laid over a stretch of text. The
// card file, printing and the mini-CV share it.

// Style codes of the card file: 2 bold, 4 italic, 8 strike-out (underline is
// not stored).
int styleCode(const FrameFont &font);
unsigned styleFromCode(int code);

// The font of the first character of line `line` (0-based) of a document.
FrameFont lineFont(const QTextDocument &document, int line);

// Gives the characters [from, to) the font: name, size, style and colour.
void applyFont(QTextDocument &document, int from, int to, const FrameFont &font);
// The body font over the whole text, then the header font over line 1; a
// font without a name is not applied.
void applyFrameFonts(QTextDocument &document, const FrameFont &body, const FrameFont &header);

// Every paragraph's alignment: 0 left, 1 right, 2 centre.
void setDocumentAlignment(QTextDocument &document, int alignment);
// The first paragraph's alignment as a code (justified counts as left).
int documentAlignment(const QTextDocument &document);
