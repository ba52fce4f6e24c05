#pragma once

#include "platform/PrinterService.h"

// The printers of the print system (CUPS on Linux).
class QtPrinterService : public PrinterService
{
public:
    QStringList installedPrinters() const override;
    std::optional<QSize> resolution() const override;
    std::unique_ptr<PrintJob> beginJob(const QString &title,
                                       QPageLayout::Orientation orientation) override;
};

std::unique_ptr<PrinterService> makeQtPrinterService();
