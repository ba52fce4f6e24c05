#pragma once

#include <QSize>
#include <QStringList>

#include <memory>
#include <optional>

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
};

PrinterService &printerService();
// Takes ownership; returns the previous service.
std::unique_ptr<PrinterService> setPrinterService(std::unique_ptr<PrinterService> service);
// Installs the real service at first use.
void setDefaultPrinterServiceFactory(std::unique_ptr<PrinterService> (*factory)());

class FakePrinterService : public PrinterService
{
public:
    QStringList printers;
    QSize dotsPerInch{600, 600};

    QStringList installedPrinters() const override { return printers; }
    std::optional<QSize> resolution() const override
    {
        if (printers.isEmpty())
            return std::nullopt;
        return dotsPerInch;
    }
};
