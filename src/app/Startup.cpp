#include "app/Startup.h"

#include "app/FileType.h"
#include "app/ProgramState.h"
#include "app/Settings.h"
#include "app/Tfrmmain.h"
#include "card/CardFileCommands.h"
#include "card/CardModel.h"
#include "dialogs/TForm4.h"
#include "minicv/MiniCvModel.h"
#include "output/PreviewState.h"
#include "output/TForm1.h"
#include "platform/Dialogs.h"
#include "platform/PrinterService.h"
#include "platform/ScreenMetrics.h"

#include <QAction>
#include <QMenu>

namespace {

bool &commandLineArgument()
{
    static bool given = false;
    return given;
}

// The card window's part of the start: the default card at its place, then
// the preview's own preparation.
void prepareCardWindow(TForm1 &preview)
{
    CardModel &card = cardModel();
    card.setDefaults(screenPixelsPerInch());
    preview.move(card.defaultPreviewPosition());
    preview.postload();
}

} // namespace

AppWindows &appWindows()
{
    static AppWindows windows;
    return windows;
}

bool hasCommandLineArgument()
{
    return commandLineArgument();
}

void startProgram(const QStringList &arguments)
{
    commandLineArgument() = !arguments.isEmpty();
    if (arguments.isEmpty()) {
        prepareMainWindow(QString());
        umodalshow2();
        return;
    }
    openCommandLineFile(arguments.constFirst());
}

void openCommandLineFile(const QString &argument)
{
    const QString type = detectFileType(argument);
    if (type == QLatin1String("minicv-vk4")) {
        openMiniCvAtStart(argument);
    } else if (type == QLatin1String("carte-vk1")) {
        prepareMainWindow(argument);
        umodalshow2();
    }
    // Anything else: the program ends without a window or a message.
}

void openMiniCvAtStart(const QString &fileName)
{
    // The mini-CV editor reads the file and runs modally here once it exists.
    Q_UNUSED(fileName);
    if (programState().currentLanguage.isEmpty())
        programState().currentLanguage = QStringLiteral("fr");
    readStartDirectories();
}

void createCardWindow()
{
    AppWindows &windows = appWindows();
    if (!windows.Form1) {
        windows.Form1 = new TForm1(cardModel());
        prepareCardWindow(*windows.Form1);
    }
}

void prepareMainWindow(const QString &fileName)
{
    ProgramState &state = programState();
    AppWindows &windows = appWindows();
    if (state.currentLanguage.isEmpty())
        state.currentLanguage = QStringLiteral("fr");
    previewState().cardAccessOpen = false;
    createCardWindow();
    if (!windows.frmmain)
        windows.frmmain = new Tfrmmain();
    windows.frmmain->hide();
    windows.frmmain->postload();
    refreshCommandStates();
    if (!fileName.isEmpty())
        loadCardAfterChoice(fileName);
}

void umodalshow2()
{
    Tfrmmain *window = appWindows().frmmain;
    if (!window)
        return;
    window->showModal();
    window->close();
}

void refreshCommandStates()
{
    Tfrmmain *window = appWindows().frmmain;
    if (!window)
        return;
    if (cardModel().hasContent)
        window->audit1->setEnabled(true);
    if (programState().printerChosen == 'o') {
        window->Impressioncouleurs1->setEnabled(true);
        window->Impressionnoir_et_blanc1->setEnabled(true);
    }
    const bool editorReady = miniCvModel().editorReady;
    window->Imprimer1->setEnabled(editorReady);
    window->Sauvegarder3->setEnabled(editorReady);
}

void restrictPrintingToChosenPrinter(QWidget *window)
{
    const qsizetype printers = printerService().installedPrinters().size();
    if (printers == 1)
        return;
    if (auto *main = qobject_cast<Tfrmmain *>(window)) {
        main->Impressioncouleurs1->setEnabled(false);
        main->Impressionnoir_et_blanc1->setEnabled(false);
    }
    // The mini-CV editor's print items are restricted here once it exists.
}

void closeAllWindows()
{
    AppWindows &windows = appWindows();
    if (windows.frmmain)
        windows.frmmain->close();
    if (windows.Form1)
        windows.Form1->close();
    if (windows.Form7)
        windows.Form7->close();
}

void deleteTemporaryFiles()
{
    // The mini-CV editor's temporary files are named here once it exists.
}

void onExceptionHandler(const QString &what)
{
    dialogs().showMessage(message(142));
    dialogs().showMessage(MessageKind::Error, what, MessageButton::Ok, 0);
}

void destroyWindows()
{
    destroyAboutWindows();
    AppWindows &windows = appWindows();
    delete windows.frmmain;
    delete windows.Form7;
    delete windows.Form1;
    windows = AppWindows();
}
