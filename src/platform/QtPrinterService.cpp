#include "platform/QtPrinterService.h"

#include <QPainter>
#include <QPrinter>
#include <QPrinterInfo>

namespace {

class QtPrintJob : public PrintJob
{
public:
    explicit QtPrintJob(const QPrinterInfo &info)
        : printer(info, QPrinter::HighResolution)
    {}

    ~QtPrintJob() override
    {
        // Ending the painter would send what was drawn so far.
        if (pagePainter.isActive())
            printer.abort();
    }

    bool begin(const QString &title, QPageLayout::Orientation orientation)
    {
        if (!printer.isValid())
            return false;
        printer.setDocName(title);
        printer.setPageOrientation(orientation);
        return pagePainter.begin(&printer);
    }

    QPainter &painter() override { return pagePainter; }
    bool newPage() override { return printer.newPage(); }
    bool finish() override { return pagePainter.end(); }
    QSize pageSizeDots() const override
    {
        return printer.pageLayout().paintRectPixels(printer.resolution()).size();
    }
    QSize dotsPerInch() const override
    {
        return QSize(printer.logicalDpiX(), printer.logicalDpiY());
    }

private:
    QPrinter printer;
    QPainter pagePainter;
};

} // namespace

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

std::unique_ptr<PrintJob> QtPrinterService::beginJob(const QString &title,
                                                     QPageLayout::Orientation orientation)
{
    const QPrinterInfo info = QPrinterInfo::defaultPrinter();
    if (info.isNull())
        return nullptr;
    auto job = std::make_unique<QtPrintJob>(info);
    if (!job->begin(title, orientation))
        return nullptr;
    return job;
}

std::unique_ptr<PrinterService> makeQtPrinterService()
{
    return std::make_unique<QtPrinterService>();
}
