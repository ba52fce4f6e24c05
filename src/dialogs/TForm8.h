#pragma once

#include <QDialog>

class QPushButton;
class RichEdit;

// The text viewer in which the mini-CV editor shows what it found in a text,
// such as the tab stops of a zone. The caller fills it and shows it modally.
class TForm8 : public QDialog
{
    Q_OBJECT

public:
    explicit TForm8(QWidget *parent = nullptr);

    RichEdit *RichEdit1 = nullptr;
    QPushButton *BitBtn1 = nullptr;

    void BitBtn1Click();
};
