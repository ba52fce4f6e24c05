#pragma once

#include <QTextEdit>

// The rich-text control of the card frames and the mini-CV zones: one
// paragraph is one line, as the printed sheet relies on.
class RichEdit : public QTextEdit
{
    Q_OBJECT

public:
    explicit RichEdit(QWidget *parent = nullptr);

    QStringList lines() const;
    void setBackgroundColour(const QColor &colour);
    QColor backgroundColour() const;
};
