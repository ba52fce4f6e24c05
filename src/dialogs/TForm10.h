#pragma once

#include <QDialog>

class QLineEdit;
class QPlainTextEdit;
class QPushButton;

// The input dialog: asks the user for one line of text.
class TForm10 : public QDialog
{
    Q_OBJECT

public:
    explicit TForm10(QWidget *parent = nullptr);

    QPlainTextEdit *Memo1 = nullptr;
    QLineEdit *Edit1 = nullptr;
    QPushButton *Button1 = nullptr;
    QPushButton *Button2 = nullptr;

    void formcreate();
    void formshow();
    void formkeydown(int key);
    void Button1Click();
    void Button2Click();

    // Escape and the close box end the dialog as "annuler" does.
    void reject() override;

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;
    void showEvent(QShowEvent *event) override;
};

// Asks for one line of text in TForm10, titled "Vokira : " and the title.
// "ok" gives the text as it was when clicked, "annuler", Escape and the close
// box the text of the entry as it stands; any other end gives the proposed
// answer back.
QString askText(const QString &title, const QString &prompt, const QString &proposed);

// The answer taken at the last "ok", for the whole program.
QString &askTextAnswer();
