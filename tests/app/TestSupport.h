#pragma once

// A fresh program state for each test: scripted dialogs, a fake printer
// list, and the windows freed afterwards.

#include "app/ProgramState.h"
#include "app/Startup.h"
#include "app/Tfrmmain.h"
#include "card/CardModel.h"
#include "minicv/MiniCvModel.h"
#include "output/PreviewState.h"
#include "output/PrinterMetrics.h"
#include "platform/Dialogs.h"
#include "platform/PrinterService.h"

#include <QStringList>

struct ProgramFixture
{
    ScriptedDialogs *dialogs = nullptr;

    explicit ProgramFixture(const QStringList &printers = {QStringLiteral("Bureau")})
    {
        destroyWindows();
        programState() = ProgramState();
        previewState() = PreviewState();
        cardModel() = CardModel();
        miniCvModel() = MiniCvModel();
        printerMetrics() = PrinterMetrics();
        auto scripted = std::make_unique<ScriptedDialogs>();
        dialogs = scripted.get();
        setDialogs(std::move(scripted));
        auto fake = std::make_unique<FakePrinterService>();
        fake->printers = printers;
        setPrinterService(std::move(fake));
    }

    ~ProgramFixture()
    {
        destroyWindows();
        setDialogs(nullptr);
        setPrinterService(nullptr);
    }

    Tfrmmain *start()
    {
        prepareMainWindow(QString());
        return appWindows().frmmain;
    }
};
