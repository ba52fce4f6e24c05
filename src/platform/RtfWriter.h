#pragma once

#include <QByteArray>
#include <QString>

class QIODevice;
class QTextDocument;

// The document as 7-bit RTF: "{\rtf1\ansi\ansicpg1252\deff0", a font table
// and a colour table, one paragraph per block with its alignment, each run of
// text in a group of its own with font, size, colour and styles, and every
// character outside ASCII as \uN? so that no reader depends on a code page.
QByteArray writeRtf(const QTextDocument &document);
// False, with the device's error, when the device did not take it all.
bool writeRtf(const QTextDocument &document, QIODevice &device, QString *error = nullptr);
