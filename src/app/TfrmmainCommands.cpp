// The commands of the main window whose work lives in the other parts of the
// program. Each stays a no-op until its part is built.
#include "app/Tfrmmain.h"

#include "app/FileAssociation.h"
#include "app/ProgramState.h"
#include "app/Startup.h"
#include "app/TForm9.h"
#include "dialogs/TForm3.h"
#include "dialogs/TForm4.h"
#include "output/PreviewState.h"
#include "output/TForm1.h"
#include "platform/ScreenMetrics.h"

#include <QPushButton>

void Tfrmmain::form1see()
{
    TForm1 *preview = appWindows().Form1;
    if (!preview)
        return;
    PreviewState &state = previewState();
    if (!state.cardShown) {
        move(mainWindowLeftBesidePreview(screenSize().width(), width(), preview->x(),
                                         preview->width()),
             y());
        preview->show();
        state.cardShown = true;
        Button1->setText(message(158));
    } else {
        preview->hide();
        state.cardShown = false;
        Button1->setText(message(159));
    }
}

void Tfrmmain::Button17Click()
{
    PreviewState &state = previewState();
    state.refreshRequested = true;
    state.pointerMoved = false;
    state.editing = false;
    if (appWindows().Form1)
        appWindows().Form1->rpaint();
}
void Tfrmmain::clipClick() {}

void Tfrmmain::rpertoiredetravail1Click()
{
    chooseWorkingDirectory();
}

void Tfrmmain::mclipbrd_click() {}
void Tfrmmain::Imprimante1Click() {}
void Tfrmmain::mimpneb_click() {}
void Tfrmmain::mimpcouleurs_click() {}
void Tfrmmain::accscarte1Click()
{
    if (appWindows().Form1)
        appWindows().Form1->accscarte1Click(accscarte1);
}
void Tfrmmain::massistance_click()
{
    showAssistance();
}

void Tfrmmain::mpropos_click()
{
    showAbout();
}

void Tfrmmain::Associationdesfichiers1Click()
{
    associateCardFiles();
}

void Tfrmmain::detectimpr() {}
void Tfrmmain::testimpr() {}
void Tfrmmain::edit_minicv() {}
void Tfrmmain::Imprimer1Click() {}
void Tfrmmain::Sauvegarder3Click() {}
void Tfrmmain::Charger3Click() {}
