#pragma once

#include "platform/Encodings.h"

#include <QString>
#include <QStringList>

class QTextDocument;

// What went wrong with a frame text file, for the command to turn into the
// program's messages.
struct RichTextResult
{
    enum Status {
        Ok,
        NotFound,    // no such file
        Unreadable,  // the file could not be opened or read
        NotText,     // plain text expected, but the bytes are no text
        NotRtf,      // an ".rtf" name whose content is not RTF
        WriteFailed, // nothing was written
    };
    Status status = Ok;
    QString detail;          // the system's reason, when there is one
    CodePageRewrite rewrite; // what the header rewrite of a saved RTF file found

    bool ok() const { return status == Ok; }
};

// ".rtf", compared in lower case.
bool isRtfName(const QString &path);

// An ".rtf" file is read as RTF, any other one as plain text in the encoding
// it is found to be in, one paragraph per line. On failure the document is
// left as it was; on success it is marked unmodified.
RichTextResult loadRichTextFile(QTextDocument &document, const QString &path);

// The document as RTF, with the header declared UTF-8 by rewriteRtfCodePage,
// written whole or not at all. Whether that clears the document's
// modification mark is the caller's business.
RichTextResult saveRichTextFile(const QTextDocument &document, const QString &path);

// One paragraph per line, replacing the content.
void setDocumentLines(QTextDocument &document, const QStringList &lines);
QStringList documentLines(const QTextDocument &document);

// The lines as UTF-8 without mark, each ended by CR LF, whole or not at all.
RichTextResult savePlainLines(const QStringList &lines, const QString &path);
