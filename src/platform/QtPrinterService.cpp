#include "platform/QtPrinterService.h"

#include <QPrinter>
#include <QPrinterInfo>

QStringList QtPrinterService::installedPrinters() const
{
    return QPrinterInfo::availablePrinterNames();
}

std::optional<QSize> QtPrinterService::resolution() const
{
    const QPrinterInfo info = QPrinterInfo::defaultPrinter();
    if (info.isNull())
        return std::nullopt;
    QPrinter printer(info, QPrinter::HighResolution);
    if (!printer.isValid())
        return std::nullopt;
    const int x = printer.logicalDpiX();
    const int y = printer.logicalDpiY();
    if (x <= 0 || y <= 0)
        return std::nullopt;
    return QSize(x, y);
}

std::unique_ptr<PrinterService> makeQtPrinterService()
{
    return std::make_unique<QtPrinterService>();
}
