#pragma once

// Documents described line by line, so that a failing comparison shows which
// paragraph and which run differ.

#include <QTextBlock>
#include <QTextCharFormat>
#include <QTextDocument>

namespace rtftest {

inline QString formatText(const QTextCharFormat &f)
{
    QString family = QStringLiteral("-");
    const QStringList families = f.fontFamilies().toStringList();
    if (!families.isEmpty())
        family = families.first();
    QString flags;
    if (f.fontWeight() > QFont::Medium)
        flags += QLatin1Char('b');
    if (f.fontItalic())
        flags += QLatin1Char('i');
    if (f.fontUnderline())
        flags += QLatin1Char('u');
    if (f.fontStrikeOut())
        flags += QLatin1Char('s');
    QString text = QStringLiteral("[%1,%2,%3").arg(family).arg(f.fontPointSize()).arg(flags);
    if (f.hasProperty(QTextFormat::ForegroundBrush) && f.foreground().style() != Qt::NoBrush)
        text += QLatin1Char(',') + f.foreground().color().name();
    return text + QLatin1Char(']');
}

inline QChar alignmentLetter(Qt::Alignment alignment)
{
    if (alignment & Qt::AlignHCenter)
        return QLatin1Char('C');
    if (alignment & Qt::AlignRight)
        return QLatin1Char('R');
    if (alignment & Qt::AlignJustify)
        return QLatin1Char('J');
    return QLatin1Char('L');
}

// One line per paragraph: its alignment, then each run of text with its
// format; neighbouring runs in the same format are one. An empty paragraph
// shows the format of its mark.
inline QStringList describe(const QTextDocument &document)
{
    QStringList lines;
    for (QTextBlock block = document.begin(); block.isValid(); block = block.next()) {
        QString line = alignmentLetter(block.blockFormat().alignment()) + QStringLiteral(": ");
        if (block.length() <= 1) {
            line += QStringLiteral("(") + formatText(block.charFormat()) + QStringLiteral(")");
        } else {
            QString lastFormat;
            for (auto it = block.begin(); !it.atEnd(); ++it) {
                const QString format = formatText(it.fragment().charFormat());
                if (format != lastFormat)
                    line += format;
                line += it.fragment().text();
                lastFormat = format;
            }
        }
        lines << line;
    }
    return lines;
}

inline QString plainLines(const QTextDocument &document)
{
    QStringList lines;
    for (QTextBlock block = document.begin(); block.isValid(); block = block.next())
        lines << block.text();
    return lines.join(QLatin1Char('|'));
}

} // namespace rtftest
