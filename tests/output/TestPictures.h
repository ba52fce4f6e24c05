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
inline QString writeHalvesPattern(const QString &folder, int w, int h,
                                  const QString &fileName = QString())
{
    QImage image(w, h, QImage::Format_RGB32);
    image.fill(kPatternBlue);
    QPainter(&image).fillRect(0, 0, w / 2, h, kPatternRed);
    const QString name = QDir(folder).filePath(
        fileName.isEmpty() ? QStringLiteral("halves-%1x%2.bmp").arg(w).arg(h) : fileName);
    image.save(name, "BMP");
    return name;
}

// A window as the user sees it. A template, so that tests without widgets can
// include this header too.
template <typename Window> QImage shot(Window *w)
{
    return w->grab().toImage().convertToFormat(QImage::Format_RGB32);
}

// Colours equal but for what blending rounds.
inline bool near(const QColor &a, const QColor &b, int tolerance = 3)
{
    return qAbs(a.red() - b.red()) <= tolerance && qAbs(a.green() - b.green()) <= tolerance &&
           qAbs(a.blue() - b.blue()) <= tolerance;
}
