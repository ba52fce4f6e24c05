// The commands of the main window whose work lives in the other parts of the
// program. Each stays a no-op until its part is built.
#include "app/Tfrmmain.h"

#include "app/ProgramState.h"
#include "app/Startup.h"
#include "card/Rounding.h"
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
        const double half = (screenSize().width() - width()) / 2.0;
        const int beside = preview->x() + preview->width() + 5;
        move(beside > half ? beside : roundEven(half), y());
        preview->show();
        state.cardShown = true;
        Button1->setText(message(158));
    } else {
        preview->hide();
        state.cardShown = false;
        Button1->setText(message(159));
    }
}

void Tfrmmain::Button17Click() {}
void Tfrmmain::clipClick() {}
void Tfrmmain::combobox1keyup() {}
void Tfrmmain::combobox2keyup() {}
void Tfrmmain::combobox3keyup() {}
void Tfrmmain::combobox4keyup() {}
void Tfrmmain::combobox14_keyup() {}
void Tfrmmain::combobox15_keyup() {}
void Tfrmmain::combobox7keyup() {}
void Tfrmmain::combobox8keyup() {}
void Tfrmmain::combobox5keyup() {}
void Tfrmmain::combobox6keyup() {}
void Tfrmmain::combobox13keyup() {}
void Tfrmmain::Button13Click() {}
void Tfrmmain::Button14Click() {}
void Tfrmmain::Button9Click() {}
void Tfrmmain::Button10Click() {}
void Tfrmmain::Button11Click() {}
void Tfrmmain::Button12Click() {}
void Tfrmmain::CheckBox2Click() {}
void Tfrmmain::CheckBox3Click() {}
void Tfrmmain::combobox18keyup() {}
void Tfrmmain::combobox19keyup() {}
void Tfrmmain::CheckBox5Change() {}
void Tfrmmain::CheckBox6Change() {}
void Tfrmmain::ComboBox16Change() {}
void Tfrmmain::combobox20keyup() {}
void Tfrmmain::combobox12keyup() {}
void Tfrmmain::tb1_change() {}
void Tfrmmain::Button3Click() {}
void Tfrmmain::Button15Click() {}
void Tfrmmain::CheckBox1Click() {}
void Tfrmmain::checkbox4_click() {}
void Tfrmmain::combobox9keyup() {}
void Tfrmmain::combobox10keyup() {}
void Tfrmmain::combobox17keyup() {}
void Tfrmmain::combobox11keyup() {}
void Tfrmmain::CheckBox7Change() {}
void Tfrmmain::CheckBox8Change() {}

void Tfrmmain::mcharger_click() {}
void Tfrmmain::msauvegarder_click() {}
void Tfrmmain::rpertoiredetravail1Click() {}
void Tfrmmain::mclipbrd_click() {}
void Tfrmmain::Imprimante1Click() {}
void Tfrmmain::mimpneb_click() {}
void Tfrmmain::mimpcouleurs_click() {}
void Tfrmmain::accscarte1Click() {}
void Tfrmmain::mtextecharger_click(int) {}
void Tfrmmain::mtextesauvegarder_click(int) {}
void Tfrmmain::ansicoding1Click() {}
void Tfrmmain::utf8coding1Click() {}
void Tfrmmain::unicodecoding1Click() {}
void Tfrmmain::micone_click() {}
void Tfrmmain::mmotif_click() {}
void Tfrmmain::massistance_click() {}
void Tfrmmain::mpropos_click() {}
void Tfrmmain::Associationdesfichiers1Click() {}
void Tfrmmain::detectimpr() {}
void Tfrmmain::testimpr() {}
void Tfrmmain::polices1Click() {}
void Tfrmmain::edit_minicv() {}
void Tfrmmain::Imprimer1Click() {}
void Tfrmmain::Sauvegarder3Click() {}
void Tfrmmain::Charger3Click() {}
