#include "platform/RichEdit.h"

#include <QTextBlock>

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
