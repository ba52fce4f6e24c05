#include "platform/PrinterService.h"

#include "card/Rounding.h"

#include <QPainter>

namespace {

std::unique_ptr<PrinterService> &serviceSlot()
{
    static std::unique_ptr<PrinterService> service;
    return service;
}

std::unique_ptr<PrinterService> (*&factorySlot())()
{
    static std::unique_ptr<PrinterService> (*factory)() = nullptr;
    return factory;
}

} // namespace

PrinterService &printerService()
{
    auto &service = serviceSlot();
    if (!service)
        service = factorySlot() ? factorySlot()() : std::make_unique<FakePrinterService>();
    return *service;
}

std::unique_ptr<PrinterService> setPrinterService(std::unique_ptr<PrinterService> service)
{
    std::unique_ptr<PrinterService> previous = std::move(serviceSlot());
    serviceSlot() = std::move(service);
    return previous;
}

void setDefaultPrinterServiceFactory(std::unique_ptr<PrinterService> (*factory)())
{
    factorySlot() = factory;
}

// ---- FakePrinterService

namespace {

class FakePrintJob : public PrintJob
{
public:
    FakePrintJob(FakePrinterService &service, QPageLayout::Orientation orientation)
        : service(service)
    {
        const QSize dpi = service.dotsPerInch;
        // A4 is 210 x 297 mm.
        QSize size(roundEven(dpi.width() * 210 / 25.4), roundEven(dpi.height() * 297 / 25.4));
        if (orientation == QPageLayout::Landscape)
            size.transpose();
        page = QImage(size, QImage::Format_RGB32);
        page.setDotsPerMeterX(roundEven(dpi.width() / 0.0254));
        page.setDotsPerMeterY(roundEven(dpi.height() / 0.0254));
        startPage();
    }

    QPainter &painter() override { return pagePainter; }

    bool newPage() override
    {
        endPage();
        startPage();
        return true;
    }

    bool finish() override
    {
        endPage();
        service.pages += done;
        done.clear();
        return true;
    }

    QSize pageSizeDots() const override { return page.size(); }
    QSize dotsPerInch() const override { return service.dotsPerInch; }

private:
    // Every page is drawn on the same picture, so that the painter's device
    // stays where callers may have noted it.
    void startPage()
    {
        page.fill(Qt::white);
        pagePainter.begin(&page);
    }

    void endPage()
    {
        pagePainter.end();
        done.append(page.copy());
    }

    FakePrinterService &service;
    QImage page;
    QList<QImage> done;
    QPainter pagePainter;
};

} // namespace

std::unique_ptr<PrintJob> FakePrinterService::beginJob(const QString &,
                                                       QPageLayout::Orientation orientation)
{
    if (printers.isEmpty())
        return nullptr;
    return std::make_unique<FakePrintJob>(*this, orientation);
}
