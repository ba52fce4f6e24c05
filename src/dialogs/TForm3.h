#pragma once

#include <QDialog>
#include <QPageLayout>

class QPushButton;
class QRadioButton;
class QTextEdit;

// The assistance window: the built-in help text, which can be printed.
class TForm3 : public QDialog
{
    Q_OBJECT

public:
    explicit TForm3(QWidget *parent = nullptr);

    QTextEdit *Richedit1 = nullptr;
    QPushButton *Button1 = nullptr;
    QPushButton *Button2 = nullptr;
    QPushButton *Button3 = nullptr;
    QRadioButton *rb1 = nullptr;
    QRadioButton *rb2 = nullptr;

    // Clears the text and puts in the help, title first.
    void fillHelpText();
    // The size the controls' places are proportional to.
    void rememberSize();
    QSize rememberedSize() const { return remembered; }

    QPageLayout::Orientation printOrientation() const { return orientation; }

    void form3_resize();
    void Button1Click();
    void Button2Click();
    void Button3Click();
    void rb1_click();
    void rb2_click();

protected:
    void resizeEvent(QResizeEvent *event) override;

private:
    void applyOrientation();

    QSize remembered;
    QPageLayout::Orientation orientation = QPageLayout::Portrait;
};

// The "&Assistance" command: the help window, shown modally and freed when it
// closes.
void showAssistance();
