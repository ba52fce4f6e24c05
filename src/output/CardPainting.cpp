#include "output/CardPainting.h"

#include "card/Rounding.h"

#include <QImageReader>
#include <QPainter>

#include <vector>

bool PatternCache::load(const QString &fileName)
{
    if (!picture.isNull() && fileName == file)
        return true;
    release();
    QImageReader reader(fileName);
    reader.setAutoTransform(false);
    QImage loaded = reader.read();
    if (loaded.isNull())
        return false;
    // A pattern is drawn opaque: any alpha it carries is ignored.
    picture = loaded.convertToFormat(QImage::Format_RGB32);
    file = fileName;
    return true;
}

const QImage &PatternCache::stretchedTo(const QSize &size)
{
    if (stretched.size() != size)
        stretched = picture.scaled(size, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
    return stretched;
}

void PatternCache::release()
{
    file.clear();
    picture = QImage();
    stretched = QImage();
}

QRect cardRectOnSurface(const CardModel &card, const QPoint &origin, double scaleX, double scaleY)
{
    const QPoint topLeft = -origin;
    return QRect(topLeft.x(), topLeft.y(), roundEven(card.width * scaleX),
                 roundEven(card.height * scaleY));
}

QImage floodMask(const QImage &source, const QPoint &seed)
{
    const QImage target = source.convertToFormat(QImage::Format_RGB32);
    QImage mask(target.size(), QImage::Format_Grayscale8);
    mask.fill(0);
    if (!target.rect().contains(seed))
        return mask;
    const int w = target.width();
    const int h = target.height();
    const QRgb colour = target.pixel(seed) | 0xFF000000u;
    auto same = [&](int x, int y) {
        return (reinterpret_cast<const QRgb *>(target.constScanLine(y))[x] | 0xFF000000u) ==
                   colour &&
               mask.constScanLine(y)[x] == 0;
    };
    std::vector<QPoint> stack{seed};
    while (!stack.empty()) {
        const QPoint p = stack.back();
        stack.pop_back();
        if (!same(p.x(), p.y()))
            continue;
        int left = p.x();
        while (left > 0 && same(left - 1, p.y()))
            --left;
        int right = p.x();
        while (right + 1 < w && same(right + 1, p.y()))
            ++right;
        uchar *row = mask.scanLine(p.y());
        for (int x = left; x <= right; ++x)
            row[x] = 255;
        // Seed each run of the rows above and below once.
        for (int y : {p.y() - 1, p.y() + 1}) {
            if (y < 0 || y >= h)
                continue;
            bool inRun = false;
            for (int x = left; x <= right; ++x) {
                const bool match = same(x, y);
                if (match && !inRun)
                    stack.push_back(QPoint(x, y));
                inRun = match;
            }
        }
    }
    return mask;
}

namespace {

bool surfaceIsImage(QPainter &painter)
{
    return painter.device() && painter.device()->devType() == QInternal::Image;
}

void tile(QPainter &painter, const QImage &pattern, const QRect &cardRect)
{
    QBrush brush(pattern);
    brush.setTransform(QTransform::fromTranslate(cardRect.left(), cardRect.top()));
    painter.fillRect(cardRect, brush);
}

void flood(QPainter &painter, const QImage &pattern, const QRect &cardRect)
{
    if (!surfaceIsImage(painter)) {
        // Nothing to read back on this surface: the fill covers the card as
        // a tiling would.
        tile(painter, pattern, cardRect);
        return;
    }
    // The fill reads the surface as painted so far.
    const QImage mask = floodMask(*static_cast<QImage *>(painter.device()), QPoint(1, 1));
    QImage layer(mask.size(), QImage::Format_ARGB32_Premultiplied);
    layer.fill(Qt::transparent);
    {
        QPainter p(&layer);
        tile(p, pattern, cardRect);
    }
    // Keep the tiled layer only where the fill reaches.
    for (int y = 0; y < mask.height(); ++y) {
        const uchar *m = mask.constScanLine(y);
        QRgb *row = reinterpret_cast<QRgb *>(layer.scanLine(y));
        for (int x = 0; x < mask.width(); ++x)
            if (!m[x])
                row[x] = 0;
    }
    painter.save();
    painter.resetTransform();
    painter.drawImage(0, 0, layer);
    painter.restore();
}

} // namespace

PatternOutcome paintPattern(QPainter &painter, const CardModel &card, PatternCache &cache,
                            const QRect &cardRect)
{
    PatternOutcome outcome;
    if (card.patternFile.isEmpty()) {
        outcome.status = NoPatternFile;
        return outcome;
    }
    if (!cache.load(card.patternFile)) {
        outcome.status = PatternUnreadable;
        return outcome;
    }
    const QImage &pattern = cache.image();
    outcome.fitsTile = pattern.width() <= roundEven(card.width / 2.0) &&
                       pattern.height() <= roundEven(card.height / 2.0);
    if (!painter.isActive()) {
        outcome.drawFailed = true;
        return outcome;
    }
    const bool stretch = card.patternMode == PatternMode::Str ||
                         (card.patternMode == PatternMode::Dim && !outcome.fitsTile);
    if (stretch)
        painter.drawImage(cardRect.topLeft(), cache.stretchedTo(cardRect.size()));
    else if (card.fillStyle == FillStyle::Flood)
        flood(painter, pattern, cardRect);
    else
        tile(painter, pattern, cardRect);
    return outcome;
}
