#include "card/CardModel.h"

#include "card/Rounding.h"

QColor toQColor(Colour colour)
{
    return QColor(int(colour & 0xFF), int((colour >> 8) & 0xFF), int((colour >> 16) & 0xFF));
}

Colour fromQColor(const QColor &colour)
{
    return Colour(colour.red()) | (Colour(colour.green()) << 8) | (Colour(colour.blue()) << 16);
}

QString orientationText(Orientation orientation)
{
    switch (orientation) {
    case Orientation::Vertical:
        return QStringLiteral("vertical");
    case Orientation::Horizontal:
        return QStringLiteral("horizontal");
    case Orientation::Unset:
        break;
    }
    return {};
}

Orientation orientationFromText(const QString &text)
{
    if (text == QLatin1String("vertical"))
        return Orientation::Vertical;
    if (text == QLatin1String("horizontal"))
        return Orientation::Horizontal;
    return Orientation::Unset;
}

QString patternModeText(PatternMode mode)
{
    switch (mode) {
    case PatternMode::Mot:
        return QStringLiteral("mot");
    case PatternMode::Str:
        return QStringLiteral("str");
    case PatternMode::Dim:
        break;
    }
    return QStringLiteral("dim");
}

QString fillStyleText(FillStyle style)
{
    return style == FillStyle::Flood ? QStringLiteral("flood") : QStringLiteral("fill");
}

CardModel::CardModel()
{
    frames[0].left = 63;
    frames[0].top = 41;
    frames[0].width = 74;
    frames[0].height = 65;
    frames[1].left = 3;
    frames[1].top = 145;
    frames[1].width = 179;
    frames[1].height = 140;
    recordLayoutRatios();
}

void CardModel::setDefaults(int screenPixelsPerInch)
{
    CardObserver *keep = observer;
    *this = CardModel();
    observer = keep;
    screenResolution = screenPixelsPerInch;
    previewTop = defaultPreviewPosition().y();
    notify(CardChange::CardGeometry);
    notify(CardChange::CardColour);
    for (int i = 0; i < 2; ++i) {
        notify(CardChange::FrameGeometry, i);
        notify(CardChange::FrameColour, i);
        notify(CardChange::FrameAlignment, i);
    }
    notify(CardChange::IconGeometry);
    notify(CardChange::Appearance);
}

void CardModel::recordLayoutRatios()
{
    const double w = width;
    const double h = height;
    layoutRatios = {frames[0].width / w, frames[0].height / h, frames[0].top / h,
                    frames[1].width / w, frames[1].height / h, frames[1].top / h,
                    icon.left / w,       icon.top / h};
    initialWidth = width;
    initialHeight = height;
}

QPoint CardModel::defaultPreviewPosition() const
{
    return QPoint(roundEven(0.05 * width), roundEven(0.15 * height));
}

void CardModel::setCardSize(int newWidth, int newHeight)
{
    width = newWidth;
    height = newHeight;
    notify(CardChange::CardGeometry);
}

void CardModel::setFrameGeometry(int frame, const QRect &rect)
{
    CardFrame &f = frames[frame];
    f.left = rect.left();
    f.top = rect.top();
    f.width = rect.width();
    f.height = rect.height();
    notify(CardChange::FrameGeometry, frame);
}

void CardModel::setIconGeometry(const CardIcon &newIcon)
{
    icon = newIcon;
    notify(CardChange::IconGeometry);
}

void CardModel::setBackgroundColor(Colour colour)
{
    backgroundColor = colour;
    chosenBackgroundColor = colour;
    notify(CardChange::CardColour);
}

void CardModel::setFrameColor(int frame, Colour colour, bool chosen)
{
    frames[frame].backgroundColor = colour;
    if (chosen)
        frames[frame].chosenColor = colour;
    notify(CardChange::FrameColour, frame);
}

void CardModel::setFrameAlignment(int frame, int alignment)
{
    frames[frame].textAlignment = alignment;
    notify(CardChange::FrameAlignment, frame);
}

void CardModel::setHeaderFont(int frame, const FrameFont &font)
{
    frames[frame].headerFont = font;
    notify(CardChange::FrameFont, frame);
}

void CardModel::setBodyFont(int frame, const FrameFont &font)
{
    frames[frame].bodyFont = font;
    notify(CardChange::FrameFont, frame);
}

void CardModel::setOrientation(Orientation newOrientation)
{
    orientation = newOrientation;
    notify(CardChange::Orientation);
}

void CardModel::setFrameTransparent(int frame, bool transparent)
{
    frames[frame].transparent = transparent;
    notify(CardChange::Appearance, frame);
}

int CardModel::transparencyCode() const
{
    return (frames[0].transparent ? 1 : 0) + (frames[1].transparent ? 2 : 0);
}

void CardModel::notify(CardChange what, int frame)
{
    if (observer)
        observer->cardChanged(what, frame);
}
