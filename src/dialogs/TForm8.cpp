#include "dialogs/TForm8.h"

#include "app/Widgets.h"

#include "dialogs/ModalRun.h"
#include "platform/RichEdit.h"

#include <QPushButton>

TForm8::TForm8(QWidget *parent)
    : QDialog(parent)
{
    setObjectName(QStringLiteral("TForm8"));
    setWindowTitle(QStringLiteral("Vokira : mini-cv"));
    setFont(designedWindowFont());
    resize(696, 311);

    RichEdit1 = new RichEdit(this);
    RichEdit1->setObjectName(QStringLiteral("RichEdit1"));
    RichEdit1->setGeometry(32, 48, 625, 153);
    RichEdit1->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    RichEdit1->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    RichEdit1->setReadOnly(true);

    BitBtn1 = new QPushButton(QStringLiteral("ok"), this);
    BitBtn1->setObjectName(QStringLiteral("BitBtn1"));
    BitBtn1->setGeometry(296, 232, 81, 33);
    BitBtn1->setDefault(true);
    connect(BitBtn1, &QPushButton::clicked, this, [this] { BitBtn1Click(); });
}

void TForm8::BitBtn1Click()
{
    done(ModalOk);
}
