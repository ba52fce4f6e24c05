#include "platform/ScreenMetrics.h"

#include "card/Rounding.h"

#include <QGuiApplication>
#include <QScreen>

int screenPixelsPerInch()
{
    const QScreen *screen = QGuiApplication::primaryScreen();
    return screen ? roundEven(screen->logicalDotsPerInch()) : 96;
}

QSize screenSize()
{
    const QScreen *screen = QGuiApplication::primaryScreen();
    return screen ? screen->geometry().size() : QSize(1024, 768);
}
