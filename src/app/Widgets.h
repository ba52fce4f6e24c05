#pragma once

#include <QFrame>
#include <QGroupBox>

// A group box whose children are placed in its client area, below the
// caption, as the window designs give their coordinates.
class VGroupBox : public QGroupBox
{
    Q_OBJECT

public:
    VGroupBox(const QString &title, QWidget *parent);
    QPoint clientOrigin() const;
};

// The font every window of the program was designed with ("MS Sans Serif"
// 8 points), with its metric look-alikes where it is not installed.
QFont designedWindowFont();

// Where a control stands in its parent's client area.
QPoint clientOrigin(const QWidget *parent);
void placeControl(QWidget *control, int left, int top, int width, int height);
QRect designGeometry(const QWidget *control);
void moveControlTo(QWidget *control, int left, int top);

// One of the main window's command panels: a raised panel with a centred
// caption that opens a menu when clicked.
class CommandPanel : public QFrame
{
    Q_OBJECT

public:
    CommandPanel(const QString &caption, int tag, QWidget *parent);

    int tag() const { return panelTag; }
    QString caption() const { return text; }
    void setCaption(const QString &caption);
    void setColour(const QColor &colour);
    QColor colour() const;

signals:
    void clicked();
    void mouseMoved();

protected:
    void paintEvent(QPaintEvent *event) override;
    void mousePressEvent(QMouseEvent *event) override;
    void mouseReleaseEvent(QMouseEvent *event) override;
    void mouseMoveEvent(QMouseEvent *event) override;

private:
    QString text;
    int panelTag;
    bool pressed = false;
};
