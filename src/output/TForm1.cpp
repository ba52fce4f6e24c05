#include "output/TForm1.h"

#include "platform/RichEdit.h"

#include <QLabel>
#include <QPainter>
#include <QPainterPath>

TForm1::TForm1(CardModel &cardModel, QWidget *parent)
    : QWidget(parent, Qt::Window | Qt::FramelessWindowHint)
    , card(cardModel)
{
    setObjectName(QStringLiteral("Form1"));
    setWindowTitle(QStringLiteral("carte"));
    setToolTip(QStringLiteral("carte avec les éléments cadre1 et cadre 2 "));
    setAutoFillBackground(true);

    Image1 = new QLabel(this);
    Image1->setObjectName(QStringLiteral("Image1"));
    Image1->setScaledContents(true);
    Image1->setPixmap(builtInIcon());
    Image1->setGeometry(8, 24, 32, 32);
    Image2 = new QLabel(this);
    Image2->setObjectName(QStringLiteral("Image2"));
    Image2->setGeometry(152, 8, 17, 17);
    Image2->hide();
    Image3 = new QLabel(this);
    Image3->setObjectName(QStringLiteral("Image3"));
    Image3->setGeometry(152, 32, 17, 25);
    Image3->hide();

    RichEdit1 = new RichEdit(this);
    RichEdit1->setObjectName(QStringLiteral("RichEdit1"));
    RichEdit2 = new RichEdit(this);
    RichEdit2->setObjectName(QStringLiteral("RichEdit2"));

    formload();
    card.observer = this;
    mirrorCard();
}

TForm1::~TForm1()
{
    if (card.observer == this)
        card.observer = nullptr;
}

void TForm1::formload()
{
    // The icon object is created when an icon file is first rendered.
}

void TForm1::mirrorCard()
{
    cardChanged(CardChange::CardGeometry, -1);
    cardChanged(CardChange::CardColour, -1);
    for (int i = 0; i < 2; ++i) {
        cardChanged(CardChange::FrameGeometry, i);
        cardChanged(CardChange::FrameColour, i);
    }
    cardChanged(CardChange::IconGeometry, -1);
}

void TForm1::cardChanged(CardChange what, int frame)
{
    switch (what) {
    case CardChange::CardGeometry:
        resize(card.width, card.height);
        break;
    case CardChange::CardColour: {
        QPalette p = palette();
        p.setColor(QPalette::Window, toQColor(card.backgroundColor));
        setPalette(p);
        break;
    }
    case CardChange::FrameGeometry:
        frameEditor(frame)->setGeometry(card.frames[frame].rect());
        break;
    case CardChange::FrameColour:
        frameEditor(frame)->setBackgroundColour(toQColor(card.frames[frame].backgroundColor));
        break;
    case CardChange::IconGeometry:
        Image1->setGeometry(card.icon.rect());
        break;
    case CardChange::FrameAlignment:
    case CardChange::FrameFont:
    case CardChange::Orientation:
    case CardChange::Appearance:
        update();
        break;
    }
}

QPixmap TForm1::builtInIcon()
{
    // A small card with a folded corner and the program's initial.
    QPixmap pixmap(32, 32);
    pixmap.fill(Qt::transparent);
    QPainter p(&pixmap);
    p.setRenderHint(QPainter::Antialiasing);
    QPainterPath sheet;
    sheet.moveTo(4, 2);
    sheet.lineTo(22, 2);
    sheet.lineTo(28, 8);
    sheet.lineTo(28, 30);
    sheet.lineTo(4, 30);
    sheet.closeSubpath();
    p.setPen(QPen(QColor(0x80, 0x00, 0x80), 1.5));
    p.setBrush(QColor(0xFF, 0xF4, 0xD6));
    p.drawPath(sheet);
    p.setBrush(QColor(0xFF, 0xC0, 0x80));
    p.drawPolygon(QPolygonF({QPointF(22, 2), QPointF(22, 8), QPointF(28, 8)}));
    p.setPen(QPen(QColor(0x80, 0x00, 0x80), 3, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    p.drawPolyline(QPolygonF({QPointF(9, 11), QPointF(16, 25), QPointF(23, 11)}));
    return pixmap;
}
