#include "platform/RtfWriter.h"

#include "card/Rounding.h"

#include <QHash>
#include <QIODevice>
#include <QSet>
#include <QTextBlock>
#include <QTextDocument>
#include <QTextFragment>

#include <charconv>
#include <string>

namespace {

QString familyOf(const QTextCharFormat &format, const QString &fallback)
{
    if (format.hasProperty(QTextFormat::FontFamilies)) {
        const QStringList families = format.fontFamilies().toStringList();
        if (!families.isEmpty() && !families.first().isEmpty())
            return families.first();
    }
    // Formats made before Qt 6 named a single family.
    const QString single = format.stringProperty(QTextFormat::FontFamily);
    if (!single.isEmpty())
        return single;
    return fallback;
}

bool hasColour(const QTextCharFormat &format)
{
    return format.hasProperty(QTextFormat::ForegroundBrush) &&
           format.foreground().style() != Qt::NoBrush;
}

quint32 rgbOf(const QColor &colour)
{
    return colour.rgb() & 0xFFFFFF;
}

class Writer
{
public:
    explicit Writer(const QTextDocument &document)
        : document(document)
        , formats(document.allFormats())
        , defaultFamily(document.defaultFont().family())
        , defaultPoints(
              document.defaultFont().pointSizeF() > 0 ? document.defaultFont().pointSizeF() : 12.0)
    {}

    QByteArray write();

private:
    void collect(int formatIndex);
    void header();
    const std::string &runFormat(int formatIndex);
    void text(QStringView text, bool fontName = false);
    void number(qint64 value);

    const QTextDocument &document;
    const QList<QTextFormat> formats;
    const QString defaultFamily;
    const double defaultPoints;
    QHash<QString, int> fontIndex;
    QStringList fonts;
    QHash<quint32, int> colourIndex;
    QList<QColor> colours;
    QSet<int> collected;
    // "{\f1\fs24\b " for each format of the document, made once.
    QHash<int, std::string> prefixes;
    // Appending to a std::string is inline; QByteArray's is not.
    std::string out;
};

void Writer::number(qint64 value)
{
    char digits[24];
    const auto [end, ec] = std::to_chars(digits, digits + sizeof digits, value);
    (void)ec;
    out.append(digits, end);
}

void Writer::collect(int formatIndex)
{
    if (collected.contains(formatIndex))
        return;
    collected.insert(formatIndex);
    const QTextCharFormat format = formats.value(formatIndex).toCharFormat();
    const QString family = familyOf(format, defaultFamily);
    if (!fontIndex.contains(family)) {
        fontIndex.insert(family, int(fonts.size()));
        fonts << family;
    }
    if (hasColour(format)) {
        const QColor colour = format.foreground().color();
        if (!colourIndex.contains(rgbOf(colour))) {
            colours << colour;
            colourIndex.insert(rgbOf(colour), int(colours.size())); // 0 is "auto"
        }
    }
}

void Writer::header()
{
    out += "{\\rtf1\\ansi\\ansicpg1252\\deff0{\\fonttbl";
    for (qsizetype i = 0; i < fonts.size(); ++i) {
        out += "{\\f";
        number(i);
        out += "\\fnil\\fcharset0 ";
        text(fonts[i], true);
        out += ";}";
    }
    out += "}\r\n{\\colortbl;";
    for (const QColor &c : colours) {
        out += "\\red";
        number(c.red());
        out += "\\green";
        number(c.green());
        out += "\\blue";
        number(c.blue());
        out += ';';
    }
    out += "}\r\n\\viewkind4\\uc1\r\n";
}

const std::string &Writer::runFormat(int formatIndex)
{
    auto found = prefixes.find(formatIndex);
    if (found != prefixes.end())
        return *found;
    const QTextCharFormat format = formats.value(formatIndex).toCharFormat();
    std::string saved;
    out.swap(saved);
    out += "{\\f";
    number(fontIndex.value(familyOf(format, defaultFamily)));
    const double points =
        format.hasProperty(QTextFormat::FontPointSize) && format.fontPointSize() > 0
            ? format.fontPointSize()
            : defaultPoints;
    out += "\\fs";
    number(std::max(1, roundEven(points * 2)));
    if (format.fontWeight() > QFont::Medium)
        out += "\\b";
    if (format.fontItalic())
        out += "\\i";
    if (format.fontUnderline())
        out += "\\ul";
    if (format.fontStrikeOut())
        out += "\\strike";
    if (hasColour(format)) {
        out += "\\cf";
        number(colourIndex.value(rgbOf(format.foreground().color())));
    }
    out += ' ';
    out.swap(saved);
    return *prefixes.insert(formatIndex, std::move(saved));
}

void Writer::text(QStringView text, bool fontName)
{
    for (const QChar c : text) {
        const char16_t u = c.unicode();
        if (fontName && u == ';') {
            // A raw ';' would end the font table entry.
            out += "\\'3b";
        } else if (u >= 0x20 && u < 0x7F) {
            if (u == '\\' || u == '{' || u == '}')
                out += '\\';
            out += char(u);
        } else if (u == '\t') {
            out += "\\tab ";
        } else if (u == 0x2028) {
            out += "\\line ";
        } else if (u < 0x20 || u == 0xFFFC || u == 0xFDD0 || u == 0xFDD1 || u == 0x2029) {
            // Control characters and the document's object and frame marks
            // are not text.
        } else {
            // \uN takes a signed 16-bit number; the '?' is what a reader
            // without Unicode shows instead.
            out += "\\u";
            number(u > 0x7FFF ? qint64(u) - 0x10000 : qint64(u));
            out += '?';
        }
    }
}

QByteArray Writer::write()
{
    for (QTextBlock block = document.begin(); block.isValid(); block = block.next()) {
        if (block.length() <= 1)
            collect(block.charFormatIndex());
        for (auto it = block.begin(); !it.atEnd(); ++it)
            if (it.fragment().isValid())
                collect(it.fragment().charFormatIndex());
    }
    if (fonts.isEmpty()) {
        fontIndex.insert(defaultFamily, 0);
        fonts << defaultFamily;
    }

    out.reserve(size_t(document.characterCount()) * 2 + 1024);
    header();
    for (QTextBlock block = document.begin(); block.isValid(); block = block.next()) {
        out += "\\pard";
        const Qt::Alignment alignment = block.blockFormat().alignment() & Qt::AlignHorizontal_Mask;
        if (alignment & Qt::AlignHCenter)
            out += "\\qc";
        else if (alignment & Qt::AlignRight)
            out += "\\qr";
        else if (alignment & Qt::AlignJustify)
            out += "\\qj";
        else
            out += "\\ql";
        if (block.length() <= 1) {
            // An empty line keeps the size of its paragraph mark.
            out += runFormat(block.charFormatIndex());
            out += "\\par}\r\n";
            continue;
        }
        out += ' ';
        for (auto it = block.begin(); !it.atEnd(); ++it) {
            const QTextFragment fragment = it.fragment();
            if (!fragment.isValid())
                continue;
            out += runFormat(fragment.charFormatIndex());
            text(fragment.text());
            out += '}';
        }
        out += "\\par\r\n";
    }
    out += "}\r\n";
    return QByteArray(out.data(), qsizetype(out.size()));
}

} // namespace

QByteArray writeRtf(const QTextDocument &document)
{
    return Writer(document).write();
}

bool writeRtf(const QTextDocument &document, QIODevice &device, QString *error)
{
    const QByteArray rtf = writeRtf(document);
    if (device.write(rtf) != rtf.size()) {
        if (error)
            *error = device.errorString();
        return false;
    }
    return true;
}
