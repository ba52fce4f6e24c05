#pragma once

#include <QTextEdit>

class QPainter;
class QTextDocument;

// The character attributes of a selection as one plain font.
struct TextAttributes
{
    QString fontName;
    double pointSize = 0;
    bool bold = false;
    bool italic = false;
    bool underline = false;
    bool strikeOut = false;
    QColor color;

    bool operator==(const TextAttributes &) const = default;
};

// The rich-text control of the card frames and the mini-CV zones. Word wrap is
// off, so one paragraph is one line: the printed sheet lays the frames out
// line by line and relies on it.
class RichEdit : public QTextEdit
{
    Q_OBJECT

public:
    explicit RichEdit(QWidget *parent = nullptr);

    QStringList lines() const;

    int selectionStart() const;
    int selectionLength() const;
    void setSelection(int start, int length);
    void selectAllText();
    // Selects line `line` (0-based) without its end of paragraph.
    void selectLine(int line);
    void clearSelection();

    // The attributes at the start of the selection (or at the cursor).
    TextAttributes selectionAttributes() const;
    void setSelectionAttributes(const TextAttributes &attributes);
    Qt::Alignment selectionAlignment() const;
    // Every paragraph touched by the selection.
    void setSelectionAlignment(Qt::Alignment alignment);

    void setBackgroundColour(const QColor &colour);
    QColor backgroundColour() const;

    bool isModified() const;
    void setModified(bool modified);

    // Draws the whole formatted text into `rect` of the painter's device as
    // if that device had `pixelsPerInch`, without any background.
    void renderInto(QPainter &painter, const QRect &rect, int pixelsPerInch) const;
};

// The same, for any document.
void renderDocumentInto(const QTextDocument &document, QPainter &painter, const QRect &rect,
                        int pixelsPerInch);
