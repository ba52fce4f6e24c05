#pragma once

#include <QByteArrayView>
#include <QString>

class QIODevice;
class QTextDocument;

struct RtfReadResult
{
    bool ok = false;
    QString error;
};

// Groups nested deeper than this share the state of the deepest one, so that
// a hostile file cannot make the reader's stack grow without bound.
constexpr int kRtfMaxNesting = 256;

// Replaces the document's content with the RTF text: fonts, sizes, colours,
// bold, italic, underline, strike-out, paragraph alignment, tabs and line
// breaks (each line break starts a paragraph, since a frame line is a
// paragraph). Bytes written as \'hh or raw are decoded in the code page of the
// font's charset or of \ansicpg; under the \utf8 header of the earlier Windows
// version a run of bytes that is valid UTF-8 is taken as UTF-8. Anything that
// does not start with "{\rtf" is refused and leaves the document as it was;
// past that, damaged RTF gives what could be read and never fails.
RtfReadResult readRtf(QByteArrayView rtf, QTextDocument &document);
RtfReadResult readRtf(QIODevice &device, QTextDocument &document);
