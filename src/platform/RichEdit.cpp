#include "platform/RichEdit.h"

#include <QAbstractTextDocumentLayout>
#include <QPainter>
#include <QTextBlock>
#include <QTextDocument>

RichEdit::RichEdit(QWidget *parent)
    : QTextEdit(parent)
{
    setFrameShape(QFrame::NoFrame);
    setLineWrapMode(QTextEdit::NoWrap);
    setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    setAcceptRichText(true);
    setAutoFillBackground(true);
    document()->setDocumentMargin(1);
}

QStringList RichEdit::lines() const
{
    QStringList out;
    for (QTextBlock block = document()->begin(); block.isValid(); block = block.next())
        out << block.text();
    return out;
}

int RichEdit::selectionStart() const
{
    return textCursor().selectionStart();
}

int RichEdit::selectionLength() const
{
    const QTextCursor cursor = textCursor();
    return cursor.selectionEnd() - cursor.selectionStart();
}

void RichEdit::setSelection(int start, int length)
{
    QTextCursor cursor(document());
    const int end = qMax(0, document()->characterCount() - 1);
    cursor.setPosition(qBound(0, start, end));
    cursor.setPosition(qBound(0, start + length, end), QTextCursor::KeepAnchor);
    setTextCursor(cursor);
}

void RichEdit::selectAllText()
{
    setSelection(0, document()->characterCount());
}

void RichEdit::selectLine(int line)
{
    const QTextBlock block = document()->findBlockByNumber(line);
    if (!block.isValid()) {
        clearSelection();
        return;
    }
    setSelection(block.position(), block.length() - 1);
}

void RichEdit::clearSelection()
{
    setSelection(0, 0);
}

TextAttributes RichEdit::selectionAttributes() const
{
    QTextCursor cursor = textCursor();
    // The attributes of the first selected character, not of the one before.
    if (cursor.hasSelection()) {
        cursor.setPosition(cursor.selectionStart());
        cursor.movePosition(QTextCursor::NextCharacter);
    }
    const QTextCharFormat format = cursor.charFormat();
    const QFont font = format.font();
    TextAttributes a;
    a.fontName = font.family();
    a.pointSize = font.pointSizeF();
    a.bold = font.bold();
    a.italic = font.italic();
    a.underline = font.underline();
    a.strikeOut = font.strikeOut();
    a.color = format.foreground().style() == Qt::NoBrush ? palette().color(QPalette::Text)
                                                         : format.foreground().color();
    return a;
}

void RichEdit::setSelectionAttributes(const TextAttributes &a)
{
    QTextCharFormat format;
    format.setFontFamilies({a.fontName});
    if (a.pointSize > 0)
        format.setFontPointSize(a.pointSize);
    format.setFontWeight(a.bold ? QFont::Bold : QFont::Normal);
    format.setFontItalic(a.italic);
    format.setFontUnderline(a.underline);
    format.setFontStrikeOut(a.strikeOut);
    if (a.color.isValid())
        format.setForeground(a.color);
    QTextCursor cursor = textCursor();
    cursor.mergeCharFormat(format);
    mergeCurrentCharFormat(format);
}

Qt::Alignment RichEdit::selectionAlignment() const
{
    return textCursor().blockFormat().alignment();
}

void RichEdit::setSelectionAlignment(Qt::Alignment alignment)
{
    QTextBlockFormat format;
    format.setAlignment(alignment);
    textCursor().mergeBlockFormat(format);
}

void RichEdit::setBackgroundColour(const QColor &colour)
{
    QPalette p = palette();
    p.setColor(QPalette::Base, colour);
    p.setColor(QPalette::Window, colour);
    setPalette(p);
}

QColor RichEdit::backgroundColour() const
{
    return palette().color(QPalette::Base);
}

bool RichEdit::isModified() const
{
    return document()->isModified();
}

void RichEdit::setModified(bool modified)
{
    document()->setModified(modified);
}

void RichEdit::renderInto(QPainter &painter, const QRect &rect, int pixelsPerInch) const
{
    renderDocumentInto(*document(), painter, rect, pixelsPerInch);
}

void renderDocumentInto(const QTextDocument &document, QPainter &painter, const QRect &rect,
                        int pixelsPerInch)
{
    // The document is laid out in screen pixels; a device of another
    // resolution gets the text at the same physical size.
    const QPaintDevice *device = painter.device();
    const double sx = device ? double(device->logicalDpiX()) / pixelsPerInch : 1.0;
    const double sy = device ? double(device->logicalDpiY()) / pixelsPerInch : 1.0;
    painter.save();
    painter.translate(rect.topLeft());
    painter.scale(sx, sy);
    const QRectF clip(0, 0, rect.width() / sx, rect.height() / sy);
    painter.setClipRect(clip, Qt::IntersectClip);
    QAbstractTextDocumentLayout::PaintContext context;
    context.clip = clip;
    context.palette.setColor(QPalette::Text, Qt::black);
    document.documentLayout()->draw(&painter, context);
    painter.restore();
}
