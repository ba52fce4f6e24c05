#pragma once

#include "card/CardModel.h"

#include <QWidget>

class QLabel;
class RichEdit;

// The card preview: a borderless window whose client area is the card at one
// screen pixel per card pixel. Its two editors are the frames, its image the
// icon box. It mirrors the card model at once after every change.
class TForm1 : public QWidget, public CardObserver
{
    Q_OBJECT

public:
    explicit TForm1(CardModel &card, QWidget *parent = nullptr);
    ~TForm1() override;

    RichEdit *RichEdit1 = nullptr;
    RichEdit *RichEdit2 = nullptr;
    QLabel *Image1 = nullptr; // the icon box
    QLabel *Image2 = nullptr; // hidden, never shown
    QLabel *Image3 = nullptr; // hidden, never shown

    RichEdit *frameEditor(int frame) const { return frame == 0 ? RichEdit1 : RichEdit2; }

    void cardChanged(CardChange what, int frame) override;
    // Mirror the whole model, after a load or at start.
    void mirrorCard();

    static QPixmap builtInIcon();

private:
    void formload();

    CardModel &card;
};
