#include "editing/TForm11.h"

#include "app/ProgramState.h"
#include "dialogs/ModalRun.h"
#include "editing/Appearance.h"

#include <QCheckBox>
#include <QPushButton>

TForm11::TForm11(FontListOptions &fontOptions, QWidget *parent)
    : QDialog(parent)
    , options(fontOptions)
{
    setObjectName(QStringLiteral("Form11"));
    setWindowTitle(message(1164));
    setFixedSize(230, 250);
    CheckBox1 = optionBox("CheckBox1", QStringLiteral("True Type"), FontListOption::TrueType, 10);
    CheckBox2 = optionBox("CheckBox2", QStringLiteral("Wysiwyg"), FontListOption::Wysiwyg, 36);
    CheckBox3 = optionBox("CheckBox3", QStringLiteral("Ansi"), FontListOption::Ansi, 62);
    CheckBox4 = optionBox("CheckBox4", QStringLiteral("OEM"), FontListOption::NoOem, 88);
    CheckBox5 = optionBox("CheckBox5", QStringLiteral("Vectoriel"), FontListOption::NoVector, 114);
    CheckBox6 =
        optionBox("CheckBox6", QStringLiteral("Force Exists"), FontListOption::ForceExists, 140);
    CheckBox7 =
        optionBox("CheckBox7", QStringLiteral("Limit Size"), FontListOption::LimitSize, 166);
    Button1 = new QPushButton(QStringLiteral("ok"), this);
    Button1->setObjectName(QStringLiteral("Button1"));
    Button1->setGeometry(75, 206, 80, 28);
    connect(Button1, &QPushButton::clicked, this, [this] { Button1Click(); });
}

QCheckBox *TForm11::optionBox(const char *name, const QString &caption, FontListOption option,
                              int top)
{
    auto *box = new QCheckBox(caption, this);
    box->setObjectName(QLatin1String(name));
    box->setGeometry(20, top, 190, 22);
    connect(box, &QCheckBox::clicked, this,
            [this, option](bool checked) { options.setFlag(option, checked); });
    boxes.append({box, option});
    return box;
}

void TForm11::formshow()
{
    for (const auto &[box, option] : boxes)
        box->setChecked(options.testFlag(option));
}

void TForm11::showEvent(QShowEvent *event)
{
    formshow();
    QDialog::showEvent(event);
}

void TForm11::Button1Click()
{
    accept();
}

void showFontListOptions(QWidget *parent)
{
    TForm11 window(appearanceState().fontListOptions, parent);
    // A runner that never shows the window still sees the boxes as they open.
    window.formshow();
    runModal(window);
}
