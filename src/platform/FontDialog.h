#pragma once

#include "platform/Dialogs.h"

#include <QDialog>

class QCheckBox;
class QComboBox;
class QLabel;
class QLineEdit;
class QListWidget;
class QPushButton;

// The families the font dialog lists under these options, as far as Qt can
// tell a font's kind: it knows scalable from bitmap fonts and a font's
// scripts, but not the printer's own fonts nor the old stroke fonts by kind.
QStringList fontDialogFamilies(FontListOptions options);
// The point sizes offered for a family: its own sizes for a bitmap font, the
// usual series for a scalable one, held to [minSize, maxSize] under
// LimitSize.
QList<int> fontDialogSizes(const QString &family, const FontRequest &request);
// The sixteen colours of the effects list, black first.
QList<QColor> fontDialogColours();

// The font dialog of the program: family, style and size lists, the
// effects (strike-out, underline, colour) and a live sample. Qt's own dialog
// has neither the colour nor the size limit.
class FontDialog : public QDialog
{
    Q_OBJECT

public:
    explicit FontDialog(const FontRequest &request, QWidget *parent = nullptr);

    FontChoice choice() const;

    QLineEdit *familyEdit = nullptr;
    QListWidget *familyList = nullptr;
    QListWidget *styleList = nullptr;
    QLineEdit *sizeEdit = nullptr;
    QListWidget *sizeList = nullptr;
    QCheckBox *strikeOutBox = nullptr;
    QCheckBox *underlineBox = nullptr;
    QComboBox *colourList = nullptr;
    QLabel *sample = nullptr;
    QPushButton *okButton = nullptr;

private:
    void familyChosen();
    void refreshSample();
    void checkEntries();

    FontRequest request;
};
