#pragma once

#include "platform/Dialogs.h"

#include <QDialog>

class QCheckBox;
class QPushButton;

// The font-list options: what the font dialog lists and offers. Each box
// adds or removes its option at once.
class TForm11 : public QDialog
{
    Q_OBJECT

public:
    explicit TForm11(FontListOptions &options, QWidget *parent = nullptr);

    QCheckBox *CheckBox1 = nullptr; // True Type
    QCheckBox *CheckBox2 = nullptr; // Wysiwyg
    QCheckBox *CheckBox3 = nullptr; // Ansi
    QCheckBox *CheckBox4 = nullptr; // OEM
    QCheckBox *CheckBox5 = nullptr; // Vectoriel
    QCheckBox *CheckBox6 = nullptr; // Force Exists
    QCheckBox *CheckBox7 = nullptr; // Limit Size
    QPushButton *Button1 = nullptr; // ok

    void formshow();
    void Button1Click();

protected:
    void showEvent(QShowEvent *event) override;

private:
    QCheckBox *optionBox(const char *name, const QString &caption, FontListOption option, int top);

    FontListOptions &options;
    QList<std::pair<QCheckBox *, FontListOption>> boxes;
};

// Opens the window modally over the main window; it is freed on closing.
void showFontListOptions(QWidget *parent);
