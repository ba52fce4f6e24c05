#include "editing/DimensionEntry.h"

#include "card/Rounding.h"
#include "catalogue/MessageCatalogue.h"
#include "output/GeometrySnapshot.h"

namespace {

QString notice(const QString &text, const QString &code)
{
    return text + QStringLiteral("\r\n") + code;
}

void setFrame(CardModel &card, int frame, int left, int top, int width, int height)
{
    card.setFrameGeometry(frame, QRect(left, top, width, height));
}

} // namespace

int readIncrement(const QString &text, bool leftEdgeField)
{
    QString number;
    const qsizetype plus = text.indexOf(QLatin1Char('+'));
    if (plus >= 0) {
        number = text.mid(plus + 1);
    } else if (leftEdgeField) {
        const qsizetype blank = text.lastIndexOf(QLatin1Char(' '));
        number = blank < 0 ? QString() : text.mid(blank);
    } else {
        const qsizetype blank = text.indexOf(QLatin1Char(' '));
        number = blank < 0 ? text : text.mid(blank + 1);
    }
    // Leading blanks are allowed, nothing after the digits.
    qsizetype start = 0;
    while (start < number.size() && number[start] == QLatin1Char(' '))
        ++start;
    bool ok = false;
    const int value = number.mid(start).toInt(&ok, 10);
    return ok ? value : 0;
}

std::optional<int> readWholeNumber(const QString &text)
{
    bool ok = false;
    const int value = text.toInt(&ok, 10);
    if (!ok)
        return std::nullopt;
    return value;
}

QString applyFrameEntry(CardModel &card, int frame, FrameField field, int v,
                        const QString &language)
{
    const CardFrame &f = card.frames[frame];
    int left = f.left;
    int top = f.top;
    int width = f.width;
    int height = f.height;
    const QString n = QString::number(frame + 1);
    auto word = [&](int number) { return lookupMessage(language, number); };
    QString shown;

    // In landscape "largeur" names the frame's height and "longueur" its
    // width: they always name the card's short and long sides.
    const bool landscape = card.isLandscape();
    const bool widthAxis = (field == FrameField::Largeur && !landscape) ||
                           (field == FrameField::Longueur && landscape);
    const bool heightAxis = (field == FrameField::Longueur && !landscape) ||
                            (field == FrameField::Largeur && landscape);

    if (field == FrameField::Top) {
        top += v;
        if (top + height > card.height) {
            top = card.height - height;
            shown = notice(composeMessage(language, 1146, n), QStringLiteral("Information 100"));
        }
        if (top < 0)
            shown = notice(word(1147), QStringLiteral("Information 100"));
    } else if (field == FrameField::LeftEdge) {
        left += v;
        if (left + width > card.width) {
            left = card.width - width;
            shown = notice(word(1151), QStringLiteral("Information 120"));
        }
        if (left < 0)
            shown = notice(word(1149), QStringLiteral("Information 110"));
    } else if (widthAxis) {
        width += v;
        if (width > card.width) {
            width = card.width;
            const bool firstFrameWidth = frame == 0 && field == FrameField::Largeur;
            shown = notice(firstFrameWidth ? composeMessage(language, 1148, QStringLiteral("1"))
                                           : word(1150),
                           QStringLiteral("Information 120"));
        }
        left = (card.width - width) / 2;
    } else if (heightAxis) {
        height += v;
        if (top + height > card.height) {
            top = card.height - height;
            if (field == FrameField::Longueur)
                shown = notice(word(1151), QStringLiteral("Information 120"));
        }
        if (frame == 0) {
            if (top < 0)
                shown = notice(word(1149), QStringLiteral("Information 110"));
        } else if (field == FrameField::Largeur) {
            if (top < 0)
                shown = notice(word(1150), QStringLiteral("Information 100"));
        } else {
            const CardFrame &first = card.frames[0];
            if (top < first.top + first.height)
                shown = word(1149) + QStringLiteral("  - Information 100");
        }
    }
    setFrame(card, frame, left, top, width, height);
    return shown;
}

QSize standardFormatSize(StandardFormat format, bool landscape)
{
    QSize size;
    switch (format) {
    case StandardFormat::Default:
        size = QSize(185, 293);
        break;
    case StandardFormat::Normal:
        size = QSize(207, 321);
        break;
    case StandardFormat::Medium:
        size = QSize(245, 370);
        break;
    case StandardFormat::Large:
        size = QSize(313, 480);
        break;
    case StandardFormat::Square:
        size = QSize(302, 302);
        break;
    }
    return landscape ? size.transposed() : size;
}

bool standardFormatAllowsA4(StandardFormat format)
{
    return format == StandardFormat::Default || format == StandardFormat::Normal;
}

QSize a4AdjustedSize(bool landscape)
{
    return landscape ? QSize(363, 189) : QSize(189, 363);
}

void relayoutProportionally(CardModel &card)
{
    std::array<double, 8> r = card.layoutRatios;
    if (card.isLandscape()) {
        r = card.horizontalRatiosRecorded
                ? card.horizontalRatios
                : std::array<double, 8>{0.46, 0.25, 0.075, 0.96, 0.45, 0.45, 0.04, 0.075};
    }
    const int w = card.width;
    const int h = card.height;
    const int w1 = roundEven(r[0] * w);
    const int w2 = roundEven(r[3] * w);
    setFrame(card, 0, (w - w1) / 2, roundEven(r[2] * h), w1, roundEven(r[1] * h));
    setFrame(card, 1, (w - w2) / 2, roundEven(r[5] * h), w2, roundEven(r[4] * h));
    CardIcon icon = card.icon;
    icon.left = roundEven(r[6] * w);
    icon.top = roundEven(r[7] * h);
    card.setIconGeometry(icon);
}

bool isNearlySquare(int width, int height)
{
    return (width <= height && width > 0.85 * height) || (width >= height && width < 1.15 * height);
}

void switchOrientation(CardModel &card, Orientation target, const GeometrySlot &s)
{
    const bool square = isNearlySquare(card.width, card.height);
    card.setOrientation(target);
    card.setCardSize(card.height, card.width);
    if (square)
        return;

    int top1 = s.frame1Top;
    int height1 = s.frame1Height;
    int height2 = s.frame2Height;
    int width1 = s.frame1Width;
    CardIcon icon{s.iconLeft, s.iconTop, s.iconWidth, s.iconHeight};
    if (target == Orientation::Horizontal) {
        top1 = 2 * s.frame1Top;
        height1 = s.frame1Height / 2;
        height2 = s.frame2Height / 2;
        width1 = roundEven(s.frame1Width * 1.75);
        icon.top = s.iconTop / 2;
        icon.left = 2 * s.iconLeft;
    }
    const int w = card.width;
    const int h = card.height;
    const int width2 = w - 3;
    setFrame(card, 0, roundEven((w - width1) / 2.0), top1, width1, height1);
    setFrame(card, 1, roundEven((w - width2) / 2.0), h - height2 - 2, width2, height2);
    card.setIconGeometry(icon);

    if (target == Orientation::Horizontal) {
        const CardFrame &f1 = card.frames[0];
        const CardFrame &f2 = card.frames[1];
        card.horizontalRatios = {double(f1.width) / w,  double(f1.height) / h, double(f1.top) / h,
                                 double(f2.width) / w,  double(f2.height) / h, double(f2.top) / h,
                                 double(icon.left) / w, double(icon.top) / h};
        card.horizontalRatiosRecorded = true;
    }
}
