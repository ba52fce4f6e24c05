#pragma once

// Printer dots per card pixel, read at start from the printer's resolution
// and the screen's.
struct PrinterMetrics
{
    double scaleX = 1.0;
    double scaleY = 1.0;
};

PrinterMetrics &printerMetrics();
