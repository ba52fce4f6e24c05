#pragma once

#include "card/CardModel.h"

class QFont;
class QTextCharFormat;
class QTextCursor;
class QTextDocument;

// The text-attribute routine: the character attributes of a stretch of rich
// text as one plain font, and a plain font laid over a stretch of text. The
// card file, printing and the mini-CV share it.

// Style codes of the card file: 2 bold, 4 italic, 8 strike-out (underline is
// not stored).
int styleCode(const FrameFont &font);
unsigned styleFromCode(int code);

// The character attributes that lay a plain font over text: name, size,
// style and colour.
QTextCharFormat attributesOf(const FrameFont &font);
// The plain font of character attributes, what they leave unset taken from
// `base`.
FrameFont fontOf(const QTextCharFormat &attributes, const QFont &base);

// Gives the target selection the attributes, then copies their name, size,
// style and colour into the font. Applying a font to a selection and reading
// the font of a selection both go through here.
void ApplyAttributes(const QTextCharFormat &attributes, QTextCursor &target, FrameFont &font);

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
