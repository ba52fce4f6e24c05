#pragma once

#include <QByteArray>
#include <QByteArrayView>
#include <QString>
#include <QStringList>
#include <QStringView>

#include <optional>

// How the "charger" commands read a plain-text file; chosen in the "type de
// fichier" menu, "ansi" at every start.
enum class TextFileEncoding { Ansi, Utf8, Unicode };

// "ansi", "utf8" or "unicode".
QString textFileEncodingName(TextFileEncoding encoding);

// The Windows "ANSI" code page. File names are Unicode on every platform we
// run on, so only file contents of the earlier Windows version are in it, and
// those were written on French and English systems.
constexpr int kAnsiCodePage = 1252;

// Windows code pages (1250, 1251, 1252, ..., 874, 932, ...) both ways. Bytes
// without a character in the page come out as the decoder's substitute;
// characters outside the page go out as its substitute byte.
bool codePageAvailable(int codePage);
QString decodeCodePage(QByteArrayView bytes, int codePage);
QByteArray encodeCodePage(QStringView text, int codePage);
inline QString fromAnsi(QByteArrayView bytes)
{
    return decodeCodePage(bytes, kAnsiCodePage);
}
inline QByteArray toAnsi(QStringView text)
{
    return encodeCodePage(text, kAnsiCodePage);
}

bool isValidUtf8(QByteArrayView bytes);

// The lines of a text whose lines end with CR LF, LF or CR; a line end after
// the last line does not start another one.
QStringList splitTextLines(QStringView text);

enum class DetectedEncoding { None, Ansi, Utf8, Utf16LE, Utf16BE, Utf32LE, Utf32BE };

// A text read whole from bytes, with what was found about it.
struct DetectedText
{
    QString text; // without the byte-order mark
    DetectedEncoding encoding = DetectedEncoding::None;
    bool hasMark = false;
};

// Decides the encoding of a text file: a byte-order mark of UTF-8, UTF-16 or
// UTF-32 first; else UTF-16 or UTF-32 without mark when the bytes hold NULs
// in their pattern; else UTF-8 when valid, and Windows-1252 otherwise. Bytes
// with NULs that fit none of the wide encodings are not text: nothing.
std::optional<DetectedText> detectText(QByteArrayView bytes);

// The encoding-detecting text stream. Reading resets it and lets it find the
// file's encoding; it keeps that encoding and its mark flag, so that writing
// goes back in the encoding that was read (UTF-16 and UTF-32 with their mark,
// UTF-8 with or without it; a text read as ANSI is written as UTF-8). A new
// stream writes UTF-8 with a mark.
class CharEncStream
{
public:
    // Reading a file that cannot be opened, or that is not text, fails and
    // leaves the stream as it was; error() says why.
    bool loadFromFile(const QString &path);
    bool loadFromBytes(QByteArrayView bytes);
    QString error() const { return lastError; }

    QString text;

    DetectedEncoding encoding() const { return found; }
    bool hasMark() const { return mark; }
    void setEncoding(DetectedEncoding encoding, bool withMark);
    // No encoding decided, mark flag set.
    void reset();

    QByteArray bytes() const;
    // Whole or not at all.
    bool saveToFile(const QString &path);

private:
    DetectedEncoding found = DetectedEncoding::Utf8;
    bool mark = true;
    QString lastError;
};

// The result of a "charger" read of a plain-text file: the file's lines
// joined with CR LF, no line end after the last one.
struct ConvertedText
{
    QString text;
    QString error; // empty when the file was read
};

// Reads a plain-text file as the "type de fichier" menu says: "ansi" takes its
// bytes as Windows-1252, "utf8" as UTF-8 without a leading mark, "unicode" as
// UTF-8 keeping it. Files with a UTF-16 or UTF-32 mark, or found to be UTF-16
// or UTF-32 by their NULs, are decoded as what they are whatever the mode;
// any other file holding NUL bytes is not text and fails.
ConvertedText ConvertOnLoad(const QString &path, TextFileEncoding mode);
ConvertedText convertBytesOnLoad(QByteArrayView bytes, TextFileEncoding mode);

// "utf8bom", "ucs2le", "ucs2be", the name after a leading "{%encoding "
// marker, "utf8" for valid UTF-8 (pure ASCII included), else "cp1252".
QString GuessEncoding(QByteArrayView text);

// File names are Unicode (QString) throughout, so every name can be given to
// the file system as it is: the temporary copies the earlier Windows version
// made for names outside its ANSI code page are never needed.
bool IsAnsiName(const QString &name);

// Copies source over destination, whole or not at all. On failure the text
// to show: "unable to handle file :" and the source name.
QString CopyWithFallback(const QString &source, const QString &destination);

// What RewriteRtfCodePage found in a header.
struct CodePageRewrite
{
    bool ansiFound = false;     // "\ansi\" within the first 26 bytes, now "\utf8\"
    bool codePageFound = false; // "\ansicpg1252" within the first 42 bytes, now gone
    QString error;              // the file could not be read or written
};

// Declares the RTF as UTF-8: the last "\ansi\" starting at offsets 0 to 20
// becomes "\utf8\" and the last "\ansicpg1252" starting at offsets 0 to 30 is
// removed. The earlier Windows version's reader relies on that header, and our
// own RTF is 7-bit, so the rewrite changes nothing for other readers.
CodePageRewrite rewriteRtfCodePage(QByteArray &rtf);
CodePageRewrite RewriteRtfCodePage(const QString &path);
