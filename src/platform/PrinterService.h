#pragma once

#include <QImage>
#include <QList>
#include <QPageLayout>
#include <QSize>
#include <QStringList>

#include <memory>
#include <optional>

class QPainter;

// One document on its way to the printer. The painter's origin is the top-left
// of the printable area; lengths are printer dots.
class PrintJob
{
public:
    virtual ~PrintJob() = default;
    virtual QPainter &painter() = 0;
    virtual bool newPage() = 0;
    // Sends the document; a job dropped without it prints nothing.
    virtual bool finish() = 0;
    virtual QSize pageSizeDots() const = 0;
    virtual QSize dotsPerInch() const = 0;
};

// The printers the program can see, and the current printer's resolution.
// The real service asks the print system; tests install a fake.
class PrinterService
{
public:
    virtual ~PrinterService() = default;
    virtual QStringList installedPrinters() const = 0;
    // Dots per inch, horizontally and vertically; none when no printer can
    // be reached.
    virtual std::optional<QSize> resolution() const = 0;
    // nullptr when no printer can be reached.
    virtual std::unique_ptr<PrintJob> beginJob(const QString &title,
                                               QPageLayout::Orientation orientation) = 0;
};

PrinterService &printerService();
// Takes ownership; returns the previous service.
std::unique_ptr<PrinterService> setPrinterService(std::unique_ptr<PrinterService> service);
// Installs the real service at first use.
void setDefaultPrinterServiceFactory(std::unique_ptr<PrinterService> (*factory)());

// Prints onto A4 pictures at its resolution: a 600 dpi page takes some 140 MB,
// so tests that print set a lower one.
class FakePrinterService : public PrinterService
{
public:
    QStringList printers;
    QSize dotsPerInch{600, 600};
    // The pages of the finished jobs, in order.
    QList<QImage> pages;

    QStringList installedPrinters() const override { return printers; }
    std::optional<QSize> resolution() const override
    {
        if (printers.isEmpty())
            return std::nullopt;
        return dotsPerInch;
    }
    std::unique_ptr<PrintJob> beginJob(const QString &title,
                                       QPageLayout::Orientation orientation) override;
};
