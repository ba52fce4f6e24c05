#pragma once

// Pictures the drawing tests paint with.

#include <QColor>
#include <QDir>
#include <QImage>
#include <QPainter>
#include <QString>

inline const QColor kPatternRed(255, 0, 0);
inline const QColor kPatternBlue(0, 0, 255);

// A pattern whose left half is red and right half blue: where the blue starts
// tells a tiling from a stretching.
inline QString writeHalvesPattern(const QString &folder, int w, int h)
{
    QImage image(w, h, QImage::Format_RGB32);
    image.fill(kPatternBlue);
    QPainter(&image).fillRect(0, 0, w / 2, h, kPatternRed);
    const QString name = QDir(folder).filePath(QStringLiteral("halves-%1x%2.bmp").arg(w).arg(h));
    image.save(name);
    return name;
}
