#pragma once

#include <QString>
#include <QStringList>

class QWidget;
class Tfrmmain;
class TForm1;

// The windows that live for the run; each exists once created.
struct AppWindows
{
    Tfrmmain *frmmain = nullptr;
    TForm1 *Form1 = nullptr;
    QWidget *Form7 = nullptr; // the mini-CV editor
};

AppWindows &appWindows();

// The program's start: dispatch on the command line (arguments without the
// program's own name) and run the window it opens until it closes.
void startProgram(const QStringList &arguments);
void openCommandLineFile(const QString &argument);
void openMiniCvAtStart(const QString &fileName);
// Creates and prepares the card window with the default card, unless it
// exists.
void createCardWindow();
// Creates and prepares the card window and the main window; loads a card
// parameter file when a name is given.
void prepareMainWindow(const QString &fileName);
// The main window's modal run, then one more close.
void umodalshow2();

void refreshCommandStates();
void restrictPrintingToChosenPrinter(QWidget *window);
void closeAllWindows();
void deleteTemporaryFiles();
void onExceptionHandler(const QString &what);

// Frees the windows; the end of the program (and of each test).
void destroyWindows();

// True when the program was started with an argument.
bool hasCommandLineArgument();
