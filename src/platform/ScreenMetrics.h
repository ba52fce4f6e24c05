#pragma once

#include <QSize>

// The screen as the windows are laid out on it.
int screenPixelsPerInch();
QSize screenSize();
