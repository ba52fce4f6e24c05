#pragma once

// A fresh program state for each test: scripted dialogs, a fake printer
// list, an empty settings store of the test's own, and the windows freed
// afterwards.

#include "app/ProgramState.h"
#include "app/Settings.h"
#include "app/Startup.h"
#include "app/Tfrmmain.h"
#include "card/CardModel.h"
#include "dialogs/ModalRun.h"
#include "minicv/MiniCvModel.h"
#include "output/PreviewState.h"
#include "output/PrinterMetrics.h"
#include "platform/Dialogs.h"
#include "platform/PrinterService.h"

#include <QDialog>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSettings>
#include <QStringList>
#include <QTemporaryDir>

// Points the settings store, and the desktop's data and configuration
// folders that the file association writes to, at a folder that lives as
// long as the test program, and empties the store: no test reads or writes
// the user's own settings or file types. Returns the folder.
inline QString useTemporarySettingsStore()
{
    static QTemporaryDir folder;
    QSettings::setPath(QSettings::NativeFormat, QSettings::UserScope, folder.path());
    for (const QString &desktop : {QStringLiteral("data"), QStringLiteral("config")}) {
        const QString path = folder.filePath(desktop);
        if (QFileInfo(path).isDir())
            QDir(path).removeRecursively();
        else
            QFile::remove(path);
    }
    qputenv("XDG_DATA_HOME", QFile::encodeName(folder.filePath(QStringLiteral("data"))));
    qputenv("XDG_CONFIG_HOME", QFile::encodeName(folder.filePath(QStringLiteral("config"))));
    QSettings store(QSettings::NativeFormat, QSettings::UserScope, QStringLiteral("Zelvorin"),
                    QStringLiteral("Vokira"));
    store.clear();
    return folder.path();
}

struct ProgramFixture
{
    ScriptedDialogs *dialogs = nullptr;
    QString settingsFolder;

    explicit ProgramFixture(const QStringList &printers = {QStringLiteral("Bureau")})
    {
        destroyWindows();
        programState() = ProgramState();
        previewState() = PreviewState();
        cardModel() = CardModel();
        miniCvModel() = MiniCvModel();
        printerMetrics() = PrinterMetrics();
        settingsFolder = useTemporarySettingsStore();
        startDirectories() = StartDirectories();
        // The working-directory chooser is cancelled unless a test drives it.
        // So are the assistance, viewer and input windows.
        setModalRunner([](QDialog &) { return int(ModalCancel); });
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
        setModalRunner(nullptr);
    }

    Tfrmmain *start()
    {
        prepareMainWindow(QString());
        return appWindows().frmmain;
    }
};
