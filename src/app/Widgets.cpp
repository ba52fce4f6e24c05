#include "app/Widgets.h"

#include <QMouseEvent>
#include <QPainter>
#include <QStyle>
#include <QStyleOptionGroupBox>

VGroupBox::VGroupBox(const QString &title, QWidget *parent)
    : QGroupBox(title, parent)
{}

QPoint VGroupBox::clientOrigin() const
{
    QStyleOptionGroupBox option;
    initStyleOption(&option);
    option.rect = QRect(0, 0, 200, 200);
    const QRect contents =
        style()->subControlRect(QStyle::CC_GroupBox, &option, QStyle::SC_GroupBoxContents, this);
    return QPoint(2, contents.top() + 1);
}

QFont designedWindowFont()
{
    QFont font;
    font.setFamilies({QStringLiteral("MS Sans Serif"), QStringLiteral("Liberation Sans"),
                      QStringLiteral("Arial"), QStringLiteral("DejaVu Sans")});
    font.setPointSize(8);
    return font;
}

QPoint clientOrigin(const QWidget *parent)
{
    if (const auto *box = qobject_cast<const VGroupBox *>(parent))
        return box->clientOrigin();
    return QPoint(0, 0);
}

void placeControl(QWidget *control, int left, int top, int width, int height)
{
    control->setGeometry(
        QRect(QPoint(left, top) + clientOrigin(control->parentWidget()), QSize(width, height)));
}

QRect designGeometry(const QWidget *control)
{
    return control->geometry().translated(-clientOrigin(control->parentWidget()));
}

void moveControlTo(QWidget *control, int left, int top)
{
    control->move(QPoint(left, top) + clientOrigin(control->parentWidget()));
}

CommandPanel::CommandPanel(const QString &caption, int tag, QWidget *parent)
    : QFrame(parent)
    , text(caption)
    , panelTag(tag)
{
    setFrameStyle(QFrame::Panel | QFrame::Raised);
    setLineWidth(1);
    setAutoFillBackground(true);
    setMouseTracking(true);
    setCursor(Qt::PointingHandCursor);
    setColour(palette().color(QPalette::Button));
}

void CommandPanel::setCaption(const QString &caption)
{
    text = caption;
    update();
}

void CommandPanel::setColour(const QColor &colour)
{
    QPalette p = palette();
    p.setColor(QPalette::Window, colour);
    setPalette(p);
}

QColor CommandPanel::colour() const
{
    return palette().color(QPalette::Window);
}

void CommandPanel::paintEvent(QPaintEvent *event)
{
    QFrame::paintEvent(event);
    QPainter painter(this);
    painter.setPen(palette().color(QPalette::WindowText));
    painter.drawText(contentsRect(), Qt::AlignCenter, text);
}

void CommandPanel::mousePressEvent(QMouseEvent *event)
{
    pressed = event->button() == Qt::LeftButton;
    event->accept();
}

void CommandPanel::mouseReleaseEvent(QMouseEvent *event)
{
    const bool wasPressed = pressed;
    pressed = false;
    event->accept();
    if (wasPressed && event->button() == Qt::LeftButton &&
        rect().contains(event->position().toPoint()))
        emit clicked();
}

void CommandPanel::mouseMoveEvent(QMouseEvent *event)
{
    event->accept();
    emit mouseMoved();
}
