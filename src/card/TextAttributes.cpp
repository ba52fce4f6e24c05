#include "card/TextAttributes.h"

#include "card/Rounding.h"

#include <QTextBlock>
#include <QTextCursor>
#include <QTextDocument>

int styleCode(const FrameFont &font)
{
    return (font.has(FontStyle::Bold) ? 2 : 0) + (font.has(FontStyle::Italic) ? 4 : 0) +
           (font.has(FontStyle::StrikeOut) ? 8 : 0);
}

unsigned styleFromCode(int code)
{
    unsigned style = 0;
    if (code & 2)
        style |= unsigned(FontStyle::Bold);
    if (code & 4)
        style |= unsigned(FontStyle::Italic);
    if (code & 8)
        style |= unsigned(FontStyle::StrikeOut);
    return style;
}

QTextCharFormat attributesOf(const FrameFont &font)
{
    QTextCharFormat format;
    format.setFontFamilies({font.name});
    if (font.size > 0)
        format.setFontPointSize(font.size);
    format.setFontWeight(font.has(FontStyle::Bold) ? QFont::Bold : QFont::Normal);
    format.setFontItalic(font.has(FontStyle::Italic));
    format.setFontUnderline(font.has(FontStyle::Underline));
    format.setFontStrikeOut(font.has(FontStyle::StrikeOut));
    format.setForeground(toQColor(font.color));
    return format;
}

FrameFont fontOf(const QTextCharFormat &attributes, const QFont &base)
{
    const QFont font = attributes.font().resolve(base);
    FrameFont out;
    out.name = font.family();
    out.size = qint16(roundEven(font.pointSizeF()));
    if (font.bold())
        out.style |= unsigned(FontStyle::Bold);
    if (font.italic())
        out.style |= unsigned(FontStyle::Italic);
    if (font.underline())
        out.style |= unsigned(FontStyle::Underline);
    if (font.strikeOut())
        out.style |= unsigned(FontStyle::StrikeOut);
    out.color = attributes.foreground().style() == Qt::NoBrush
                    ? 0
                    : fromQColor(attributes.foreground().color());
    return out;
}

void ApplyAttributes(const QTextCharFormat &attributes, QTextCursor &target, FrameFont &font)
{
    if (target.hasSelection())
        target.mergeCharFormat(attributes);
    const QTextDocument *document = target.document();
    font = fontOf(attributes, document ? document->defaultFont() : QFont());
}

FrameFont lineFont(const QTextDocument &document, int line)
{
    const QTextBlock block = document.findBlockByNumber(line);
    QTextCursor cursor(const_cast<QTextDocument *>(&document));
    if (block.isValid()) {
        cursor.setPosition(block.position());
        // The format of the first character, not of what precedes it.
        if (block.length() > 1)
            cursor.movePosition(QTextCursor::NextCharacter);
    }
    return fontOf(cursor.charFormat(), document.defaultFont());
}

void applyFont(QTextDocument &document, int from, int to, const FrameFont &font)
{
    QTextCursor cursor(&document);
    cursor.setPosition(qBound(0, from, document.characterCount() - 1));
    cursor.setPosition(qBound(0, to, document.characterCount() - 1), QTextCursor::KeepAnchor);
    FrameFont applied;
    ApplyAttributes(attributesOf(font), cursor, applied);
}

void applyFrameFonts(QTextDocument &document, const FrameFont &body, const FrameFont &header)
{
    if (!body.name.isEmpty())
        applyFont(document, 0, document.characterCount() - 1, body);
    if (!header.name.isEmpty()) {
        const QTextBlock first = document.firstBlock();
        applyFont(document, first.position(), first.position() + first.length() - 1, header);
    }
}

void setDocumentAlignment(QTextDocument &document, int alignment)
{
    Qt::Alignment flag = Qt::AlignLeft;
    if (alignment == AlignRight)
        flag = Qt::AlignRight;
    else if (alignment == AlignCentre)
        flag = Qt::AlignHCenter;
    QTextCursor cursor(&document);
    cursor.select(QTextCursor::Document);
    QTextBlockFormat format;
    format.setAlignment(flag);
    cursor.mergeBlockFormat(format);
}

int documentAlignment(const QTextDocument &document)
{
    const Qt::Alignment a = document.firstBlock().blockFormat().alignment();
    if (a & Qt::AlignRight)
        return AlignRight;
    if (a & Qt::AlignHCenter)
        return AlignCentre;
    return AlignLeft;
}
