#pragma once

#include "card/CardModel.h"

#include <QImage>
#include <QString>

class QPainter;

// The pattern picture of the card, loaded on first use, and its copy
// stretched to the last size asked for: scaling a large picture on every
// repaint would make the preview sluggish.
class PatternCache
{
public:
    // Loads the file unless it is already held; false when it cannot be read.
    bool load(const QString &file);
    bool isLoaded() const { return !picture.isNull(); }
    const QImage &image() const { return picture; }
    const QImage &stretchedTo(const QSize &size);
    // Forget the picture (a new pattern was chosen, or the program quits).
    void release();

private:
    QString file;
    QImage picture;
    QImage stretched;
};

// What painting the pattern did.
enum PatternStatus {
    PatternPainted = 0,
    NoPatternFile = 10,
    PatternUnreadable = 100,
};

struct PatternOutcome
{
    int status = PatternPainted;
    // The pattern is at most half the card in both directions.
    bool fitsTile = false;
    // The surface refused the drawing.
    bool drawFailed = false;
};

// Paints the card's background pattern into `cardRect` of the painter's
// device: stretched, tiled or flood-filled by the card's pattern mode and
// fill style. A tile is never scaled, so on paper one pattern pixel covers
// one printer dot. The flood fill needs to read the surface: it only acts
// when the device is an image, from its point (1, 1) over the connected area
// of the card colour.
PatternOutcome paintPattern(QPainter &painter, const CardModel &card, PatternCache &cache,
                            const QRect &cardRect);

// The rectangle of a card on a surface: at scale 1 in the preview, scaled by
// the printer's dots per card pixel on a sheet.
QRect cardRectOnSurface(const CardModel &card, const QPoint &origin, double scaleX, double scaleY);

// The area that a flood fill from `seed` would reach, as a mask image (white
// where reached).
QImage floodMask(const QImage &target, const QPoint &seed);
