#include "output/GeometrySnapshot.h"

#include "card/CardModel.h"
#include "card/Rounding.h"

void GeometrySnapshot::take(int number, const CardModel &card)
{
    if (number < kFirstSlot || number > kLastSlot)
        return;
    currentSlot = number;
    GeometrySlot &s = slot(number);
    s.frame1Top = qint16(card.frames[0].top);
    s.frame1Width = qint16(card.frames[0].width);
    s.frame1Height = qint16(card.frames[0].height);
    s.frame2Width = qint16(card.frames[1].width);
    s.frame2Height = qint16(card.frames[1].height);
    const GeometrySlot &current = slot(currentSlot);
    s.doubleFrame1Top = qint16(2 * current.frame1Top);
    s.wideFrame1Width = qint16(roundEven(current.frame1Width * 1.75));
    s.halfFrame1Height = qint16(current.frame1Height / 2);
    s.halfFrame2Height = qint16(current.frame2Height / 2);
    s.iconTop = qint16(card.icon.top);
    s.iconLeft = qint16(card.icon.left);
    s.iconWidth = qint16(card.icon.width);
    s.iconHeight = qint16(card.icon.height);
    s.valid = true;
}

GeometrySnapshot &geometrySnapshot()
{
    static GeometrySnapshot snapshot;
    return snapshot;
}
