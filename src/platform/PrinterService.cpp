#include "platform/PrinterService.h"

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
